// MOKRAVG run as the host runs it: an exchange file and "mokrav3.jyd" in the
// current folder, the command line "<exchange file> <direction> 0 0 mokrav3.jyd".
// Every expected drawing output below was worked out by hand.
#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "exchange/params/geomtol.h"
#include "exchange/testing/tool_run_test.h"

using namespace exchange::test;

namespace {

// Text types 1 to 10. Type 4 (the datum letter): W = 3.5, H = 5; type 2:
// H = 2; type 3: H = 3. Scales of groups 0 to 15: group 0 has 1, group 2
// has 2, group "a" 0.5.
const char* const kSizes =
    "hcw 1 2 2.5 3.5 4 5 6 7 8 9\r\n"
    "hcd 0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1\r\n"
    "hch 1.5 2 3 5 5 6 7 8 9 10\r\n";
const char* const kScales = "hs 1 1 2 1 1 1 1 1 1 1 0.5 1 1 1 1 1\r\n";

// An exchange file as the host writes it: current layer 3, the group, the
// sizes and scales, then the point items as given.
std::string Host(const std::string& group, const std::vector<std::string>& points) {
  std::string s = "hd\r\nly3\r\nlg" + group + "\r\n" + kSizes + kScales;
  for (const auto& p : points) s += p + "\r\n";
  return s;
}

// The parameter line of the window's defaults, limits 0.02 and -0.01.
const char* const kLimits = "4 2 2 4 1 2 A - 0.02 -0.01 0 -- -- 3 15";

// The host's command line with the direction word.
std::string Args(const std::string& direction) { return "jwc_temp.txt " + direction + " 0 0 mokrav3.jyd"; }

// n unset slots.
std::vector<std::string> Empty(std::size_t n) { return std::vector<std::string>(n); }

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// One run and the whole drawing output it must write.
struct Case {
  const char* name;
  std::string exchange;
  std::string params;
  std::string direction;
  std::vector<std::string> output;
};

class GeomTolRun : public ToolRunTest {
 protected:
  GeomTolRun() : ToolRunTest({MOKRAVG_PATH, "MOKRAVG", paramfile::geomtol::kFileName, Args("0")}) {}

  void ExpectCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      ExpectDraws(c.exchange, c.params, c.output, Args(c.direction));
    }
  }
};

const std::string E = "";  // an unset slot

}  // namespace

