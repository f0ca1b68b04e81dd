// MOKRAV: the settings application. Creates the form model, runs its load
// event in the start-up folder, and shows the window built from the model.
//
//   MOKRAV                       the settings window
//   MOKRAV --host-folder DIR     the window offers DIR as the host folder
//                                (scripts/run.sh passes its run folder)
//   MOKRAV --screenshot-dir DIR  shows each tab in turn, saves it as
//                                DIR/tabN.png and ends
//   MOKRAV --help                lists the options
// GTK's own options (--display=:N and the like) go on to the toolkit.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gdk/gdkx.h>

#include <wx/app.h>
#include <wx/cmdline.h>
#include <wx/filename.h>
#include <wx/image.h>
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
// The exit code of a run that the window's parser refused once the
// toolkit had started: GTK left it one of its own options, which this
// build of GTK does not know.
std::optional<int> refusedWithToolkit;

// Prints the answer of the window's parser; its exit code.
int Print(const Answer& answer) {
  std::fputs(answer.out.c_str(), stdout);
  std::fputs(answer.err.c_str(), stderr);
  return answer.code;
}

// A display chosen with --display is the one the programs the window
// starts use too: the screenshots are read back from it.
void ShareTheDisplay() {
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr || !GDK_IS_X11_DISPLAY(display)) return;
  const char* name = gdk_display_get_name(display);
  const char* before = std::getenv("DISPLAY");
  if (name != nullptr && (before == nullptr || std::strcmp(before, name) != 0)) setenv("DISPLAY", name, 1);
}

class App : public wxApp {
 public:
  bool OnInit() override {
    // main() has checked the words as GTK would leave them. An option of
    // GTK's that this build of GTK leaves in place (--sync on X11) is still
    // the toolkit's, not the window's: it is passed over here as it was
    // there, so the window starts as it did before it had options of its own.
    std::vector<std::string> given;
    for (int i = 0; i < argc; ++i) given.push_back(argv[i].utf8_string());
    std::vector<char*> raw;
    for (std::string& word : given) raw.push_back(word.data());
    std::vector<std::string> words = WithoutToolkitOptions(static_cast<int>(raw.size()), raw.data());
    if (const std::optional<Answer> answer = AnsweredWithoutWindow(words)) {
      refusedWithToolkit = Print(*answer);
      return false;
    }
    // Wide words, as the toolkit's own were, so that no locale decodes them again.
    std::vector<wxString> wide;
    for (const std::string& word : words) wide.push_back(wxString::FromUTF8(word));
    std::vector<wxChar*> left;
    for (wxString& word : wide) left.push_back(const_cast<wxChar*>(word.wc_str()));
    left.push_back(nullptr);
    wxCmdLineParser parser(static_cast<int>(wide.size()), left.data());
    AddOptions(parser);
    if (parser.Parse(false) != 0) return false;
    wxString dir;
    const bool screenshots = parser.Found(kScreenshotDirOption, &dir);

    ShareTheDisplay();
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
  // GTK takes its own options out of these words when the toolkit starts:
  // they reach it unchanged, and the check reads what it will leave.
  if (const std::optional<mokrav::gui::Answer> answer =
          mokrav::gui::AnsweredWithoutWindow(mokrav::gui::WithoutToolkitOptions(count, words.rest.data())))
    return mokrav::gui::Print(*answer);
  const int code = wxEntry(count, words.rest.data());
  return mokrav::gui::refusedWithToolkit.value_or(code);
}
