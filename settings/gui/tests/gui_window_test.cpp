// The real settings window under a display (the CI runs ctest under
// xvfb-run): the tabs, the controls built from the control table, the
// push-button behaviour of check boxes and option arrays, and the mirror
// between widgets and form model around a click. Without a display every
// window test skips; the command-line tests need none.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtk/gtk.h>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/image.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/stopwatch.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/tooltip.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/weakref.h>

#include "settings/form.h"
#include "settings/gui/command_line.h"
#include "settings/gui/look.h"
#include "settings/gui/symbols.h"
#include "settings/gui/tabstrip.h"
#include "settings/gui/window.h"
#include "settings/procedures.h"

namespace mokrav::gui {
namespace {

// The toolkit starts once per test program, and only when a display is set.
bool ToolkitUp() {
  static int state = -1;
  if (state < 0) {
    const char* display = std::getenv("DISPLAY");
    state = 0;
    if (display != nullptr && *display != '\0') {
      static int argc = 1;
      static char arg0[] = "settings_gui_test";
      static char* argv[] = {arg0, nullptr};
      wxApp::SetInstance(new wxApp());
      if (wxEntryStart(argc, argv) && wxTheApp->CallOnInit()) {
        ApplyCompactLook();
        wxInitAllImageHandlers();
        state = 1;
      }
    }
  }
  return state == 1;
}

// Lets the toolkit draw and deliver pending events for a while.
void Pump(long ms = 150) {
  wxStopWatch watch;
  do {
    wxYield();
    wxMilliSleep(10);
  } while (watch.Time() < ms);
}

std::vector<std::string> Split(const char* text) {
  std::vector<std::string> parts;
  if (*text == '\0') return parts;
  std::string s(text);
  std::size_t start = 0;
  for (std::size_t bar; (bar = s.find('|', start)) != std::string::npos; start = bar + 1) {
    parts.push_back(s.substr(start, bar - start));
  }
  parts.push_back(s.substr(start));
  return parts;
}

std::string TipOf(wxWindow* w) {
  return w->GetToolTip() ? Utf8(w->GetToolTip()->GetTip()) : std::string();
}

class SettingsWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!ToolkitUp()) GTEST_SKIP() << "no display (DISPLAY is not set)";
    std::random_device rd;
    folder_ = std::filesystem::temp_directory_path() /
              ("mokrav-gui-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(folder_);
    std::ofstream(folder_ / "mokrav.mfg").flush();  // an empty memory file
    Form_Load(model_, folder_.string());
    window_ = new SettingsWindow(model_);
    window_->Show();
    Pump(300);
  }
  void TearDown() override {
    if (window_) window_->Destroy();
    if (ToolkitUp()) Pump(50);
    std::error_code ec;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
  }

  template <typename T>
  T* Get(const std::string& name) {
    wxWindow* w = window_->Control(name);
    EXPECT_NE(w, nullptr) << name;
    T* t = dynamic_cast<T*>(w);
    EXPECT_NE(t, nullptr) << name << " has an unexpected widget kind";
    return t;
  }

  // A real mouse click in the middle of the widget.
  void ClickOn(wxWindow* w) {
    wxUIActionSimulator sim;
    const wxRect r = w->GetScreenRect();
    sim.MouseMove(r.x + r.width / 2, r.y + r.height / 2);
    Pump(80);
    sim.MouseClick();
    Pump(200);
  }

  std::filesystem::path folder_;
  Form model_;
  wxWeakRef<SettingsWindow> window_;
};

TEST_F(SettingsWindowTest, WindowHasCaptionSizeAndTenTabsWeldInFront) {
  EXPECT_EQ(Utf8(window_->GetTitle()), "MOKRAV v1.45");
  EXPECT_EQ(window_->GetClientSize(), wxSize(409, 349));
  const char* captions[] = {"溶接記号", "仕上記号", "幾何公差", "穴・ネジ作図", "引出文字",
                            "軸･穴公差", "切口表示", "表題欄記入", "重量計算", "設定"};
  ASSERT_EQ(window_->TabCount(), 10);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Utf8(window_->TabCaption(i)), captions[i]) << i;
  EXPECT_EQ(window_->SelectedTab(), 0);
  EXPECT_TRUE(window_->TabPageWindow(0)->IsShownOnScreen());
  EXPECT_FALSE(window_->TabPageWindow(1)->IsShownOnScreen());
  EXPECT_TRUE(window_->Unplaced().empty());
}

