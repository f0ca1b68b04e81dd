// The window's command line as the bytes it was given. The host folder is
// a folder name, which may be any bytes but "/" and NUL; wxWidgets decodes
// the words in the locale's encoding first (a UTF-8 name comes out garbled
// under LANG=C, one that is not UTF-8 is dropped), so that option is taken
// from the raw words here and the rest is left to wxCmdLineParser.
//
// GTK reads the words before wxCmdLineParser does: when the toolkit starts
// it takes out its own options (--display and the like) and the window's
// parser sees what is left.
#pragma once

#include <optional>
#include <string>
#include <vector>

class wxCmdLineParser;

namespace mokrav::gui {

// The options of the window's command line, as its parser lists them.
inline constexpr const char* kHostFolderOption = "host-folder";
inline constexpr const char* kScreenshotDirOption = "screenshot-dir";

// Gives the parser the window's options, for reading the words and for the
// usage it prints.
void AddOptions(wxCmdLineParser& parser);

struct StartWords {
  // The value of the last "--host-folder DIR" (or "--host-folder=DIR"), as
  // given, byte for byte.
  std::optional<std::string> hostFolder;
  // Every other word, the program's name first, for wxWidgets; a
  // "--host-folder" without its value stays here, so that the parser says
  // it lacks one.
  std::vector<char*> rest;
};

// Takes the host-folder option out of argv[0] .. argv[argc - 1]. Words
// are read as wxCmdLineParser reads them: a value-taking option, the
// window's own or the toolkit's, takes the next word whatever it is, and
// "--" ends the options.
StartWords TakeHostFolder(int argc, char** argv);

// How many words from argv[i] on the toolkit takes as one of its own
// options when it starts: 1 for a switch or "--option=value", 2 for
// "--option value", 0 for a word that is none of them (and for a
// value-taking option with no word after it, which GTK leaves in place).
int ToolkitOptionWords(int argc, char* const* argv, int i);

// The words the window's parser will read once the toolkit has taken its
// own options out of argv[0] .. argv[argc - 1]: GTK reads them all, up to
// a "--", knowing nothing of the window's options.
std::vector<std::string> WithoutToolkitOptions(int argc, char* const* argv);

// The end of a run whose words the window's parser answers itself: the
// usage after --help (code 0, on standard output), or the usage and what
// was wrong (code 1, on standard error).
struct Answer {
  int code = 0;
  std::string out;
  std::string err;
  bool operator==(const Answer&) const = default;
};

// Checks the words the window's parser reads (the program's name first)
// without starting the toolkit, so that --help and a mistyped option are
// answered on a machine without a display too; no answer when the window
// may start. Every control character and stray byte of a word is shown as
// exchange::Visible shows it, so that a quoted word cannot steer the
// terminal.
std::optional<Answer> AnsweredWithoutWindow(const std::vector<std::string>& words);

}  // namespace mokrav::gui
