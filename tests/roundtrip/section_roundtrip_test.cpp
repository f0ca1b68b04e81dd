// The section tab and MOKRAVP: every "mokrav7.jyd" the tab reports as
// written is drawn as a straight cutting-plane line and as one with one and
// with two bends; every refusal leaves the host folder alone.
#include <string>
#include <vector>

#include "settings/params/frame.h"
#include "settings/procedures.h"
#include "tests/roundtrip/roundtrip.h"

namespace mokrav::roundtrip {
namespace {

constexpr const char* kDone = "断面作図データを出力しました";
const TabTool kStraight = {"Command8", "mokrav7.jyd", kDone, "MOKRAVP",
                           "jwc_temp.txt mokrav7.jyd 1"};
const TabTool kOneBend = {"Command8", "mokrav7.jyd", kDone, "MOKRAVP",
                          "jwc_temp.txt mokrav7.jyd 2"};
const TabTool kTwoBends = {"Command8", "mokrav7.jyd", kDone, "MOKRAVP",
                           "jwc_temp.txt mokrav7.jyd 3"};

// The line's points, the two end points beside its ends and the label
// point, for each of the three cuts.
HostFile StraightCut(const std::string& group) {
  return Host(group, {PickedPoint(1, "0 0", true), PickedPoint(2, "100 0", true),
                      PickedPoint(3, "10 5"), PickedPoint(4, "90 5"), PickedPoint(5, "50 -20")});
}
HostFile OneBendCut(const std::string& group) {
  return Host(group, {PickedPoint(1, "0 10", true), PickedPoint(2, "10 0", true),
                      PickedPoint(3, "40 0", true), PickedPoint(4, "-1 12"),
                      PickedPoint(5, "50 -4"), PickedPoint(6, "20 30")});
}
HostFile TwoBendCut(const std::string& group) {
  return Host(group, {PickedPoint(1, "0 50", true), PickedPoint(2, "40 50", true),
                      PickedPoint(3, "40 0", true), PickedPoint(4, "80 0"), PickedPoint(5, "0 55"),
                      PickedPoint(6, "80 -5"), PickedPoint(7, "40 80")});
}

class SectionRoundTrip : public WindowRoundTrip {
 protected:
  // Each fill drawn as each of the three cuts, in groups of the scales 1, 2
  // and 0.5.
  void ExpectEachCutDrawn(const std::vector<Fill>& fills) {
    ExpectEachDrawn(kStraight, fills, {StraightCut("0"), StraightCut("2")});
    ExpectEachDrawn(kOneBend, fills, {OneBendCut("a"), OneBendCut("0")});
    ExpectEachDrawn(kTwoBends, fills, {TwoBendCut("2"), TwoBendCut("a")});
  }
};

void Letters(Form& f, const char* l1, const char* l2, const char* l3, const char* l4) {
  f.Com(83).text = l1;
  f.Com(84).text = l2;
  f.Com(85).text = l3;
  f.Com(86).text = l4;
}

TEST_F(SectionRoundTrip, RealisticFills) {
  const std::vector<Fill> fills = {
      {"as the window opens: A to D, 断面", [](Form&) {}, {"\"A\r\n", "\"B\r\n", "断面\r\n"}},
      {"primed letters from the lists",
       [](Form& f) {
         Pick(f, 83, "A'");
         Pick(f, 84, "B'");
         Pick(f, 85, "C'");
         Pick(f, 86, "D'");
       },
       {"\"A'\r\n", "\"B'\r\n"}},
      {"full-width letters from the lists",
       [](Form& f) {
         Pick(f, 83, "Ｅ");
         Pick(f, 84, "Ｄ");
       },
       {"\"Ｅ\r\n", "\"Ｄ\r\n"}},
      {"letters converted to full width",
       [](Form& f) {
         Letters(f, "X", "Y", "Z", "W");
         f.Check("H81").ticked = true;
       },
       {"\"Ｘ\r\n", "\"Ｙ\r\n"}},
      {"a typed suffix", [](Form& f) { f.Com(89).text = "矢視"; }, {"矢視\r\n"}, {"断面"}},
      {"the second drawing of the line", [](Form& f) { f.Option("C81").selected = 1; }},
      {"own arrow from the lists",
       [](Form& f) {
         Pick(f, 87, "5");
         Pick(f, 88, "25");
       }},
      {"own arrow typed",
       [](Form& f) {
         f.Com(87).text = "3.5";
         f.Com(88).text = "22.5";
       }},
      {"own pens, text size and layers",
       [](Form& f) {
         Pick(f, 75, "6");
         Pick(f, 76, "1");
         Pick(f, 77, "8");
         Pick(f, 78, "7");
         Pick(f, 79, "2");
         Pick(f, 80, "6");
         Pick(f, 81, "3");
         Pick(f, 82, "F");
       },
       {"\r\ncn6\r\n", "\r\nly1\r\n", "\r\nlc8\r\n", "\r\nlt7\r\n", "\r\nly2\r\n", "\r\nlc6\r\n",
        "\r\nlt3\r\n", "\r\nlyF\r\n"}},
  };
  ExpectEachCutDrawn(fills);
}

// The cases the tab's rules single out: letters and suffix left empty, a
// letter typed as "-".
TEST_F(SectionRoundTrip, EdgeCases) {
  const std::vector<Fill> fills = {
      {"all four letters empty", [](Form& f) { Letters(f, "", "", "", ""); }},
      {"no suffix", [](Form& f) { f.Com(89).text = ""; }, {}, {"断面"}},
      {"no letters, no suffix, full width",
       [](Form& f) {
         Letters(f, "", "", "", "");
         f.Com(89).text = "";
         f.Check("H81").ticked = true;
       }},
      {"letters typed as \"-\"", [](Form& f) { Letters(f, "-", "-", "A", "B"); }},
      {"letters of two characters", [](Form& f) { Letters(f, "A1", "A2", "A3", "A4"); }},
      {"the second drawing, no letters",
       [](Form& f) {
         Letters(f, "", "", "", "");
         f.Option("C81").selected = 1;
       }},
  };
  ExpectEachCutDrawn(fills);
}

// An arrow of length 0 is a number the tab writes, also where the line runs
// obliquely to its bend.
TEST_F(SectionRoundTrip, ArrowOfLengthZero) {
  f_.Com(87).text = "0";
  ExpectDrawn(kStraight, StraightCut("0"));
  ExpectDrawn(kOneBend, OneBendCut("0"));
  ExpectDrawn(kTwoBends, TwoBendCut("0"));
}

// "クリア" empties the arrow boxes too: typing them is all the tab needs.
TEST_F(SectionRoundTrip, ClearThenDraw) {
  const struct {
    const TabTool& tab;
    HostFile host;
    int style;
  } cuts[] = {{kStraight, StraightCut("0"), 0},
              {kOneBend, OneBendCut("2"), 1},
              {kTwoBends, TwoBendCut("a"), 0},
              {kTwoBends, TwoBendCut("0"), 1}};
  for (const auto& cut : cuts) {
    SCOPED_TRACE(cut.tab.words);
    Letters(f_, "E", "F", "G", "H");
    f_.Com(89).text = "矢視";
    Command9_Click(f_);
    EXPECT_EQ(f_.MSG, "設定内容をクリアしました");
    ExpectRefused(cut.tab, "矢の長さの数値が入力されていません");
    f_.Com(87).text = "3";
    ExpectRefused(cut.tab, "矢の角度の数値が入力されていません");
    f_.Com(88).text = "15";
    f_.Option("C81").selected = cut.style;
    ExpectDrawn(cut.tab, cut.host, {}, {"\"E", "\"F", "矢視"});
  }
}

TEST_F(SectionRoundTrip, RefusalsWriteNothing) {
  ExpectDrawn(kStraight, StraightCut("0"));
  const std::string comma = params::kCommaRefused;
  const std::vector<Refusal> rows = {
      {"an empty arrow length", 0, 87, "", "矢の長さの数値が入力されていません"},
      {"an arrow length with its unit", 0, 87, "3mm", "矢の長さの数値が入力されていません"},
      {"an empty arrow angle", 0, 88, "", "矢の角度の数値が入力されていません"},
      {"an arrow angle with its unit", 0, 88, "15°", "矢の角度の数値が入力されていません"},
      {"comma in a letter", 0, 84, "B,C", comma + "「B,C」"},
      {"comma in the suffix", 0, 89, "断,面", comma + "「断,面」"},
      {"a line break in a letter", 0, 83, "A\nB", params::kLineBreakRefused},
  };
  ExpectEachRefused(kStraight, rows, [](Form&, int) {});
}

// Blanks around a typed text carry no meaning: they are dropped and the
// section is drawn. One left inside a text splits its field, so the press is
// refused, writing and remembering nothing.
TEST_F(SectionRoundTrip, BlanksAroundATextGoOneInsideIsRefused) {
  const std::string blank = params::kBlankRefused;
  const std::vector<Refusal> rows = {
      {"a suffix with a blank", 0, 89, "断面 図", blank + "「断面 図」"},
      {"a letter with a blank", 0, 83, "A 1", blank + "「A 1」"},
  };
  ExpectEachRefused(kStraight, rows, [](Form&, int) {});

  const std::vector<Fill> fills = {
      {"outer blanks on both sides",
       [](Form& f) {
         f.Com(83).text = " E ";
         f.Com(89).text = "断面図  ";
         f.Com(87).text = " 4";
       },
       {"\"E\r\n", "断面図\r\n"}},
  };
  ExpectEachDrawn(kStraight, fills, {StraightCut("0")});
}

}  // namespace
}  // namespace mokrav::roundtrip