// Every control of the table is on its tab, of the right kind, with its
// caption and tool tip.
TEST_F(SettingsWindowTest, EveryControlOfTheTableIsOnItsTabWithCaptionAndTip) {
  for (const ControlSpec& row : ControlTable()) {
    SCOPED_TRACE(row.name);
    wxWindow* parent = row.tab >= 0 ? window_->TabPageWindow(row.tab) : nullptr;
    switch (row.kind) {
      case ControlKind::Combo: {
        wxWindow* w = window_->Control(row.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->GetParent(), parent);
        EXPECT_EQ(TipOf(w), row.toolTip);
        if (row.listOnly) {
          EXPECT_NE(dynamic_cast<wxChoice*>(w), nullptr) << "a list-only box must not take typing";
        } else {
          auto* combo = dynamic_cast<wxComboBox*>(w);
          ASSERT_NE(combo, nullptr);
          EXPECT_TRUE(combo->IsEditable());
        }
        break;
      }
      case ControlKind::Check: {
        auto* t = Get<wxToggleButton>(row.name);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->GetParent(), parent);
        EXPECT_EQ(Utf8(t->GetLabelText()), row.caption);
        EXPECT_EQ(TipOf(t), row.toolTip);
        EXPECT_EQ(t->GetBitmap().IsOk(), row.picture);
        break;
      }
      case ControlKind::Option: {
        const auto captions = Split(row.optionCaptions);
        const auto tips = Split(row.optionToolTips);
        for (int i = 0; i < row.optionCount; ++i) {
          const std::string name = std::string(row.name) + "(" + std::to_string(i) + ")";
          SCOPED_TRACE(name);
          wxWindow* w = window_->Control(name);
          ASSERT_NE(w, nullptr);
          EXPECT_EQ(w->GetParent(), parent);
          if (row.pushStyle) {
            auto* t = dynamic_cast<wxToggleButton*>(w);
            ASSERT_NE(t, nullptr);
            EXPECT_EQ(Utf8(t->GetLabelText()), i < static_cast<int>(captions.size()) ? captions[i] : "");
            EXPECT_EQ(t->GetBitmap().IsOk(), row.picture);
          } else {
            EXPECT_NE(dynamic_cast<wxRadioButton*>(w), nullptr);
          }
          if (!tips.empty()) {
            EXPECT_EQ(TipOf(w), tips[static_cast<std::size_t>(i)]);
          }
        }
        EXPECT_EQ(window_->Control(std::string(row.name) + "(" + std::to_string(row.optionCount) + ")"),
                  nullptr);
        break;
      }
      case ControlKind::Label: {
        auto* l = Get<wxStaticText>(row.name);
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->GetParent(), parent);
        // Long notes are broken into lines; the text is the same.
        wxString text = l->GetLabelText();
        text.Replace("\n", "");
        EXPECT_EQ(Utf8(text), row.caption);
        EXPECT_EQ(TipOf(l), row.toolTip);
        break;
      }
      case ControlKind::Button: {
        auto* b = Get<wxButton>(row.name);
        ASSERT_NE(b, nullptr);
        if (parent) {
          EXPECT_EQ(b->GetParent(), parent);
        }
        EXPECT_EQ(Utf8(b->GetLabelText()), row.caption);
        EXPECT_EQ(TipOf(b), row.toolTip);
        break;
      }
    }
  }
}

