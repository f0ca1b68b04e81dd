#include "settings/gui/window.h"

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <exception>

#include <gtk/gtk.h>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/dcclient.h>
#include <wx/utils.h>
#include <wx/radiobut.h>
#include <wx/simplebook.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/tooltip.h>

#include "settings/gui/look.h"
#include "settings/gui/page_builder.h"
#include "settings/gui/tabstrip.h"
#include "settings/procedures.h"

namespace mokrav::gui {

namespace {

struct TabInfo {
  const char* name;
  const char* caption;
};

// SSTab1's tabs in index order.
constexpr TabInfo kTabs[] = {
    {"WeldTab", "溶接記号"},          {"FinishTab", "仕上記号"},
    {"GeometricToleranceTab", "幾何公差"}, {"HoleThreadTab", "穴・ネジ作図"},
    {"LeaderTextTab", "引出文字"},    {"FitToleranceTab", "軸･穴公差"},
    {"SectionTab", "切口表示"},       {"TitleBlockTab", "表題欄記入"},
    {"WeightTab", "重量計算"},        {"SettingsTab", "設定"},
};
constexpr int kTabCount = static_cast<int>(std::size(kTabs));

// The width of `text` in the entry's own font, in pixels.
int EntryTextWidth(GtkWidget* entry, const wxString& text) {
  PangoLayout* layout = gtk_widget_create_pango_layout(entry, text.utf8_str());
  int width = 0, height = 0;
  pango_layout_get_pixel_size(layout, &width, &height);
  g_object_unref(layout);
  return width;
}

}  // namespace

std::string OptionName(const std::string& array, int index) {
  return array + "(" + std::to_string(index) + ")";
}

int StatusRoom(wxTextCtrl* status) {
  GdkRectangle area;
  gtk_entry_get_text_area(GTK_ENTRY(status->GetHandle()), &area);
  // Before the first layout the entry has no text area yet.
  return area.width > 1 ? area.width : status->GetClientSize().x - 8;
}

wxString StatusLineText(wxTextCtrl* status, const wxString& message) {
  GtkWidget* entry = status->GetHandle();
  const int room = StatusRoom(status);
  auto fits = [&](const wxString& text) { return EntryTextWidth(entry, text) <= room; };
  if (fits(message)) return message;
  const wxString dots = wxString::FromUTF8("…");
  // What failed stands before the first "：", which is kept when it leaves
  // room for the rest; the path and the reason after it lose characters
  // from their middle, more from the path's start than from its end, where
  // the folder, the file and the reason stand.
  // The longest `head` + part of `rest` with its middle shortened that
  // fits; empty when none does.
  auto shortened = [&](const wxString& head, const wxString& rest) {
    for (std::size_t keep = rest.length(); keep-- > 0;) {
      const std::size_t left = keep / 3;
      const wxString text = head + rest.Left(left) + dots + rest.Right(keep - left);
      if (fits(text)) return text;
    }
    return wxString();
  };
  const int at = message.Find(wxString::FromUTF8("："));
  const wxString head = at == wxNOT_FOUND ? wxString() : message.Left(static_cast<std::size_t>(at) + 1);
  if (EntryTextWidth(entry, head) <= room / 3) {
    const wxString text = shortened(head, message.Mid(head.length()));
    if (!text.empty()) return text;
  }
  // A long head: the message keeps its start and, at more length, its end.
  const wxString text = shortened(wxString(), message);
  return text.empty() ? dots : text;
}

wxString WrapText(const wxWindow* window, const wxString& text, int width) {
  wxString out, line;
  for (wxUniChar c : text) {
    if (c == '\n') {
      out += line + "\n";
      line.clear();
      continue;
    }
    if (!line.empty() && window->GetTextExtent(line + c).x > width) {
      out += line + "\n";
      line.clear();
    }
    line += c;
  }
  return out + line;
}

// ---------------------------------------------------------------- TabPage

TabPage::TabPage(wxWindow* parent, const wxString& name)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, name) {
  Bind(wxEVT_PAINT, &TabPage::OnPaint, this);
}

void TabPage::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  for (auto& painter : painters_) painter(dc);
}

// --------------------------------------------------------- SettingsWindow

