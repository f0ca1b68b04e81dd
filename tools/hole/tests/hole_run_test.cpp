// MOKRAVR run as the host runs it: an exchange file and "mokrav4.jyd" in the
// current folder, the command line "<exchange file> mokrav4.jyd". Every
// expected drawing output below was worked out by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "exchange/params/hole.h"
#include "exchange/testing/tool_run_test.h"

using namespace exchange::test;

namespace {

// Scales of layer groups 0 to 15: group 0 has 1, group 2 has 2.
const char* const kScales = "hs 1 1 2 1 1 1 1 1 1 1 0.5 1 1 1 1 1\r\n";

// An exchange file as the host writes it: current layer 3, the group, the
// scales, then the given items (picked points, selected circles).
std::string Exchange(const std::string& group, const std::string& items) {
  return "hd\r\nly3\r\nlg" + group + "\r\n" + kScales + items;
}
std::string Picks(const std::string& p1, const std::string& p2 = "") {
  return "hp1   " + p1 + "\r\n" + (p2.empty() ? "" : "hp2   " + p2 + "\r\n");
}

using Records = std::vector<std::string>;

// The drawing output with the window's start-up pens "2 1 4 1 3 5" and every
// layer "--" (the current layer 3): the three groups with their ten fixed
// records around them.
std::string Drawing(const std::string& group, const Records& outline, const Records& centre,
                    const Records& thin) {
  Records all = {"lg" + group, "ly3", "lc2", "lt1"};
  all.insert(all.end(), outline.begin(), outline.end());
  all.insert(all.end(), {"ly3", "lc3", "lt5"});
  all.insert(all.end(), centre.begin(), centre.end());
  all.insert(all.end(), {"ly3", "lc4", "lt1"});
  all.insert(all.end(), thin.begin(), thin.end());
  return Lines(all);
}

struct Case {
  const char* name;
  std::string exchange;
  std::string params;
  std::string output;
};

class HoleRun : public ToolRunTest {
 protected:
  HoleRun()
      : ToolRunTest({MOKRAVR_PATH, "MOKRAVR", paramfile::hole::kFileName, "jwc_temp.txt mokrav4.jyd"}) {}

  void ExpectAll(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      EXPECT_EQ(Draw(c.exchange, c.params), c.output);
    }
  }
};