TEST_F(SettingsWindowTest, WindowOpensWithTheModelsStartState) {
  EXPECT_EQ(Utf8(window_->Msg()->GetValue()), "データを読み込みました");
  EXPECT_EQ(Utf8(Get<wxChoice>("Com7")->GetStringSelection()), "3");
  EXPECT_EQ(Get<wxChoice>("Com58")->GetCount(), 17u);
  EXPECT_EQ(Utf8(Get<wxComboBox>("Com54")->GetValue()), "b:\\jww\\");
  EXPECT_EQ(Utf8(Get<wxComboBox>("Com38")->GetValue()), "");
  EXPECT_EQ(Get<wxComboBox>("Com38")->GetCount(), 12u);
  EXPECT_EQ(Utf8(Get<wxComboBox>("Com150")->GetString(0)), "[100-50-5:9.36:ｍ");
  EXPECT_EQ(Utf8(Get<wxStaticText>("La11")->GetLabelText()), "重量");
  for (const auto& [name, selected] : std::vector<std::pair<std::string, int>>{
           {"C33", 9}, {"C34", 0}, {"C23", 5}, {"C5", 0}, {"C52", 0}, {"C61", 0}, {"C92", 1}}) {
    for (int i = 0; i < model_.Option(name).count; ++i) {
      EXPECT_EQ(Get<wxToggleButton>(name + "(" + std::to_string(i) + ")")->GetValue(), i == selected)
          << name << "(" << i << ")";
    }
  }
  EXPECT_TRUE(Get<wxRadioButton>("C6(1)")->GetValue());
  EXPECT_TRUE(Get<wxRadioButton>("C41(0)")->GetValue());
  for (const auto& [name, check] : model_.Checks()) {
    EXPECT_FALSE(Get<wxToggleButton>(name)->GetValue()) << name;
  }
}

TEST_F(SettingsWindowTest, PressedCheckBoxStaysPressedUntilPressedAgain) {
  auto* allAround = Get<wxToggleButton>("H33");
  ASSERT_NE(allAround, nullptr);
  ClickOn(allAround);
  EXPECT_TRUE(allAround->GetValue());
  Pump(200);
  EXPECT_TRUE(allAround->GetValue()) << "released by itself";
  ClickOn(allAround);
  EXPECT_FALSE(allAround->GetValue());
}

TEST_F(SettingsWindowTest, SelectingAnOptionReleasesTheOthersOfItsArray) {
  auto* near = Get<wxToggleButton>("C34(0)");
  auto* both = Get<wxToggleButton>("C34(2)");
  ASSERT_TRUE(near && both);
  ClickOn(both);
  EXPECT_TRUE(both->GetValue());
  EXPECT_FALSE(near->GetValue());
  EXPECT_FALSE(Get<wxToggleButton>("C34(1)")->GetValue());
  // Pressing the selected button again keeps it selected.
  ClickOn(both);
  EXPECT_TRUE(both->GetValue());
  // Another array is left alone.
  EXPECT_TRUE(Get<wxToggleButton>("C33(9)")->GetValue());
  window_->WidgetsToModel();
  EXPECT_EQ(model_.Option("C34").selected, 2);
}

// A click copies the widgets into the model, runs the procedure and copies
// the model back: the weld tab's clear button empties what was typed and
// releases the pressed check boxes, and keeps the side chosen.
TEST_F(SettingsWindowTest, ClearButtonMirrorsWidgetsAndModel) {
  Get<wxToggleButton>("H33")->SetValue(true);
  Get<wxComboBox>("Com38")->ChangeValue("45");
  Get<wxToggleButton>("C34(0)")->SetValue(false);
  Get<wxToggleButton>("C34(1)")->SetValue(true);
  window_->ClickButton("Co31");
  Pump();
  EXPECT_FALSE(model_.Check("H33").ticked);
  EXPECT_FALSE(Get<wxToggleButton>("H33")->GetValue());
  EXPECT_EQ(Utf8(Get<wxComboBox>("Com38")->GetValue()), model_.Combo("Com38").text);
  EXPECT_EQ(model_.Combo("Com38").text, "");
  EXPECT_EQ(model_.Option("C34").selected, 1);
  EXPECT_TRUE(Get<wxToggleButton>("C34(1)")->GetValue());
  EXPECT_EQ(Utf8(window_->Msg()->GetValue()), model_.MSG);
}