TEST_F(GeomTolRun, ToleranceFramesOnLeadersOfOneTwoAndThreeSegments) {
  const std::vector<Case> cases = {
      {"one segment to the right, limits, scale 2", Host("2", {"hp1-  10 20", "hp2-  50 30"}), kLimits, "0",
       {"lg2", "ly3", "lt1", "lc4", "10 20 50 20", E, E, "50 28 50 12", "114 28 114 12", "50 28 114 28",
        "50 12 114 12", "66 28 66 12", "98 28 98 12", "54 20 62 20", E, E, E, E, E, E,
        "10 20 15.7955549646694 21.5529142447332", "10 20 15.7955549646694 18.4470857552668", "ly3", "cn4",
        "ch 104.25 15 100000000000000 0  \"A", "cn2", E, "cn2", "ch 68 22 100000000000000 0  \"0.02",
        "ch 68 14 100000000000000 0  \"-0.01"}},
      {"one segment to the left ends the frame at its end point; a value in full width",
       Host("0", {"hp1-  100 50", "hp2-  60 80"}), "4 2 2 4 7 1 A 0.05 - - 1 -- -- 3 15", "0",
       {"lg0", "ly3", "lt1", "lc4", "100 50 60 50", E, E, "28 54 28 46", "60 54 60 46", "28 54 60 54",
        "28 46 60 46", "36 54 36 46", "52 54 52 46", "ci 32 50  3", E, E, E, E, E, E,
        "100 50 97.1022225176653 50.7764571223666", "100 50 97.1022225176653 49.2235428776334", "ly3", "cn4",
        "ch 54.25 47.5 100000000000000 0  \"Ａ", "cn2", "ch 37 49 100000000000000 0  \"０．０５", "cn2", E, E}},
      {"two segments up then right; own colour, layers and limit type; arrow 5 at 30",
       Host("2", {"hp1-  10 10", "hp2-  12 40", "hp3-  70 45"}), "4 2 3 5 2 2 B - +0.1 0 0 7 8 5 30", "0",
       {"lg2", "ly7", "lt1", "lc5", "10 10 10 40", "10 40 70 40", E, "70 48 70 32", "134 48 134 32",
        "70 48 134 48", "70 32 134 32", "86 48 86 32", "118 48 118 32", "78 46 82 46", "74 34 78 34",
        "78 46 74 34", "82 46 78 34", E, E, E, "10 10 5.0000000773502 18.6602540825025",
        "10 10 14.9999999226498 18.6602540825025", "ly8", "cn4", "ch 124.25 35 100000000000000 0  \"B", "cn2",
        E, "cn3", "ch 88 41 100000000000000 0  \"+0.1", "ch 88 33 100000000000000 0  \"0"}},
      {"two segments down then left: the frame ends at the leader's end",
       Host("0", {"hp1-  100 100", "hp2-  101 60", "hp3-  40 70"}), "4 2 2 4 3 1 C 0.1 - - 0 -- -- 3 15", "0",
       {"lg0", "ly3", "lt1", "lc4", "100 100 100 60", "100 60 40 60", E, "8 64 8 56", "40 64 40 56",
        "8 64 40 64", "8 56 40 56", "16 64 16 56", "32 64 32 56", E, "12 63 10 57", "14 63 12 57", E, E, E, E,
        "100 100 99.2235428776334 97.1022225176653", "100 100 100.776457122367 97.1022225176653", "ly3", "cn4",
        "ch 35.125 57.5 100000000000000 0  \"C", "cn2", "ch 17 59 100000000000000 0  \"0.1", "cn2", E, E}},
      {"two segments whose second point is level with the first: no barbs",
       Host("0", {"hp1-  0 0", "hp2-  5 0", "hp3-  30 10"}), "4 2 2 4 4 2 A - 0.02 -0.01 0 -- -- 3 15", "0",
       {"lg0", "ly3", "lt1", "lc4", "0 0 0 0", "0 0 30 0", E, "30 4 30 -4", "62 4 62 -4", "30 4 62 4",
        "30 -4 62 -4", "38 4 38 -4", "54 4 54 -4", "32 -3 36 -3", "34 3 34 -3", E, E, E, E, E, E, E, "ly3",
        "cn4", "ch 57.125 -2.5 100000000000000 0  \"A", "cn2", E, "cn2", "ch 39 1 100000000000000 0  \"0.02",
        "ch 39 -3 100000000000000 0  \"-0.01"}},
      {"three segments to the right, group a (scale 0.5), total run-out",
       Host("a", {"hp1-  10 20", "hp2-  30 99", "hp3-  77 60", "hp4-  90 0"}), "4 2 2 4 14 2 A - 0.02 -0.01 0 -- -- 3 15",
       "0",
       {"lga", "ly3", "lt1", "lc4", "10 20 30 20", "30 20 30 60", "30 60 90 60", "90 62 90 58", "106 62 106 58",
        "90 62 106 62", "90 58 106 58", "94 62 94 58", "102 62 102 58", "90.25 59 92.25 61",
        "91.25 60.4225 92.25 61", "91.6675 60 92.25 61", "91.75 59 93.75 61", "92.75 60.4225 93.75 61",
        "93.1725 60 93.75 61", "90.25 59 91.75 59", "10 20 11.4488887411674 20.3882285611833",
        "10 20 11.4488887411674 19.6117714388167", "ly3", "cn4", "ch 103.5625 58.75 100000000000000 0  \"A",
        "cn2", E, "cn2", "ch 94.5 60.5 100000000000000 0  \"0.02", "ch 94.5 58.5 100000000000000 0  \"-0.01"}},
      {"three segments to the left: barbs toward -x, the frame not shifted",
       Host("0", {"hp1-  100 0", "hp2-  80 5", "hp3-  0 30", "hp4-  20 0"}), "4 2 2 4 13 1 D 0.03 - - 0 -- -- 3 15",
       "0",
       {"lg0", "ly3", "lt1", "lc4", "100 0 80 0", "80 0 80 30", "80 30 20 30", "20 34 20 26", "52 34 52 26",
        "20 34 52 34", "20 26 52 26", "28 34 28 26", "44 34 44 26", "22 28 26 32", "24 30.845 26 32",
        "24.845 30 26 32", E, E, E, E, "100 0 97.1022225176653 0.776457122366621",
        "100 0 97.1022225176653 -0.776457122366621", "ly3", "cn4", "ch 47.125 27.5 100000000000000 0  \"D",
        "cn2", "ch 29 29 100000000000000 0  \"0.03", "cn2", E, E}},
      {"a fifth point draws three segments with the barbs toward the second point",
       Host("0", {"hp1-  0 0", "hp2-  10 3", "hp3-  0 20", "hp4-  30 0", "hp5-  1 1"}),
       "4 2 2 4 12 2 A - 0.02 -0.01 0 -- -- 3 15", "0",
       {"lg0", "ly3", "lt1", "lc4", "0 0 10 0", "10 0 10 20", "10 20 30 20", "30 24 30 16", "62 24 62 16",
        "30 24 62 24", "30 16 62 16", "38 24 38 16", "54 24 54 16", "ci 34 18.75  2.5 0 180",
        "31.5 18.75 36.5 18.75", E, E, E, E, E, "0 0 2.89777748233472 0.776457122366621",
        "0 0 2.89777748233472 -0.776457122366621", "ly3", "cn4", "ch 57.125 17.5 100000000000000 0  \"A", "cn2",
        E, "cn2", "ch 39 21 100000000000000 0  \"0.02", "ch 39 17 100000000000000 0  \"-0.01"}},
  };
  ExpectCases(cases);
}