SettingsWindow::SettingsWindow(Form& model)
    : wxFrame(nullptr, wxID_ANY, U("MOKRAV v1.45"), wxDefaultPosition, wxDefaultSize,
              wxDEFAULT_FRAME_STYLE & ~(wxRESIZE_BORDER | wxMAXIMIZE_BOX), "Form1"),
      model_(model) {
  SetFont(UiFont());
  auto* client = new TabPage(this, "Form1Client");

  std::vector<wxString> captions;
  for (const TabInfo& t : kTabs) captions.push_back(U(t.caption));
  tabs_ = new TabStrip(client, wxPoint(0, 0), kClientWidth, captions);
  const int top = tabs_->GetSize().y;
  book_ = new wxSimplebook(client, wxID_ANY, wxPoint(0, top),
                           wxSize(kClientWidth, 321 - top), wxBORDER_NONE);
  for (int i = 0; i < kTabCount; ++i) {
    auto* page = new TabPage(book_, kTabs[i].name);
    book_->AddPage(page, captions[static_cast<std::size_t>(i)], i == 0);
    pages_.push_back(page);
    // The page's edge below the tab headers.
    page->AddPainter([page](wxDC& dc) {
      const wxSize s = page->GetClientSize();
      dc.SetPen(wxPen(page->GetBackgroundColour().ChangeLightness(62)));
      dc.SetBrush(*wxTRANSPARENT_BRUSH);
      dc.DrawRectangle(0, 0, s.x, s.y);
    });
    PageBuilder builder(*this, page, i);
    LayoutTab(i, builder);
  }
  // Switching tabs only swaps the page in front; no procedure runs.
  tabs_->OnChange([this](int i) { book_->ChangeSelection(static_cast<std::size_t>(i)); });
  Bind(wxEVT_CHAR_HOOK, &SettingsWindow::OnCharHook, this);

  msg_ = new wxTextCtrl(client, wxID_ANY, wxString(), wxPoint(10, 325), wxSize(307, 20), 0,
                        wxDefaultValidator, "MSG");
  PageBuilder below(*this, client, -1);
  LayoutTab(-1, below);

  for (const ControlSpec& row : ControlTable()) {
    if (Control(row.kind == ControlKind::Option ? OptionName(row.name, 0) : row.name) == nullptr) {
      unplaced_.push_back(row.name);
      std::fprintf(stderr, "MOKRAV: control %s has no place in the window\n", row.name);
    }
  }

  SetClientSize(kClientWidth, kClientHeight);
  ModelToWidgets();
  // A message of the load event is fitted again once the line has its size.
  CallAfter([this] { ShowStatus(); });
}

wxWindow* SettingsWindow::Control(const std::string& name) const {
  if (auto it = combos_.find(name); it != combos_.end()) return it->second;
  if (auto it = checks_.find(name); it != checks_.end()) return it->second;
  if (auto it = labels_.find(name); it != labels_.end()) return it->second;
  if (auto it = buttons_.find(name); it != buttons_.end()) return it->second;
  if (name == "MSG") return msg_;
  if (name == "SSTab1") return tabs_;
  const std::size_t open = name.find('(');
  if (open != std::string::npos && name.back() == ')') {
    auto it = options_.find(name.substr(0, open));
    if (it != options_.end()) {
      const int index = std::atoi(name.c_str() + open + 1);
      if (index >= 0 && index < static_cast<int>(it->second.size())) {
        return it->second[static_cast<std::size_t>(index)];
      }
    }
  }
  return nullptr;
}

int SettingsWindow::TabCount() const { return tabs_->Count(); }
wxString SettingsWindow::TabCaption(int tab) const { return tabs_->Caption(tab); }
int SettingsWindow::SelectedTab() const { return tabs_->Selection(); }
void SettingsWindow::SelectTab(int tab) { tabs_->Select(tab); }
wxWindow* SettingsWindow::TabPageWindow(int tab) const {
  return tab >= 0 && tab < static_cast<int>(pages_.size()) ? pages_[static_cast<std::size_t>(tab)]
                                                            : nullptr;
}

void SettingsWindow::WidgetsToModel() {
  for (auto& [name, widget] : combos_) {
    wxString text;
    if (auto* combo = dynamic_cast<wxComboBox*>(widget)) {
      text = combo->GetValue();
    } else if (auto* choice = dynamic_cast<wxChoice*>(widget)) {
      text = choice->GetStringSelection();
    }
    model_.Combo(name).text = Utf8(text);
  }
  for (auto& [name, widget] : checks_) {
    model_.Check(name).ticked = static_cast<wxToggleButton*>(widget)->GetValue();
  }
  for (auto& [name, buttons] : options_) {
    int selected = -1;
    for (std::size_t i = 0; i < buttons.size() && selected < 0; ++i) {
      bool on = false;
      if (auto* toggle = dynamic_cast<wxToggleButton*>(buttons[i])) on = toggle->GetValue();
      if (auto* radio = dynamic_cast<wxRadioButton*>(buttons[i])) on = radio->GetValue();
      if (on) selected = static_cast<int>(i);
    }
    model_.Option(name).selected = selected;
  }
  // The user may type into the status line; what it shows of a message
  // shortened to fit is not typing, and the message stays whole.
  if (msg_->GetValue() != shownMsg_) model_.MSG = Utf8(msg_->GetValue());
}

