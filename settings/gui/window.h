// Form1, the real settings window: a thin view of the form model. It holds
// no values of its own that matter: a button click copies the widgets into
// the model, runs the button's procedure on the model and copies the model
// back into the widgets. Switching tabs runs no code.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <wx/frame.h>
#include <wx/panel.h>

#include "settings/form.h"

class wxSimplebook;
class wxTextCtrl;
class wxStaticText;
class wxButton;

namespace mokrav::gui {

class TabStrip;
class PageBuilder;

// The name of button `index` of an option array, as Control() finds it:
// the array's name and the index in parentheses, "C33(0)".
std::string OptionName(const std::string& array, int index);

// `text` broken into lines no wider than `width` pixels in the window's
// font: at any character, since Japanese has no blanks between words.
wxString WrapText(const wxWindow* window, const wxString& text, int width);

// The status line's text for a message: the message itself when it fits
// the line, else the message with characters taken from its middle (from
// what follows its first "：", the path and the reason of a failure, when
// the part before it is short) and "…" in their place, so that what failed,
// the end of the path and why stay on show.
wxString StatusLineText(wxTextCtrl* status, const wxString& message);
// The width in pixels that the status line shows text in.
int StatusRoom(wxTextCtrl* status);

// The designed client area: 6135 x 5235 twips at 15 twips to a pixel.
inline constexpr int kClientWidth = 409;
inline constexpr int kClientHeight = 349;

// One tab page: the controls, and the decoration drawn behind them
// (reference lines, symbol outlines, frames of the preview labels).
class TabPage : public wxPanel {
 public:
  TabPage(wxWindow* parent, const wxString& name);
  void AddPainter(std::function<void(wxDC&)> painter) { painters_.push_back(std::move(painter)); }

 private:
  void OnPaint(wxPaintEvent& event);
  std::vector<std::function<void(wxDC&)>> painters_;
};

class SettingsWindow : public wxFrame {
 public:
  // Builds every control of the control table from the model's current
  // state (call after the load event) and shows the weld tab in front.
  explicit SettingsWindow(Form& model);

  // The mirror steps around every click.
  void WidgetsToModel();
  void ModelToWidgets();
  // What a click of the named button does; Command1 closes the window once
  // its procedure reports that the exit work is done.
  void ClickButton(const std::string& name);

  TabStrip* Tabs() const { return tabs_; }
  int TabCount() const;
  wxString TabCaption(int tab) const;
  int SelectedTab() const;
  void SelectTab(int tab);
  wxWindow* TabPageWindow(int tab) const;

  // The widget of a control by its name; an option button as "C33(9)".
  wxWindow* Control(const std::string& name) const;
  wxTextCtrl* Msg() const { return msg_; }
  // Controls of the table that no tab layout placed (should be none).
  const std::vector<std::string>& Unplaced() const { return unplaced_; }

  // Saves the window's client area as a PNG; the window must be on screen.
  bool SaveScreenshot(const wxString& path);

 private:
  friend class PageBuilder;

  void OnOptionToggle(const std::string& array, int index);
  void ShowStatus();
  // Ctrl+Tab and Ctrl+PageDown bring the next tab to the front,
  // Ctrl+Shift+Tab and Ctrl+PageUp the one before, as in a tabbed dialog;
  // every other key goes on to the control that has the focus.
  void OnCharHook(wxKeyEvent& event);

  Form& model_;
  TabStrip* tabs_ = nullptr;
  wxSimplebook* book_ = nullptr;
  std::vector<TabPage*> pages_;
  wxTextCtrl* msg_ = nullptr;
  wxString shownMsg_;  // what the status line shows of the model's MSG

  std::map<std::string, wxWindow*> combos_;   // wxChoice (list-only) or wxComboBox
  std::map<std::string, wxWindow*> checks_;   // wxToggleButton
  std::map<std::string, std::vector<wxWindow*>> options_;  // wxToggleButton or wxRadioButton
  std::map<std::string, wxStaticText*> labels_;
  std::map<std::string, int> labelWrap_;  // labels broken into lines of this width
  std::map<std::string, wxButton*> buttons_;
  std::vector<std::string> unplaced_;
};

}  // namespace mokrav::gui
