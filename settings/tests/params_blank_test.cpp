// Blanks and control characters in typed texts: blanks before and after a
// text are dropped before it is written or remembered; one left inside a
// text that a tool reads as one blank-separated field is refused, and so is
// a control character anywhere (a tab pasted from a spreadsheet cell),
// writing and remembering nothing.
#include <functional>
#include <string>
#include <vector>

#include "settings/tests/params_frame_util.h"

namespace mokrav::testing {
namespace {

struct Tab {
  const char* button;
  const char* file;
  std::function<void(Form&)> setUp;  // the tab's kind, where the box needs one
};

const Tab kWeld = {"Co32", "mokrav1.jyd", [](Form&) {}};
const Tab kFinish = {"Co22", "mokrav2.jyd", [](Form&) {}};
const Tab kGeomTol = {"CO2", "mokrav3.jyd", [](Form&) {}};
const Tab kHole = {"Command6", "mokrav4.jyd", [](Form&) {}};
const Tab kFreeText = {"Command2", "mokrav5.jyd", [](Form& f) { f.Option("C51").selected = 1; }};
const Tab kOwnTolerance = {"Command4", "mokrav6.jyd",
                           [](Form& f) { f.Option("C61").selected = 3; }};
const Tab kSection = {"Command8", "mokrav7.jyd", [](Form&) {}};
const Tab kTitle = {"Command11", "mokrav8.jyd", [](Form&) {}};
const Tab kTriangles = {"Co22", "mokrav2.jyd", [](Form& f) { f.Option("C23").selected = 1; }};

class BlankTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    Put("公差.dat", platform::ToCp932("H6/0/+0.006/0\r\nH6/3/+0.006/0\r\n"));
  }
  std::string Written(const char* file) const {
    const std::string bytes = Bytes(file);
    return bytes == "<missing>" ? bytes : platform::FromCp932(bytes);
  }
  // A fresh start, `text` typed into the box and the tab's draw button
  // pressed: nothing may be written or remembered. Returns the message.
  std::string RefusedClick(const Tab& tab, int box, const std::string& text) {
    TearDown();
    f_ = Form();
    SetUp();
    tab.setUp(f_);
    f_.Com(box).text = text;
    const std::vector<std::string> items = f_.Com(box).items;
    Click(f_, tab.button);
    EXPECT_EQ(Bytes(tab.file), "<missing>");
    EXPECT_EQ(f_.pendingHistory, "");
    EXPECT_EQ(f_.Com(box).items, items);
    return f_.MSG;
  }
};