void SettingsWindow::ModelToWidgets() {
  for (auto& [name, widget] : combos_) {
    const ComboBox& box = model_.Combo(name);
    auto* items = dynamic_cast<wxItemContainer*>(widget);
    bool same = items->GetCount() == box.items.size();
    for (unsigned i = 0; same && i < box.items.size(); ++i) {
      same = Utf8(items->GetString(i)) == box.items[i];
    }
    if (!same) {
      wxArrayString list;
      for (const std::string& item : box.items) list.Add(U(item));
      items->Set(list);
    }
    const int index = box.Find(box.text);
    if (auto* combo = dynamic_cast<wxComboBox*>(widget)) {
      if (index >= 0) {
        combo->SetSelection(index);
      } else if (Utf8(combo->GetValue()) != box.text || !same) {
        combo->SetSelection(wxNOT_FOUND);
        combo->ChangeValue(U(box.text));
      }
    } else if (auto* choice = dynamic_cast<wxChoice*>(widget)) {
      choice->SetSelection(index >= 0 ? index : wxNOT_FOUND);
    }
  }
  for (auto& [name, widget] : checks_) {
    static_cast<wxToggleButton*>(widget)->SetValue(model_.Check(name).ticked);
  }
  for (auto& [name, buttons] : options_) {
    const int selected = model_.Option(name).selected;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      const bool on = static_cast<int>(i) == selected;
      if (auto* toggle = dynamic_cast<wxToggleButton*>(buttons[i])) toggle->SetValue(on);
      // A GTK radio group cannot be emptied; setting the chosen one clears the rest.
      if (auto* radio = dynamic_cast<wxRadioButton*>(buttons[i]); radio && on) radio->SetValue(true);
    }
  }
  for (auto& [name, label] : labels_) {
    wxString caption = U(model_.Lbl(name).caption);
    if (auto wrap = labelWrap_.find(name); wrap != labelWrap_.end()) {
      caption = WrapText(label, caption, wrap->second);
    }
    if (label->GetLabelText() != caption) label->SetLabelText(caption);
  }
  ShowStatus();
}

void SettingsWindow::ShowStatus() {
  // The status line shows as much of the message as it has room for, the
  // middle shortened; its tool tip holds the message whole.
  const wxString msg = U(model_.MSG);
  shownMsg_ = StatusLineText(msg_, msg);
  if (msg_->GetValue() != shownMsg_) msg_->ChangeValue(shownMsg_);
  const wxString tip = msg_->GetToolTip() ? msg_->GetToolTip()->GetTip() : wxString();
  if (tip != msg) {
    if (msg.empty()) {
      msg_->UnsetToolTip();
    } else {
      msg_->SetToolTip(msg);
    }
  }
}

void SettingsWindow::ClickButton(const std::string& name) {
  WidgetsToModel();
  try {
    Click(model_, name);
  } catch (const std::exception& e) {
    // A procedure must never take the window (and the pending history)
    // down with it: say what happened in the status line instead.
    model_.MSG = e.what();
  }
  ModelToWidgets();
  if (name == "Command1" && model_.quitRequested) Close(true);
}

void SettingsWindow::OnCharHook(wxKeyEvent& event) {
  int step = 0;
  if (event.ControlDown() && !event.AltDown()) {
    switch (event.GetKeyCode()) {
      case WXK_TAB: step = event.ShiftDown() ? -1 : 1; break;
      case WXK_PAGEDOWN:
      case WXK_NUMPAD_PAGEDOWN: step = event.ShiftDown() ? 0 : 1; break;
      case WXK_PAGEUP:
      case WXK_NUMPAD_PAGEUP: step = event.ShiftDown() ? 0 : -1; break;
      default: break;
    }
  }
  if (step == 0) {
    event.Skip();
    return;
  }
  tabs_->Step(step);
  // The focus moves onto the page in front, never stays on a hidden one.
  pages_[static_cast<std::size_t>(tabs_->Selection())]->SetFocus();
}

void SettingsWindow::OnOptionToggle(const std::string& array, int index) {
  std::vector<wxWindow*>& buttons = options_[array];
  auto* pressed = static_cast<wxToggleButton*>(buttons[static_cast<std::size_t>(index)]);
  if (!pressed->GetValue()) {
    // One button of an array is always selected: pressing the selected
    // one again leaves it selected.
    pressed->SetValue(true);
    return;
  }
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (static_cast<int>(i) != index) static_cast<wxToggleButton*>(buttons[i])->SetValue(false);
  }
}

bool SettingsWindow::SaveScreenshot(const wxString& path) {
  // Read back from the X server with ImageMagick's import: the screen
  // device context of GTK 3 does not see later redraws of the window.
  const wxPoint origin = ClientToScreen(wxPoint(0, 0));
  const wxSize size = GetClientSize();
  Update();
  const wxString crop = wxString::Format("%dx%d+%d+%d", size.x, size.y, origin.x, origin.y);
  const wxString display = wxGetenv("DISPLAY") ? wxString(wxGetenv("DISPLAY")) : wxString();
  const wxString args[] = {"import", "-display", display, "-window", "root", "-crop", crop, path};
  const char* argv[9];
  std::vector<wxScopedCharBuffer> keep;
  for (std::size_t i = 0; i < std::size(args); ++i) {
    keep.push_back(args[i].utf8_str());
    argv[i] = keep.back().data();
  }
  argv[8] = nullptr;
  return wxExecute(argv, wxEXEC_SYNC | wxEXEC_NOEVENTS) == 0;
}

}  // namespace mokrav::gui
