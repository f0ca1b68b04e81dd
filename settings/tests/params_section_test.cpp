// The section tab's draw button and its parameter file "mokrav7.jyd".
#include <string>

#include "settings/tests/params_frame_util.h"

namespace mokrav::testing {
namespace {

const char* kDone = "断面作図データを出力しました";

using SectionTest = DrawTest;

TEST_F(SectionTest, DefaultsAfterStartUp) {
  Command8_Click(f_);
  EXPECT_EQ(Bytes("mokrav7.jyd"), "4 -- 3 5 -- 2 1 -- A B C D 0 3 15 \x92\x66\x96\xca 1\r\n");
  EXPECT_EQ(f_.MSG, kDone);
  EXPECT_EQ(f_.pendingHistory, "");
}

TEST_F(SectionTest, EmptyLettersAndSuffix) {
  for (int n = 83; n <= 86; ++n) f_.Com(n).text = "";
  f_.Com(89).text = "";
  Command8_Click(f_);
  EXPECT_EQ(Bytes("mokrav7.jyd"), "4 -- 3 5 -- 2 1 -- - - - - 0 3 15  1\r\n");
}

TEST_F(SectionTest, OwnArrowBoxesOptionsAndFlags) {
  f_.Com(59).text = "9";  // the settings tab's arrow is not this tab's
  f_.Com(60).text = "30";
  f_.Com(87).text = "5";
  f_.Com(88).text = "22.5";
  f_.Check("H81").ticked = true;
  f_.Option("C81").selected = 1;
  f_.Com(84).text = "Ａ";
  Command8_Click(f_);
  EXPECT_EQ(Bytes("mokrav7.jyd"), Line("4 -- 3 5 -- 2 1 -- A Ａ C D 1 5 22.5 断面 2"));
  f_.Option("C81").selected = -1;
  Command8_Click(f_);
  EXPECT_EQ(Bytes("mokrav7.jyd"), Line("4 -- 3 5 -- 2 1 -- A Ａ C D 1 5 22.5 断面 "));
}

// The section tool draws the arrows from the tab's own length and angle:
// without a number in either box nothing is written, nothing remembered.
TEST_F(SectionTest, ArrowLengthAndAngleMustBeNumbers) {
  const char* kNoLength = "矢の長さの数値が入力されていません";
  const char* kNoAngle = "矢の角度の数値が入力されていません";
  const struct {
    const char* length;
    const char* angle;
    const char* msg;
  } rows[] = {
      {"", "15", kNoLength},   {"3", "", kNoAngle},     {"", "", kNoLength},
      {"abc", "15", kNoLength}, {"3", "15度", kNoAngle}, {"3 5", "15", kNoLength},
      {"3", "1 5", kNoAngle}, {"  ", "15", kNoLength},  {"３", "15", kNoLength}, {"-", "15", kNoLength},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.length) + "|" + row.angle);
    f_.Com(83).text = "X";  // new: would be queued by a write
    f_.Com(87).text = row.length;
    f_.Com(88).text = row.angle;
    f_.MSG = "前の表示";
    Command8_Click(f_);
    EXPECT_EQ(f_.MSG, row.msg);
    EXPECT_EQ(Bytes("mokrav7.jyd"), "<missing>");
    EXPECT_EQ(f_.pendingHistory, "");
    EXPECT_LT(f_.Com(83).Find("X"), 0);
  }
  // After "クリア" both boxes are empty; typing them is all the tab needs.
  Command9_Click(f_);
  Command8_Click(f_);
  EXPECT_EQ(f_.MSG, kNoLength);
  f_.Com(87).text = "4.5";
  f_.Com(88).text = "-30";
  Command8_Click(f_);
  EXPECT_EQ(f_.MSG, kDone);
  EXPECT_EQ(Bytes("mokrav7.jyd"), Line("4 -- 3 5 -- 2 1 -- - - - - 0 4.5 -30  1"));
}

TEST_F(SectionTest, PenAndLayerColumns) {
  const char* boxes[] = {"Com75", "Com76", "Com77", "Com78", "Com79", "Com80", "Com81", "Com82"};
  const char* texts[] = {"10", "1", "8", "7", "2", "6", "3", "F"};
  for (int k = 0; k < 8; ++k) f_.Combo(boxes[k]).text = texts[k];
  Command8_Click(f_);
  EXPECT_EQ(Bytes("mokrav7.jyd"), Line("10 1 8 7 2 6 3 F A B C D 0 3 15 断面 1"));
}

TEST_F(SectionTest, StatusReplacedOnlyByTheOutcome) {
  f_.MSG = "番号が入力されていません";
  Command8_Click(f_);
  EXPECT_EQ(f_.MSG, kDone);
  f_.MSG = "番号が入力されていません";
  f_.Com(54).text = (dir_ / "missing" / "").string();
  Command8_Click(f_);
  EXPECT_NE(f_.MSG, kDone);
  EXPECT_EQ(f_.MSG, std::string(params::kWriteFailed) + f_.Com(54).text + "mokrav7.jyd" + "（フォルダがありません）");
}

TEST_F(SectionTest, RememberStepsEachIntoItsOwnBox) {
  f_.Com(89).text = "矢視";
  f_.Com(88).text = "45";
  f_.Com(87).text = "7";
  f_.Com(86).text = "G";
  f_.Com(85).text = "F'";
  f_.Com(84).text = "E";  // an item already
  f_.Com(83).text = "X";
  Command8_Click(f_);
  EXPECT_EQ(f_.pendingHistory, "83 X\r\n85 F'\r\n86 G\r\n87 7\r\n88 45\r\n89 矢視\r\n");
  EXPECT_GE(f_.Com(86).Find("G"), 0);
  EXPECT_LT(f_.Com(83).Find("G"), 0);
  EXPECT_LT(f_.Com(86).Find("X"), 0);
  f_.Com(83).text = "B";
  Command8_Click(f_);  // "G" is now an item of Com86: nothing more is queued
  EXPECT_EQ(f_.pendingHistory, "83 X\r\n85 F'\r\n86 G\r\n87 7\r\n88 45\r\n89 矢視\r\n");
}

}  // namespace
}  // namespace mokrav::testing
