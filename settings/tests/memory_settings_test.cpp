// The settings tab's host folder, arrow length and arrow angle: each starts
// with the text "設定完了" remembered last, lists every text once, and gains
// a memory line only when a press changes it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "memory_test_util.h"
#include "platform/cp932.h"
#include "settings/procedures.h"

namespace mokrav {
namespace {

using testing::TempFolder;
using Items = std::vector<std::string>;

Form Started(const TempFolder& dir, const std::string& memoryUtf8) {
  dir.WriteMemoryBytes(platform::ToCp932(memoryUtf8));
  Form f;
  Form_Load(f, dir.Text(), "/home/u/run/");
  return f;
}

bool EachOnce(const Items& items) {
  Items sorted = items;
  std::sort(sorted.begin(), sorted.end());
  return std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end();
}

TEST(SettingsAtStart, LatestLineWinsAndEachTextIsListedOnce) {
  TempFolder dir;
  Form f = Started(dir,
                   "54 /a/\r\n59 3.5\r\n60 20\r\n\r\n"
                   "54 /b/\r\n59 5\r\n\r\n"
                   "54 c:\\jww\\\r\n54 /home/u/run/\r\n54 /b/\r\n\r\n");
  EXPECT_EQ(f.MSG, "データを読み込みました");
  EXPECT_EQ(f.Com(54).text, "/b/");
  EXPECT_EQ(f.Com(54).items, (Items{"/a/", "/b/", "c:\\jww\\", "/home/u/run/", "b:\\jww\\"}));
  EXPECT_EQ(f.Com(59).text, "5");
  EXPECT_EQ(f.Com(59).items, (Items{"3.5", "5", "1", "2", "3", "4", "6", "7", "8", "9"}));
  EXPECT_EQ(f.Com(60).text, "20");
  EXPECT_TRUE(EachOnce(f.Com(60).items));
  EXPECT_EQ(f.Com(60).items.size(), 6u);
  // Nothing changed: the press remembers nothing.
  Command10_Click(f);
  EXPECT_EQ(f.MSG, "設定を記憶しました");
  EXPECT_EQ(f.pendingHistory, "");
}

// Without a remembered setting a box opens as it always has: the folder the
// window was started with, "3" and "15"; pressing the button then leaves
// the memory file as it was.
TEST(SettingsAtStart, NothingRememberedOpensWithTheStartTexts) {
  TempFolder dir;
  Form f = Started(dir, "87 4\r\n\r\n");
  EXPECT_EQ(f.Com(54).text, "/home/u/run/");
  EXPECT_EQ(f.Com(59).text, "3");
  EXPECT_EQ(f.Com(60).text, "15");
  Command10_Click(f);
  EXPECT_EQ(f.pendingHistory, "");
}

// A full memory file still starts with the setting its last line holds:
// the button says it remembered, and the exit button appended it.
TEST(SettingsAtStart, LastLinePastTheCapacityWins) {
  TempFolder dir;
  std::string lines = "59 4.5\r\n54 /early/\r\n";
  for (int i = 0; i < 4000; ++i) lines += "11 n" + std::to_string(i) + "\r\n";
  lines += "54 /late/\r\n\r\n60 25\r\n\r\n";
  Form f = Started(dir, lines);
  ASSERT_TRUE(f.memoryFull);
  EXPECT_EQ(f.MSG, "ファイルが一杯です");
  EXPECT_EQ(f.Com(54).text, "/late/");
  EXPECT_EQ(f.Com(54).items, (Items{"/early/", "/late/", "/home/u/run/", "b:\\jww\\", "c:\\jww\\"}));
  EXPECT_EQ(f.Com(59).text, "4.5");
  EXPECT_EQ(f.Com(60).text, "25");
  EXPECT_EQ(f.Com(60).Find("25"), 0);  // remembered rows come first
  EXPECT_TRUE(EachOnce(f.Com(60).items));
}

// Runs of the window one after another: what the last press of a run
// made the setting is the setting at the next start, also when it is a
// row that was already on offer.
TEST(SettingsAcrossRuns, EveryPressThatChangesASettingIsTheNextStart) {
  TempFolder dir;
  const struct {
    const char* folder;  // the host folder chosen in the run
    const char* length;  // the arrow length chosen in the run
    const char* queued;  // what the run appends
  } runs[] = {
      {"/a/", "3.5", "54 /a/\r\n59 3.5\r\n"},
      {"/b/", "3.5", "54 /b/\r\n"},
      {"/a/", "3", "54 /a/\r\n59 3\r\n"},  // rows on offer, picked again
      {"/a/", "3", ""},
  };
  std::string file;
  for (const auto& run : runs) {
    SCOPED_TRACE(run.folder);
    Form f;
    Form_Load(f, dir.Text());
    f.Com(54).text = run.folder;
    f.Com(59).text = run.length;
    Command10_Click(f);
    Command10_Click(f);  // a second press queues nothing more
    EXPECT_EQ(f.MSG, "設定を記憶しました");
    EXPECT_EQ(f.pendingHistory, run.queued);
    Command1_Click(f);
    ASSERT_TRUE(f.quitRequested);
    if (*run.queued) file += std::string(run.queued) + "\r\n";
    EXPECT_EQ(dir.ReadMemoryBytes(), file);

    Form next;
    Form_Load(next, dir.Text());
    EXPECT_EQ(next.Com(54).text, run.folder);
    EXPECT_EQ(next.Com(59).text, run.length);
    EXPECT_EQ(next.Com(60).text, "15");
    EXPECT_TRUE(EachOnce(next.Com(54).items));
    EXPECT_TRUE(EachOnce(next.Com(59).items));
  }
}

// Within one run, going back to the setting of the start is a change too.
TEST(SettingsAcrossRuns, BackToTheStartSettingWithinARunIsRemembered) {
  TempFolder dir;
  Form f = Started(dir, "");
  f.Com(60).text = "30";
  Command10_Click(f);
  f.Com(60).Select(f.Com(60).Find("15"));
  Command10_Click(f);
  EXPECT_EQ(f.pendingHistory, "60 30\r\n60 15\r\n");
  EXPECT_TRUE(EachOnce(f.Com(60).items));
}

// A folder the memory file cannot hold keeps the setting in force, here
// another folder than the one the window was started with, while the
// arrow length of the same press is remembered.
TEST(SettingsAcrossRuns, AFolderThatCannotBeRememberedKeepsTheOneInForce) {
  TempFolder dir;
  dir.WriteMemoryBytes("54 /in-force/\r\n\r\n");
  Form f;
  Form_Load(f, dir.Text(), "/home/u/run-é/");
  ASSERT_EQ(f.Com(54).text, "/in-force/");
  f.Com(54).Select(f.Com(54).Find("/home/u/run-é/"));
  f.Com(59).text = "5.5";
  Command10_Click(f);
  EXPECT_EQ(f.MSG, "記憶できない文字「é」が含まれています");
  EXPECT_EQ(f.pendingHistory, "59 5.5\r\n");
  Command1_Click(f);
  ASSERT_TRUE(f.quitRequested);
  Form next;
  Form_Load(next, dir.Text(), "/home/u/run-é/");
  EXPECT_EQ(next.Com(54).text, "/in-force/");
  EXPECT_EQ(next.Com(59).text, "5.5");
}

}  // namespace
}  // namespace mokrav