TEST_F(GeomTolRun, EveryCharacteristicSymbolInTheFramesLeftCell) {
  // The frame's reference point at (0, 0), scale 1: the symbol's records are
  // its own points. Texts other than "1" to "14" draw no symbol.
  const std::vector<std::pair<std::string, std::vector<std::string>>> symbols = {
      {"1", {"2 0 6 0"}},
      {"2", {"4 3 6 3", "2 -3 4 -3", "4 3 2 -3", "6 3 4 -3"}},
      {"3", {E, "4 3 2 -3", "6 3 4 -3"}},
      {"4", {"2 -3 6 -3", "4 3 4 -3"}},
      {"5", {"2 -3 6 -3", "2 -3 6 3"}},
      {"6", {"2 0 6 0", "2.5 2 5.5 2", "2.5 -2 5.5 -2"}},
      {"7", {"ci 4 0  3"}},
      {"8", {"ci 4 0  3", "ci 4 0  2.2"}},
      {"9", {"ci 4 0  1", "2 0 6 0", "4 2 4 -2"}},
      {"10", {"ci 4 0  0.958", "4 3 2 -3", "6 3 4 -3"}},
      {"11", {"ci 4 -1.25  2.5 0 180"}},
      {"12", {"ci 4 -1.25  2.5 0 180", "1.5 -1.25 6.5 -1.25"}},
      {"13", {"2 -2 6 2", "4 0.845 6 2", "4.845 0 6 2"}},
      {"14", {"0.5 -2 4.5 2", "2.5 0.845 4.5 2", "3.335 0 4.5 2", "3.5 -2 7.5 2", "5.5 0.845 7.5 2",
              "6.345 0 7.5 2", "0.5 -2 3.5 -2"}},
      {"15", {}},
      {"01", {}},
  };
  const std::string exchange = Host("0", {"hp1-  -40 0", "hp2-  0 7"});
  for (const auto& [value, records] : symbols) {
    SCOPED_TRACE(value);
    std::vector<std::string> slots = records;
    slots.resize(7);
    const auto expected = Join({{"lg0", "ly3", "lt1", "lc4", "-40 0 0 0", E, E, "0 4 0 -4", "32 4 32 -4",
                                 "0 4 32 4", "0 -4 32 -4", "8 4 8 -4", "24 4 24 -4"},
                                slots,
                                {"-40 0 -37.1022225176653 0.776457122366621",
                                 "-40 0 -37.1022225176653 -0.776457122366621", "ly3", "cn4",
                                 "ch 27.125 -2.5 100000000000000 0  \"A", "cn2",
                                 "ch 9 -1 100000000000000 0  \"0.01", "cn2", E, E}});
    EXPECT_EQ(Draw(exchange, "4 2 2 4 " + value + " 1 A 0.01 - - 0 -- -- 3 15", Args("0")),
              Cp932(Lines(expected)));
  }
}