TEST_F(HoleRun, PlanViews) {
  // Diameter 10 at (100, 50): radius 5, the centre lines 0.5 past it.
  const Records single = {"100 55.5 100 44.5", "94.5 50 105.5 50"};
  const std::vector<Case> cases = {
      {"one drilled hole (pattern 中心, one hole)", Exchange("0", Picks("100 50")),
       "2 1 4 1 3 5 0.5 0 0 0 10 1 4 0 1 -- -- --", Drawing("0", {"ci 100 50  5 0 0"}, single, {})},
      {"one tapped hole: the thread circle with the thin pen", Exchange("0", Picks("100 50")),
       "2 1 4 1 3 5 0.5 0 0 0 M10 1 4 0 1 -- -- --",
       Drawing("0", {"ci 100 50  5 0 0"}, single, {"ci 100 50  4.25 0 0"})},
      {"four corners, rows of two rightwards", Exchange("0", Picks("100 50")),
       "2 1 4 1 3 5 0.5 30 20 0 6 2 15 0 1 -- -- --",
       Drawing("0",
               {"ci 85 40  3 0 0", "ci 115 40  3 0 0", "ci 85 60  3 0 0", "ci 115 60  3 0 0",
                "ci 100 40  3 0 0", "ci 130 40  3 0 0", "ci 100 60  3 0 0", "ci 130 60  3 0 0"},
               {"85 43.5 85 36.5", "81.5 40 88.5 40", "115 43.5 115 36.5", "111.5 40 118.5 40",
                "85 63.5 85 56.5", "81.5 60 88.5 60", "115 63.5 115 56.5", "111.5 60 118.5 60",
                "100 43.5 100 36.5", "96.5 40 103.5 40", "130 43.5 130 36.5", "126.5 40 133.5 40",
                "100 63.5 100 56.5", "96.5 60 103.5 60", "130 63.5 130 56.5", "126.5 60 133.5 60"},
               {})},
      {"left stagger (左千鳥), tapped rows of three centred", Exchange("0", Picks("0 0")),
       "2 1 4 1 3 5 0.5 20 10 1 M8 3 10 1 1 -- -- --",
       Drawing("0",
               {"ci 0 -5  4 0 0", "ci -20 5  4 0 0", "ci 10 -5  4 0 0", "ci -10 5  4 0 0", "ci 20 -5  4 0 0",
                "ci 0 5  4 0 0"},
               {"0 -0.5 0 -9.5", "-4.5 -5 4.5 -5", "-20 9.5 -20 0.5", "-24.5 5 -15.5 5",
                "10 -0.5 10 -9.5", "5.5 -5 14.5 -5", "-10 9.5 -10 0.5", "-14.5 5 -5.5 5",
                "20 -0.5 20 -9.5", "15.5 -5 24.5 -5", "0 9.5 0 0.5", "-4.5 5 4.5 5"},
               {"ci 0 -5  3.4 0 0", "ci -20 5  3.4 0 0", "ci 10 -5  3.4 0 0", "ci -10 5  3.4 0 0",
                "ci 20 -5  3.4 0 0", "ci 0 5  3.4 0 0"})},
      {"right stagger (右千鳥), rows of two leftwards", Exchange("0", Picks("50 50")),
       "2 1 4 1 3 5 0.5 20 10 2 10 2 12 2 1 -- -- --",
       Drawing("0", {"ci 40 45  5 0 0", "ci 60 55  5 0 0", "ci 28 45  5 0 0", "ci 48 55  5 0 0"},
               {"40 50.5 40 39.5", "34.5 45 45.5 45", "60 60.5 60 49.5", "54.5 55 65.5 55",
                "28 50.5 28 39.5", "22.5 45 33.5 45", "48 60.5 48 49.5", "42.5 55 53.5 55"},
               {})},
      {"scale 2: hole, overshoot and pitch as they stand (上下)", Exchange("2", Picks("100 50")),
       "2 1 4 1 3 5 0.5 0 20 0 M10 1 4 0 1 -- -- --",
       Drawing("2", {"ci 100 40  5 0 0", "ci 100 60  5 0 0"},
               {"100 45.5 100 34.5", "94.5 40 105.5 40", "100 65.5 100 54.5", "94.5 60 105.5 60"},
               {"ci 100 40  4.25 0 0", "ci 100 60  4.25 0 0"})},
      {"no row pitch (\"-\"): the holes of a row coincide", Exchange("0", Picks("100 50")),
       "2 1 4 1 3 5 0.5 0 0 0 10 2 - 0 1 -- -- --",
       Drawing("0", {"ci 100 50  5 0 0", "ci 100 50  5 0 0"}, {single[0], single[1], single[0], single[1]}, {})},
      {"no hole in the row: the ten fixed records alone", Exchange("0", Picks("100 50")),
       "2 1 4 1 3 5 0.5 30 30 0 10 0 4 0 1 -- -- --", Drawing("0", {}, {}, {})},
  };
  ExpectAll(cases);
}

TEST_F(HoleRun, TheGroupScaleLeavesThePlanViewAlone) {
  // Diameter 10 at (100, 50), overshoot 0.5: radius 5 and centre lines 0.5
  // past the hole in every group scale, 0 among them, as the sections are.
  const std::string oneHole = "2 1 4 1 3 5 0.5 0 0 0 M10 1 4 0 1 -- -- --";
  const std::string corners = "2 1 4 1 3 5 0.5 30 20 0 6 2 15 1 1 -- -- --";
  const std::string atOne = Draw(Exchange("0", Picks("100 50")), oneHole);
  EXPECT_EQ(atOne, Drawing("0", {"ci 100 50  5 0 0"}, {"100 55.5 100 44.5", "94.5 50 105.5 50"},
                           {"ci 100 50  4.25 0 0"}));
  const std::string cornersAtOne = Draw(Exchange("0", Picks("100 50")), corners);
  for (const char* scale : {"hs 2", "hs 0", "hs 0.5", "hs 1e-308"}) {
    SCOPED_TRACE(scale);
    const std::string exchange = Replaced(Exchange("0", Picks("100 50")), "hs 1", scale);
    EXPECT_EQ(Draw(exchange, oneHole), atOne);
    EXPECT_EQ(Draw(exchange, corners), cornersAtOne);
  }
}

