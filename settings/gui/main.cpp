// MOKRAV: the settings application. Creates the form model, runs its load
// event in the start-up folder, and shows the window built from the model.
//
//   MOKRAV                       the settings window
//   MOKRAV --screenshot-dir DIR  shows each tab in turn, saves it as
//                                DIR/tabN.png and ends
#include <memory>
#include <string>

#include <wx/app.h>
#include <wx/cmdline.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/timer.h>

#include "settings/form.h"
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

class App : public wxApp {
 public:
  bool OnInit() override {
    wxCmdLineParser parser(argc, argv);
    parser.AddOption("", "screenshot-dir", "save a picture of each tab into this folder");
    if (parser.Parse() != 0) return false;
    wxString dir;
    const bool screenshots = parser.Found("screenshot-dir", &dir);

    ApplyCompactLook();
    wxInitAllImageHandlers();
    // The memory file lives in the folder the application starts in.
    Form_Load(model_, ".");
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

wxIMPLEMENT_APP(mokrav::gui::App);
