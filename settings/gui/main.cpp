// MOKRAV: the settings application. Creates the form model, runs its load
// event in the start-up folder, and shows the window built from the model.
//
//   MOKRAV                       the settings window
//   MOKRAV --host-folder DIR     the window offers DIR as the host folder
//                                (scripts/run.sh passes its run folder)
//   MOKRAV --screenshot-dir DIR  shows each tab in turn, saves it as
//                                DIR/tabN.png and ends
//   MOKRAV --help                lists the options
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/cmdline.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/msgout.h>
#include <wx/timer.h>

#include "settings/form.h"
#include "settings/gui/command_line.h"
#include "settings/gui/look.h"
#include "settings/gui/window.h"

namespace mokrav::gui {

// Steps through the tabs on a timer, so that each page is drawn on screen
// before it is saved.
class TabPhotographer : public wxTimer {
 public:
  TabPhotographer(SettingsWindow* window, wxString dir) : window_(window), dir_(std::move(dir)) {}
  // The next step 400 ms from now, when the page in front has been drawn.
  void Next() { wxTimer::Start(400, wxTIMER_ONE_SHOT); }
  void Notify() override {
    if (shown_) {
      const wxString path = wxFileName(dir_, wxString::Format("tab%d.png", tab_)).GetFullPath();
      if (!window_->SaveScreenshot(path)) failed_ = true;
      ++tab_;
    }
    if (tab_ >= window_->TabCount()) {
      window_->Close(true);
      return;
    }
    window_->SelectTab(tab_);
    shown_ = true;
    Next();
  }
  bool failed() const { return failed_; }

 private:
  SettingsWindow* window_;
  wxString dir_;
  int tab_ = 0;
  bool shown_ = false;
  bool failed_ = false;
};

// The host folder of the command line, taken from its raw words by main()
// before wxWidgets decodes them.
std::optional<std::string> startHostFolder;
// The window's options, for its parser and its usage line.
void AddOptions(wxCmdLineParser& parser) {
  parser.AddSwitch("h", "help", "show these options and end", wxCMD_LINE_OPTION_HELP);
  // main() has taken this one's value from the raw words. The usage pads
  // each option to column 24 and a tab takes its description on to column
  // 32, where the further lines start too.
  parser.AddOption("", kHostFolderOption,
                   "offer this folder as the host folder, where the draw buttons write\n"
                   "\t\t\t\t(a \"/\" is added when it does not end with one; a relative\n"
                   "\t\t\t\tfolder is taken from the start folder); a folder remembered\n"
                   "\t\t\t\ton the settings tab comes first, and this one is never\n"
                   "\t\t\t\tremembered");
  parser.AddOption("", kScreenshotDirOption, "save a picture of each tab into this folder");
}

// Checks the words before the toolkit starts, so that --help and a
// mistyped option are answered on a machine without a display too. The
// exit code when the run ends here: 0 after the usage, 1 after a refusal.
std::optional<int> AnsweredWithoutWindow(int argc, char** argv) {
  wxCmdLineParser parser(argc, argv);
  AddOptions(parser);
  const int parsed = parser.Parse(false);
  if (parsed == 0) return std::nullopt;
  if (parsed == -1) {
    wxMessageOutputStderr(stdout).Output(parser.GetUsageString());
    return 0;
  }
  // Parsed again to say what was wrong, with the usage.
  wxMessageOutput::Set(new wxMessageOutputStderr);
  parser.Parse(true);
  return 1;
}

class App : public wxApp {
 public:
  bool OnInit() override {
    // main() has checked the words already.
    wxCmdLineParser parser(argc, argv);
    AddOptions(parser);
    if (parser.Parse(false) != 0) return false;
    wxString dir;
    const bool screenshots = parser.Found(kScreenshotDirOption, &dir);

    ApplyCompactLook();
    wxInitAllImageHandlers();
    // The memory file lives in the folder the application starts in.
    Form_Load(model_, ".", startHostFolder);
    auto* window = new SettingsWindow(model_);
    window->Show();
    if (screenshots) {
      photographer_ = std::make_unique<TabPhotographer>(window, dir);
      photographer_->Next();
    }
    return true;
  }
  int OnExit() override {
    photographer_.reset();
    return wxApp::OnExit();
  }
  int OnRun() override {
    const int code = wxApp::OnRun();
    return photographer_ && photographer_->failed() ? 1 : code;
  }

 private:
  Form model_;
  std::unique_ptr<TabPhotographer> photographer_;
};

}  // namespace mokrav::gui

wxIMPLEMENT_APP_NO_MAIN(mokrav::gui::App);

int main(int argc, char** argv) {
  wxDISABLE_DEBUG_SUPPORT();
  mokrav::gui::StartWords words = mokrav::gui::TakeHostFolder(argc, argv);
  mokrav::gui::startHostFolder = words.hostFolder;
  int count = static_cast<int>(words.rest.size());
  words.rest.push_back(nullptr);
  if (const std::optional<int> code = mokrav::gui::AnsweredWithoutWindow(count, words.rest.data())) return *code;
  return wxEntry(count, words.rest.data());
}