TEST_F(HoleRun, PensAndLayersOfTheGroups) {
  // Pens "8 7 6 5 4 3" and layers A, 0, F for outline, thin and centre.
  const std::string exchange = Exchange("0", Picks("100 50"));
  // "M": each group keeps its own pen.
  EXPECT_EQ(Draw(exchange, "8 7 6 5 4 3 0.5 0 0 0 M10 1 4 0 1 A 0 F"),
            Lines({"lg0", "lyA", "lc8", "lt7", "ci 100 50  5 0 0", "lyF", "lc4", "lt3", "100 55.5 100 44.5",
                   "94.5 50 105.5 50", "ly0", "lc6", "lt5", "ci 100 50  4.25 0 0"}));
  // "m": the hole circles take the thin pen and the thread circles the
  // outline pen; the layers and the centre-line pen stay.
  EXPECT_EQ(Draw(exchange, "8 7 6 5 4 3 0.5 0 0 0 m10 1 4 0 1 A 0 F"),
            Lines({"lg0", "lyA", "lc6", "lt5", "ci 100 50  5 0 0", "lyF", "lc4", "lt3", "100 55.5 100 44.5",
                   "94.5 50 105.5 50", "ly0", "lc8", "lt7", "ci 100 50  4.25 0 0"}));
  // A tapped section with "m" draws with every group's own pen.
  EXPECT_EQ(Draw(Exchange("0", Picks("0 5", "60 5")), "8 7 6 5 4 3 0.5 0 0 0 m10 5 0 0 6 A 0 F"),
            Lines({"lg0", "lyA", "lc8", "lt7", "0 9.25 60 9.25", "0 0.75 60 0.75", "lyF", "lc4", "lt3",
                   "-0.5 5 60.5 5", "ly0", "lc6", "lt5", "0 10 60 10", "0 0 60 0"}));
  // "--" without a "ly" item: the layer record stands alone.
  EXPECT_EQ(Draw("lg0\r\n" + Picks("100 50"), "8 7 6 5 4 3 0.5 0 0 0 10 1 4 0 1 -- 0 --"),
            Lines({"lg0", "ly", "lc8", "lt7", "ci 100 50  5 0 0", "ly", "lc4", "lt3", "100 55.5 100 44.5",
                   "94.5 50 105.5 50", "ly0", "lc6", "lt5"}));
}

// Point 1 and point 2 of the four directions: down, up, left (picked
// slanted: any x difference gives a horizontal hole), right.
const char* const kDown[] = {"0 0", "0 -50"};
const char* const kUp[] = {"10 20", "10 80"};
const char* const kLeft[] = {"100 0", "40 3"};
const char* const kRight[] = {"0 5", "60 5"};

std::string Section(const char* const (&points)[2]) { return Exchange("0", Picks(points[0], points[1])); }

