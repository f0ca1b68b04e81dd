// The geometric-tolerance tab and MOKRAVG: every "mokrav3.jyd" the tab
// reports as written is drawn, as a tolerance frame at the end of a leader
// and as a datum indicator on a picked line; every refusal leaves the host
// folder alone.
#include <string>
#include <vector>

#include "settings/params/frame.h"
#include "settings/procedures.h"
#include "tests/roundtrip/roundtrip.h"

namespace mokrav::roundtrip {
namespace {

const TabTool kFrame = {"CO2", "mokrav3.jyd", "幾何公差記号データを出力しました", "MOKRAVG",
                        "jwc_temp.txt 0 0 0 mokrav3.jyd"};
const TabTool kDatum = {"CO2", "mokrav3.jyd", "幾何公差記号データを出力しました", "MOKRAVG",
                        "jwc_temp.txt 1 0 0 mokrav3.jyd"};

// Leaders of one, two and three segments, in groups of the scales 2, 1 and
// 0.5: the arrow tip first, each point with the leader's "-" mark.
std::vector<HostFile> Leaders() {
  return {
      Host("2", {PickedPoint(1, "10 20", true), PickedPoint(2, "50 30", true)}),
      Host("0", {PickedPoint(1, "10 10", true), PickedPoint(2, "12 40", true),
                 PickedPoint(3, "70 45", true)}),
      Host("a", {PickedPoint(1, "0 0", true), PickedPoint(2, "20 5", true),
                 PickedPoint(3, "50 30", true), PickedPoint(4, "60 1", true)}),
  };
}

// Datum indicators: two points of a vertical or a horizontal edge, then the
// place of the box.
std::vector<HostFile> Edges() {
  return {
      Host("2",
           {PickedPoint(1, "10 0"), PickedPoint(2, "10 50", true), PickedPoint(3, "30 20", true)}),
      Host("0",
           {PickedPoint(1, "0 10"), PickedPoint(2, "40 10", true), PickedPoint(3, "25 30", true)}),
      Host("a",
           {PickedPoint(1, "0 10"), PickedPoint(2, "40 10", true), PickedPoint(3, "25 -20", true)}),
  };
}

// The characteristic by its option code (1 straightness ... 14 total run-out)
// and the value form (1 one value, 2 an upper and a lower limit).
void Kind(Form& f, int characteristic, int form) {
  f.Option("C5").selected = characteristic - 1;
  f.Option("C6").selected = form - 1;
}

void Values(Form& f, const char* value, const char* upper, const char* lower) {
  f.Com(34).text = value;
  f.Com(35).text = upper;
  f.Com(36).text = lower;
}

using GeomTolRoundTrip = WindowRoundTrip;

TEST_F(GeomTolRoundTrip, RealisticFills) {
  const std::vector<Fill> fills = {
      {"as the window opens: straightness within two limits",
       [](Form&) {},
       {"\"A\r\n", "\r\ncn4\r\n", "\r\ncn2\r\n", "\r\nlc4\r\n"}},
      {"flatness, one value from the list",
       [](Form& f) {
         Kind(f, 2, 1);
         Pick(f, 34, "±0.02");
       },
       {"\"±0.02\r\n"}},
      {"parallelism to datum B within typed limits",
       [](Form& f) {
         Kind(f, 3, 2);
         Pick(f, 72, "B");
         Values(f, "", "+0.1", "0");
       },
       {"\"B\r\n", "\"+0.1\r\n", "\"0\r\n"}},
      {"position to a common datum, typed",
       [](Form& f) {
         Kind(f, 9, 1);
         f.Com(72).text = "A-B";
         f.Com(34).text = "0.05";
       },
       {"\"A-B\r\n", "\"0.05\r\n"}},
      {"coaxiality in full width",
       [](Form& f) {
         Kind(f, 8, 1);
         Pick(f, 34, "±0.01");
         Pick(f, 72, "C");
         f.Check("A1").ticked = true;
       },
       {"\"Ｃ\r\n", "\"±０．０１\r\n"}},
      {"limits from the lists the other way round",
       [](Form& f) {
         Kind(f, 13, 2);
         Pick(f, 35, "-0.01");
         Pick(f, 36, "+0.01");
       },
       {"\"-0.01\r\n", "\"+0.01\r\n"}},
      {"own text sizes, colour and layers",
       [](Form& f) {
         Kind(f, 4, 1);
         Pick(f, 1, "5");
         Pick(f, 2, "3");
         Pick(f, 3, "10");
         Pick(f, 4, "1");
         Pick(f, 65, "B");
         Pick(f, 64, "0");
       },
       {"\r\ncn5\r\n", "\r\ncn3\r\n", "\r\ncn10\r\n", "\r\nlc1\r\n", "\r\nlyB\r\n", "\r\nly0\r\n"}},
      {"the settings tab's arrow typed",
       [](Form& f) {
         f.Com(59).text = "2.5";
         f.Com(60).text = "20";
       }},
  };
  ExpectEachDrawn(kFrame, fills, Leaders());
}

// Each of the fourteen characteristics, in both value forms.
TEST_F(GeomTolRoundTrip, EveryCharacteristic) {
  const std::vector<HostFile> leaders = Leaders();
  for (int characteristic = 1; characteristic <= 14; ++characteristic) {
    for (int form = 1; form <= 2; ++form) {
      SCOPED_TRACE("characteristic " + std::to_string(characteristic) + ", form " +
                   std::to_string(form));
      Restart(false);
      Kind(f_, characteristic, form);
      ExpectDrawn(kFrame, leaders[(characteristic + form) % leaders.size()]);
    }
  }
}

TEST_F(GeomTolRoundTrip, DatumIndicators) {
  const std::vector<Fill> fills = {
      {"datum A as the window opens", [](Form&) {}, {"\"A\r\n"}},
      {"datum Z from the list", [](Form& f) { Pick(f, 72, "Z"); }, {"\"Z\r\n"}},
      {"datum in full width",
       [](Form& f) {
         Pick(f, 72, "D");
         f.Check("A1").ticked = true;
       },
       {"\"Ｄ\r\n"}},
      {"a typed datum of two letters", [](Form& f) { f.Com(72).text = "AB"; }, {"\"AB\r\n"}},
      {"own layers and size",
       [](Form& f) {
         Pick(f, 1, "7");
         Pick(f, 65, "C");
         Pick(f, 64, "D");
       },
       {"\r\ncn7\r\n", "\r\nlyC\r\n", "\r\nlyD\r\n"}},
  };
  ExpectEachDrawn(kDatum, fills, Edges());
}

// The cases the tab's rules single out: an empty datum letter is drawn as
// "-", the unused texts of the other value form are still written.
TEST_F(GeomTolRoundTrip, EdgeCases) {
  const std::vector<Fill> fills = {
      {"no datum letter",
       [](Form& f) {
         Kind(f, 7, 1);
         f.Com(72).text = "";
       },
       {"\"-\r\n"}},
      {"no datum letter in full width",
       [](Form& f) {
         f.Com(72).text = "";
         f.Check("A1").ticked = true;
       },
       {"\"－\r\n"}},
      {"one value with both limits filled: the limits stay out",
       [](Form& f) {
         Kind(f, 11, 1);
         Pick(f, 34, "±0.05");
         Pick(f, 35, "+0.02");
         Pick(f, 36, "-0.01");
       },
       {"\"±0.05\r\n"},
       {"+0.02", "-0.01"}},
      {"two limits with the value filled: the value stays out",
       [](Form& f) {
         Kind(f, 6, 2);
         Values(f, "±0.05", "+0.02", "-0.01");
       },
       {"\"+0.02\r\n", "\"-0.01\r\n"},
       {"0.05"}},
      {"two limits with every box empty",
       [](Form& f) {
         Kind(f, 12, 2);
         Values(f, "", "", "");
       }},
      {"a long typed value",
       [](Form& f) {
         Kind(f, 10, 1);
         f.Com(34).text = "Φ0.02(M)";
       },
       {"\"Φ0.02(M)\r\n"}},
  };
  ExpectEachDrawn(kFrame, fills, Leaders());
}

// "クリア", then only what the tab needs (nothing but the characteristic
// and the value form; the datum letter stays), then "作図".
TEST_F(GeomTolRoundTrip, ClearThenDraw) {
  const std::vector<HostFile> leaders = Leaders();
  for (int characteristic = 1; characteristic <= 14; ++characteristic) {
    SCOPED_TRACE(characteristic);
    Values(f_, "±0.03", "+0.02", "-0.01");
    f_.Check("A1").ticked = true;
    CO1_Click(f_);
    EXPECT_EQ(f_.MSG, "設定内容をクリアしました");
    Kind(f_, characteristic, characteristic % 2 + 1);
    ExpectDrawn(kFrame, leaders[characteristic % leaders.size()], {"\"A\r\n"},
                {"\"±0.03", "\"+0.02", "\"-0.01", "Ａ"});
  }
  ExpectDrawn(kDatum, Edges()[0], {"\"A\r\n"});
}

TEST_F(GeomTolRoundTrip, RefusalsWriteNothing) {
  ExpectDrawn(kFrame, Leaders()[0]);
  const std::string comma = params::kCommaRefused;
  const std::string unencodable = params::kUnencodableRefused;
  const std::vector<Refusal> rows = {
      {"comma in the value", 0, 34, "0,05", comma + "「0,05」"},
      {"comma in the datum", 0, 72, "A,B", comma + "「A,B」"},
      {"a character outside the code page", 0, 35, "+0.1€", unencodable + "「€」"},
      {"a line break in a limit", 0, 36, "-0.1\n", params::kLineBreakRefused},
      {"the settings tab's arrow length with its unit", 0, 59, "3mm", params::kNoArrowLength},
      {"the settings tab's arrow angle emptied", 0, 60, "", params::kNoArrowAngle},
  };
  ExpectEachRefused(kFrame, rows, [](Form&, int) {});
}

// Blanks around a typed text carry no meaning: they are dropped and the
// frame is drawn. One left inside a text splits its field, so the press is
// refused, writing and remembering nothing.
TEST_F(GeomTolRoundTrip, BlanksAroundATextGoOneInsideIsRefused) {
  const std::string blank = params::kBlankRefused;
  const std::vector<Refusal> rows = {
      {"a datum with a blank", 0, 72, "A B", blank + "「A B」"},
      {"a value with a blank", 0, 34, "0. 05", blank + "「0. 05」"},
      {"a limit with a blank", 0, 35, "+ 0.1", blank + "「+ 0.1」"},
  };
  ExpectEachRefused(kFrame, rows, [](Form&, int) {});

  const std::vector<Fill> fills = {
      {"outer blanks on both sides",
       [](Form& f) {
         f.Com(72).text = " C ";
         f.Com(34).text = "  0.05";
         f.Com(60).text = "15 ";
       },
       {"\"C\r\n"}},
  };
  ExpectEachDrawn(kFrame, fills, Leaders());
}

}  // namespace
}  // namespace mokrav::roundtrip
