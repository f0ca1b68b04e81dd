// The hole and thread tab's draw button and its parameter file "mokrav4.jyd".
#include <string>
#include <vector>

#include "settings/tests/params_frame_util.h"

namespace mokrav::testing {
namespace {

const char* kDone = "穴・ネジ作図データを出力しました";
const char* kNoDepth = "ﾈｼﾞの深さが入力されていません";
const char* kNoSmall = "小径の数値が入力されていません";
const char* kNoDiameter = "ﾈｼﾞ･穴の径が入力されていません";
const char* kNoLarge = "大径の数値が入力されていません";

using HoleTest = DrawTest;

struct HoleCase {
  const char* name;
  int kind;            // button of C41
  const char* pattern; // Com23
  const char* h;       // Com25
  const char* v;       // Com26
  const char* size;    // Com27
  const char* pitch;   // Com28
  const char* line;    // expected record line, or "" when a check fails
  const char* msg;     // expected MSG
};

// Pens "2 1 4 1 3 5", count "5", arrangement "右方向に配置", layers "--" as
// start-up leaves them.
const HoleCase kCases[] = {
    {"plan defaults", 0, "４箇所", "30", "30", "10", "4",
     "2 1 4 1 3 5 0.5 30 30 0 10 5 4 0 1 -- -- --", kDone},
    {"plan empty dimensions", 0, "４箇所", "", "", "10", "4",
     "2 1 4 1 3 5 0.5 0 0 0 10 5 4 0 1 -- -- --", kDone},
    {"plan typed zero", 0, "４箇所", "0", "0", "10", "4",
     "2 1 4 1 3 5 0.5 0 0 0 10 5 4 0 1 -- -- --", kDone},
    {"plan left stagger", 0, "左千鳥", "20", "15", "M8", "25",
     "2 1 4 1 3 5 0.5 20 15 1 M8 5 25 0 1 -- -- --", kDone},
    {"plan right stagger", 0, "右千鳥", "20", "15", "m8", "25",
     "2 1 4 1 3 5 0.5 20 15 2 m8 5 25 0 1 -- -- --", kDone},
    {"plan up-down forces x", 0, "上下", "20", "15", "10", "4",
     "2 1 4 1 3 5 0.5 0 15 0 10 5 4 0 1 -- -- --", kDone},
    {"plan left-right forces y", 0, "左右", "20", "15", "10", "4",
     "2 1 4 1 3 5 0.5 20 0 0 10 5 4 0 1 -- -- --", kDone},
    {"plan centre forces both", 0, "中心", "20", "15", "10", "4",
     "2 1 4 1 3 5 0.5 0 0 0 10 5 4 0 1 -- -- --", kDone},
    // An empty row pitch is the marker the hole tool reads as 0.
    {"plan empty pitch", 0, "４箇所", "30", "30", "10", "",
     "2 1 4 1 3 5 0.5 30 30 0 10 5 - 0 1 -- -- --", kDone},
    {"plan without diameter", 0, "４箇所", "30", "30", "", "4", "", kNoDiameter},
    {"section with depths", 1, "４箇所", "12", "5", "M10", "4",
     "2 1 4 1 3 5 0.5 12 5 0 M10 5 0 0 4 -- -- --", kDone},
    {"section without depths", 1, "４箇所", "", "", "M10", "4",
     "2 1 4 1 3 5 0.5 0 0 0 M10 5 0 0 6 -- -- --", kDone},
    {"section extra depth only", 1, "４箇所", "", "5", "M10", "4", "", kNoDepth},
    {"section without diameter", 1, "４箇所", "12", "5", "", "4", "", kNoDiameter},
    {"section without depths or diameter", 1, "中心", "", "", "", "", "", kNoDiameter},
    {"section without depth comes first", 1, "４箇所", "", "5", "", "4", "", kNoDepth},
    {"section up-down forces the depth away", 1, "上下", "10", "5", "M10", "4", "", kNoDepth},
    {"section up-down without extra depth", 1, "上下", "10", "", "M10", "4",
     "2 1 4 1 3 5 0.5 0 0 0 M10 5 0 0 6 -- -- --", kDone},
    {"section centre", 1, "中心", "10", "5", "M10", "4",
     "2 1 4 1 3 5 0.5 0 0 0 M10 5 0 0 6 -- -- --", kDone},
    {"section thread depth only", 1, "左右", "10", "5", "M10", "4",
     "2 1 4 1 3 5 0.5 10 0 0 M10 5 0 0 4 -- -- --", kDone},
    {"two diameters", 2, "４箇所", "30", "7", "11", "6.6",
     "2 1 4 1 3 5 0.5 11 6.6 30 11 5 6.6 0 8 -- -- --", kDone},
    // The bore depth is the horizontal box as typed, whatever the pattern.
    {"two diameters up-down", 2, "上下", "30", "7", "11", "6.6",
     "2 1 4 1 3 5 0.5 11 6.6 30 11 5 6.6 0 8 -- -- --", kDone},
    {"two diameters centre", 2, "中心", "12.5", "", "11", "6.6",
     "2 1 4 1 3 5 0.5 11 6.6 12.5 11 5 6.6 0 8 -- -- --", kDone},
    {"two diameters centre, no depth", 2, "中心", "", "", "11", "6.6",
     "2 1 4 1 3 5 0.5 11 6.6 0 11 5 6.6 0 8 -- -- --", kDone},
    {"two diameters without large one", 2, "４箇所", "30", "7", "", "6", "", kNoLarge},
    {"two diameters without small one", 2, "４箇所", "30", "7", "11", "", "", kNoSmall},
    {"two diameters without either", 2, "４箇所", "30", "7", "", "", "", kNoSmall},
};

TEST_F(HoleTest, KindsPatternsAndChecks) {
  for (const HoleCase& c : kCases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(dir_ / "mokrav4.jyd");
    f_.Option("C41").selected = c.kind;
    f_.Com(23).text = c.pattern;
    f_.Com(25).text = c.h;
    f_.Com(26).text = c.v;
    f_.Com(27).text = c.size;
    f_.Com(28).text = c.pitch;
    f_.MSG = "前の表示";
    Command6_Click(f_);
    EXPECT_EQ(f_.MSG, c.msg);
    EXPECT_EQ(Bytes("mokrav4.jyd"), *c.line ? Line(c.line) : std::string("<missing>"));
  }
}

TEST_F(HoleTest, ArrangementPensAndLayers) {
  const std::vector<std::pair<const char*, const char*>> rows = {
      {"中心振分け", "1"}, {"右方向に配置", "0"}, {"左方向に配置", "2"}};
  for (const auto& [text, code] : rows) {
    f_.Com(24).text = text;
    Command6_Click(f_);
    EXPECT_EQ(Bytes("mokrav4.jyd"),
              Line(std::string("2 1 4 1 3 5 0.5 30 30 0 10 5 4 ") + code + " 1 -- -- --"));
  }
  const char* pens[] = {"8", "7", "6", "5", "4", "3"};
  for (int k = 0; k < 6; ++k) f_.Com(17 + k).text = pens[k];
  f_.Com(55).text = "A";
  f_.Com(56).text = "0";
  f_.Com(57).text = "F";
  f_.Com(29).text = "20";
  Command6_Click(f_);
  EXPECT_EQ(Bytes("mokrav4.jyd"), Line("8 7 6 5 4 3 0.5 30 30 0 10 20 4 2 1 A 0 F"));
}

TEST_F(HoleTest, FailedCheckStillRemembersAndKeepsTheOldFile) {
  Command6_Click(f_);
  const std::string before = Bytes("mokrav4.jyd");
  ASSERT_NE(before, "<missing>");

  f_.Option("C41").selected = 1;
  f_.Com(23).text = "上下";
  f_.Com(25).text = "12";
  f_.Com(26).text = "7";
  Command6_Click(f_);
  EXPECT_EQ(f_.MSG, kNoDepth);
  EXPECT_EQ(Bytes("mokrav4.jyd"), before);
  EXPECT_EQ(f_.pendingHistory, "25 12\r\n26 7\r\n");
  EXPECT_GE(f_.Com(25).Find("12"), 0);
}

// After "クリア" the size boxes are empty: each kind either writes a file
// with no empty number field or refuses.
TEST_F(HoleTest, AfterClearEveryKindWritesNoEmptyField) {
  const struct {
    int kind;
    const char* line;
    const char* msg;
  } rows[] = {
      {0, "2 1 4 1 3 5 0.5 0 0 0 M6 5 - 0 1 -- -- --", kDone},
      {1, "2 1 4 1 3 5 0.5 0 0 0 M6 5 0 0 6 -- -- --", kDone},
      {2, "", kNoSmall},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.kind);
    std::filesystem::remove(dir_ / "mokrav4.jyd");
    Command7_Click(f_);
    f_.Option("C41").selected = row.kind;
    f_.Com(27).text = "M6";
    Command6_Click(f_);
    EXPECT_EQ(f_.MSG, row.msg);
    EXPECT_EQ(Bytes("mokrav4.jyd"), *row.line ? Line(row.line) : std::string("<missing>"));
  }
  // The stepped hole with only its small diameter: refused, not drawn at 0.
  Command7_Click(f_);
  f_.Option("C41").selected = 2;
  f_.Com(28).text = "6.6";
  Command6_Click(f_);
  EXPECT_EQ(f_.MSG, kNoLarge);
  EXPECT_EQ(Bytes("mokrav4.jyd"), "<missing>");
  EXPECT_EQ(f_.pendingHistory, "28 6.6\r\n");  // the checks still remember
}

// The tool reads the dimensions, the pitch and the diameter without its
// thread prefix as numbers; the stepped hole has no thread, so a thread size
// picked as its large diameter cannot be drawn. Such an entry is refused in
// the style of the tab's other checks: nothing written, the sizes remembered.
TEST_F(HoleTest, EntriesTheToolReadsAsNumbers) {
  const std::string no = params::kNotANumber;
  const struct {
    int kind;
    const char* pattern;
    const char* horizontal;
    const char* vertical;
    const char* diameter;
    const char* pitch;
    std::string msg;
    const char* line;  // the file written, "" when refused
  } rows[] = {
      {2, "４箇所", "8", "", "M10", "6", no + "「M10」", ""},
      {2, "４箇所", "8", "", "m10", "6", no + "「m10」", ""},
      {2, "４箇所", "8", "", "17.5", "M10", no + "「M10」", ""},
      {2, "上下", "深さ8", "", "17.5", "11", no + "「深さ8」", ""},
      {0, "４箇所", "30", "30", "M8x1.25", "4", no + "「M8x1.25」", ""},
      {0, "４箇所", "30", "30", "Mm8", "4", no + "「Mm8」", ""},
      {0, "４箇所", "30", "30", "M", "4", no + "「M」", ""},
      {0, "４箇所", "30", "30", "-", "4", no + "「-」", ""},
      {0, "４箇所", "30mm", "30", "10", "4", no + "「30mm」", ""},
      {0, "４箇所", "30", "３０", "10", "4", no + "「３０」", ""},
      {0, "４箇所", "30", "30", "10", "4.5.", no + "「4.5.」", ""},
      {1, "４箇所", "15", "5x", "M8", "", no + "「5x」", ""},
      {1, "４箇所", "15", "5", "M8×1", "", no + "「M8×1」", ""},
      // What the tool does read as numbers is written: a forced dimension,
      // both thread prefixes, a "-" where the tool takes it as 0.
      {1, "上下", "abc", "", "mM8", "", kDone, "2 1 4 1 3 5 0.5 0 0 0 mM8 5 0 0 6 -- -- --"},
      {0, "４箇所", "-", "", "m8", "-", kDone, "2 1 4 1 3 5 0.5 - 0 0 m8 5 - 0 1 -- -- --"},
      {2, "４箇所", "", "", "1e1", "+5", kDone, "2 1 4 1 3 5 0.5 1e1 +5 0 1e1 5 +5 0 8 -- -- --"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.msg + row.line);
    std::filesystem::remove(dir_ / "mokrav4.jyd");
    Command7_Click(f_);
    f_.Option("C41").selected = row.kind;
    f_.Combo("Com23").Select(f_.Com(23).Find(row.pattern));
    f_.Com(25).text = row.horizontal;
    f_.Com(26).text = row.vertical;
    f_.Com(27).text = row.diameter;
    f_.Com(28).text = row.pitch;
    Command6_Click(f_);
    EXPECT_EQ(f_.MSG, row.msg);
    EXPECT_EQ(Bytes("mokrav4.jyd"), *row.line ? Line(row.line) : std::string("<missing>"));
    EXPECT_GE(f_.Com(27).Find(row.diameter), 0);  // the checks still remember
  }
}

TEST_F(HoleTest, RemembersTheFourSizeBoxesInOrder) {
  f_.Com(28).text = "7.5";
  f_.Com(27).text = "M24";
  f_.Com(26).text = "";   // empty: not remembered
  f_.Com(25).text = "30"; // a built-in item: not remembered
  Command6_Click(f_);
  EXPECT_EQ(f_.MSG, kDone);
  EXPECT_EQ(f_.pendingHistory, "27 M24\r\n28 7.5\r\n");
  Command6_Click(f_);
  EXPECT_EQ(f_.pendingHistory, "27 M24\r\n28 7.5\r\n");
}

TEST_F(HoleTest, RefusedOrFailedWriteRemembersNothing) {
  Command6_Click(f_);
  const std::string before = Bytes("mokrav4.jyd");

  f_.Com(27).text = "M10,5";
  Command6_Click(f_);
  EXPECT_EQ(f_.MSG, std::string(params::kCommaRefused) + "「M10,5」");
  EXPECT_EQ(Bytes("mokrav4.jyd"), before);
  EXPECT_EQ(f_.pendingHistory, "");

  f_.Com(27).text = "M42";
  f_.Com(54).text = (dir_ / "missing" / "").string();
  Command6_Click(f_);
  EXPECT_EQ(f_.MSG, std::string(params::kWriteFailed) + f_.Com(54).text + "mokrav4.jyd" + "（フォルダがありません）");
  EXPECT_EQ(f_.pendingHistory, "");
  EXPECT_LT(f_.Com(27).Find("M42"), 0);
}

}  // namespace
}  // namespace mokrav::testing
