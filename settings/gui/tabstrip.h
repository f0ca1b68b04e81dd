// The tab headers of the settings window: ten tabs in two rows of five, as
// the window was designed. GTK's notebook can only scroll one row of tabs,
// and ten Japanese captions do not fit one row of this window; so the
// headers are drawn here and the pages live in a wxSimplebook below them.
#pragma once

#include <functional>
#include <vector>

#include <wx/string.h>
#include <wx/window.h>

namespace mokrav::gui {

class TabStrip : public wxWindow {
 public:
  static constexpr int kPerRow = 5;
  static constexpr int kRowHeight = 20;

  TabStrip(wxWindow* parent, const wxPoint& pos, int width, std::vector<wxString> captions);

  int Count() const { return static_cast<int>(captions_.size()); }
  const wxString& Caption(int i) const { return captions_[static_cast<std::size_t>(i)]; }
  int Selection() const { return selection_; }
  // Changes the tab in front; calls the change handler, which only swaps pages.
  void Select(int i);
  void OnChange(std::function<void(int)> handler) { onChange_ = std::move(handler); }
  // Header rectangle of tab i, in the strip's coordinates.
  wxRect TabRect(int i) const;

 private:
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);

  std::vector<wxString> captions_;
  int selection_ = 0;
  std::function<void(int)> onChange_;
};

}  // namespace mokrav::gui
