// The fit-tolerance tab and MOKRAVT: every "mokrav6.jyd" the tab reports as
// written, with the rows it copies from the shipped tolerance table, is
// drawn as a linear, an aligned and a diameter dimension; every refusal
// leaves the host folder alone.
#include <filesystem>
#include <string>
#include <vector>

#include "settings/params/frame.h"
#include "settings/procedures.h"
#include "tests/roundtrip/roundtrip.h"

namespace mokrav::roundtrip {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDone = "公差記号作図データを出力しました";
const TabTool kLinear = {"Command4", "mokrav6.jyd", kDone, "MOKRAVT",
                         "jwc_temp.txt 0 0 0 mokrav6.jyd 0"};
const TabTool kDiameter = {"Command4", "mokrav6.jyd", kDone, "MOKRAVT",
                           "jwc_temp.txt 0 0 1 mokrav6.jyd 0"};
const TabTool kAligned = {"Command4", "mokrav6.jyd", kDone, "MOKRAVT",
                          "jwc_temp.txt 0 0 2 mokrav6.jyd 0"};

// Two points measured, then the dimension line's place and the text's:
// a horizontal 25 and a vertical 40 (scale 2).
std::vector<HostFile> Lengths() {
  return {Host("0", {PickedPoint(1, "0 0"), PickedPoint(2, "25 0"), PickedPoint(3, "12 10"),
                     PickedPoint(4, "12 10")}),
          Host("2", {PickedPoint(1, "0 0", true), PickedPoint(2, "0 40", true),
                     PickedPoint(3, "-10 20"), PickedPoint(4, "-10 20")})};
}

// A slanted 25, between the same kinds of points.
std::vector<HostFile> Slants() {
  return {Host("a", {PickedPoint(1, "0 0"), PickedPoint(2, "20 15"), PickedPoint(3, "-5 20"),
                     PickedPoint(4, "-5 20")})};
}

// A selected circle of diameter 25: its centre, the leader's end, and the
// text's place beyond it.
std::vector<HostFile> Circles() {
  return {Host("0",
               {PickedPoint(1, "0 0"), PickedPoint(2, "20 20"), PickedPoint(3, "20 20"),
                PickedPoint(4, "30 20")},
               {"ci 0 0 12.5"})};
}

enum ToleranceKind { kHole = 1, kShaft = 2, kNoTolerance = 3, kOwn = 4 };

void Kind(Form& f, ToleranceKind kind) { f.Option("C61").selected = kind - 1; }

// The tab reads the shipped table beside the parameter files.
class ToleranceRoundTrip : public WindowRoundTrip {
 protected:
  void SetUp() override {
    WindowRoundTrip::SetUp();
    fs::copy_file(Table(), host_ / "公差.dat");
  }
  static fs::path Table() {
    return fs::path(__FILE__).parent_path().parent_path().parent_path() / "data" / "公差.dat";
  }
  // Each fill drawn as a linear, an aligned and a diameter dimension.
  void ExpectEachKindDrawn(const std::vector<Fill>& fills) {
    ExpectEachDrawn(kLinear, fills, Lengths());
    ExpectEachDrawn(kAligned, fills, Slants());
    ExpectEachDrawn(kDiameter, fills, Circles());
  }
};

TEST_F(ToleranceRoundTrip, RealisticFills) {
  const std::vector<Fill> fills = {
      {"as the window opens: hole fit H6", [](Form&) {}, {"\r\ncn4\r\n", "\r\ncn2\r\n"}},
      {"shaft fit g6 from the list",
       [](Form& f) {
         Kind(f, kShaft);
         Pick(f, 53, "g6");
       }},
      {"hole fit JS7: one symmetric value", [](Form& f) { Pick(f, 52, "JS7"); }},
      {"typed hole fit", [](Form& f) { f.Com(52).text = "P7"; }},
      {"no tolerance", [](Form& f) { Kind(f, kNoTolerance); }},
      {"no tolerance as a dimension figure",
       [](Form& f) {
         Kind(f, kNoTolerance);
         f.Check("H66").ticked = true;
       }},
      {"own deviations from the lists",
       [](Form& f) {
         Kind(f, kOwn);
         Pick(f, 70, "+0.02");
         Pick(f, 71, "-0.01");
       }},
      {"own symmetric value",
       [](Form& f) {
         Kind(f, kOwn);
         f.Com(70).text = "";
         Pick(f, 71, "±0.05");
       }},
      {"diameter sign, full width and a quoted note",
       [](Form& f) {
         f.Check("H61").ticked = true;
         f.Check("H62").ticked = true;
         f.Check("H67").ticked = true;
         Pick(f, 14, "（深さ１５）");
       }},
      {"dots instead of arrows", [](Form& f) { f.Check("H65").ticked = true; }},
      {"typed gaps, overshoot, offsets and no decimals",
       [](Form& f) {
         f.Com(47).text = "0.5";
         f.Com(48).text = "2";
         f.Com(49).text = "1";
         f.Com(51).text = "3";
         Pick(f, 50, "0");
       }},
      {"own text sizes, colour and layers",
       [](Form& f) {
         Pick(f, 44, "7");
         Pick(f, 45, "5");
         Pick(f, 46, "8");
         Pick(f, 69, "9");
         Pick(f, 68, "C");
       },
       {"\r\ncn7\r\n", "\r\ncn5\r\n", "\r\nlc8\r\n", "\r\nly9\r\n", "\r\nlyC\r\n"}},
  };
  ExpectEachKindDrawn(fills);
}

// The deviations that reach the drawing are the table's for the size.
TEST_F(ToleranceRoundTrip, TableRowsReachTheDrawing) {
  Pick(f_, 52, "H7");
  ExpectDrawn(kLinear, Lengths()[0], {"\"+0.021\r\n", "\"0\r\n", "\"H7\r\n", "\"25\r\n"});
  Kind(f_, kShaft);
  Pick(f_, 53, "f7");
  ExpectDrawn(kLinear, Lengths()[1], {"\"-0.025\r\n", "\"-0.050\r\n", "\"f7\r\n", "\"40\r\n"});
  Kind(f_, kHole);
  Pick(f_, 52, "JS7");
  ExpectDrawn(kLinear, Lengths()[0], {"\"±0.0105\r\n", "\"JS7\r\n"});
  Kind(f_, kOwn);
  f_.Com(70).text = "+0.1";
  f_.Com(71).text = "-0.2";
  f_.Check("H62").ticked = true;
  ExpectDrawn(kDiameter, Circles()[0], {"\"+0.1\r\n", "\"-0.2\r\n", "Φ25"});
}

// Every fit class that the two lists offer finds its rows in the shipped
// table and is drawn, for each kind of dimension in turn.
TEST_F(ToleranceRoundTrip, EveryListedFitClass) {
  const TabTool* tabs[] = {&kLinear, &kAligned, &kDiameter};
  const HostFile hosts[] = {Lengths()[0], Slants()[0], Circles()[0]};
  int n = 0;
  for (const auto& [kind, box] : {std::pair{kHole, 52}, std::pair{kShaft, 53}}) {
    const std::vector<std::string> classes = f_.Com(box).items;
    for (const std::string& fitClass : classes) {
      SCOPED_TRACE(fitClass);
      Restart(false);
      Kind(f_, kind);
      Pick(f_, box, fitClass);
      const int k = n++ % 3;
      ExpectDrawn(*tabs[k], hosts[k]);
    }
  }
  EXPECT_EQ(n, 65);
}

// The cases the tab's rules single out.
TEST_F(ToleranceRoundTrip, EdgeCases) {
  const std::vector<Fill> fills = {
      {"own deviations with both boxes empty",
       [](Form& f) {
         Kind(f, kOwn);
         f.Com(70).text = "";
         f.Com(71).text = "";
       }},
      {"quoting an empty note",
       [](Form& f) {
         f.Check("H67").ticked = true;
         f.Com(14).text = "";
       }},
      {"the fit class of the other kind left in its box",
       [](Form& f) {
         Kind(f, kShaft);
         f.Com(52).text = "H11";
         Pick(f, 53, "h7");
       }},
      {"no tolerance with a fit class not in the table",
       [](Form& f) {
         Kind(f, kNoTolerance);
         f.Com(52).text = "H11";
       }},
  };
  ExpectEachKindDrawn(fills);
}

// "クリア", then only what each kind needs, then "作図".
TEST_F(ToleranceRoundTrip, ClearThenDraw) {
  for (const ToleranceKind kind : {kHole, kShaft, kNoTolerance, kOwn}) {
    SCOPED_TRACE(static_cast<int>(kind));
    f_.Com(47).text = "0.3";
    f_.Com(48).text = "1.5";
    f_.Com(49).text = "0.5";
    f_.Com(51).text = "4";
    f_.Com(70).text = "+0.3";
    f_.Com(71).text = "-0.3";
    for (const char* check : {"H61", "H62", "H65", "H66", "H67"}) f_.Check(check).ticked = true;
    Command5_Click(f_);
    EXPECT_EQ(f_.MSG, "設定内容をクリアしました");
    Kind(f_, kind);
    if (kind == kOwn) f_.Com(71).text = "±0.1";
    ExpectDrawn(kLinear, Lengths()[kind % 2], {}, {"\"+0.3", "\"-0.3", "Φ"});
  }
}

TEST_F(ToleranceRoundTrip, RefusalsWriteNothing) {
  ExpectDrawn(kLinear, Lengths()[0]);
  f_.Check("H67").ticked = true;
  f_.Com(14).text = "深さ,15";
  ExpectRefused(kLinear, std::string(params::kCommaRefused) + "「深さ,15」");
  f_.Check("H67").ticked = false;

  // A hole or shaft fit whose class has no size range in the table, and
  // entries the tool reads as numbers.
  const std::string table = f_.Com(54).text + "公差.dat";
  const std::string ranges = "の寸法区分が公差表ファイルにありません：";
  const std::vector<Refusal> rows = {
      {"a hole fit the table lacks", kHole, 52, "H11", "「H11」" + ranges + table},
      {"a shaft fit the table lacks", kShaft, 53, "h11", "「h11」" + ranges + table},
      {"the double dash", kHole, 52, "--", "「--」" + ranges + table},
      {"no hole fit", kHole, 52, "", "穴公差が入力されていません"},
      {"no shaft fit", kShaft, 53, "", "軸公差が入力されていません"},
      {"a gap with its unit", kHole, 47, "0.5mm", std::string(params::kNotANumber) + "「0.5mm」"},
      {"an offset in full width", kNoTolerance, 51, "２",
       std::string(params::kNotANumber) + "「２」"},
      {"the settings tab's arrow length emptied", kOwn, 59, "", params::kNoArrowLength},
      {"the settings tab's arrow angle with its unit", kHole, 60, "15°", params::kNoArrowAngle},
  };
  ExpectEachRefused(kLinear, rows,
                    [](Form& f, int kind) { Kind(f, static_cast<ToleranceKind>(kind)); });

  Restart(false);
  fs::remove(host_ / "公差.dat");
  for (const ToleranceKind kind : {kHole, kShaft, kNoTolerance, kOwn}) {
    SCOPED_TRACE(static_cast<int>(kind));
    Kind(f_, kind);
    ExpectRefused(kLinear, "公差表ファイルがありません：" + f_.Com(54).text + "公差.dat");
  }
}

// Blanks around a typed text carry no meaning: they are dropped and the
// dimension is drawn. One left inside a deviation splits its field and is
// refused; the quoted note is read to the end of the line, so its inner
// blanks are drawn as typed.
TEST_F(ToleranceRoundTrip, BlanksAroundATextGoOneInsideIsRefused) {
  const std::string blank = params::kBlankRefused;
  const std::vector<Refusal> rows = {
      {"an own deviation with a blank", kOwn, 70, "+0. 01", blank + "「+0. 01」"},
      {"a hole fit with a blank", kHole, 52, "H 7",
       "「H 7」の寸法区分が公差表ファイルにありません：" + f_.Com(54).text + "公差.dat"},
  };
  ExpectEachRefused(kLinear, rows,
                    [](Form& f, int kind) { Kind(f, static_cast<ToleranceKind>(kind)); });

  const std::vector<Fill> fills = {
      {"outer blanks around own deviations",
       [](Form& f) {
         Kind(f, kOwn);
         f.Com(70).text = " +0.02 ";
         f.Com(71).text = "-0.01  ";
         f.Com(47).text = " 0.5";
       },
       {"\"+0.02\r\n", "\"-0.01\r\n"}},
  };
  ExpectEachDrawn(kLinear, fills, Lengths());
  // The note goes under a diameter's shoulder.
  const std::vector<Fill> quoted = {
      {"a quoted note with inner blanks",
       [](Form& f) {
         f.Check("H67").ticked = true;
         f.Com(14).text = "  焼入れ 後  HRC50 ";
       },
       {"\"焼入れ 後  HRC50\r\n"}},
  };
  ExpectEachDrawn(kDiameter, quoted, Circles());
}

}  // namespace
}  // namespace mokrav::roundtrip