TEST_F(HoleRun, BlindHolesInSection) {
  // Diameter 10, thread depth 12, 5 deeper drilled: D = 17. Drilled:
  // T = 17 + 5/√3 = 19.8867513459481. Tapped (M10): the hole 8.5 across,
  // T = 17 + 4.25/√3 = 19.4537386440559, the thread ends at
  // E = 12 - 0.75/√3 = 11.5669872981078.
  const std::string drilled = "2 1 4 1 3 5 0.5 12 5 0 10 5 0 0 4 -- -- --";
  const std::string tapped = "2 1 4 1 3 5 0.5 12 5 0 M10 5 0 0 4 -- -- --";
  const std::vector<Case> cases = {
      {"drilled, down", Section(kDown), drilled,
       Drawing("0",
               {"5 0 5 -17", "-5 0 -5 -17", "-5 -17 5 -17", "-5 -17 0 -19.8867513459481",
                "5 -17 0 -19.8867513459481"},
               {"0 0.5 0 -20.3867513459481"}, {})},
      {"drilled, up", Section(kUp), drilled,
       Drawing("0",
               {"15 20 15 37", "5 20 5 37", "5 37 15 37", "5 37 10 39.8867513459481",
                "15 37 10 39.8867513459481"},
               {"10 19.5 10 40.3867513459481"}, {})},
      {"drilled, left", Section(kLeft), drilled,
       Drawing("0",
               {"100 5 83 5", "100 -5 83 -5", "83 5 83 -5", "83 5 80.1132486540519 0",
                "83 -5 80.1132486540519 0"},
               {"100.5 0 79.6132486540519 0"}, {})},
      {"drilled, right", Section(kRight), drilled,
       Drawing("0",
               {"0 10 17 10", "0 0 17 0", "17 10 17 0", "17 10 19.8867513459481 5",
                "17 0 19.8867513459481 5"},
               {"-0.5 5 20.3867513459481 5"}, {})},
      {"tapped, down", Section(kDown), tapped,
       Drawing("0",
               {"4.25 0 4.25 -17", "-4.25 0 -4.25 -17", "-4.25 -17 4.25 -17", "-4.25 -17 0 -19.4537386440559",
                "4.25 -17 0 -19.4537386440559"},
               {"0 0.5 0 -19.9537386440559"},
               {"-5 0 -5 -11.5669872981078", "5 0 5 -11.5669872981078", "-5 -11.5669872981078 -4.25 -12",
                "5 -11.5669872981078 4.25 -12", "-4.25 -12 4.25 -12",
                "-5 -11.5669872981078 5 -11.5669872981078"})},
      {"tapped, up", Section(kUp), tapped,
       Drawing("0",
               {"14.25 20 14.25 37", "5.75 20 5.75 37", "5.75 37 14.25 37", "5.75 37 10 39.4537386440559",
                "14.25 37 10 39.4537386440559"},
               {"10 19.5 10 39.9537386440559"},
               {"5 20 5 31.5669872981078", "15 20 15 31.5669872981078", "5 31.5669872981078 5.75 32",
                "15 31.5669872981078 14.25 32", "5.75 32 14.25 32",
                "5 31.5669872981078 15 31.5669872981078"})},
      {"tapped, left", Section(kLeft), tapped,
       Drawing("0",
               {"100 4.25 83 4.25", "100 -4.25 83 -4.25", "83 4.25 83 -4.25", "83 4.25 80.5462613559441 0",
                "83 -4.25 80.5462613559441 0"},
               {"100.5 0 80.0462613559441 0"},
               {"100 5 88.4330127018922 5", "100 -5 88.4330127018922 -5", "88.4330127018922 5 88 4.25",
                "88.4330127018922 -5 88 -4.25", "88 4.25 88 -4.25",
                "88.4330127018922 5 88.4330127018922 -5"})},
      {"tapped, right", Section(kRight), tapped,
       Drawing("0",
               {"0 9.25 17 9.25", "0 0.75 17 0.75", "17 9.25 17 0.75", "17 9.25 19.4537386440559 5",
                "17 0.75 19.4537386440559 5"},
               {"-0.5 5 19.9537386440559 5"},
               {"0 10 11.5669872981078 10", "0 0 11.5669872981078 0", "11.5669872981078 10 12 9.25",
                "11.5669872981078 0 12 0.75", "12 9.25 12 0.75",
                "11.5669872981078 10 11.5669872981078 0"})},
  };
  ExpectAll(cases);
}

TEST_F(HoleRun, ThroughHolesInSection) {
  // No depths given: the window writes kind 6 and the hole runs to the level
  // of point 2 (50 down, 60 in the other directions), without bottom.
  const std::string drilled = "2 1 4 1 3 5 0.5 0 0 0 10 5 0 0 6 -- -- --";
  const std::string tapped = "2 1 4 1 3 5 0.5 0 0 0 M10 5 0 0 6 -- -- --";
  const std::vector<Case> cases = {
      {"drilled, down", Section(kDown), drilled, Drawing("0", {"5 0 5 -50", "-5 0 -5 -50"}, {"0 0.5 0 -50.5"}, {})},
      {"drilled, up", Section(kUp), drilled, Drawing("0", {"15 20 15 80", "5 20 5 80"}, {"10 19.5 10 80.5"}, {})},
      {"drilled, left", Section(kLeft), drilled,
       Drawing("0", {"100 5 40 5", "100 -5 40 -5"}, {"100.5 0 39.5 0"}, {})},
      {"drilled, right", Section(kRight), drilled, Drawing("0", {"0 10 60 10", "0 0 60 0"}, {"-0.5 5 60.5 5"}, {})},
      {"tapped, down", Section(kDown), tapped,
       Drawing("0", {"4.25 0 4.25 -50", "-4.25 0 -4.25 -50"}, {"0 0.5 0 -50.5"}, {"-5 0 -5 -50", "5 0 5 -50"})},
      {"tapped, up", Section(kUp), tapped,
       Drawing("0", {"14.25 20 14.25 80", "5.75 20 5.75 80"}, {"10 19.5 10 80.5"}, {"5 20 5 80", "15 20 15 80"})},
      {"tapped, left", Section(kLeft), tapped,
       Drawing("0", {"100 4.25 40 4.25", "100 -4.25 40 -4.25"}, {"100.5 0 39.5 0"},
               {"100 5 40 5", "100 -5 40 -5"})},
      {"tapped, right", Section(kRight), tapped,
       Drawing("0", {"0 9.25 60 9.25", "0 0.75 60 0.75"}, {"-0.5 5 60.5 5"}, {"0 10 60 10", "0 0 60 0"})},
  };
  ExpectAll(cases);
}