TEST_F(GeomTolRun, DatumIndicatorsOnVerticalAndHorizontalLines) {
  // Between the indicator's lines and the texts: no symbol, no barbs.
  const auto tail = [](const std::string& layer, const std::string& datum) {
    return Join({Empty(10), {"ly" + layer, "cn4", datum, "cn2", E, "cn2", E, E}});
  };
  const char* const kFullWidth = "4 2 2 4 1 2 A - 0.02 -0.01 1 -- -- 3 15";
  const auto boxRight =
      Join({{"lg2", "ly3", "lt1", "lc4", "14 50 30 50", E, "30 58 30 42", "46 58 46 42", "30 58 46 58",
             "30 42 46 42", "lc10 0000000", "sl 14 50 10 47 10 53", "10 47 14 50", "10 53 14 50"},
            tail("3", "ch 34.5 45 10000000000 0  \"Ａ")});
  const std::vector<Case> cases = {
      {"vertical line, box right, scale 2, full width",
       Host("2", {"hp1   10 0", "hp2-  10 50", "hp3-  30 99"}), kFullWidth, "1", boxRight},
      // Point items that are never read do not stop the run, even without
      // the host's blanks.
      {"the same with unused fourth and fifth point items the host did not pad",
       Host("2", {"hp4-5 5", "hp1   10 0", "hp2-  10 50", "hp3-  30 99", "hp5-  7"}), kFullWidth, "1", boxRight},
      {"vertical line picked with word X, box left, own layers, full-width letter drawn half width",
       Host("0", {"hp1   10 50", "hp2-  10 0", "hp3-  -5 7"}), "4 2 2 4 1 2 Ｂ - - - 0 2 5 3 15", "X",
       Join({{"lg0", "ly2", "lt1", "lc4", "8 0 -5 0", E, "-5 4 -5 -4", "-13 4 -13 -4", "-5 4 -13 4",
              "-5 -4 -13 -4", "lc10 0000000", "sl 8 0 10 -1.5 10 1.5", "10 -1.5 8 0", "10 1.5 8 0"},
             tail("5", "ch -9.875 -2.5 1000000000000 0  \"B")})},
      {"horizontal line, box below, scale 2", Host("2", {"hp1   0 10", "hp2-  40 10", "hp3-  99 -20"}), kLimits,
       "1",
       Join({{"lg2", "ly3", "lt1", "lc4", "40 6 40 -20", E, "32 -20 48 -20", "32 -36 48 -36", "32 -20 32 -36",
              "48 -20 48 -36", "lc10 0000000", "sl 37 10 40 6 43 10", "37 10 40 6", "43 10 40 6"},
             tail("3", "ch 38.25 -33 1000000000000 0  \"A")})},
      {"horizontal line picked with word Y, box above, full width",
       Host("0", {"hp1   0 10", "hp2-  40 10", "hp3-  25 30"}), "4 2 2 4 1 2 A - 0.02 -0.01 1 -- -- 3 15", "Y",
       Join({{"lg0", "ly3", "lt1", "lc4", "40 12 40 30", E, "36 30 44 30", "36 38 44 38", "36 30 36 38",
              "44 30 44 38", "lc10 0000000", "sl 38.5 10 40 12 41.5 10", "38.5 10 40 12", "41.5 10 40 12"},
             tail("3", "ch 38.25 31.5 1100000000000 0  \"Ａ")})},
      {"a slanted line with word X draws on the horizontal through the first point",
       Host("0", {"hp1   0 0", "hp2-  40 10", "hp3-  99 -20"}), kLimits, "X",
       Join({{"lg0", "ly3", "lt1", "lc4", "40 -2 40 -20", E, "36 -20 44 -20", "36 -28 44 -28", "36 -20 36 -28",
              "44 -20 44 -28", "lc10 0000000", "sl 38.5 0 40 -2 41.5 0", "38.5 0 40 -2", "41.5 0 40 -2"},
             tail("3", "ch 39.125 -26.5 1000000000000 0  \"A")})},
      {"from a two-segment leader with word Y: on x1 at the leader's corner",
       Host("0", {"hp1-  10 0", "hp2-  11 30", "hp3-  25 40"}), kLimits, "Y",
       Join({{"lg0", "ly3", "lt1", "lc4", "12 30 25 30", E, "25 34 25 26", "33 34 33 26", "25 34 33 34",
              "25 26 33 26", "lc10 0000000", "sl 12 30 10 28.5 10 31.5", "10 28.5 12 30", "10 31.5 12 30"},
             tail("3", "ch 28.125 27.5 10000000000 0  \"A")})},
      {"from a three-segment leader with word X: on y1 at the second point's x",
       Host("0", {"hp1-  0 0", "hp2-  20 5", "hp3-  50 30", "hp4-  60 1"}), kLimits, "X",
       Join({{"lg0", "ly3", "lt1", "lc4", "20 2 20 30", E, "16 30 24 30", "16 38 24 38", "16 30 16 38",
              "24 30 24 38", "lc10 0000000", "sl 18.5 0 20 2 21.5 0", "18.5 0 20 2", "21.5 0 20 2"},
             tail("3", "ch 19.125 31.5 1100000000000 0  \"A")})},
  };
  ExpectCases(cases);
}