// The weight calculator reads typed texts and writes its label; newly typed
// entries join the lists, and the lists of the widgets follow the model.
TEST_F(SettingsWindowTest, WeightButtonReadsTypedTextsAndShowsTheWeight) {
  Get<wxComboBox>("Com150")->ChangeValue(U("鉄:7.85:比重"));
  Get<wxComboBox>("Com151")->ChangeValue("10");
  Get<wxComboBox>("Com152")->ChangeValue("100");
  Get<wxComboBox>("Com153")->ChangeValue("1000");
  window_->SelectTab(8);
  ClickOn(Get<wxButton>("Command13"));
  EXPECT_EQ(model_.Lbl("La11").caption, "7.85");
  EXPECT_EQ(Utf8(Get<wxStaticText>("La11")->GetLabelText()), "7.85");
  auto* material = Get<wxComboBox>("Com150");
  ASSERT_EQ(material->GetCount(), model_.Combo("Com150").items.size());
  for (unsigned i = 0; i < material->GetCount(); ++i) {
    EXPECT_EQ(Utf8(material->GetString(i)), model_.Combo("Com150").items[i]);
  }
  EXPECT_NE(material->FindString(U("鉄:7.85:比重"), true), wxNOT_FOUND);
  EXPECT_EQ(Utf8(material->GetValue()), "鉄:7.85:比重");
  EXPECT_NE(Get<wxComboBox>("Com153")->FindString("1000", true), wxNOT_FOUND);
}

TEST_F(SettingsWindowTest, SwitchingTabsChangesNoValue) {
  window_->WidgetsToModel();
  const Form before = model_;
  for (int tab : {3, 7, 9, 0}) {
    window_->SelectTab(tab);
    Pump(50);
    EXPECT_EQ(window_->SelectedTab(), tab);
    EXPECT_TRUE(window_->TabPageWindow(tab)->IsShownOnScreen());
  }
  window_->WidgetsToModel();
  for (const auto& [name, box] : before.Combos()) {
    EXPECT_EQ(model_.Combo(name).text, box.text) << name;
  }
  for (const auto& [name, array] : before.Options()) {
    EXPECT_EQ(model_.Option(name).selected, array.selected) << name;
  }
  EXPECT_EQ(model_.MSG, before.MSG);
}

// Every draw button of the window writes its tab's parameter file into the
// host folder typed on the settings tab.
TEST_F(SettingsWindowTest, EveryDrawButtonWritesItsFile) {
  // The tolerance tab draws with the hole fit it starts with (H6): the table
  // gives it size ranges, each opened by the row before.
  std::ofstream(folder_ / U("公差.dat").utf8_string(), std::ios::binary)
      << "H6/0/+0.006/0\r\nH6/3/+0.006/0\r\nH6/6/+0.008/0\r\nH7/0/+0.012/0\r\n";
  Get<wxComboBox>("Com54")->ChangeValue(U(folder_.string() + "/"));
  const std::pair<const char*, const char*> buttons[] = {
      {"Co32", "mokrav1.jyd"},     {"Co22", "mokrav2.jyd"},     {"CO2", "mokrav3.jyd"},
      {"Command6", "mokrav4.jyd"}, {"Command2", "mokrav5.jyd"}, {"Command4", "mokrav6.jyd"},
      {"Command8", "mokrav7.jyd"}, {"Command11", "mokrav8.jyd"},
  };
  for (const auto& [button, file] : buttons) {
    window_->ClickButton(button);
    Pump(50);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder_ / file)) << button << ": " << model_.MSG;
    EXPECT_EQ(Utf8(window_->Msg()->GetValue()), model_.MSG);
  }
}

TEST_F(SettingsWindowTest, ExitButtonClosesTheWindowOnceItsWorkIsDone) {
  window_->ClickButton("Command1");
  Pump(200);
  EXPECT_TRUE(model_.quitRequested);
  EXPECT_FALSE(window_) << "the window is still open";
}

