// Round trips from the settings window to the drawing tools.
//
// A case fills the form model as a user would, presses the tab's draw
// button and reads the status line. When the window reports the parameter
// file as written, the built tool of that tab runs on exactly that file,
// beside an exchange file as the host writes it, in a temporary folder that
// is its current folder: it must end with exit code 0 and rewrite the
// exchange file with its drawing. When the window refuses, nothing may have
// been written into the host folder.
//
// Each tab's cases live in their own <tab>_roundtrip_test.cpp, which joins
// the test once the tab's tool is built (CMakeLists.txt beside this file).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "settings/form.h"

namespace mokrav::roundtrip {

// ---- The host side ------------------------------------------------------

// A picked point as the host writes it: "hp", the point's number, the mark
// (a blank, or "-" with dashMark), blanks so that the coordinates begin in
// column seven, then "x y" as given.
std::string PickedPoint(int number, const std::string& xy, bool dashMark = false);

// The exchange file that the host writes before it runs a tool. Text types
// 1 to 10 have the widths 1 to 10, the spacings 0.1, 0.2, 0.5, 0.4 ... 1 and
// the heights 1, 2, 2.5, 4 ... 10; layer groups 0 to 15 have the scale 1,
// except group 2 (scale 2) and group "a" (scale 0.5).
struct HostFile {
  std::string layer = "3";          // the current layer
  bool layerItem = true;            // false: no "ly" item, so no current layer
  std::string group = "0";          // the current layer group
  std::vector<std::string> points;  // PickedPoint items, in the host's order
  std::vector<std::string> more;    // further items, such as a selected circle "ci 0 0 5"
  // One item a line, CR LF, as UTF-8 (the run writes it in code page 932).
  std::string Text() const;
};

// A host file of the current layer 3 in the layer group `group`, with the
// picked points and further items given.
HostFile Host(const std::string& group, std::vector<std::string> points,
              std::vector<std::string> more = {});

// What one run of a tool left behind.
struct ToolRun {
  int exitCode = -1;        // -1 when the tool did not end by itself
  std::string errors;       // what it printed on stderr
  std::string hostBytes;    // the exchange file as the host wrote it
  std::string outputBytes;  // the exchange file when the tool had ended
  // Ended with 0, said nothing on stderr, and rewrote the exchange file.
  bool Drew() const;
};

// Whether the tool of that name ("MOKRAVF") is built into this test.
bool ToolBuilt(const std::string& tool);

// Runs the built tool `tool` as the host runs it. Its current folder is a
// fresh temporary folder that holds the exchange file, named by word 0 of
// `words` and holding host.Text() in code page 932, and every parameter file
// of `files` (name -> bytes, exactly as the window wrote them). `words` is
// the command line the host passes, split at single blanks.
ToolRun RunNamedTool(const std::string& tool, const std::string& words, const HostFile& host,
                     const std::map<std::string, std::string>& files);

// ---- The window side ----------------------------------------------------

// A box set to one of its own list items, as a user picks it; a failure
// when the box does not list it.
void Pick(Form& f, int box, const std::string& item);

// One tab's draw button and the host's run of its tool.
struct TabTool {
  const char* button;     // the draw button, "Co22"
  const char* paramFile;  // the file it writes, "mokrav2.jyd"
  const char* success;    // its status line once the file is written
  const char* tool;       // the tool that reads the file, "MOKRAVF"
  const char* words;      // the host's command line for that tool
};

// One case of a tab: what the user does in a freshly started window, and
// texts (UTF-8) that the drawing output must and must not hold.
struct Fill {
  const char* name;
  std::function<void(Form&)> fill;
  std::vector<std::string> shown = {};
  std::vector<std::string> absent = {};
};

// One entry the window must refuse: in a fresh start, the tab set to its
// kind (`kind`, as the test's setup reads it), then `text` typed into
// Com<box>; the status line must then show `message`.
struct Refusal {
  const char* name;
  int kind;
  int box;
  const char* text;
  std::string message;
};

// A started window: an empty memory file in its start folder, the host
// folder `Com54` a fresh temporary folder of its own.
class WindowRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A fresh start of the window from the same folders, the host folder
  // typed again. With the exit button, what this run queued is saved and
  // the next start restores it; without it (the window's close box) the
  // queued entries are dropped and the next start is as the last one.
  void Restart(bool exitButton = true);

  // Presses the tab's draw button, which must report the file as written
  // by this press; then the tool must draw that file for the host's picks.
  // Every text of `shown` (UTF-8) must be part of the drawing output, in
  // code page 932, and no text of `absent`. Returns the tool's run.
  ToolRun ExpectDrawn(const TabTool& tab, const HostFile& host,
                      const std::vector<std::string>& shown = {},
                      const std::vector<std::string>& absent = {});

  // For each fill and each host file: a fresh start (Restart without the
  // exit button), the fill, then ExpectDrawn with the fill's texts.
  void ExpectEachDrawn(const TabTool& tab, const std::vector<Fill>& fills,
                       const std::vector<HostFile>& hosts);

  // Presses the tab's draw button, which must refuse with `message` and
  // leave the host folder exactly as it was.
  void ExpectRefused(const TabTool& tab, const std::string& message);

  // For each refusal: a fresh start (Restart without the exit button),
  // setKind with the row's kind, the text typed, then ExpectRefused; nothing
  // may be queued for the memory file either.
  void ExpectEachRefused(const TabTool& tab, const std::vector<Refusal>& rows,
                         const std::function<void(Form&, int)>& setKind);

  // The host folder's files, name -> bytes.
  std::map<std::string, std::string> HostFolderFiles() const;

  std::filesystem::path root_;  // everything the test writes lives below it
  std::filesystem::path start_;  // the window's start folder (memory file)
  std::filesystem::path host_;   // the host folder
  Form f_;
};

}  // namespace mokrav::roundtrip