TEST_F(GeomTolRun, FullWidthTextsReachTheFileAsCodePage932Bytes) {
  // The full-width letter and value of the value frame above, and the empty
  // marker "-" of a drawn text as the full-width dash, spelled out as bytes.
  const std::string out =
      Draw(Host("0", {"hp1-  100 50", "hp2-  60 80"}), "4 2 2 4 7 1 - 0.05 - - 1 -- -- 3 15", Args("0"));
  EXPECT_NE(out.find("\r\ncn4\r\nch 54.25 47.5 100000000000000 0  \"\x81\x7c\r\ncn2\r\n"
                     "ch 37 49 100000000000000 0  \"\x82\x4f\x81\x44\x82\x4f\x82\x54\r\n"),
            std::string::npos)
      << out;
}

TEST_F(GeomTolRun, HostItemsInTheirOtherForms) {
  const std::vector<std::string> right = {
      "lg2", "ly3", "lt1", "lc4", "10 20 50 20", E, E, "50 28 50 12", "114 28 114 12", "50 28 114 28",
      "50 12 114 12", "66 28 66 12", "98 28 98 12", "54 20 62 20", E, E, E, E, E, E,
      "10 20 15.7955549646694 21.5529142447332", "10 20 15.7955549646694 18.4470857552668", "ly3", "cn4",
      "ch 104.25 15 100000000000000 0  \"A", "cn2", E, "cn2", "ch 68 22 100000000000000 0  \"0.02",
      "ch 68 14 100000000000000 0  \"-0.01"};
  // Any "-" item of point 1 makes a leader, even one a later blank-marked
  // item replaces; the segment count follows the last "-" item of points 2
  // to 5 in file order; a blank-marked point 2 is no key of this tool; a
  // point item never used needs no y; quotes are dropped; later items of a
  // key replace earlier ones.
  const std::string exchange = "lg0\r\nly9\r\n" + std::string(kSizes) + kScales +
                               "\"hp1-  0 0\"\r\nhp1   10 20\r\nhp2   1 1\r\nhp3-  1 1\r\nhp5-  7\r\n"
                               "hp2-  50 30\r\nhq 5\r\nlg2\r\nly3\r\n";
  EXPECT_EQ(Draw(exchange, kLimits, Args("0")), Cp932(Lines(right)));
  // A point item without the host's blanks matters only when its point is
  // read: unused third, fourth and fifth points never stop the run, and a
  // later well-formed item of a point replaces a malformed one.
  for (const auto& points : std::vector<std::vector<std::string>>{
           {"hp1-  10 20", "hp5- 1 1", "hp2-  50 30"},
           {"hp3-1 1", "hp4-   2 2", "hp5-  7", "hp1-  10 20", "hp2-  50 30"},
           {"hp1- 10 20", "hp1-  10 20", "hp2-  50 30 "},
       }) {
    SCOPED_TRACE(points.front());
    EXPECT_EQ(Draw(Host("2", points), kLimits, Args("0")), Cp932(Lines(right)));
  }
  // Of the last point of a three-segment leader only x is read.
  const std::string exchange3 = Host("a", {"hp1-  10 20", "hp2-  30 99", "hp3-  77 60", "hp4-  90"});
  const std::string out = Draw(exchange3, kLimits, Args("0"));
  EXPECT_NE(out.find("\r\n30 60 90 60\r\n90 62 90 58\r\n"), std::string::npos) << out;
}