// Each picture button shows a drawing of its own symbol.
TEST_F(SettingsWindowTest, PictureButtonsShowDistinctDrawings) {
  for (const char* array : {"C33", "C23", "C5", "C81"}) {
    std::set<std::string> seen;
    for (int i = 0; i < OptionPictureCount(array); ++i) {
      const wxImage img = OptionPicture(array, i, 24, 24).ConvertToImage();
      ASSERT_TRUE(img.HasAlpha());
      const std::string alpha(reinterpret_cast<const char*>(img.GetAlpha()), 24 * 24);
      EXPECT_NE(alpha.find_first_not_of('\0'), std::string::npos) << array << "(" << i << ") is blank";
      EXPECT_TRUE(seen.insert(alpha).second) << array << "(" << i << ") repeats another picture";
    }
  }
}

// As in a tabbed dialog: Ctrl+Tab walks all ten tabs and goes round,
// Ctrl+Shift+Tab walks back, Ctrl+PageDown and Ctrl+PageUp do the same; the
// focus follows onto the page in front. A plain Tab only moves the focus.
TEST_F(SettingsWindowTest, KeyboardWalksEveryTab) {
  window_->Raise();
  Get<wxComboBox>("Com37")->SetFocus();
  Pump(200);
  wxUIActionSimulator sim;
  auto press = [&](int key, int modifiers) {
    sim.Char(key, modifiers);
    Pump(120);
  };
  auto expectFront = [&](int tab) {
    EXPECT_EQ(window_->SelectedTab(), tab);
    wxWindow* page = window_->TabPageWindow(tab);
    EXPECT_TRUE(page->IsShownOnScreen()) << tab;
    wxWindow* focus = wxWindow::FindFocus();
    EXPECT_TRUE(focus != nullptr && page->IsDescendant(focus)) << "focus not on tab " << tab;
  };
  for (int i = 1; i <= 10; ++i) {
    SCOPED_TRACE(i);
    press(WXK_TAB, wxMOD_CONTROL);
    expectFront(i % 10);
  }
  for (int i = 9; i >= 7; --i) {
    press(WXK_TAB, wxMOD_CONTROL | wxMOD_SHIFT);
    expectFront(i);
  }
  press(WXK_PAGEDOWN, wxMOD_CONTROL);
  expectFront(8);
  press(WXK_PAGEDOWN, wxMOD_CONTROL);
  press(WXK_PAGEDOWN, wxMOD_CONTROL);
  expectFront(0);
  press(WXK_PAGEUP, wxMOD_CONTROL);
  expectFront(9);
  press(WXK_TAB, 0);
  EXPECT_EQ(window_->SelectedTab(), 9);
}

// Each tab header tells accessibility tools that it is a page tab and its
// caption; the one in front says so.
TEST_F(SettingsWindowTest, TabCaptionsAreExposedToAccessibilityTools) {
  TabStrip* strip = window_->Tabs();
  ASSERT_NE(strip, nullptr);
  AtkObject* list = gtk_widget_get_accessible(strip->GetHandle());
  EXPECT_EQ(atk_object_get_role(list), ATK_ROLE_PAGE_TAB_LIST);
  ASSERT_EQ(atk_object_get_n_accessible_children(list), window_->TabCount());
  for (int i = 0; i < window_->TabCount(); ++i) {
    SCOPED_TRACE(i);
    AtkObject* tab = atk_object_ref_accessible_child(list, i);
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(atk_object_get_role(tab), ATK_ROLE_PAGE_TAB);
    EXPECT_EQ(std::string(atk_object_get_name(tab)), Utf8(window_->TabCaption(i)));
    EXPECT_EQ(std::string(atk_object_get_description(tab)), i == 0 ? "選択されています" : "");
    g_object_unref(tab);
  }
  window_->SelectTab(5);
  AtkObject* front = gtk_widget_get_accessible(strip->Header(5)->GetHandle());
  EXPECT_EQ(std::string(atk_object_get_description(front)), "選択されています");
  EXPECT_EQ(std::string(atk_object_get_description(gtk_widget_get_accessible(strip->Header(0)->GetHandle()))), "");
}

