// The hole and thread tab and MOKRAVR: every "mokrav4.jyd" the tab reports
// as written is drawn, in plan view at a picked centre and in section
// between two picked points; every refusal leaves the host folder alone.
#include <string>
#include <vector>

#include "settings/params/frame.h"
#include "settings/procedures.h"
#include "tests/roundtrip/roundtrip.h"

namespace mokrav::roundtrip {
namespace {

const TabTool kHole = {"Command6", "mokrav4.jyd", "穴・ネジ作図データを出力しました", "MOKRAVR",
                       "jwc_temp.txt mokrav4.jyd"};

// The centre of a plan view, in groups of the scales 1, 2 and 0.5.
std::vector<HostFile> Centres() {
  return {Host("0", {PickedPoint(1, "100 50")}), Host("2", {PickedPoint(1, "0 0")}),
          Host("a", {PickedPoint(1, "-20 35.5")})};
}

// A section: the start of the hole on its axis, then a point in the
// direction it runs (down, right, left).
std::vector<HostFile> Axes() {
  return {Host("0", {PickedPoint(1, "0 0"), PickedPoint(2, "0 -30")}),
          Host("2", {PickedPoint(1, "10 10"), PickedPoint(2, "60 10")}),
          Host("a", {PickedPoint(1, "0 0"), PickedPoint(2, "-40 5")})};
}

enum Layout { kPlan = 1, kSection = 2, kStepped = 3 };

// The layout button, then the horizontal and vertical dimension, the
// diameter and the row pitch (or the small diameter) as typed.
void Sizes(Form& f, Layout layout, const char* horizontal, const char* vertical,
           const char* diameter, const char* pitch) {
  f.Option("C41").selected = layout - 1;
  f.Com(25).text = horizontal;
  f.Com(26).text = vertical;
  f.Com(27).text = diameter;
  f.Com(28).text = pitch;
}

const char* const kPatterns[] = {"４箇所", "右千鳥", "左千鳥", "上下", "左右", "中心"};
const char* const kArrangements[] = {"中心振分け", "右方向に配置", "左方向に配置"};

using HoleRoundTrip = WindowRoundTrip;

TEST_F(HoleRoundTrip, PlanViews) {
  const std::vector<Fill> fills = {
      {"as the window opens: four rows of five holes", [](Form&) {}},
      {"tapped holes M6 from the list",
       [](Form& f) {
         Pick(f, 27, "M6");
         Pick(f, 29, "2");
         Pick(f, 28, "20");
       }},
      {"tapped holes with the lower-case prefix", [](Form& f) { Pick(f, 27, "m8"); }},
      {"typed sizes: one drilled hole of 6.6",
       [](Form& f) {
         Sizes(f, kPlan, "", "", "6.6", "12.5");
         Pick(f, 29, "1");
       }},
      {"a long row from the lists",
       [](Form& f) {
         Pick(f, 23, "上下");
         Pick(f, 26, "45");
         Pick(f, 27, "16");
         Pick(f, 29, "20");
         Pick(f, 28, "50");
         Pick(f, 24, "右方向に配置");
       }},
      {"own pens and layers",
       [](Form& f) {
         Pick(f, 27, "M12");
         Pick(f, 17, "8");
         Pick(f, 18, "7");
         Pick(f, 19, "6");
         Pick(f, 20, "5");
         Pick(f, 21, "1");
         Pick(f, 22, "2");
         Pick(f, 55, "A");
         Pick(f, 56, "0");
         Pick(f, 57, "F");
       },
       {"\r\nlc8\r\nlt7\r\n", "\r\nlc6\r\nlt5\r\n", "\r\nlc1\r\nlt2\r\n", "\r\nlyA\r\n",
        "\r\nly0\r\n", "\r\nlyF\r\n"}},
  };
  ExpectEachDrawn(kHole, fills, Centres());
}

// Every pattern with every row arrangement, and every pattern in section.
TEST_F(HoleRoundTrip, EveryPatternAndArrangement) {
  for (const char* pattern : kPatterns) {
    for (const char* arrangement : kArrangements) {
      SCOPED_TRACE(std::string(pattern) + " " + arrangement);
      Restart(false);
      Pick(f_, 23, pattern);
      Pick(f_, 24, arrangement);
      ExpectDrawn(kHole, Centres()[1]);
    }
    SCOPED_TRACE(std::string(pattern) + " in section");
    Restart(false);
    Sizes(f_, kSection, "", "", "M10", "");
    Pick(f_, 23, pattern);
    ExpectDrawn(kHole, Axes()[0]);
  }
}

TEST_F(HoleRoundTrip, Sections) {
  const std::vector<Fill> fills = {
      {"tapped blind hole M8: thread depth and extra drill depth",
       [](Form& f) { Sizes(f, kSection, "15", "5", "M8", ""); }},
      {"tapped blind hole from the lists",
       [](Form& f) {
         f.Option("C41").selected = kSection - 1;
         Pick(f, 25, "20");
         Pick(f, 26, "10");
         Pick(f, 27, "m10");
       }},
      {"drilled blind hole of a typed size",
       [](Form& f) { Sizes(f, kSection, "12", "3.5", "6.8", ""); }},
      {"through hole: both depths empty", [](Form& f) { Sizes(f, kSection, "", "", "M12", ""); }},
      {"counterbore for an M6 bolt, typed",
       [](Form& f) { Sizes(f, kStepped, "6.5", "", "11", "6.6"); }},
      {"counterbore from the lists",
       [](Form& f) {
         f.Option("C41").selected = kStepped - 1;
         Pick(f, 25, "10");
         Pick(f, 27, "16");
         Pick(f, 28, "10");
       }},
      {"own pens and layers in section",
       [](Form& f) {
         Sizes(f, kSection, "15", "5", "M8", "");
         Pick(f, 55, "1");
         Pick(f, 56, "2");
         Pick(f, 57, "3");
       },
       {"\r\nly1\r\n", "\r\nly2\r\n"}},
  };
  ExpectEachDrawn(kHole, fills, Axes());
}

// The cases the tab's rules single out: empty dimensions that count as 0,
// patterns that force a dimension to 0, a bore depth that stays as typed.
TEST_F(HoleRoundTrip, EdgeCases) {
  const std::vector<Fill> plans = {
      {"plan view with both dimensions empty: one centre",
       [](Form& f) { Sizes(f, kPlan, "", "", "10", "4"); }},
      {"plan view with a typed 0", [](Form& f) { Sizes(f, kPlan, "0", "30", "10", "4"); }},
      {"plan view without a row pitch", [](Form& f) { Sizes(f, kPlan, "30", "30", "M5", ""); }},
      {"plan view without a pitch, pattern 中心",
       [](Form& f) {
         Sizes(f, kPlan, "", "", "5", "");
         Pick(f, 23, "中心");
       }},
  };
  ExpectEachDrawn(kHole, plans, Centres());

  const std::vector<Fill> sections = {
      {"section with both depths empty", [](Form& f) { Sizes(f, kSection, "", "", "10", ""); }},
      {"section 上下 with the extra depth empty",
       [](Form& f) {
         Sizes(f, kSection, "10", "", "M6", "");
         Pick(f, 23, "上下");
       }},
      {"section 中心 whatever the depths",
       [](Form& f) {
         Sizes(f, kSection, "10", "5", "M6", "");
         Pick(f, 23, "中心");
       }},
      {"section with a row pitch left in its box",
       [](Form& f) { Sizes(f, kSection, "10", "5", "M6", "12"); }},
      {"stepped hole with 上下: the bore depth as typed",
       [](Form& f) {
         Sizes(f, kStepped, "8", "", "20", "11");
         Pick(f, 23, "上下");
       }},
      {"stepped hole with 中心",
       [](Form& f) {
         Sizes(f, kStepped, "8", "30", "20", "11");
         Pick(f, 23, "中心");
       }},
      {"stepped hole without a bore depth",
       [](Form& f) { Sizes(f, kStepped, "", "", "20", "11"); }},
      {"stepped hole whose small diameter is the larger",
       [](Form& f) { Sizes(f, kStepped, "5", "", "8", "12"); }},
  };
  ExpectEachDrawn(kHole, sections, Axes());
}

// "クリア", then only what each layout needs, then "作図".
TEST_F(HoleRoundTrip, ClearThenDraw) {
  const struct {
    Layout layout;
    const char* diameter;
    const char* small;
    const HostFile host;
  } rows[] = {
      {kPlan, "10", "", Centres()[0]},  {kPlan, "M8", "", Centres()[2]},
      {kSection, "M10", "", Axes()[0]}, {kSection, "8.5", "", Axes()[1]},
      {kStepped, "14", "9", Axes()[2]},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.layout) + " " + row.diameter);
    Sizes(f_, kStepped, "15", "5", "M20", "40");
    Command7_Click(f_);
    EXPECT_EQ(f_.MSG, "設定内容をクリアしました");
    f_.Option("C41").selected = row.layout - 1;
    f_.Com(27).text = row.diameter;
    f_.Com(28).text = row.small;
    ExpectDrawn(kHole, row.host);
  }
}

