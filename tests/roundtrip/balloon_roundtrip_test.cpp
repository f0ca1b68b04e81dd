// The leader-note tab and MOKRAVL: every "mokrav5.jyd" the tab reports as
// written is drawn, as an underlined note to the right or the left of its
// leader and as a numbered balloon; every refusal leaves the host folder
// alone.
#include <string>
#include <vector>

#include "settings/params/frame.h"
#include "settings/procedures.h"
#include "tests/roundtrip/roundtrip.h"

namespace mokrav::roundtrip {
namespace {

const TabTool kBalloon = {"Command2", "mokrav5.jyd", "引出文字作図データを出力しました", "MOKRAVL",
                          "jwc_temp.txt mokrav5.jyd"};

// Notes: the arrow tip, the leader's end (given again as the third point)
// and the point where the text begins or ends; to the right, to the left
// and downwards, in groups of the scales 1, 2 and 0.5.
std::vector<HostFile> Notes() {
  return {
      Host("0", {PickedPoint(1, "0 0", true), PickedPoint(2, "10 10", true),
                 PickedPoint(3, "10 10"), PickedPoint(4, "12 10")}),
      Host("2", {PickedPoint(1, "50 20", true), PickedPoint(2, "30 40", true),
                 PickedPoint(3, "30 40"), PickedPoint(4, "28 40")}),
      Host("a", {PickedPoint(1, "0 50", true), PickedPoint(2, "20 20"), PickedPoint(3, "20 20"),
                 PickedPoint(4, "22 20")}),
  };
}

// Balloons: the arrow tip, then the balloon's centre.
std::vector<HostFile> Balloons() {
  return {Host("0", {PickedPoint(1, "0 0", true), PickedPoint(2, "30 40", true)}),
          Host("2", {PickedPoint(1, "10 10", true), PickedPoint(2, "-20 50", true)}),
          Host("a", {PickedPoint(1, "0 0", true), PickedPoint(2, "20 -30", true)})};
}

enum LeaderStyle { kCallOut = 1, kFreeText = 2, kBalloonStyle = 3 };

// The leader style and the width mode (0 as typed, 1 full, 2 half width).
void Style(Form& f, LeaderStyle style, int width = 0) {
  f.Option("C51").selected = style - 1;
  f.Option("C52").selected = width;
}

void CallOut(Form& f, const char* quantity, const char* size, const char* operation,
             const char* note) {
  f.Com(11).text = quantity;
  f.Com(12).text = size;
  f.Com(13).text = operation;
  f.Com(14).text = note;
}

void Balloon(Form& f, const char* number, const char* diameter) {
  Style(f, kBalloonStyle);
  f.Com(15).text = number;
  f.Com(16).text = diameter;
}

using BalloonRoundTrip = WindowRoundTrip;

TEST_F(BalloonRoundTrip, Notes) {
  const std::vector<Fill> fills = {
      {"as the window opens: the size alone",
       [](Form&) {},
       {"\"M3\r\n", "\r\ncn4\r\n", "\r\nlc4\r\n"}},
      {"quantity, size, operation and note from the lists",
       [](Form& f) {
         Pick(f, 11, "4");
         Pick(f, 12, "M10");
         Pick(f, 13, "キリ穴");
         Pick(f, 14, "（深さ１５）");
       },
       {"\"4-M10(キリ穴)\r\n", "\"（深さ１５）\r\n"}},
      {"size and operation without a quantity",
       [](Form& f) {
         Pick(f, 12, "Φ6");
         Pick(f, 13, "リーマ穴");
       },
       {"\"Φ6(リーマ穴)\r\n"}},
      {"typed quantity and size",
       [](Form& f) { CallOut(f, "2", "Φ6.6", "", "裏より"); },
       {"\"2-Φ6.6\r\n", "\"裏より\r\n"}},
      {"free text with a note",
       [](Form& f) {
         Style(f, kFreeText);
         f.Com(40).text = "組立時現合";
         Pick(f, 14, "（深さ２０）");
       },
       {"\"組立時現合\r\n", "\"（深さ２０）\r\n"}},
      {"full width",
       [](Form& f) {
         Style(f, kCallOut, 1);
         CallOut(f, "6", "M8", "", "");
       },
       {"\"６－Ｍ８\r\n"}},
      {"half width",
       [](Form& f) {
         Style(f, kFreeText, 2);
         f.Com(40).text = "キリ穴";
       },
       {"\"ｷﾘ穴\r\n"}},
      {"a dot instead of the arrow", [](Form& f) { f.Check("H52").ticked = true; }, {"\r\npt "}},
      {"own text size, colour and layers",
       [](Form& f) {
         Pick(f, 9, "9");
         Pick(f, 10, "7");
         Pick(f, 67, "E");
         Pick(f, 66, "0");
       },
       {"\r\ncn9\r\n", "\r\nlc7\r\n", "\r\nlyE\r\n", "\r\nly0\r\n"}},
  };
  ExpectEachDrawn(kBalloon, fills, Notes());
}

TEST_F(BalloonRoundTrip, Balloons) {
  const std::vector<Fill> fills = {
      {"balloon 1 as the window opens", [](Form& f) { Style(f, kBalloonStyle); }, {"\"1\r\n"}},
      {"typed number, diameter from the list",
       [](Form& f) {
         Balloon(f, "12", "");
         Pick(f, 16, "16");
       },
       {"\"12\r\n"}},
      {"a typed diameter", [](Form& f) { Balloon(f, "3", "12.5"); }, {"\"3\r\n"}},
      {"a number with a letter", [](Form& f) { Balloon(f, "A1", "10"); }, {"\"A1\r\n"}},
      {"full width",
       [](Form& f) {
         Balloon(f, "25", "10");
         f.Option("C52").selected = 1;
       },
       {"\"２５\r\n"}},
      {"half width",
       [](Form& f) {
         Balloon(f, "７", "10");
         f.Option("C52").selected = 2;
       }},
      {"a dot instead of the arrow",
       [](Form& f) {
         Balloon(f, "8", "8");
         f.Check("H52").ticked = true;
       },
       {"\r\npt "}},
  };
  ExpectEachDrawn(kBalloon, fills, Balloons());
}

// With "自動加算" each balloon from the same start number draws the next
// number; a new start number starts again.
TEST_F(BalloonRoundTrip, AutoNumberedBalloons) {
  Balloon(f_, "5", "10");
  f_.Check("H53").ticked = true;
  ExpectDrawn(kBalloon, Balloons()[0], {"\"5\r\n"});
  ExpectDrawn(kBalloon, Balloons()[1], {"\"6\r\n"});
  ExpectDrawn(kBalloon, Balloons()[2], {"\"7\r\n"});
  f_.Com(15).text = "10";
  ExpectDrawn(kBalloon, Balloons()[0], {"\"10\r\n"});
  ExpectDrawn(kBalloon, Balloons()[1], {"\"11\r\n"});
  f_.Com(15).text = "-2.5";
  ExpectDrawn(kBalloon, Balloons()[2], {"\"-3\r\n"});
}

// The cases the tab's rules single out: texts that come out empty or "-",
// a dot that sets the arrow to 0, narrow balloons.
TEST_F(BalloonRoundTrip, EdgeCases) {
  const std::vector<Fill> notes = {
      {"call-out with every box empty", [](Form& f) { CallOut(f, "", "", "", ""); }},
      {"quantity and operation without a size",
       [](Form& f) { CallOut(f, "2", "", "キリ", ""); },
       {"\"2-(キリ)\r\n"}},
      {"free text with both boxes empty",
       [](Form& f) {
         Style(f, kFreeText);
         f.Com(40).text = "";
         f.Com(14).text = "";
       }},
      {"a dot whatever the arrow boxes hold",
       [](Form& f) {
         f.Com(59).text = "";
         f.Com(60).text = "";
         f.Check("H52").ticked = true;
       },
       {"\r\npt "}},
      {"full width of an empty note",
       [](Form& f) {
         Style(f, kFreeText, 1);
         f.Com(40).text = "A";
       }},
  };
  ExpectEachDrawn(kBalloon, notes, Notes());

  const std::vector<Fill> balloons = {
      {"a balloon of diameter 7", [](Form& f) { Balloon(f, "2", "7"); }},
      {"a balloon number with a note left in its box",
       [](Form& f) {
         Balloon(f, "4", "9");
         f.Com(14).text = "（深さ１５）";
       },
       {"\"4\r\n"},
       {"深さ"}},
  };
  ExpectEachDrawn(kBalloon, balloons, Balloons());
}

// "クリア", then only what each style needs, then "作図".
TEST_F(BalloonRoundTrip, ClearThenDraw) {
  for (const LeaderStyle style : {kCallOut, kFreeText, kBalloonStyle}) {
    SCOPED_TRACE(static_cast<int>(style));
    CallOut(f_, "4", "M10", "キリ穴", "（深さ１５）");
    f_.Com(40).text = "組立時現合";
    f_.Check("H52").ticked = true;
    Command3_Click(f_);
    EXPECT_EQ(f_.MSG, "設定内容をクリアしました");
    Style(f_, style);
    if (style == kBalloonStyle) {
      Balloon(f_, "9", "12");
      ExpectDrawn(kBalloon, Balloons()[1], {"\"9\r\n"}, {"M10", "深さ"});
    } else {
      ExpectDrawn(kBalloon, Notes()[style], {}, {"M10", "キリ穴", "深さ", "組立", "\r\npt "});
    }
  }
}

TEST_F(BalloonRoundTrip, RefusalsWriteNothing) {
  ExpectDrawn(kBalloon, Notes()[0]);
  const struct {
    const char* name;
    const char* number;
    const char* diameter;
    bool autoNumber;
    std::string message;
  } rows[] = {
      {"balloon without a number", "", "10", false, "番号が入力されていません"},
      {"balloon without a diameter", "3", "", false, "バルーン径が入力されていません"},
      {"balloon without either", "", "", false, "番号が入力されていません"},
      {"auto-number from a start that is no number", "A1", "10", true,
       "自動加算の開始番号が数値ではありません"},
      {"auto-number from a start too large to count on", "1e16", "10", true,
       "自動加算の開始番号が大きすぎます"},
      {"comma in the number", "1,2", "10", false, std::string(params::kCommaRefused) + "「1,2」"},
      {"a diameter typed with its sign", "3", "Φ12", false, "バルーン径が数値ではありません"},
      {"a diameter typed with its unit", "3", "12mm", true, "バルーン径が数値ではありません"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Restart(false);
    Balloon(f_, row.number, row.diameter);
    f_.Check("H53").ticked = row.autoNumber;
    ExpectRefused(kBalloon, row.message);
    EXPECT_EQ(f_.pendingHistory, "");
  }

  // The arrow of the settings tab, in every style unless the dot replaces it.
  for (const LeaderStyle style : {kCallOut, kFreeText, kBalloonStyle}) {
    SCOPED_TRACE(static_cast<int>(style));
    Restart(false);
    Style(f_, style);
    f_.Com(59).text = "";
    ExpectRefused(kBalloon, params::kNoArrowLength);
    f_.Com(59).text = "3";
    f_.Com(60).text = "15度";
    ExpectRefused(kBalloon, params::kNoArrowAngle);
    f_.Check("H52").ticked = true;
    ExpectDrawn(kBalloon, style == kBalloonStyle ? Balloons()[0] : Notes()[0], {"\r\npt "});
  }
}

// Blanks around a typed text carry no meaning: they are dropped and the
// note is drawn. One left inside a text splits its field, so the press is
// refused, writing and remembering nothing.
TEST_F(BalloonRoundTrip, BlanksAroundATextGoOneInsideIsRefused) {
  const std::string blank = params::kBlankRefused;
  const std::vector<Refusal> rows = {
      {"a free text with a blank", kFreeText, 40, "この面 塗装", blank + "「この面 塗装」"},
      {"a note with a blank", kFreeText, 14, "深さ 15", blank + "「深さ 15」"},
      {"an operation with a blank", kCallOut, 13, "キリ 穴", blank + "「M3(キリ 穴)」"},
      {"a balloon number with a blank", kBalloonStyle, 15, "1 2", blank + "「1 2」"},
      // Not drawn by this style, but it would be remembered.
      {"a note the balloon does not draw", kBalloonStyle, 14, "深さ 15", blank + "「深さ 15」"},
  };
  ExpectEachRefused(kBalloon, rows,
                    [](Form& f, int style) { Style(f, static_cast<LeaderStyle>(style)); });

  const std::vector<Fill> fills = {
      {"outer blanks on both sides",
       [](Form& f) {
         Style(f, kFreeText);
         f.Com(40).text = "  この面塗装 ";
         f.Com(14).text = " 裏側";
       },
       {"\"この面塗装\r\n", "\"裏側\r\n"}},
  };
  ExpectEachDrawn(kBalloon, fills, Notes());
}

}  // namespace
}  // namespace mokrav::roundtrip
