// The welding tab and MOKRAVW: every "mokrav1.jyd" the tab reports as
// written is drawn, for a straight and a bent leader; every refusal leaves
// the host folder alone.
#include <string>
#include <vector>

#include "settings/params/frame.h"
#include "settings/procedures.h"
#include "tests/roundtrip/roundtrip.h"

namespace mokrav::roundtrip {
namespace {

const TabTool kWeld = {"Co32", "mokrav1.jyd", "溶接記号データを出力しました", "MOKRAVW",
                       "jwc_temp.txt 0 0 0 0 0 mokrav1.jyd"};

// The leaders a user picks: the arrow tip, the junction with the reference
// line and the two points the host passes after it; or the tip, a bend and
// the junction, then two more. Groups of the scales 1, 2 and 0.5.
std::vector<HostFile> Leaders() {
  return {
      Host("0", {PickedPoint(1, "0 0", true), PickedPoint(2, "20 15", true),
                 PickedPoint(3, "60 15", true), PickedPoint(4, "60 15")}),
      Host("2", {PickedPoint(1, "50 40", true), PickedPoint(2, "30 10", true),
                 PickedPoint(3, "70 10"), PickedPoint(4, "70 10")}),
      Host("a", {PickedPoint(1, "0 0", true), PickedPoint(2, "10 30", true),
                 PickedPoint(3, "15 30"), PickedPoint(4, "40 30"), PickedPoint(5, "40 30")}),
  };
}

// The weld kind by its option code (1 flanges on both sides ... 13 spot) and
// the side (1 near, 2 back, 3 both).
void Kind(Form& f, int code, int side) {
  f.Option("C33").selected = code - 1;
  f.Option("C34").selected = side - 1;
}

// The boxes of one side at once: depth, length and pitch, groove angle,
// root gap, contour and finish, as typed (the near side when `near`).
void Side(Form& f, bool near, const char* depth, const char* lengthPitch, const char* angle,
          const char* gap, const char* contour, const char* finish) {
  f.Com(near ? 158 : 157).text = depth;
  f.Com(near ? 43 : 42).text = lengthPitch;
  f.Com(near ? 39 : 38).text = angle;
  f.Com(near ? 160 : 159).text = gap;
  f.Com(near ? 156 : 155).text = contour;
  f.Com(near ? 162 : 161).text = finish;
}

using WeldRoundTrip = WindowRoundTrip;

TEST_F(WeldRoundTrip, RealisticFills) {
  const std::vector<Fill> fills = {
      {"as the window opens: a fillet weld on the near side",
       [](Form&) {},
       {"\r\ncn3\r\n", "\r\nlc4\r\n", "\r\nlt1\r\n"}},
      {"V groove on both sides, every box from its list",
       [](Form& f) {
         Kind(f, 4, 3);
         Pick(f, 157, "5");
         Pick(f, 158, "①");
         Pick(f, 38, "60°");
         Pick(f, 39, "45°");
         Pick(f, 159, "2");
         Pick(f, 160, "0");
         Pick(f, 155, "∧（凸）　:2");
         Pick(f, 156, "－（平ら）:1");
         Pick(f, 161, "G:研削");
         Pick(f, 162, "M:切削");
       },
       {"\"60°\r\n", "\"45°\r\n", "\"G\r\n", "\"M\r\n", "\"①\r\n"},
       {"研削", "切削", "凸", "平ら"}},
      {"staggered fillet welds on both sides",
       [](Form& f) {
         Kind(f, 10, 3);
         Pick(f, 42, "50(3)-150");
         Pick(f, 43, "50(3)-250");
         f.Check("H36").ticked = true;
       },
       {"\"50(3)-150\r\n", "\"50(3)-250\r\n"}},
      {"arc welding all around, in the field",
       [](Form& f) {
         Pick(f, 37, "WA:ｱｰｸ溶接");
         f.Check("H33").ticked = true;
         f.Check("H34").ticked = true;
       },
       {"\"WA\r\n"},
       {"ｱｰｸ溶接"}},
      {"root radius from the process list",
       [](Form& f) {
         Kind(f, 7, 2);
         Pick(f, 37, "r=12:ﾙｰﾄ半径");
       },
       {"\"r=12\r\n"},
       {"ﾙｰﾄ半径"}},
      {"a process item without a colon",
       [](Form& f) { Pick(f, 37, "へこみ２"); },
       {"\"へこみ２\r\n"}},
      {"full width, typed length and pitch",
       [](Form& f) {
         Kind(f, 10, 1);
         f.Com(43).text = "100-200";
         f.Check("H35").ticked = true;
       },
       {"\"１００－２００\r\n"}},
      {"typed entries: depth, pitch, process and a bare finish letter",
       [](Form& f) {
         Kind(f, 5, 2);
         Side(f, false, "8", "40-160", "35°", "3", "", "G");
         f.Com(37).text = "CO2溶接";
       },
       {"\"8\r\n", "\"40-160\r\n", "\"35°\r\n", "\"G\r\n", "\"CO2溶接\r\n"}},
      {"own layers, text size and colour",
       [](Form& f) {
         Kind(f, 3, 3);
         Pick(f, 61, "A");
         Pick(f, 58, "F");
         Pick(f, 7, "10");
         Pick(f, 8, "7");
       },
       {"\r\nlyA\r\n", "\r\nlyF\r\n", "\r\ncn10\r\n", "\r\nlc7\r\n"}},
      {"lines on layer 0, texts on the current layer",
       [](Form& f) {
         Pick(f, 61, "0");
         Pick(f, 58, "--");
       },
       {"\r\nly0\r\n", "\r\nly3\r\n"}},
      {"the settings tab's arrow from its lists",
       [](Form& f) {
         Pick(f, 59, "9");
         Pick(f, 60, "30");
       }},
      {"the settings tab's arrow typed",
       [](Form& f) {
         f.Com(59).text = "2.5";
         f.Com(60).text = "22.5";
       }},
      {"plug weld on both sides with a depth",
       [](Form& f) {
         Kind(f, 11, 3);
         Side(f, false, "6", "", "", "", "", "");
         Side(f, true, "6", "", "", "", "", "");
       }},
      {"spot weld with pitch and a concave contour",
       [](Form& f) {
         Kind(f, 13, 1);
         Side(f, true, "", "5(10)-50", "", "", "∨（凹み）:3", "F:無指定");
       },
       {"\"5(10)-50\r\n", "\"F\r\n"}},
  };
  ExpectEachDrawn(kWeld, fills, Leaders());
}

// Each of the thirteen weld kinds on each of the three sides, with the texts
// of both sides filled: the kind decides which of them are drawn.
TEST_F(WeldRoundTrip, EveryKindOnEverySide) {
  const std::vector<HostFile> leaders = Leaders();
  for (int kind = 1; kind <= 13; ++kind) {
    for (int side = 1; side <= 3; ++side) {
      SCOPED_TRACE("kind " + std::to_string(kind) + ", side " + std::to_string(side));
      Restart(false);
      Kind(f_, kind, side);
      Side(f_, false, "3", "50(3)-150", "45°", "1", "－（平ら）:1", "C:ﾁｯﾋﾟﾝｸﾞ");
      Side(f_, true, "4", "30(2)-100", "60°", "2", "∧（凸）　:2", "G:研削");
      ExpectDrawn(kWeld, leaders[(kind + side) % leaders.size()]);
    }
  }
}

// The entries the tab's rules single out: contours and finishes without a
// name, colon parts that come out empty, each check box by itself.
TEST_F(WeldRoundTrip, EdgeCases) {
  const std::vector<Fill> fills = {
      {"only a back-side contour, the near one empty",
       [](Form& f) {
         Kind(f, 4, 3);
         Pick(f, 155, "∨（凹み）:3");
       }},
      {"a typed contour with its code after the colon",
       [](Form& f) {
         Kind(f, 10, 3);
         f.Com(155).text = "凸:2";
         f.Com(156).text = ":1";
       },
       {},
       {"凸"}},
      {"a contour with two colons: the code between them",
       [](Form& f) {
         Kind(f, 12, 2);
         f.Com(155).text = "x:3:y";
       }},
      {"a process with two colons: its code only",
       [](Form& f) { f.Com(37).text = "WA:ｱｰｸ:手"; },
       {"\"WA\r\n"},
       {"ｱｰｸ", "手"}},
      {"a process and a finish whose code before the colon is empty",
       [](Form& f) {
         Kind(f, 4, 3);
         f.Com(37).text = ":名前だけ";
         f.Com(161).text = ":研削";
       },
       {},
       {"名前だけ", "研削"}},
      {"staggered alone", [](Form& f) { f.Check("H36").ticked = true; }},
      {"full width alone, with a groove angle",
       [](Form& f) {
         Kind(f, 4, 1);
         f.Com(39).text = "60°";
         f.Check("H35").ticked = true;
       }},
      {"back side only, flange weld", [](Form& f) { Kind(f, 2, 2); }},
      {"texts of one character",
       [](Form& f) {
         Kind(f, 4, 3);
         Side(f, false, "1", "5", "5", "0", "", "C");
         Side(f, true, "⑧", "9", "9", "6", "", "F");
       }},
  };
  ExpectEachDrawn(kWeld, fills, Leaders());
}

// "クリア", then only what the tab needs (nothing but the kind and the
// side), then "作図".
TEST_F(WeldRoundTrip, ClearThenDraw) {
  const std::vector<HostFile> leaders = Leaders();
  for (int kind = 1; kind <= 13; ++kind) {
    SCOPED_TRACE(kind);
    Side(f_, false, "3", "50(3)-150", "45°", "1", "－（平ら）:1", "C:ﾁｯﾋﾟﾝｸﾞ");
    Side(f_, true, "4", "30(2)-100", "60°", "2", "∧（凸）　:2", "G:研削");
    f_.Com(37).text = "WA:ｱｰｸ溶接";
    for (const char* check : {"H33", "H34", "H35", "H36"}) f_.Check(check).ticked = true;
    Co31_Click(f_);
    EXPECT_EQ(f_.MSG, "設定内容をクリアしました");
    Kind(f_, kind, kind % 3 + 1);
    ExpectDrawn(kWeld, leaders[kind % leaders.size()], {},
                {"50(3)", "30(2)", "45°", "60°", "\"WA", "\"C\r\n", "\"G\r\n"});
  }
}

// What the window refuses it does not write: the host folder, with the file
// of the last good press, stays as it was.
TEST_F(WeldRoundTrip, RefusalsWriteNothing) {
  ExpectDrawn(kWeld, Leaders()[0]);
  const std::string contour = "溶接部の形状は一覧から選んでください：";
  const std::string comma = params::kCommaRefused;
  const std::string unencodable = params::kUnencodableRefused;
  const std::vector<Refusal> rows = {
      {"a contour typed without its code", 0, 155, "2", contour + "「2」"},
      {"a contour code the tool does not draw", 0, 156, "凸:5", contour + "「凸:5」"},
      {"a contour with an empty code", 0, 156, "凸:", contour + "「凸:」"},
      {"comma in the length and pitch", 0, 42, "50,150", comma + "「50,150」"},
      {"comma in the finish code", 0, 162, "G,M:研削", comma + "「G,M」"},
      {"a character outside the code page", 0, 43, "50€", unencodable + "「€」"},
      {"a line break in the depth", 0, 157, "3\n4", params::kLineBreakRefused},
      {"the settings tab's arrow length emptied", 0, 59, "", params::kNoArrowLength},
      {"the settings tab's arrow angle with its unit", 0, 60, "15°", params::kNoArrowAngle},
  };
  ExpectEachRefused(kWeld, rows, [](Form& f, int) { Kind(f, 4, 3); });
}

// Blanks around a typed text carry no meaning: they are dropped and the
// symbol is drawn. One left inside a text splits its field, so the press is
// refused, writing and remembering nothing.
TEST_F(WeldRoundTrip, BlanksAroundATextGoOneInsideIsRefused) {
  const std::string blank = params::kBlankRefused;
  const std::vector<Refusal> rows = {
      {"a process typed with a blank", 0, 37, "ｱｰｸ 溶接", blank + "「ｱｰｸ 溶接」"},
      {"a length and pitch with a blank", 0, 43, "50 (3)-150", blank + "「50 (3)-150」"},
      {"a groove angle with a blank", 0, 38, "60 °", blank + "「60 °」"},
      {"a depth with a blank", 0, 157, "1 2", blank + "「1 2」"},
  };
  ExpectEachRefused(kWeld, rows, [](Form& f, int) { Kind(f, 4, 3); });

  const std::vector<Fill> fills = {
      {"outer blanks on both sides",
       [](Form& f) {
         Kind(f, 4, 3);
         f.Com(37).text = " ｱｰｸ溶接  ";
         f.Com(42).text = "  50(3)-150";
         f.Com(39).text = "45° ";
         f.Com(159).text = "   ";  // blanks alone: no text
         f.Com(59).text = " 3 ";
       },
       {"\"ｱｰｸ溶接\r\n", "\"50(3)-150\r\n", "\"45°\r\n"}},
      {"a process code whose name holds a blank",
       [](Form& f) { f.Com(37).text = "WA:ｱｰｸ 溶接"; },
       {"\"WA\r\n"}},
  };
  ExpectEachDrawn(kWeld, fills, Leaders());
}

}  // namespace
}  // namespace mokrav::roundtrip