TEST_F(GeomTolRun, EveryFailureLeavesTheExchangeFileAsTheHostWroteIt) {
  const std::string good = Host("0", {"hp1-  10 20", "hp2-  50 30"});
  const std::string params = std::string(kLimits) + "\r\n";
  const auto with = Replaced;
  auto line = [](const std::string& fields) { return fields + "\r\n"; };
  const std::string tooMany = FilledTo(good, 101);
  const std::string direct = Host("0", {"hp1   10 0", "hp2-  10 50", "hp3-  30 99"});
  const std::vector<FailureCase> failures = {
      {"four command-line words", "the command line has no word 4 (it has 4); usage: MOKRAVG EXCHANGE-FILE DIRECTION X X mokrav3.jyd", good, params, "jwc_temp.txt 0 0 0"},
      {"no parameter file", "the parameter file: cannot open mokrav3.jyd", good, std::nullopt, Args("0")},
      {"no exchange file", "the exchange file: cannot open nofile.txt", good, params, "nofile.txt 0 0 0 mokrav3.jyd"},
      {"more than 100 items", "the exchange file holds more than 100 items", tooMany, params, Args("0")},
      {"a parameter line of 14 fields", "the parameter line has no field 14",
       good, line("4 2 2 4 1 2 A - 0.02 -0.01 0 -- -- 3"), Args("0")},
      {"a full-width flag that is no number", "the full-width field (field 10) \"-\" is not a number",
       good, line("4 2 2 4 1 2 A - 0.02 -0.01 - -- -- 3 15"), Args("0")},
      {"an arrow length that is no number", "the arrow length (field 13) \"x\" is not a number",
       good, line("4 2 2 4 1 2 A - 0.02 -0.01 0 -- -- x 15"), Args("0")},
      {"an arrow angle that is no number", "the arrow angle (field 14) \"a\" is not a number",
       good, line("4 2 2 4 1 2 A - 0.02 -0.01 0 -- -- 3 a"), Args("0")},
      {"a value text type that is no number", "the text type \"x\" is not a number",
       good, line("4 x 2 4 1 2 A - 0.02 -0.01 0 -- -- 3 15"), Args("0")},
      {"a limit text type beyond the host's list", "the host's item \"hcw\" lists no text type 11",
       good, line("4 2 11 4 1 2 A - 0.02 -0.01 0 -- -- 3 15"),
       Args("0")},
      {"an upper-case layer group", "the current layer group \"A\"", with(good, "lg0", "lgA"), params, Args("0")},
      {"a scale item too short for the group", "the host's scale item lists no scale for layer group 15",
       with(with(good, "lg0", "lgf"), kScales, "hs 1 2\r\n"), params,
       Args("0")},
      {"a scale that overflows the drawing", "a coordinate came out as no number",
       with(good, "hs 1 1", "hs 1e308 1"), params, Args("0")},
      {"a leader without its second point", "point 2 was not picked", Host("0", {"hp1-  10 20"}), params, Args("0")},
      {"three segments without the third point", "point 3 was not picked",
       Host("0", {"hp1-  10 20", "hp2-  50 30", "hp4-  60 0"}), params,
       Args("0")},
      {"a fifth point without the fourth", "point 4 was not picked",
       Host("0", {"hp1-  10 20", "hp2-  50 30", "hp3-  50 40", "hp5-  60 0"}),
       params, Args("0")},
      {"the second point without its y", "point 2 \"hp2-  50\" lacks its y coordinate",
       with(good, "hp2-  50 30", "hp2-  50"), params, Args("0")},
      {"a coordinate that is no number", "the y of point 2 \"y\" is not a number",
       with(good, "hp2-  50 30", "hp2-  50 y"), params, Args("0")},
      {"the first point with four blanks", "point 1 \"hp1-    10 20\" lacks its y coordinate",
       with(good, "hp1-  10 20", "hp1-    10 20"), params, Args("0")},
      {"the second point's last item without the host's blanks",
       "point 2 \"hp2- 50 30\" does not have its coordinates where expected",
       with(good, "hp2-  50 30", "hp2-  50 30\r\nhp2- 50 30"), params, Args("0")},
      {"the fourth point of three segments without the host's blanks",
       "point 4 \"hp4-60 0\" does not have its coordinates where expected",
       Host("0", {"hp1-  10 20", "hp2-  50 30", "hp3-  50 40", "hp4-60 0"}), params, Args("0")},
      {"a direct pick whose third point lacks the host's blanks", "the x of point 3 \"\" is not a number",
       Host("0", {"hp1   10 0", "hp2-  10 50", "hp3-   30 99"}), params, Args("1")},
      {"a direct pick without its third point", "point 3 was not picked",
       Host("0", {"hp1   10 0", "hp2-  10 50"}), params, Args("1")},
      {"a tolerance frame without a leader (word 0)",
       "the tolerance frame needs a leader: point 1 was not picked with the \"-\" mark",
       direct, params, Args("0")},
      {"a tolerance frame without a leader (a slanted line)",
       "the tolerance frame needs a leader: point 1 was not picked with the \"-\" mark",
       Host("0", {"hp1   0 0", "hp2-  40 10", "hp3-  9 9"}),
       params, Args("1")},
      {"a datum indicator from a one-segment leader",
       "a one-segment leader gives no third point, which the datum indicator needs for its box",
       Host("0", {"hp1-  10 20", "hp3-  9 9", "hp2-  50 30"}),
       params, Args("X")},
  };
  ExpectFailures(failures);
}
