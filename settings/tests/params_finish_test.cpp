// The surface-finish tab's draw button and its parameter file "mokrav2.jyd".
#include <string>

#include "settings/tests/params_frame_util.h"

namespace mokrav::testing {
namespace {

const char* kDone = "仕上げ記号データを出力しました";

using FinishTest = DrawTest;

TEST_F(FinishTest, DefaultsAfterStartUp) {
  Co22_Click(f_);
  EXPECT_EQ(Bytes("mokrav2.jyd"), "4 4 6 0 0 - - 12.5 25 -- --\r\n");
  EXPECT_EQ(f_.MSG, kDone);
  EXPECT_EQ(f_.pendingHistory, "");
}

TEST_F(FinishTest, KindDecidesGrindingMarkAndTexts) {
  f_.Check("H1").ticked = true;
  f_.Com(30).text = "GE:円筒研削";
  f_.Com(31).text = "";
  f_.Com(32).text = "3.2";
  f_.Com(33).text = "6.4";
  const char* expected[] = {
      "4 4 1 1 0 - - - - -- --",  // kinds 1 to 5: the G mark, no texts
      "4 4 2 1 0 - - - - -- --",
      "4 4 3 1 0 - - - - -- --",
      "4 4 4 1 0 - - - - -- --",
      "4 4 5 1 0 - - - - -- --",
      "4 4 6 0 0 GE - 3.2 6.4 -- --",  // kinds 6 to 8: texts, never the G mark
      "4 4 7 0 0 GE - 3.2 6.4 -- --",
      "4 4 8 0 0 GE - 3.2 6.4 -- --",
  };
  for (int k = 0; k < 8; ++k) {
    f_.Option("C23").selected = k;
    Co22_Click(f_);
    EXPECT_EQ(Bytes("mokrav2.jyd"), Line(expected[k])) << k;
  }
  f_.Check("H1").ticked = false;
  f_.Option("C23").selected = 2;
  Co22_Click(f_);
  EXPECT_EQ(Bytes("mokrav2.jyd"), Line("4 4 3 0 0 - - - - -- --"));
}

TEST_F(FinishTest, NoButtonSetCountsAsKindZero) {
  f_.Option("C23").selected = -1;
  f_.Check("H1").ticked = true;
  Co22_Click(f_);
  EXPECT_EQ(Bytes("mokrav2.jyd"), Line("4 4  1 0 - - - - -- --"));
}

TEST_F(FinishTest, TextsOfTheVSymbol) {
  struct Case { const char* box; std::string text; std::string line; };
  const Case cases[] = {
      {"Com30", "SL:立削り", "4 4 6 0 0 SL - 12.5 25 -- --"},
      {"Com30", "XY:a:b", "4 4 6 0 0 XY - 12.5 25 -- --"},
      {"Com30", "ﾗｯﾌﾟ", "4 4 6 0 0 ﾗｯﾌﾟ - 12.5 25 -- --"},
      {"Com30", " ", "4 4 6 0 0 - - 12.5 25 -- --"},  // blanks alone: empty
      {"Com31", "Rmax=0.4", "4 4 6 0 0 - Rmax=0.4 12.5 25 -- --"},
      {"Com32", "", "4 4 6 0 0 - - - 25 -- --"},
      {"Com33", "", "4 4 6 0 0 - - 12.5 - -- --"},
      {"Com5", "10", "10 4 6 0 0 - - 12.5 25 -- --"},
      {"Com6", "1", "4 1 6 0 0 - - 12.5 25 -- --"},
      {"Com63", "F", "4 4 6 0 0 - - 12.5 25 F --"},
      {"Com62", "9", "4 4 6 0 0 - - 12.5 25 -- 9"},
  };
  for (const Case& c : cases) {
    std::string old = f_.Combo(c.box).text;
    f_.Combo(c.box).text = c.text;
    Co22_Click(f_);
    EXPECT_EQ(Bytes("mokrav2.jyd"), Line(c.line)) << c.box << " " << c.text;
    f_.Combo(c.box).text = old;
  }
  f_.Check("H2").ticked = true;
  Co22_Click(f_);
  EXPECT_EQ(Bytes("mokrav2.jyd"), Line("4 4 6 0 1 - - 12.5 25 -- --"));
}

TEST_F(FinishTest, AllFourEmptyWithTheForbiddenSymbol) {
  f_.Option("C23").selected = 7;
  for (int n : {30, 31, 32, 33}) f_.Com(n).text = "";
  Co22_Click(f_);
  EXPECT_EQ(Bytes("mokrav2.jyd"), "4 4 8 0 0 - - - - -- --\r\n");
}

TEST_F(FinishTest, BytesInCodePage932) {
  f_.Com(30).text = "円筒";
  Co22_Click(f_);
  EXPECT_EQ(Bytes("mokrav2.jyd"), "4 4 6 0 0 \x89~\x93\x9b - 12.5 25 -- --\r\n");
}

TEST_F(FinishTest, RememberedForEveryKind) {
  f_.Option("C23").selected = 1;
  f_.Com(33).text = "0.8";
  f_.Com(32).text = "0.4";
  f_.Com(31).text = "Ra";
  f_.Com(30).text = "FR:新";
  Co22_Click(f_);
  EXPECT_EQ(Bytes("mokrav2.jyd"), "4 4 2 0 0 - - - - -- --\r\n");
  EXPECT_EQ(f_.pendingHistory, "30 FR:新\r\n31 Ra\r\n32 0.4\r\n33 0.8\r\n");
  EXPECT_GE(f_.Com(30).Find("FR:新"), 0);
}

}  // namespace
}  // namespace mokrav::testing