// A click on a tab header brings its page to the front.
TEST_F(SettingsWindowTest, ClickOnATabHeaderShowsItsPage) {
  ClickOn(window_->Tabs()->Header(7));
  EXPECT_EQ(window_->SelectedTab(), 7);
  EXPECT_TRUE(window_->TabPageWindow(7)->IsShownOnScreen());
}

// The width in pixels that `text` takes in `widget`'s font.
int PixelWidth(GtkWidget* widget, const std::string& text) {
  PangoLayout* layout = gtk_widget_create_pango_layout(widget, text.c_str());
  int width = 0, height = 0;
  pango_layout_get_pixel_size(layout, &width, &height);
  g_object_unref(layout);
  return width;
}

// The width a box shows its text in: the text area of a typing box's entry,
// or what the cell of a list-only box has left after its padding.
int TextRoom(wxWindow* box, GtkWidget** textWidget) {
  GtkWidget* child = gtk_bin_get_child(GTK_BIN(box->GetHandle()));
  *textWidget = child;
  if (GTK_IS_ENTRY(child)) {
    GdkRectangle area;
    gtk_entry_get_text_area(GTK_ENTRY(child), &area);
    return area.width;
  }
  int room = gtk_widget_get_allocated_width(child);
  GList* cells = gtk_cell_layout_get_cells(GTK_CELL_LAYOUT(box->GetHandle()));
  for (GList* c = cells; c != nullptr; c = c->next) {
    int xpad = 0, ypad = 0;
    gtk_cell_renderer_get_padding(GTK_CELL_RENDERER(c->data), &xpad, &ypad);
    room -= 2 * xpad;
  }
  g_list_free(cells);
  return room;
}

// No item of any box's built-in list is cut off in the box: each one's text
// is measured against the room the box shows it in, tab by tab.
TEST_F(SettingsWindowTest, EveryListItemFitsItsBox) {
  int boxes = 0;
  for (int tab = 0; tab < window_->TabCount(); ++tab) {
    window_->SelectTab(tab);
    Pump(150);
    for (const ControlSpec& row : ControlTable()) {
      if (row.kind != ControlKind::Combo || row.tab != tab) continue;
      ++boxes;
      wxWindow* box = window_->Control(row.name);
      ASSERT_NE(box, nullptr) << row.name;
      GtkWidget* text = nullptr;
      const int room = TextRoom(box, &text);
      for (const std::string& item : model_.Combo(row.name).items) {
        const int width = PixelWidth(text, item);
        EXPECT_LE(width, room) << row.name << " cuts off \"" << item << "\"";
      }
    }
  }
  EXPECT_EQ(boxes, 115);
  EXPECT_EQ(window_->GetClientSize(), wxSize(409, 349));
}

// A message longer than the status line: the line shows what failed, the
// end of the path and the reason, the middle shortened; its tool tip holds
// the whole message, which stays whole in the model.
TEST_F(SettingsWindowTest, LongMessageIsReadableWhole) {
  const std::string folder = folder_.string() + "/一番目のフォルダ/二番目のフォルダ/ないフォルダ/";
  Get<wxComboBox>("Com54")->ChangeValue(U(folder));
  window_->ClickButton("Co32");
  Pump(100);
  const std::string full = model_.MSG;
  EXPECT_EQ(full, "作図データを書き込めませんでした：" + folder + "mokrav1.jyd（フォルダがありません）");
  wxTextCtrl* msg = window_->Msg();
  ASSERT_NE(msg->GetToolTip(), nullptr);
  EXPECT_EQ(Utf8(msg->GetToolTip()->GetTip()), full);
  const std::string shown = Utf8(msg->GetValue());
  EXPECT_NE(shown, full);
  EXPECT_EQ(shown.rfind("作図データを", 0), 0u) << shown;
  const std::string end = "（フォルダがありません）";
  ASSERT_GE(shown.size(), end.size());
  EXPECT_EQ(shown.substr(shown.size() - end.size()), end) << shown;
  EXPECT_NE(shown.find("…"), std::string::npos) << shown;
  EXPECT_LE(PixelWidth(msg->GetHandle(), shown), StatusRoom(msg));
  // The shortened text is not taken for the user's typing.
  window_->WidgetsToModel();
  EXPECT_EQ(model_.MSG, full);
  // A short message is shown as it is.
  window_->ClickButton("Co31");
  Pump(50);
  EXPECT_EQ(Utf8(msg->GetValue()), model_.MSG);
  EXPECT_EQ(Utf8(msg->GetToolTip()->GetTip()), model_.MSG);
}

