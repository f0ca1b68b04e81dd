#include "settings/gui/page_builder.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/tglbtn.h>

#include "settings/gui/look.h"
#include "settings/gui/symbols.h"

namespace mokrav::gui {

namespace {

std::vector<std::string> SplitBar(const char* text) {
  std::vector<std::string> parts;
  if (text == nullptr || *text == '\0') return parts;
  std::string s(text);
  std::size_t start = 0;
  while (true) {
    const std::size_t bar = s.find('|', start);
    parts.push_back(s.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  return parts;
}

}  // namespace

PageBuilder::PageBuilder(SettingsWindow& window, TabPage* page, int tab)
    : w_(window), page_(page), tab_(tab) {}

const ControlSpec* PageBuilder::Row(const std::string& name) const {
  for (const ControlSpec& row : ControlTable()) {
    if (name == row.name) return &row;
  }
  return nullptr;
}

const ControlSpec* PageBuilder::Take(const std::string& name, ControlKind kind) {
  const ControlSpec* row = Row(name);
  if (row == nullptr || row->kind != kind || row->tab != tab_) {
    std::fprintf(stderr, "MOKRAV: the layout of tab %d names %s, which the table does not put there\n",
                 tab_, name.c_str());
    return nullptr;
  }
  return row;
}

wxWindow* PageBuilder::Combo(const std::string& name, int x, int y, int width, int height) {
  const ControlSpec* row = Take(name, ControlKind::Combo);
  if (row == nullptr) return nullptr;
  wxWindow* box;
  if (row->listOnly) {
    // A list-only box: the user can only pick one of its items.
    box = new wxChoice(page_, wxID_ANY, wxPoint(x, y), wxSize(width, height), 0, nullptr, 0,
                       wxDefaultValidator, U(name));
  } else {
    box = new wxComboBox(page_, wxID_ANY, wxString(), wxPoint(x, y), wxSize(width, height), 0,
                         nullptr, wxCB_DROPDOWN, wxDefaultValidator, U(name));
  }
  if (row->fixedPitch) {
    box->SetFont(FixedPitchFont(row->fontPoints > 0 ? row->fontPoints : 9));
  } else if (row->fontPoints > 0) {
    box->SetFont(UiFont(row->fontPoints, row->bold));
  }
  if (*row->toolTip) box->SetToolTip(U(row->toolTip));
  w_.combos_[name] = box;
  return box;
}

wxWindow* PageBuilder::Check(const std::string& name, int x, int y, int width, int height) {
  const ControlSpec* row = Take(name, ControlKind::Check);
  if (row == nullptr) return nullptr;
  // Push-button style: ticked is pressed, and a pressed button stays pressed.
  auto* button = new wxToggleButton(page_, wxID_ANY, U(row->caption), wxPoint(x, y),
                                    wxSize(width, height), 0, wxDefaultValidator, U(name));
  if (row->picture) button->SetBitmap(CheckPicture(name, width - 8, height - 6));
  if (*row->toolTip) button->SetToolTip(U(row->toolTip));
  w_.checks_[name] = button;
  return button;
}

void PageBuilder::Options(const std::string& name, const std::vector<wxRect>& rects) {
  const ControlSpec* row = Take(name, ControlKind::Option);
  if (row == nullptr) return;
  if (static_cast<int>(rects.size()) != row->optionCount) {
    std::fprintf(stderr, "MOKRAV: the layout gives %s %zu buttons, the table %d\n", name.c_str(),
                 rects.size(), row->optionCount);
  }
  const std::vector<std::string> captions = SplitBar(row->optionCaptions);
  const std::vector<std::string> tips = SplitBar(row->optionToolTips);
  std::vector<wxWindow*>& buttons = w_.options_[name];
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const wxRect& r = rects[i];
    const int index = static_cast<int>(i);
    const wxString caption = i < captions.size() ? U(captions[i]) : wxString();
    wxWindow* button;
    if (row->pushStyle) {
      auto* toggle = new wxToggleButton(page_, wxID_ANY, caption, r.GetPosition(), r.GetSize(), 0,
                                        wxDefaultValidator, U(OptionName(name, index)));
      if (row->picture) toggle->SetBitmap(OptionPicture(name, index, r.width - 8, r.height - 6));
      // The builder is gone by the time of a click: bind to the window.
      SettingsWindow* window = &w_;
      toggle->Bind(wxEVT_TOGGLEBUTTON,
                   [window, name, index](wxCommandEvent&) { window->OnOptionToggle(name, index); });
      button = toggle;
    } else {
      // Plain option buttons: one GTK radio group per array, so the buttons
      // of an array are created one after the other.
      button = new wxRadioButton(page_, wxID_ANY, caption, r.GetPosition(), r.GetSize(),
                                 i == 0 ? wxRB_GROUP : 0, wxDefaultValidator,
                                 U(OptionName(name, index)));
    }
    // Per-button tips where the table has them; otherwise the array's own.
    if (!tips.empty()) {
      if (i < tips.size() && !tips[i].empty()) button->SetToolTip(U(tips[i]));
    } else if (*row->toolTip) {
      button->SetToolTip(U(row->toolTip));
    }
    buttons.push_back(button);
  }
}

wxStaticText* PageBuilder::Label(const std::string& name, int x, int y, int width, int height) {
  const ControlSpec* row = Take(name, ControlKind::Label);
  if (row == nullptr) return nullptr;
  long style = 0;
  if (row->align == 1) style = wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE;
  if (row->align == 2) style = wxALIGN_RIGHT | wxST_NO_AUTORESIZE;
  auto* label = new wxStaticText(page_, wxID_ANY, wxString(), wxPoint(x, y), wxSize(width, height),
                                 style, U(name));
  if (row->fontPoints > 0) label->SetFont(UiFont(row->fontPoints, row->bold));
  label->SetLabelText(U(row->caption));
  if (width > 0 && height > 0) label->SetSize(x, y, width, height);
  if (*row->toolTip) label->SetToolTip(U(row->toolTip));
  w_.labels_[name] = label;
  return label;
}

wxWindow* PageBuilder::Button(const std::string& name, int x, int y, int width, int height) {
  const ControlSpec* row = Take(name, ControlKind::Button);
  if (row == nullptr) return nullptr;
  auto* button = new wxButton(page_, wxID_ANY, U(row->caption), wxPoint(x, y),
                              wxSize(width, height), 0, wxDefaultValidator, U(name));
  if (*row->toolTip) button->SetToolTip(U(row->toolTip));
  SettingsWindow* window = &w_;
  button->Bind(wxEVT_BUTTON, [window, name](wxCommandEvent&) { window->ClickButton(name); });
  w_.buttons_[name] = button;
  return button;
}

wxStaticText* PageBuilder::Text(const wxString& text, int x, int y, int width, int align) {
  long style = 0;
  if (align == 1) style = wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE;
  if (align == 2) style = wxALIGN_RIGHT | wxST_NO_AUTORESIZE;
  auto* label = new wxStaticText(page_, wxID_ANY, wxString(), wxPoint(x, y), wxDefaultSize, style);
  label->SetLabelText(text);
  if (width > 0) label->SetSize(x, y, width, label->GetBestSize().y);
  return label;
}

void PageBuilder::Head(const std::string& combo, const wxString& text) {
  auto it = w_.combos_.find(combo);
  if (it == w_.combos_.end()) return;
  const ControlSpec* row = Row(combo);
  const wxString caption = !text.empty() ? text : (row ? U(row->caption) : wxString());
  const wxRect r = it->second->GetRect();
  const int width = std::max(r.width + 16, page_->GetTextExtent(caption).x + 2);
  Text(caption, r.x + r.width / 2 - width / 2, r.y - 15, width, 1);
}

void PageBuilder::RowHead(const wxString& text, int x, const std::string& combo) {
  auto it = w_.combos_.find(combo);
  if (it == w_.combos_.end()) return;
  const wxRect r = it->second->GetRect();
  Text(text, x, r.y + (r.height - 13) / 2);
}

wxStaticBox* PageBuilder::Frame(const std::string& array, int x, int y, int width, int height) {
  const ControlSpec* row = Row(array);
  wxString caption, tip;
  if (row != nullptr) {
    caption = U(row->caption);
    tip = U(row->toolTip);
  }
  return Frame(caption, tip, x, y, width, height);
}

wxStaticBox* PageBuilder::Frame(const wxString& caption, const wxString& toolTip, int x, int y,
                                int width, int height) {
  auto* box = new wxStaticBox(page_, wxID_ANY, caption, wxPoint(x, y), wxSize(width, height));
  if (!toolTip.empty()) box->SetToolTip(toolTip);
  return box;
}

void PageBuilder::Picture(const wxBitmap& bitmap, int x, int y) {
  new wxStaticBitmap(page_, wxID_ANY, bitmap, wxPoint(x, y), bitmap.GetSize());
}

void PageBuilder::Paint(std::function<void(wxDC&)> painter) { page_->AddPainter(std::move(painter)); }

namespace {

bool IsBlank(wxUniChar c) { return c == ' ' || c == 0x3000; }

// Where the first run of two or more blanks of a caption starts and ends,
// in pixels of the label's font.
std::pair<int, int> BlankRun(const wxWindow* label, const wxString& caption) {
  std::size_t start = 0;
  while (start + 1 < caption.length() &&
         !(IsBlank(caption[start]) && IsBlank(caption[start + 1]))) {
    ++start;
  }
  std::size_t end = start;
  while (end < caption.length() && IsBlank(caption[end])) ++end;
  return {label->GetTextExtent(caption.Left(start)).x, label->GetTextExtent(caption.Left(end)).x};
}

}  // namespace

void PageBuilder::LabelHosting(const std::string& label, const std::string& combo, int x, int y) {
  LabelsHosting({{label, combo}}, x, y, 0);
}

void PageBuilder::LabelsHosting(const std::vector<std::pair<std::string, std::string>>& rows,
                                int x, int y, int step) {
  int left = 0, right = 1 << 20;
  std::vector<int> heights;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    wxStaticText* text = Label(rows[i].first, x, y + static_cast<int>(i) * step);
    const ControlSpec* row = Row(rows[i].first);
    if (text == nullptr || row == nullptr) {
      heights.push_back(0);
      continue;
    }
    const auto [begin, end] = BlankRun(text, U(row->caption));
    left = std::max(left, begin);
    right = std::min(right, end);
    heights.push_back(text->GetBestSize().y);
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int top = y + static_cast<int>(i) * step + heights[i] / 2 - kComboHeight / 2;
    Combo(rows[i].second, x + left + 2, top, std::max(right - left - 4, 24));
  }
}

wxStaticText* PageBuilder::WrappedLabel(const std::string& name, int x, int y, int width) {
  wxStaticText* label = Label(name, x, y);
  if (label == nullptr) return nullptr;
  w_.labelWrap_[name] = width;
  label->SetLabelText(WrapText(label, label->GetLabelText(), width));
  label->SetSize(label->GetBestSize());
  return label;
}

void PageBuilder::DrawAndClear(const std::string& draw, const std::string& clear) {
  Button(clear, 276, 252, 60);
  Button(draw, 340, 252, 62);
}

}  // namespace mokrav::gui
