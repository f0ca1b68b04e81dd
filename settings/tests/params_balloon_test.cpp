// The leader-note tab's draw button and its parameter file "mokrav5.jyd":
// the composed texts of each style, the balloon checks and the auto-number.
#include <string>

#include "settings/tests/params_frame_util.h"

namespace mokrav::testing {
namespace {

const char* kDone = "引出文字作図データを出力しました";
const char* kNoNumber = "番号が入力されていません";
const char* kNoDiameter = "バルーン径が入力されていません";

class BalloonTest : public DrawTest {
 protected:
  // The record line as written, decoded.
  std::string Written() const {
    std::string bytes = Bytes("mokrav5.jyd");
    return bytes == "<missing>" ? bytes : platform::FromCp932(bytes);
  }
  // text 1 of the written record (field 3).
  std::string Text1() const {
    std::string line = Written();
    std::size_t at = 0;
    for (int k = 0; k < 3; ++k) at = line.find(' ', at) + 1;
    return line.substr(at, line.find(' ', at) - at);
  }
  void Balloon(const std::string& number, bool autoNumber) {
    f_.Option("C51").selected = 2;
    f_.Com(15).text = number;
    f_.Check("H53").ticked = autoNumber;
    Command2_Click(f_);
  }
};

struct CallOutCase {
  const char* q;
  const char* d;
  const char* o;
  const char* text1;
};

TEST_F(BalloonTest, CallOutTexts) {
  const CallOutCase cases[] = {
      {"4", "M10", "キリ", "4-M10(キリ)"}, {"4", "M10", "", "4-M10"},
      {"", "M10", "キリ", "M10(キリ)"},    {"2", "", "キリ", "2-(キリ)"},
      {"", "Φ6", "", "Φ6"},                {"", "", "", ""},
  };
  for (const CallOutCase& c : cases) {
    SCOPED_TRACE(c.text1);
    f_.Com(11).text = c.q;
    f_.Com(12).text = c.d;
    f_.Com(13).text = c.o;
    Command2_Click(f_);
    EXPECT_EQ(f_.MSG, kDone);
    EXPECT_EQ(Written(), std::string("4 4 1 ") + c.text1 + " - 0 -- -- 3 15\r\n");
    EXPECT_EQ(f_.Lbl("La71").caption, "-");
  }
  f_.Com(14).text = "（深さ１５）";
  Command2_Click(f_);
  EXPECT_EQ(Written(), "4 4 1  （深さ１５） 0 -- -- 3 15\r\n");
  EXPECT_EQ(f_.Lbl("La71").caption, "（深さ１５）");
}

TEST_F(BalloonTest, FreeTextWidthModesAndDot) {
  f_.Option("C51").selected = 1;
  f_.Com(40).text = "";
  Command2_Click(f_);
  EXPECT_EQ(Written(), "4 4 2 - - 0 -- -- 3 15\r\n");
  EXPECT_EQ(f_.Lbl("La71").caption, "-");

  f_.Com(40).text = "ｷﾘ穴";
  f_.Com(14).text = "裏側";
  f_.Option("C52").selected = 1;
  Command2_Click(f_);
  EXPECT_EQ(Written(), "4 4 2 ｷﾘ穴 裏側 1 -- -- 3 15\r\n");
  EXPECT_EQ(f_.Lbl("La71").caption, "裏側");

  f_.Option("C52").selected = 2;
  f_.Check("H52").ticked = true;
  f_.Com(9).text = "7";
  f_.Com(10).text = "2";
  f_.Com(67).text = "3";
  f_.Com(66).text = "E";
  Command2_Click(f_);
  EXPECT_EQ(Written(), "7 2 2 ｷﾘ穴 裏側 2 3 E 0 0\r\n");
  EXPECT_EQ(f_.Lbl("La51").caption, "");  // only balloons show there
}

TEST_F(BalloonTest, BalloonChecks) {
  f_.Com(15).text = "";
  f_.Com(16).text = "";
  f_.Option("C51").selected = 2;
  f_.Com(11).text = "99";  // would be remembered by a completed click
  Command2_Click(f_);
  EXPECT_EQ(f_.MSG, kNoNumber);
  EXPECT_EQ(Written(), "<missing>");

  f_.Com(15).text = "3";
  Command2_Click(f_);
  EXPECT_EQ(f_.MSG, kNoDiameter);
  EXPECT_EQ(Written(), "<missing>");
  EXPECT_EQ(f_.pendingHistory, "");
  EXPECT_EQ(f_.Lbl("La51").caption, "");
  EXPECT_EQ(f_.balloonLastStart, "");
}

// The tool sizes the circle from the diameter as a number.
TEST_F(BalloonTest, BalloonDiameterMustBeANumber) {
  for (const char* diameter : {"Φ10", "10mm", "１０", "-"}) {
    SCOPED_TRACE(diameter);
    f_.Com(16).text = diameter;
    Balloon("3", true);
    EXPECT_EQ(f_.MSG, "バルーン径が数値ではありません");
    EXPECT_EQ(Written(), "<missing>");
    EXPECT_EQ(f_.pendingHistory, "");
    EXPECT_EQ(f_.balloonNumber, 0);
    EXPECT_EQ(f_.Lbl("La51").caption, "");
  }
  // Other styles do not read the box as a number.
  f_.Option("C51").selected = 0;
  Command2_Click(f_);
  EXPECT_EQ(f_.MSG, kDone);
}

TEST_F(BalloonTest, BalloonAsTyped) {
  f_.Com(16).text = "12.5";
  Balloon("A1", false);
  EXPECT_EQ(Written(), "4 4 3 A1 12.5 0 -- -- 3 15\r\n");
  EXPECT_EQ(f_.Lbl("La51").caption, "A1");
  EXPECT_EQ(f_.Lbl("La71").caption, "");
  EXPECT_EQ(f_.pendingHistory, "15 A1\r\n16 12.5\r\n");
}

TEST_F(BalloonTest, AutoNumberSequence) {
  for (const char* want : {"5", "6", "7"}) {
    Balloon("5", true);
    EXPECT_EQ(Text1(), want);
    EXPECT_EQ(f_.Lbl("La51").caption, want);
  }
  // A new start number starts again.
  Balloon("10", true);
  EXPECT_EQ(Text1(), "10");
  Balloon("10", true);
  EXPECT_EQ(Text1(), "11");
  // Unticked: as typed, and the count starts over.
  Balloon("10", false);
  EXPECT_EQ(Text1(), "10");
  Balloon("10", true);
  EXPECT_EQ(Text1(), "10");
  EXPECT_EQ(f_.pendingHistory, "");  // "5" and "10" are items of the list
}

TEST_F(BalloonTest, AutoNumberTakesTheIntegerBelow) {
  Balloon("12.7", true);
  EXPECT_EQ(Text1(), "12");
  Balloon("12.7", true);
  EXPECT_EQ(Text1(), "13");
  Balloon("-2.5", true);
  EXPECT_EQ(Text1(), "-3");
  Balloon("-2.5", true);
  EXPECT_EQ(Text1(), "-2");
}

TEST_F(BalloonTest, OtherStylesRecordTheStartButKeepTheCount) {
  Balloon("5", true);
  Balloon("5", true);  // 6
  // The start number is changed, then a call-out is drawn: it records the
  // new start as the last one, so the count goes on.
  f_.Com(15).text = "9";
  f_.Option("C51").selected = 0;
  Command2_Click(f_);
  EXPECT_EQ(f_.balloonLastStart, "9");
  Balloon("9", true);
  EXPECT_EQ(Text1(), "11");
}

TEST_F(BalloonTest, AutoNumberRefusesAStartThatIsNoNumber) {
  Balloon("5", true);
  Balloon("X", true);
  EXPECT_EQ(f_.MSG, "自動加算の開始番号が数値ではありません");
  EXPECT_EQ(Text1(), "5");  // the file of the last good click
  EXPECT_EQ(f_.Lbl("La51").caption, "5");
  EXPECT_EQ(f_.balloonLastStart, "5");
  EXPECT_EQ(f_.pendingHistory, "");
  Balloon("5", true);
  EXPECT_EQ(Text1(), "6");

  Balloon("1e300", true);
  EXPECT_EQ(f_.MSG, "自動加算の開始番号が大きすぎます");
  EXPECT_EQ(Text1(), "6");
}

TEST_F(BalloonTest, CounterDoesNotWrapAt32767) {
  f_.balloonNumber = 32767;
  f_.balloonLastStart = "1";
  Balloon("1", true);
  EXPECT_EQ(Text1(), "32768");
  Balloon("1", true);
  EXPECT_EQ(Text1(), "32769");
  EXPECT_EQ(f_.balloonNumber, 32769);
}

TEST_F(BalloonTest, FailedWriteAdvancesNothing) {
  Balloon("5", true);
  const std::string good = Written();
  f_.Com(54).text = (dir_ / "missing" / "").string();
  f_.Com(16).text = "20";
  Balloon("5", true);
  EXPECT_EQ(f_.MSG, std::string(params::kWriteFailed) + f_.Com(54).text + "mokrav5.jyd" + "（フォルダがありません）");
  EXPECT_EQ(f_.balloonNumber, 1);
  EXPECT_EQ(f_.Lbl("La51").caption, "5");
  EXPECT_EQ(f_.pendingHistory, "");
  f_.Com(54).text = dir_.string() + "/";
  Balloon("5", true);
  EXPECT_EQ(Text1(), "6");
  EXPECT_EQ(f_.pendingHistory, "16 20\r\n");
}

TEST_F(BalloonTest, RemembersEveryBoxWhateverTheStyle) {
  f_.Com(11).text = "25";
  f_.Com(12).text = "M30";
  f_.Com(13).text = "深ザグリ";
  f_.Com(14).text = "両側";
  f_.Com(15).text = "A7";
  f_.Com(16).text = "7";
  f_.Com(40).text = "注記";
  f_.Option("C51").selected = 1;
  Command2_Click(f_);
  EXPECT_EQ(f_.pendingHistory,
            "11 25\r\n12 M30\r\n13 深ザグリ\r\n14 両側\r\n15 A7\r\n16 7\r\n40 注記\r\n");
  f_.Com(40).text = "a,b";
  Command2_Click(f_);
  EXPECT_EQ(f_.MSG, std::string(params::kCommaRefused) + "「a,b」");
  EXPECT_EQ(Written(), "4 4 2 注記 両側 0 -- -- 3 15\r\n");
}

}  // namespace
}  // namespace mokrav::testing
