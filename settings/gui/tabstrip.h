// The tab headers of the settings window: ten tabs in two rows of five, as
// the window was designed. GTK's notebook can only scroll one row of tabs,
// and ten Japanese captions do not fit one row of this window; so the
// headers are drawn here and the pages live in a wxSimplebook below them.
// Each header is a window of its own that tells accessibility tools its
// caption and that it is a page tab, as the notebook's headers do.
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
  // The tab `step` places after (or before, when negative) the one in
  // front, going round from the last tab to the first and back.
  void Step(int step);
  void OnChange(std::function<void(int)> handler) { onChange_ = std::move(handler); }
  // Header rectangle of tab i, in the strip's coordinates.
  wxRect TabRect(int i) const;
  // The header window of tab i.
  wxWindow* Header(int i) const { return headers_[static_cast<std::size_t>(i)]; }

 private:
  void OnPaint(wxPaintEvent& event);
  void PaintHeader(wxWindow* header, int i);
  void TellAccessibility(int i);

  std::vector<wxString> captions_;
  std::vector<wxWindow*> headers_;
  int selection_ = 0;
  std::function<void(int)> onChange_;
};

}  // namespace mokrav::gui
