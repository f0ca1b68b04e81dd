#include "settings/gui/command_line.h"

#include <cstring>
#include <string_view>

#include <wx/cmdline.h>
#include <wx/msgout.h>

#include "exchange/exchange.h"

namespace mokrav::gui {

void AddOptions(wxCmdLineParser& parser) {
  parser.AddSwitch("h", "help", "show these options and end", wxCMD_LINE_OPTION_HELP);
  // main() has taken this one's value from the raw words. The usage pads
  // each option to column 24 and a tab takes its description on to column
  // 32, where the further lines start too.
  parser.AddOption("", kHostFolderOption,
                   "offer this folder as the host folder, where the draw buttons write\n"
                   "\t\t\t\t(a \"/\" is added when it does not end with one; a relative\n"
                   "\t\t\t\tfolder is taken from the start folder); the folder last\n"
                   "\t\t\t\tset on the settings tab comes first");
  parser.AddOption("", kScreenshotDirOption, "save a picture of each tab into this folder");
}

namespace {

struct ToolkitOption {
  std::string_view name;
  bool takesValue;
};

// The options every GTK 3 program takes, with those of its X11 backend.
// GTK reads each one only as "--name", "--name value" or "--name=value".
// A build of GTK may leave some of them to the program (the debug ones
// need a debug build, and GTK 3.24 on X11 leaves --sync); the window's
// parser then refuses them as any unknown option.
constexpr ToolkitOption kToolkitOptions[] = {
    {"--display", true},      {"--sync", false},       {"--name", true},
    {"--class", true},        {"--gtk-module", true},  {"--g-fatal-warnings", false},
    {"--gtk-debug", true},    {"--gtk-no-debug", true}, {"--gdk-debug", true},
    {"--gdk-no-debug", true},
};

}  // namespace

int ToolkitOptionWords(int argc, char* const* argv, int i) {
  const std::string_view word = argv[i];
  for (const ToolkitOption& option : kToolkitOptions) {
    if (word == option.name) {
      if (!option.takesValue) return 1;
      return i + 1 < argc ? 2 : 0;
    }
    if (option.takesValue && word.size() > option.name.size() && word.starts_with(option.name) &&
        word[option.name.size()] == '=')
      return 1;
  }
  return 0;
}

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
    // The toolkit's option and its value stay for GTK, even when the
    // value looks like an option.
    for (int n = ToolkitOptionWords(argc, argv, i); n > 1; --n) words.rest.push_back(argv[i++]);
    words.rest.push_back(argv[i++]);
    // The screenshot folder is this word's value, even when it looks like
    // an option.
    if (word == screenshots && i < argc) words.rest.push_back(argv[i++]);
  }
  while (i < argc) words.rest.push_back(argv[i++]);
  return words;
}

std::vector<std::string> WithoutToolkitOptions(int argc, char* const* argv) {
  std::vector<std::string> words;
  int i = 0;
  if (argc > 0) words.emplace_back(argv[i++]);
  while (i < argc && std::string_view(argv[i]) != "--") {
    if (const int n = ToolkitOptionWords(argc, argv, i)) {
      i += n;
      continue;
    }
    words.emplace_back(argv[i++]);
  }
  while (i < argc) words.emplace_back(argv[i++]);
  return words;
}

namespace {

// Keeps what the parser says about the words instead of printing it.
class KeptMessages : public wxMessageOutput {
 public:
  KeptMessages() : before_(wxMessageOutput::Set(this)) {}
  ~KeptMessages() override { wxMessageOutput::Set(before_); }
  KeptMessages(const KeptMessages&) = delete;
  KeptMessages& operator=(const KeptMessages&) = delete;

  void Output(const wxString& text) override {
    text_ += text.utf8_string();
    if (!text_.empty() && text_.back() != '\n') text_ += '\n';
  }
  const std::string& text() const { return text_; }

 private:
  wxMessageOutput* before_;
  std::string text_;
};

}  // namespace

std::optional<Answer> AnsweredWithoutWindow(const std::vector<std::string>& words) {
  // The parser quotes words in its messages and names the program in its
  // usage: it reads them as they are shown, which decides alike, since
  // neither a control character nor the backslash that shows it can be
  // part of an option's name. They are UTF-8 then, whatever the locale.
  std::vector<std::wstring> shown;
  shown.reserve(words.size());
  for (const std::string& word : words)
    shown.push_back(wxString::FromUTF8(exchange::Visible(word)).ToStdWstring());
  std::vector<wchar_t*> argv;
  for (std::wstring& word : shown) argv.push_back(word.data());
  argv.push_back(nullptr);

  wxCmdLineParser parser(static_cast<int>(shown.size()), argv.data());
  AddOptions(parser);
  KeptMessages messages;
  const int parsed = parser.Parse(false);
  if (parsed == 0) return std::nullopt;
  Answer answer;
  const std::string usage = parser.GetUsageString().utf8_string();
  if (parsed == -1) {
    answer.out = usage;
  } else {
    answer.code = 1;
    answer.err = usage + messages.text();
  }
  return answer;
}

}  // namespace mokrav::gui