TEST_F(HoleRun, SteppedHolesAndTheCross) {
  // Large diameter 20, small 11, step depth 8 (the window's third layout).
  const std::string stepped = "2 1 4 1 3 5 0.5 20 11 8 20 5 11 0 8 -- -- --";
  // The window never writes kind 3; the cross takes its line with field 14
  // set to 3, and ignores fields 7 to 13 and the picks.
  const std::string circles = "ci 10 20 5\r\nci -3 4 12.5\r\nci 0 0 7 0 180\r\nci 1 1 -30\r\n";
  const std::vector<Case> cases = {
      {"stepped, down", Exchange("0", Picks("0 0", "0 -30")), stepped,
       Drawing("0", {"10 0 10 -8", "-10 0 -10 -8", "5.5 -8 5.5 -30", "-5.5 -8 -5.5 -30", "-10 -8 10 -8"},
               {"0 0.5 0 -30.5"}, {})},
      {"stepped, towards larger x from slanted picks", Exchange("0", Picks("10 10", "50 12")), stepped,
       Drawing("0", {"10 20 18 20", "10 0 18 0", "18 15.5 50 15.5", "18 4.5 50 4.5", "18 20 18 0"},
               {"9.5 10 50.5 10"}, {})},
      {"cross over the largest of several circles", Exchange("0", circles),
       "2 1 4 1 3 5 0.5 30 30 0 10 5 4 0 3 -- -- --", Drawing("0", {}, {"0 13 0 -13", "-13 0 13 0"}, {})},
      {"cross: sizes that are no numbers and no picks do no harm", Exchange("0", circles + "hp1-  5 5\r\n"),
       "2 1 4 1 3 5 0.5 x - - Mm 五 - - 3 -- -- --", Drawing("0", {}, {"0 13 0 -13", "-13 0 13 0"}, {})},
      {"cross without a circle", Exchange("0", ""), "2 1 4 1 3 5 0.5 30 30 0 10 5 4 0 3 -- -- --",
       Drawing("0", {}, {"0 0.5 0 -0.5", "-0.5 0 0.5 0"}, {})},
  };
  ExpectAll(cases);
}

TEST_F(HoleRun, HostItemsInTheirOtherForms) {
  // Later items of a key replace earlier ones (the group chooses the scale),
  // the "-" form of point 1 is no point of this tool, quotes are dropped.
  const std::string exchange = "lg0\r\nly9\r\n" + std::string(kScales) +
                               "hp1   1 1\r\n\"hp1   100 50\"\r\nhp1-  7 7\r\nhq 5\r\nlg2\r\nly3\r\n";
  EXPECT_EQ(Draw(exchange, "2 1 4 1 3 5 0.5 0 0 0 10 1 4 0 1 -- -- --"),
            Drawing("2", {"ci 100 50  5 0 0"}, {"100 55.5 100 44.5", "94.5 50 105.5 50"}, {}));
  // Without an "hs" item the drawing is the same.
  EXPECT_EQ(Draw("lg2\r\nly3\r\nhp1   100 50\r\n", "2 1 4 1 3 5 0.5 0 0 0 10 1 4 0 1 -- -- --"),
            Drawing("2", {"ci 100 50  5 0 0"}, {"100 55.5 100 44.5", "94.5 50 105.5 50"}, {}));
  // The tool uses no text size of the host, and a plan view never reads
  // point 2: neither does harm when malformed.
  EXPECT_EQ(Draw(Exchange("0", "hcw x\r\nhcd\r\nhch 1 y\r\nhp2 9\r\n" + Picks("100 50")),
                 "2 1 4 1 3 5 0.5 0 0 0 10 1 4 0 1 -- -- --"),
            Drawing("0", {"ci 100 50  5 0 0"}, {"100 55.5 100 44.5", "94.5 50 105.5 50"}, {}));
  // A hundred items still fit.
  const std::string full = FilledTo(Exchange("0", Picks("100 50")), 100);
  EXPECT_EQ(Draw(full, "2 1 4 1 3 5 0.5 0 0 0 10 1 4 0 1 -- -- --"),
            Drawing("0", {"ci 100 50  5 0 0"}, {"100 55.5 100 44.5", "94.5 50 105.5 50"}, {}));
  // A circle item counts by its radius alone, in a plan view as well.
  EXPECT_EQ(Draw(Exchange("0", "ci x y 5\r\n" + Picks("100 50")), "2 1 4 1 3 5 0.5 0 0 0 10 1 4 0 1 -- -- --"),
            Drawing("0", {"ci 100 50  5 0 0"}, {"100 55.5 100 44.5", "94.5 50 105.5 50"}, {}));
}

