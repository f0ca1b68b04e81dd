#include "settings/gui/tabstrip.h"

#include <gtk/gtk.h>

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
  atk_object_set_role(gtk_widget_get_accessible(GetHandle()), ATK_ROLE_PAGE_TAB_LIST);
  for (int i = 0; i < Count(); ++i) {
    auto* header = new wxWindow(this, wxID_ANY, TabRect(i).GetPosition(), TabRect(i).GetSize(),
                                wxFULL_REPAINT_ON_RESIZE, wxString::Format("SSTab1Tab%d", i));
    header->SetBackgroundStyle(wxBG_STYLE_PAINT);
    header->SetFont(GetFont());
    header->Bind(wxEVT_PAINT, [this, header, i](wxPaintEvent&) { PaintHeader(header, i); });
    header->Bind(wxEVT_LEFT_DOWN, [this, i](wxMouseEvent&) { Select(i); });
    headers_.push_back(header);
    TellAccessibility(i);
  }
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
  const int before = selection_;
  selection_ = i;
  TellAccessibility(before);
  TellAccessibility(i);
  for (wxWindow* header : headers_) header->Refresh();
  if (onChange_) onChange_(i);
}

void TabStrip::Step(int step) {
  if (Count() == 0) return;
  Select(((selection_ + step) % Count() + Count()) % Count());
}

void TabStrip::TellAccessibility(int i) {
  AtkObject* tab = gtk_widget_get_accessible(Header(i)->GetHandle());
  atk_object_set_role(tab, ATK_ROLE_PAGE_TAB);
  atk_object_set_name(tab, Caption(i).utf8_str());
  // The page tab's own state set is the widget's; the one in front says so
  // in its description.
  atk_object_set_description(tab, i == selection_ ? "選択されています" : "");
}

void TabStrip::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
  dc.Clear();
}

void TabStrip::PaintHeader(wxWindow* header, int i) {
  wxAutoBufferedPaintDC dc(header);
  const wxColour page = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
  const wxColour idle = page.ChangeLightness(90);
  const wxColour edge = page.ChangeLightness(62);
  dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
  dc.Clear();
  dc.SetFont(header->GetFont());
  const wxRect r(wxPoint(0, 0), header->GetClientSize());
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
  dc.DrawLabel(Caption(i), r, wxALIGN_CENTER);
}

}  // namespace mokrav::gui
