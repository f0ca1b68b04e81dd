#include "settings/gui/command_line.h"

#include <cstring>
#include <string_view>

namespace mokrav::gui {

StartWords TakeHostFolder(int argc, char** argv) {
  StartWords words;
  const std::string host = std::string("--") + kHostFolderOption;
  const std::string screenshots = std::string("--") + kScreenshotDirOption;
  int i = 0;
  if (argc > 0) words.rest.push_back(argv[i++]);
  while (i < argc) {
    const std::string_view word = argv[i];
    if (word == "--") break;  // the rest are no options
    if (word == host && i + 1 < argc) {
      words.hostFolder = argv[i + 1];
      i += 2;
      continue;
    }
    // The parser also takes "=" or ":" between an option and its value.
    if (word.size() > host.size() && word.substr(0, host.size()) == host &&
        (word[host.size()] == '=' || word[host.size()] == ':')) {
      words.hostFolder = std::string(word.substr(host.size() + 1));
      ++i;
      continue;
    }
    words.rest.push_back(argv[i++]);
    // The screenshot folder is this word's value, even when it looks like
    // an option.
    if (word == screenshots && i < argc) words.rest.push_back(argv[i++]);
  }
  while (i < argc) words.rest.push_back(argv[i++]);
  return words;
}

}  // namespace mokrav::gui
