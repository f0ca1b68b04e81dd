// The window's command line as the bytes it was given. The host folder is
// a folder name, which may be any bytes but "/" and NUL; wxWidgets decodes
// the words in the locale's encoding first (a UTF-8 name comes out garbled
// under LANG=C, one that is not UTF-8 is dropped), so that option is taken
// from the raw words here and the rest is left to wxCmdLineParser.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mokrav::gui {

// The options of the window's command line, as its parser lists them.
inline constexpr const char* kHostFolderOption = "host-folder";
inline constexpr const char* kScreenshotDirOption = "screenshot-dir";

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
// are read as wxCmdLineParser reads them: a value-taking option takes the
// next word whatever it is, and "--" ends the options.
StartWords TakeHostFolder(int argc, char** argv);

}  // namespace mokrav::gui
