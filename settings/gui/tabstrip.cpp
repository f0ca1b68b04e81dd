#include "settings/gui/tabstrip.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>

#include "settings/gui/look.h"

namespace mokrav::gui {

TabStrip::TabStrip(wxWindow* parent, const wxPoint& pos, int width, std::vector<wxString> captions)
    : captions_(std::move(captions)) {
  const int rows = (Count() + kPerRow - 1) / kPerRow;
  Create(parent, wxID_ANY, pos, wxSize(width, rows * kRowHeight), wxFULL_REPAINT_ON_RESIZE,
         "SSTab1");
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetFont(UiFont());
  Bind(wxEVT_PAINT, &TabStrip::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &TabStrip::OnLeftDown, this);
}

wxRect TabStrip::TabRect(int i) const {
  const int width = GetClientSize().x;
  const int row = i / kPerRow, col = i % kPerRow;
  const int left = width * col / kPerRow;
  const int right = width * (col + 1) / kPerRow;
  return wxRect(left, row * kRowHeight, right - left, kRowHeight);
}

void TabStrip::Select(int i) {
  if (i < 0 || i >= Count() || i == selection_) return;
  selection_ = i;
  Refresh();
  if (onChange_) onChange_(i);
}

void TabStrip::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const wxColour page = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
  const wxColour idle = page.ChangeLightness(90);
  const wxColour edge = page.ChangeLightness(62);
  dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
  dc.Clear();
  dc.SetFont(GetFont());
  for (int i = 0; i < Count(); ++i) {
    wxRect r = TabRect(i);
    const bool front = i == selection_;
    dc.SetPen(wxPen(edge));
    dc.SetBrush(wxBrush(front ? page : idle));
    dc.DrawRoundedRectangle(r.x, r.y + 1, r.width - 1, r.height, 3);
    if (front) {
      // The tab in front carries a coloured edge, like GTK's own notebook.
      dc.SetPen(*wxTRANSPARENT_PEN);
      dc.SetBrush(wxBrush(wxColour(53, 132, 228)));
      dc.DrawRectangle(r.x + 2, r.y + r.height - 3, r.width - 5, 3);
    }
    dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
    dc.DrawLabel(captions_[static_cast<std::size_t>(i)], r, wxALIGN_CENTER);
  }
}

void TabStrip::OnLeftDown(wxMouseEvent& event) {
  for (int i = 0; i < Count(); ++i) {
    if (TabRect(i).Contains(event.GetPosition())) {
      Select(i);
      return;
    }
  }
  event.Skip();
}

}  // namespace mokrav::gui
