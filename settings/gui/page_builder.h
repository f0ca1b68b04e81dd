// Puts the controls of one tab onto its page at computed positions (pixels
// of the page), taking names, kinds, captions and tool tips from the
// control table. Used by the tab layouts (layout.cpp).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <wx/bitmap.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include "settings/form.h"
#include "settings/gui/window.h"

class wxStaticBox;

namespace mokrav::gui {

class PageBuilder {
 public:
  static constexpr int kComboHeight = 22;
  static constexpr int kButtonHeight = 24;

  PageBuilder(SettingsWindow& window, TabPage* page, int tab);

  const ControlSpec* Row(const std::string& name) const;

  wxWindow* Combo(const std::string& name, int x, int y, int width, int height = kComboHeight);
  wxWindow* Check(const std::string& name, int x, int y, int width, int height = kButtonHeight);
  // All buttons of an option array, one rectangle each; picture arrays get
  // their symbol drawn to fit the button.
  void Options(const std::string& name, const std::vector<wxRect>& rects);
  wxStaticText* Label(const std::string& name, int x, int y, int width = -1, int height = -1);
  wxWindow* Button(const std::string& name, int x, int y, int width, int height = kButtonHeight);

  // Fixed texts of the page that are no control of their own.
  wxStaticText* Text(const wxString& text, int x, int y, int width = -1, int align = 0);
  // The combo box's caption (or `text`) centred above it.
  void Head(const std::string& combo, const wxString& text = wxString());
  // A row heading at x, level with the combo box.
  void RowHead(const wxString& text, int x, const std::string& combo);
  // The frame of an option array: its caption from the table and the tool
  // tip that belongs to the frame.
  wxStaticBox* Frame(const std::string& array, int x, int y, int width, int height);
  wxStaticBox* Frame(const wxString& caption, const wxString& toolTip, int x, int y, int width,
                     int height);
  void Picture(const wxBitmap& bitmap, int x, int y);
  void Paint(std::function<void(wxDC&)> painter);
  // A label whose first run of blanks leaves room for a box: the label at
  // (x, y) and the combo box laid over the blanks.
  void LabelHosting(const std::string& label, const std::string& combo, int x, int y);
  // Labels hosting boxes, one under the other from (x, y), `step` apart:
  // the boxes line up at one left edge and one width that fits every row.
  void LabelsHosting(const std::vector<std::pair<std::string, std::string>>& rows, int x, int y,
                     int step);
  // A label broken into lines no wider than `width`.
  wxStaticText* WrappedLabel(const std::string& name, int x, int y, int width);
  // The tab's draw and clear buttons at their common place.
  void DrawAndClear(const std::string& draw, const std::string& clear);

  TabPage* page() const { return page_; }

 private:
  const ControlSpec* Take(const std::string& name, ControlKind kind);

  SettingsWindow& w_;
  TabPage* page_;
  int tab_;
};

// The layout of one tab (layout.cpp).
void LayoutTab(int tab, PageBuilder& b);

}  // namespace mokrav::gui