TEST_F(HoleRun, ValuesThatWouldNotBeWrittenDoNoHarm) {
  // 10,000.5 holes are the 10,000 of a full row: the last one at x 9999.
  const std::string out = Draw(Exchange("0", Picks("0 0")), "2 1 4 1 3 5 0.5 0 0 0 1 10000.5 1 0 1 -- -- --");
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 10 + 10000 + 20000 + 1);
  EXPECT_NE(out.find("\r\nci 9999 0  0.5 0 0\r\nly3\r\n"), std::string::npos);
}

TEST_F(HoleRun, EveryFailureLeavesTheExchangeFileAsTheHostWroteIt) {
  const std::string plan = "2 1 4 1 3 5 0.5 30 20 0 6 2 15 0 1 -- -- --\r\n";
  const std::string section = "2 1 4 1 3 5 0.5 12 5 0 M10 5 0 0 4 -- -- --\r\n";
  const std::string stepped = "2 1 4 1 3 5 0.5 20 11 8 20 5 11 0 8 -- -- --\r\n";
  const std::string cross = "2 1 4 1 3 5 0.5 30 30 0 10 5 4 0 3 -- -- --\r\n";
  const std::string good = Exchange("0", Picks("0 0", "0 -50"));
  const std::string onePoint = Exchange("0", Picks("0 0"));
  auto with = [&](const std::string& from, const std::string& to) { return Replaced(good, from, to); };
  const std::string tooMany = FilledTo(good, 101);
  const std::vector<FailureCase> failures = {
      {"one command-line word", "the command line has no word 1 (it has 1); usage: MOKRAVR EXCHANGE-FILE mokrav4.jyd", good, plan, "jwc_temp.txt"},
      {"no parameter file", "the parameter file: cannot open mokrav9.jyd", good, plan, "jwc_temp.txt mokrav9.jyd"},
      {"no exchange file", "the exchange file: cannot open nofile.txt", good, plan, "nofile.txt mokrav4.jyd"},
      {"more than 100 items", "the exchange file holds more than 100 items", tooMany, plan, ""},
      {"a parameter line of 17 fields", "the parameter line has no field 17",
       good, "2 1 4 1 3 5 0.5 30 20 0 6 2 15 0 1 -- --\r\n", ""},
      {"an overshoot that is no number", "the centre-line overshoot (field 6) \"x\" is not a number",
       good, "2 1 4 1 3 5 x 30 30 0 10 5 4 0 3 -- -- --\r\n", ""},
      {"a hole kind that is no number", "the hole kind (field 14) \"-\" is not a number",
       good, "2 1 4 1 3 5 0.5 30 20 0 6 2 15 0 - -- -- --\r\n", ""},
      {"pitch X no number", "the horizontal dimension (field 7) \"x\" is not a number",
       good, "2 1 4 1 3 5 0.5 x 20 0 6 2 15 0 1 -- -- --\r\n", ""},
      {"pitch Y empty", "the vertical dimension (field 8) \"\" is not a number",
       good, "2 1 4 1 3 5 0.5 30  0 6 2 15 0 1 -- -- --\r\n", ""},
      {"an empty pattern", "the pattern (field 9) \"\" is not a number",
       good, "2 1 4 1 3 5 0.5 30 20  6 2 15 0 1 -- -- --\r\n", ""},
      {"a hole count \"-\"", "the hole count (field 11) \"-\" is not a number",
       good, "2 1 4 1 3 5 0.5 30 20 0 6 - 15 0 1 -- -- --\r\n", ""},
      {"an empty row pitch", "the row pitch (field 12) \"\" is not a number",
       good, "2 1 4 1 3 5 0.5 30 30 0 10 5  0 1 -- -- --\r\n", ""},
      {"an arrangement \"-\"", "the row arrangement (field 13) \"-\" is not a number",
       good, "2 1 4 1 3 5 0.5 30 20 0 6 2 15 - 1 -- -- --\r\n", ""},
      {"a size field no number in a section", "the row arrangement (field 13) \"x\" is not a number",
       good, "2 1 4 1 3 5 0.5 12 5 0 M10 5 0 x 4 -- -- --\r\n", ""},
      {"a circle item without radius, in a plan", "the circle item \"ci 1 2\" lacks its radius",
       with("hp1", "ci 1 2\r\nhp1"), plan, ""},
      {"a circle radius that is no number, in a cross",
       "the radius of the circle item \"ci 1 2 r\" \"r\" is not a number",
       with("hp1", "ci 1 2 r\r\nhp1"), cross, ""},
      {"an upper-case layer group", "the current layer group \"A\"", with("lg0", "lgA"), plan, ""},
      {"an \"lg\" item without its character", "the current layer group \"g\"", with("lg0", "lg"), cross, ""},
      {"a scale item too short for the group", "the host's scale item lists no scale for layer group 15",
       with("lg0", "lgf") + "hs 1 2\r\n", plan, ""},
      {"a scale that is no number", "the scale of layer group 0 \"y\" is not a number",
       with("hs 1 1", "hs y 1"), cross, ""},
      {"a scale that is no number, in a plan view", "the scale of layer group 0 \"y\" is not a number",
       with("hs 1 1", "hs y 1"), plan, ""},
      {"point 1 only in its \"-\" form", "point 1 was picked with the \"-\" mark, which it must not have",
       with("hp1   0 0", "hp1-  0 0"), plan, ""},
      {"point 1 with four blanks", "the x of point 1 \"\" is not a number", with("hp1   0 0", "hp1    0 0"), plan, ""},
      {"point 1 without its y", "point 1 \"hp1   0\" lacks its y coordinate",
       with("hp1   0 0", "hp1   0"), section, ""},
      {"no point 2 in a section", "point 2 was not picked", onePoint, section, ""},
      {"no point 2 in a stepped hole", "point 2 was not picked", onePoint, stepped, ""},
      {"a coordinate of point 2 that is no number", "the y of point 2 \"y\" is not a number",
       with("0 -50", "0 y"), stepped, ""},
      {"an empty hole size", "the hole size \"\" without its thread prefix \"\" is not a number",
       good, "2 1 4 1 3 5 0.5 30 20 0  2 15 0 1 -- -- --\r\n", ""},
      {"a thread prefix alone", "the hole size \"M\" without its thread prefix \"\" is not a number",
       good, "2 1 4 1 3 5 0.5 30 20 0 M 2 15 0 1 -- -- --\r\n", ""},
      {"\"M\" before \"m\" in a plan", "the hole size \"Mm6\" without its thread prefix \"m6\" is not a number",
       good, "2 1 4 1 3 5 0.5 30 20 0 Mm6 2 15 0 1 -- -- --\r\n", ""},
      {"\"M\" before \"m\" in a section", "the hole size \"Mm10\" without its thread prefix \"m10\" is not a number",
       good, "2 1 4 1 3 5 0.5 12 5 0 Mm10 5 0 0 4 -- -- --\r\n", ""},
      {"a thread with its pitch", "the hole size \"M10x1.25\" without its thread prefix \"10x1.25\" is not a number",
       good, "2 1 4 1 3 5 0.5 12 5 0 M10x1.25 5 0 0 4 -- -- --\r\n", ""},
      {"a row of 10,001 holes", "a row of 10001 holes is more than the 10000 a row may hold",
       good, "2 1 4 1 3 5 0.5 30 20 0 6 10001 15 0 1 -- -- --\r\n", ""},
      {"a row of 2^53 holes", "a row of 9.00719925474099E+15 holes is more than the 10000 a row may hold",
       good, "2 1 4 1 3 5 0.5 30 20 0 6 9007199254740992 15 0 1 -- -- --\r\n", ""},
      {"a section beyond the largest number", "a coordinate came out as no number",
       Exchange("0", Picks("0 1e308", "0 -1e308")),
       "2 1 4 1 3 5 0.5 0 0 0 10 5 0 0 6 -- -- --\r\n", ""},
  };
  ExpectFailures(failures);
}

}  // namespace