TEST_F(BlankTest, InnerBlankInAFieldIsRefusedAndNothingIsWrittenOrRemembered) {
  const struct {
    const char* name;
    const Tab& tab;
    int box;
    const char* text;
    const char* named;  // the text the message names
  } rows[] = {
      {"finish upper value", kFinish, 33, "Ra 6.3", "Ra 6.3"},
      {"finish value of a kind that writes no text: it would be remembered", kTriangles, 33,
       "Ra 6.3", "Ra 6.3"},
      {"weld process typed without a code", kWeld, 37, "ｱｰｸ 溶接", "ｱｰｸ 溶接"},
      {"weld process code", kWeld, 37, "W A:ｱｰｸ溶接", "W A"},
      {"weld length and pitch", kWeld, 43, "50 (3)-150", "50 (3)-150"},
      {"the settings tab's arrow length", kWeld, 59, "3 5", "3 5"},
      {"datum letter", kGeomTol, 72, "A B", "A B"},
      {"hole size", kHole, 27, "M 10", "M 10"},
      {"leader free text", kFreeText, 40, "この面 塗装", "この面 塗装"},
      {"leader note", kFreeText, 14, "深さ 15", "深さ 15"},
      {"own deviation", kOwnTolerance, 70, "+0. 01", "+0. 01"},
      {"section suffix", kSection, 89, "断面 図", "断面 図"},
      {"section letter", kSection, 83, "A 1", "A 1"},
      {"part name", kTitle, 101, "ブラケット 左", "ブラケット 左"},
      {"two blanks in a row", kTitle, 101, "ブラケット  左", "ブラケット  左"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string message = RefusedClick(row.tab, row.box, row.text);
    // The arrow is checked as a number first; every other text names the
    // blank.
    if (row.box == 59) {
      EXPECT_EQ(message, params::kNoArrowLength);
    } else {
      EXPECT_EQ(message, std::string(params::kBlankRefused) + "「" + row.named + "」");
    }
  }
}

TEST_F(BlankTest, OuterBlanksAreDroppedBeforeWritingAndRemembering) {
  f_.Com(33).text = "  Ra6.3 ";
  f_.Com(31).text = "   ";  // blanks alone: an empty text, its marker
  Co22_Click(f_);
  EXPECT_EQ(Written("mokrav2.jyd"), "4 4 6 0 0 - - 12.5 Ra6.3 -- --\r\n");
  EXPECT_EQ(f_.Com(33).text, "Ra6.3");
  EXPECT_EQ(f_.Com(31).text, "");
  EXPECT_EQ(f_.pendingHistory, "33 Ra6.3\r\n");

  f_.Option("C51").selected = 1;
  f_.Com(40).text = " この面塗装";
  f_.Com(14).text = "";
  f_.Com(59).text = "3 ";
  Command2_Click(f_);
  EXPECT_EQ(Written("mokrav5.jyd"), "4 4 2 この面塗装 - 0 -- -- 3 15\r\n");
  EXPECT_EQ(f_.pendingHistory, "33 Ra6.3\r\n40 この面塗装\r\n");

  f_.Com(101).text = "ブラケット ";
  Command11_Click(f_);
  EXPECT_EQ(Written("mokrav8.jyd"), "1 4 -- ブラケット 品名（下段） 2\r\n");
}

TEST_F(BlankTest, ControlCharacterInATextIsRefusedAndNothingIsWrittenOrRemembered) {
  const struct {
    const char* name;
    const Tab& tab;
    int box;
    const char* before;  // the text is before, the control character, after
    const char* after;
    const char* named = "";  // what the message names after the □, when not `after`
  } rows[] = {
      {"finish upper value", kFinish, 33, "Ra", "6.3"},
      {"finish value of a kind that writes no text: it would be remembered", kTriangles, 33, "Ra", "6.3"},
      {"weld process code: the message names the code alone", kWeld, 37, "W", "A:ｱｰｸ溶接", "A"},
      {"weld process description: it would be remembered", kWeld, 37, "WA:ｱｰｸ", "溶接"},
      {"weld length and pitch", kWeld, 43, "50", "(3)-150"},
      {"datum letter", kGeomTol, 72, "A", "B"},
      {"hole size", kHole, 27, "M", "10"},
      {"leader free text", kFreeText, 40, "この面", "塗装"},
      {"leader note", kFreeText, 14, "深さ", "15"},
      {"own deviation", kOwnTolerance, 70, "+0.", "01"},
      {"section suffix", kSection, 89, "断面", "図"},
      {"section letter", kSection, 83, "A", "1"},
      {"part name", kTitle, 101, "ブラケット", "左"},
  };
  for (const auto& row : rows) {
    for (const char* control : {"\t", "\v", "\x1B", "\x7F", "\u0085"}) {
      SCOPED_TRACE(std::string(row.name) + ", character " + std::to_string(static_cast<unsigned char>(*control)));
      const std::string message = RefusedClick(row.tab, row.box, std::string(row.before) + control + row.after);
      const std::string named = *row.named ? row.named : row.after;
      EXPECT_EQ(message, std::string(params::kControlRefused) + "「" + row.before + "□" + named + "」");
    }
  }
}

// The tolerance tab's note is read to the end of the line, blanks and all,
// but a control character is refused there as anywhere; a full-width blank
// is an ordinary character.
TEST_F(BlankTest, QuotedNoteRefusesATabAndKeepsAFullWidthBlank) {
  f_.Check("H67").ticked = true;
  f_.Com(14).text = "焼入れ\t後";
  Command4_Click(f_);
  EXPECT_EQ(f_.MSG, std::string(params::kControlRefused) + "「焼入れ□後」");
  EXPECT_EQ(Bytes("mokrav6.jyd"), "<missing>");
  f_.Com(14).text = "焼入れ\u3000後";
  Command4_Click(f_);
  EXPECT_EQ(f_.MSG, "公差記号作図データを出力しました");
  EXPECT_NE(Written("mokrav6.jyd").find(" 焼入れ\u3000後\r\n"), std::string::npos);
}

// A row of the tolerance table that holds a control character would be
// refused by the tool: the tab writes nothing.
TEST_F(BlankTest, TableRowWithAControlCharacterIsRefused) {
  Put("公差.dat", platform::ToCp932("H6/0/+0.006\t/0\r\nH6/3/+0.006/0\r\n"));
  Command4_Click(f_);
  EXPECT_EQ(f_.MSG, std::string(params::kControlRefused) + "「H6/0/+0.006□/0」");
  EXPECT_EQ(Bytes("mokrav6.jyd"), "<missing>");
}

// A blank after the code of a coded entry never reaches the tool.
TEST_F(BlankTest, BlankInTheDescriptionOfACodedEntryIsAllowed) {
  f_.Com(37).text = "WA:ｱｰｸ 溶接";
  Co32_Click(f_);
  EXPECT_EQ(f_.MSG, "溶接記号データを出力しました");
  EXPECT_NE(Written("mokrav1.jyd").find(" WA 0 0 0 0 "), std::string::npos);
  EXPECT_EQ(f_.pendingHistory, "37 WA:ｱｰｸ 溶接\r\n");

  f_.Com(30).text = "GE:円筒 研削";
  Co22_Click(f_);
  EXPECT_EQ(f_.MSG, "仕上げ記号データを出力しました");
  EXPECT_EQ(Written("mokrav2.jyd"), "4 4 6 0 0 GE - 12.5 25 -- --\r\n");
  EXPECT_EQ(f_.pendingHistory, "37 WA:ｱｰｸ 溶接\r\n30 GE:円筒 研削\r\n");
}

// The tolerance tool reads the quoted note as the rest of the line: its
// blanks stay, its outer ones go.
TEST_F(BlankTest, QuotedNoteKeepsItsInnerBlanks) {
  f_.Check("H67").ticked = true;
  f_.Com(14).text = " 焼入れ 後  HRC 50 ";
  Command4_Click(f_);
  EXPECT_EQ(f_.MSG, "公差記号作図データを出力しました");
  const std::string written = Written("mokrav6.jyd");
  EXPECT_EQ(written.substr(0, written.find("\r\n")),
            "4 4 0 0 0.1 1.0 0.2 3 N 3 3 H6 2 1 -- -- 3 15 0 0 -- -- 焼入れ 後  HRC 50");
}

}  // namespace
}  // namespace mokrav::testing