// What the window refuses it does not write; the sizes typed are still
// remembered, so the user need not type them again.
TEST_F(HoleRoundTrip, RefusalsWriteNothing) {
  ExpectDrawn(kHole, Centres()[0]);
  const std::string comma = params::kCommaRefused;
  const std::string number = params::kNotANumber;
  const struct {
    const char* name;
    Layout layout;
    const char* pattern;
    const char* horizontal;
    const char* vertical;
    const char* diameter;
    const char* pitch;
    std::string message;
  } rows[] = {
      {"plan view without a diameter", kPlan, "４箇所", "30", "30", "", "4",
       "ﾈｼﾞ･穴の径が入力されていません"},
      {"section without a diameter", kSection, "４箇所", "", "", "", "",
       "ﾈｼﾞ･穴の径が入力されていません"},
      {"section with only the extra depth", kSection, "４箇所", "", "5", "M6", "",
       "ﾈｼﾞの深さが入力されていません"},
      {"section 上下 with both depths", kSection, "上下", "10", "5", "M6", "",
       "ﾈｼﾞの深さが入力されていません"},
      {"stepped hole without its small diameter", kStepped, "４箇所", "5", "", "11", "",
       "小径の数値が入力されていません"},
      {"stepped hole without its large diameter", kStepped, "４箇所", "5", "", "", "6.6",
       "大径の数値が入力されていません"},
      {"comma in the diameter", kPlan, "４箇所", "30", "30", "M6,1", "4", comma + "「M6,1」"},
      // The tool reads these as numbers; a stepped hole has no thread.
      {"stepped hole with a thread size as its large diameter", kStepped, "４箇所", "10", "", "M10",
       "6", number + "「M10」"},
      {"stepped hole with a thread size as its small diameter", kStepped, "４箇所", "10", "",
       "17.5", "M10", number + "「M10」"},
      {"fine thread with its pitch", kPlan, "４箇所", "30", "30", "M8x1.25", "4",
       number + "「M8x1.25」"},
      {"tapped hole with its pitch in section", kSection, "４箇所", "15", "5", "M10x1.25", "",
       number + "「M10x1.25」"},
      {"a dimension with its unit", kPlan, "４箇所", "30mm", "30", "10", "4", number + "「30mm」"},
      {"a pitch with its unit", kPlan, "４箇所", "30", "30", "10", "4mm", number + "「4mm」"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Restart(false);
    Sizes(f_, row.layout, row.horizontal, row.vertical, row.diameter, row.pitch);
    Pick(f_, 23, row.pattern);
    ExpectRefused(kHole, row.message);
  }
}

// Blanks around a typed size carry no meaning: they are dropped and the
// holes are drawn. One left inside splits its field, so the press is
// refused, writing and remembering nothing.
TEST_F(HoleRoundTrip, BlanksAroundATextGoOneInsideIsRefused) {
  const std::string blank = params::kBlankRefused;
  const std::vector<Refusal> rows = {
      {"a thread size with a blank", 0, 27, "M 10", blank + "「M 10」"},
      {"a pitch with a blank", 0, 28, "1 5", blank + "「1 5」"},
      {"a dimension with a blank", 0, 25, "3 0", blank + "「3 0」"},
  };
  ExpectEachRefused(kHole, rows, [](Form&, int) {});

  Restart(false);
  f_.Com(27).text = " M14 ";
  f_.Com(25).text = "42  ";
  f_.Com(28).text = "  7";
  ExpectDrawn(kHole, Centres()[0]);
  EXPECT_EQ(f_.pendingHistory, "25 42\r\n27 M14\r\n28 7\r\n");
}

}  // namespace
}  // namespace mokrav::roundtrip
