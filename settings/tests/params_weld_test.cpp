// The welding tab's draw button and its parameter file "mokrav1.jyd".
#include <string>
#include <vector>

#include "settings/tests/params_frame_util.h"

namespace mokrav::testing {
namespace {

const char* kDone = "溶接記号データを出力しました";
const char* kDefaults = "3 4 10 - - - - 1 - - - - - 0 0 0 0 -- -- 3 15 - - 0 0";

// The record line with field k replaced.
std::string With(int k, const std::string& value) {
  std::vector<std::string> fields;
  std::string line = kDefaults;
  std::size_t start = 0;
  for (;;) {
    std::size_t blank = line.find(' ', start);
    fields.push_back(line.substr(start, blank == std::string::npos ? blank : blank - start));
    if (blank == std::string::npos) break;
    start = blank + 1;
  }
  fields.at(k) = value;
  std::string out;
  for (std::size_t i = 0; i < fields.size(); ++i) out += (i ? " " : "") + fields[i];
  return out;
}

using WeldTest = DrawTest;

TEST_F(WeldTest, DefaultsAfterStartUp) {
  f_.MSG = "old";
  Co32_Click(f_);
  EXPECT_EQ(Bytes("mokrav1.jyd"), std::string(kDefaults) + "\r\n");
  EXPECT_EQ(f_.MSG, kDone);
  EXPECT_EQ(f_.pendingHistory, "");
}

TEST_F(WeldTest, EveryWeldKindAndSide) {
  for (int k = 0; k < 13; ++k) {
    f_.Option("C33").selected = k;
    Co32_Click(f_);
    EXPECT_EQ(Bytes("mokrav1.jyd"), With(2, std::to_string(k + 1)) + "\r\n") << k;
  }
  f_.Option("C33").selected = 9;
  for (int k = 0; k < 3; ++k) {
    f_.Option("C34").selected = k;
    Co32_Click(f_);
    EXPECT_EQ(Bytes("mokrav1.jyd"), With(7, std::to_string(k + 1)) + "\r\n") << k;
  }
}

TEST_F(WeldTest, NoButtonSetLeavesTheFieldEmpty) {
  f_.Option("C33").selected = -1;
  Co32_Click(f_);
  EXPECT_EQ(Bytes("mokrav1.jyd"), With(2, "") + "\r\n");  // two blanks in a row
}

TEST_F(WeldTest, EachCheckBoxItsOwnField) {
  const std::pair<const char*, int> checks[] = {{"H33", 13}, {"H34", 14}, {"H36", 15}, {"H35", 16}};
  for (const auto& [box, field] : checks) {
    f_.Check(box).ticked = true;
    Co32_Click(f_);
    EXPECT_EQ(Bytes("mokrav1.jyd"), With(field, "1") + "\r\n") << box;
    f_.Check(box).ticked = false;
  }
}

TEST_F(WeldTest, TextsLayersAndArrowReadAtTheClick) {
  struct Case { const char* box; std::string text; int field; std::string value; };
  const std::vector<Case> cases = {
      {"Com7", "10", 0, "10"},          {"Com8", "7", 1, "7"},
      {"Com157", "①", 3, "①"},          {"Com42", "50(3)-150", 4, "50(3)-150"},
      {"Com38", "45°", 5, "45°"},       {"Com161", "G:研削", 6, "G"},
      {"Com158", "3", 8, "3"},          {"Com43", "30(2)-100", 9, "30(2)-100"},
      {"Com39", "90°", 10, "90°"},      {"Com162", "F:無指定", 11, "F"},
      {"Com162", "G", 11, "G"},         {"Com37", "r=12:ﾙｰﾄ半径", 12, "r=12"},
      {"Com37", "WA:ｱｰｸ溶接", 12, "WA"}, {"Com37", "へこみ２", 12, "へこみ２"},
      {"Com61", "A", 17, "A"},          {"Com58", "0", 18, "0"},
      {"Com59", "7", 19, "7"},          {"Com60", "30", 20, "30"},
      {"Com159", "2", 21, "2"},         {"Com160", "0", 22, "0"},
      {"Com155", "∧（凸）　:2", 23, "2"}, {"Com156", "∨（凹み）:3", 24, "3"},
      {"Com156", "－（平ら）:1", 24, "1"}, {"Com155", "無し　　　:0", 23, "0"},
      {"Com157", " ", 3, "-"},            // blanks alone are an empty text
      {"Com42", " 50(3)-150  ", 4, "50(3)-150"},  // outer blanks carry no meaning
  };
  for (const Case& c : cases) {
    std::string old = f_.Combo(c.box).text;
    f_.Combo(c.box).text = c.text;
    Co32_Click(f_);
    EXPECT_EQ(Bytes("mokrav1.jyd"), Line(With(c.field, c.value))) << c.box << " " << c.text;
    EXPECT_EQ(f_.MSG, kDone) << c.box;
    f_.Combo(c.box).text = old;
  }
}

TEST_F(WeldTest, BytesInCodePage932) {
  f_.Com(37).text = "へこみ２";
  f_.Com(38).text = "45°";
  Co32_Click(f_);
  EXPECT_EQ(Bytes("mokrav1.jyd"),
            "3 4 10 - - 45\x81\x8b - 1 - - - - \x82\xd6\x82\xb1\x82\xdd\x82Q 0 0 0 0 -- -- 3 15 - - 0 0\r\n");
}

TEST_F(WeldTest, RememberStepsInTheirOrder) {
  const std::pair<const char*, const char*> typed[] = {
      {"Com160", "g"}, {"Com159", "f"}, {"Com158", "e"}, {"Com157", "d"}, {"Com39", "n"},
      {"Com38", "b"},  {"Com37", "WX:新"}, {"Com43", "c"}, {"Com42", "a"},
      {"Com155", "x:1"}, {"Com156", "y:2"}, {"Com161", "Z:z"}, {"Com162", "Q:q"}};
  for (const auto& [box, text] : typed) f_.Combo(box).text = text;
  Co32_Click(f_);
  EXPECT_EQ(f_.MSG, kDone);
  EXPECT_EQ(f_.pendingHistory, "42 a\r\n43 c\r\n37 WX:新\r\n157 d\r\n158 e\r\n159 f\r\n160 g\r\n");
  for (const auto& [box, text] : typed) {
    std::string name = box;
    bool listed = name != "Com155" && name != "Com156" && name != "Com161" && name != "Com162";
    EXPECT_EQ(f_.Combo(box).Find(text) >= 0, listed) << box;
  }
  // Now that they are items, a second click queues nothing more.
  Co32_Click(f_);
  EXPECT_EQ(f_.pendingHistory, "42 a\r\n43 c\r\n37 WX:新\r\n157 d\r\n158 e\r\n159 f\r\n160 g\r\n");
}

TEST_F(WeldTest, ChosenItemsAreNotRememberedAgain) {
  f_.Com(37).Select(0);
  f_.Com(42).Select(1);
  f_.Com(157).Select(3);
  Co32_Click(f_);
  EXPECT_EQ(f_.pendingHistory, "");
}

TEST_F(WeldTest, ContourWithoutCodeIsRefused) {
  Put("mokrav1.jyd", "old\r\n");
  f_.pendingHistory = "54 x\r\n";
  for (const char* typed : {"凸", "凸:", "凸:4", "凸:2 a", ":x"}) {
    for (const char* box : {"Com155", "Com156"}) {
      f_.Com(42).text = "new";
      f_.Combo(box).text = typed;
      Co32_Click(f_);
      EXPECT_EQ(f_.MSG, std::string("溶接部の形状は一覧から選んでください：「") + typed + "」");
      EXPECT_EQ(Bytes("mokrav1.jyd"), "old\r\n") << box << typed;
      EXPECT_EQ(f_.pendingHistory, "54 x\r\n");
      EXPECT_LT(f_.Com(42).Find("new"), 0);
      f_.Combo(box).text = "";
    }
  }
}

}  // namespace
}  // namespace mokrav::testing