// The host folder reaches the model as the bytes the command line held:
// wxWidgets would garble a UTF-8 name under LANG=C and drop one that is
// not UTF-8. The other words go on to its parser as they were, read as it
// reads them. Needs no display.
TEST(CommandLine, HostFolderIsTakenByteForByte) {
  struct Case {
    std::vector<std::string> words;
    std::optional<std::string> folder;
    std::vector<std::string> rest;
  };
  const Case cases[] = {
      {{"MOKRAV", "--host-folder", "/home/利用者/run/"}, "/home/利用者/run/", {"MOKRAV"}},
      {{"MOKRAV", "--host-folder", "/srv/\xFF\xFE"}, "/srv/\xFF\xFE", {"MOKRAV"}},
      {{"MOKRAV", "--host-folder", "run\n", "--screenshot-dir", "s"},
       "run\n",
       {"MOKRAV", "--screenshot-dir", "s"}},
      {{"MOKRAV", "--host-folder", "-"}, "-", {"MOKRAV"}},
      {{"MOKRAV", "--host-folder", "--help"}, "--help", {"MOKRAV"}},
      {{"MOKRAV", "--host-folder=a=b", "--host-folder:c"}, "c", {"MOKRAV"}},
      {{"MOKRAV", "--host-folder="}, "", {"MOKRAV"}},
      {{"MOKRAV", "--screenshot-dir", "--host-folder", "x"},
       std::nullopt,
       {"MOKRAV", "--screenshot-dir", "--host-folder", "x"}},
      {{"MOKRAV", "--host-folder"}, std::nullopt, {"MOKRAV", "--host-folder"}},
      {{"MOKRAV", "--", "--host-folder", "x"}, std::nullopt, {"MOKRAV", "--", "--host-folder", "x"}},
      {{"MOKRAV", "--host-folders", "x"}, std::nullopt, {"MOKRAV", "--host-folders", "x"}},
      // The toolkit's options stay for GTK, a value word with its option.
      {{"MOKRAV", "--display", ":1", "--host-folder", "h"}, "h", {"MOKRAV", "--display", ":1"}},
      {{"MOKRAV", "--name", "--host-folder", "x"}, std::nullopt, {"MOKRAV", "--name", "--host-folder", "x"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> words = c.words;
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    const StartWords taken = TakeHostFolder(static_cast<int>(argv.size()), argv.data());
    SCOPED_TRACE(c.words.back());
    EXPECT_EQ(taken.hostFolder, c.folder);
    EXPECT_EQ(std::vector<std::string>(taken.rest.begin(), taken.rest.end()), c.rest);
  }
}

// The check before the toolkit starts, on the given words after the
// program's name, as main() makes it.
std::optional<Answer> Checked(std::vector<std::string> words, std::string program = "MOKRAV") {
  words.insert(words.begin(), std::move(program));
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  return AnsweredWithoutWindow(WithoutToolkitOptions(static_cast<int>(argv.size()), argv.data()));
}

// GTK takes its own options out of the words when it starts, so the check
// must not refuse them, in either spelling, and must read the rest as the
// window's parser will see it then. Needs no display.
TEST(CommandLine, ToolkitOptionsPassTheCheckAsGtkTakesThem) {
  const std::vector<std::vector<std::string>> passing = {
      {"--display=:7"},
      {"--display", ":7", "--screenshot-dir", "d"},
      {"--sync", "--g-fatal-warnings"},
      {"--name", "n", "--class=c"},
      {"--gtk-module", "m", "--gtk-debug=all", "--gdk-no-debug", "misc", "--gtk-no-debug=x", "--gdk-debug", "y"},
      {"--name", "--help"},  // GTK takes "--help" as the name
      {"--display=", "--screenshot-dir=d"},
  };
  for (const auto& words : passing) {
    SCOPED_TRACE(words.front());
    EXPECT_EQ(Checked(words), std::nullopt);
  }
  const std::vector<std::vector<std::string>> refused = {
      {"--sync=1"},
      {"--display"},  // GTK leaves an option without its value
      {"--displays=:7"},
      {"-display", ":7"},
      {"--", "--display", ":7"},
      {"--screenshot-dir", "--display", ":7"},  // GTK takes its option first
  };
  for (const auto& words : refused) {
    SCOPED_TRACE(words.front());
    const std::optional<Answer> answer = Checked(words);
    ASSERT_NE(answer, std::nullopt);
    EXPECT_EQ(answer->code, 1);
  }
}

// --help and a mistyped option are answered before the toolkit starts:
// the usage on standard output, or what was wrong on standard error.
TEST(CommandLine, HelpIsAnsweredAndAMistypedOptionRefusedWithoutADisplay) {
  const std::optional<Answer> help = Checked({"--display=:7", "--help"});
  ASSERT_NE(help, std::nullopt);
  EXPECT_EQ(help->code, 0);
  EXPECT_EQ(help->out.rfind("Usage: MOKRAV ", 0), 0u) << help->out;
  EXPECT_NE(help->out.find("--screenshot-dir"), std::string::npos);
  EXPECT_EQ(help->err, "");

  const std::optional<Answer> typo = Checked({"--screenshot-dri", "d"});
  ASSERT_NE(typo, std::nullopt);
  EXPECT_EQ(typo->code, 1);
  EXPECT_EQ(typo->out, "");
  EXPECT_EQ(typo->err.rfind(help->out, 0), 0u) << typo->err;
  EXPECT_NE(typo->err.find("'screenshot-dri'"), std::string::npos) << typo->err;
}

// A word the refusal quotes, and the program's name in its usage, show
// their control characters and stray bytes as the tools' messages do: the
// refusal reads as if the shown text had been typed.
TEST(CommandLine, RefusalShowsTheControlCharactersOfTheWords) {
  const std::optional<Answer> esc = Checked({"\x1B[31m"});
  ASSERT_NE(esc, std::nullopt);
  EXPECT_NE(esc->err.find("'\\x1B[31m'"), std::string::npos) << esc->err;
  EXPECT_EQ(esc, Checked({"\\x1B[31m"}));
  struct Case {
    std::vector<std::string> words;
    std::string program;
    std::vector<std::string> shownWords;
    std::string shownProgram;
  };
  const Case cases[] = {
      {{"a\nb\x9B"}, "MOKRAV", {"a\\x0Ab\\x9B"}, "MOKRAV"},
      {{"--screenshot-dir"}, "MOK\x1B]0;t\aRAV", {"--screenshot-dir"}, "MOK\\x1B]0;t\\x07RAV"},
  };
  for (const Case& c : cases) {
    const std::optional<Answer> raw = Checked(c.words, c.program);
    ASSERT_NE(raw, std::nullopt);
    EXPECT_EQ(raw, Checked(c.shownWords, c.shownProgram));
  }
}

// A word for the shell, as it is.
std::string Quoted(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// GTK takes --display when the window starts and opens that display: with
// no DISPLAY in its environment, a screenshot run still shows and saves
// every tab from it, and ends normally.
TEST(MokravRun, DisplayOptionPicksTheDisplayOfAScreenshotRun) {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') GTEST_SKIP() << "no display (DISPLAY is not set)";
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("mokrav_display_" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder / "shots");
  const std::string command = "cd " + Quoted(folder.string()) + " && env -u DISPLAY " + Quoted(MOKRAV_PATH) +
                              " --display=" + Quoted(display) + " --screenshot-dir shots";
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command << ": " << status;
  EXPECT_TRUE(std::filesystem::is_regular_file(folder / "shots" / "tab0.png"));
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
}

}  // namespace
}  // namespace mokrav::gui
