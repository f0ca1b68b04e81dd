// MOKRAVF run as the host runs it: an exchange file and "mokrav2.jyd" in the
// current folder, the command line "<exchange file> <n> <n> mokrav2.jyd".
// Every expected drawing output below was worked out by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/params/finish.h"
#include "exchange/testing/tool_run_test.h"

using namespace exchange::test;

namespace {

// Text types 1 to 10; the tests use type 3: W = 3, D = 0.5, CH = 2.5.
// Scales of groups 0 to 15: group 0 has 1, group 2 has 2, group "a" 0.5.
const char* const kSizes =
    "hcw 1 2 3 4 5 6 7 8 9 10\r\n"
    "hcd 0.1 0.2 0.5 0.4 0.5 0.6 0.7 0.8 0.9 1\r\n"
    "hch 1 2 2.5 4 5 6 7 8 9 10\r\n";
const char* const kScales = "hs 1 1 2 1 1 1 1 1 1 1 0.5 1 1 1 1 1\r\n";

// An exchange file as the host writes it, for the group and the three
// points given as "x y" texts (all blank-marked).
std::string Exchange(const std::string& group, const std::string& p1, const std::string& p2,
                     const std::string& p3) {
  return "hd\r\nly3\r\nlg" + group + "\r\n" + kSizes + kScales + "hp1   " + p1 + "\r\nhp2   " + p2 +
         "\r\nhp3   " + p3 + "\r\n";
}

class FinishRun : public ToolRunTest {
 protected:
  FinishRun()
      : ToolRunTest({MOKRAVF_PATH, "MOKRAVF", paramfile::finish::kFileName,
                     "jwc_temp.txt 1 2 mokrav2.jyd"}) {}
};

const std::string E = "";  // an unset slot

TEST_F(FinishRun, EveryKindOnEverySide) {
  const std::string vert1 = "10 0", vert2 = "10 50", right = "16 20", left = "4 20";
  const std::string hor1 = "0 0", hor2 = "30 0", above = "12 5", below = "12 -5";
  const std::vector<DrawCase> cases = {
      {"wave right of a vertical line, scale 2, text layer 5",
       Exchange("2", vert1, vert2, right), "3 4 1 0 0 - - - - -- 5",
       {"lg2", "ly3", "lt1", "lc4", "ci 13 17.4  3  119.9663 270", "ci 10 22.6  3  299.9663 90", E,
        E, E, E, E, E, E, "ly5", "cn3", E, E, E, E, E}},
      {"wave left of a vertical line, scale 1",
       Exchange("0", vert1, vert2, left), "3 4 1 0 0 - - - - -- --",
       {"lg0", "ly3", "lt1", "lc4", "ci 10 18.7  1.5  119.9663 270", "ci 8.5 21.3  1.5  299.9663 90",
        E, E, E, E, E, E, E, "ly3", "cn3", E, E, E, E, E}},
      {"wave above a horizontal line", Exchange("2", hor1, hor2, above), "3 4 1 0 0 - - - - -- --",
       {"lg2", "ly3", "lt1", "lc4", "ci 9.4 0  3  29.9663 180", "ci 14.6 3  3  209.9663 360", E, E,
        E, E, E, E, E, "ly3", "cn3", E, E, E, E, E}},
      {"wave below a horizontal line", Exchange("2", hor1, hor2, below), "3 4 1 0 0 - - - - -- --",
       {"lg2", "ly3", "lt1", "lc4", "ci 9.4 -3  3  29.9663 180", "ci 14.6 0  3  209.9663 360", E, E,
        E, E, E, E, E, "ly3", "cn3", E, E, E, E, E}},
      {"one triangle with a half-width G, right", Exchange("2", vert1, vert2, right),
       "3 4 2 1 0 - - - - -- --",
       {"lg2", "ly3", "lt1", "lc4", "10 20 15.196 17", "10 20 15.196 23", "15.196 17 15.196 23", E, E,
        E, E, E, E, "ly3", "cn3", "ch 20.2 18.5 0 10000000000000000 \"G", E, E, E, E}},
      {"one triangle with a G above a horizontal line, scale 1", Exchange("0", hor1, hor2, above),
       "3 4 2 1 0 - - - - -- --",
       {"lg0", "ly3", "lt1", "lc4", "12 0 10.5 2.598", "12 0 13.5 2.598", "10.5 2.598 13.5 2.598", E,
        E, E, E, E, E, "ly3", "cn3", "ch 11.25 2.6 10000000000000 0 \"G", E, E, E, E}},
      {"two triangles with a full-width G, left, scale 1", Exchange("0", vert1, vert2, left),
       "3 4 3 1 1 - - - - -- --",
       {"lg0", "ly3", "lt1", "lc4", "10 18.5 7.402 20", "10 18.5 7.402 17", "10 21.5 7.402 20",
        "10 21.5 7.402 23", "7.402 17 7.402 23", E, E, E, E, "ly3", "cn3",
        "ch 7.4 19.25 0 100000000000000000 \"Ｇ", E, E, E, E}},
      {"two triangles without G but with a process code: placed as the letter",
       Exchange("0", vert1, vert2, right), "3 4 3 0 0 GE - - - -- --",
       {"lg0", "ly3", "lt1", "lc4", "10 18.5 12.598 20", "10 18.5 12.598 17", "10 21.5 12.598 20",
        "10 21.5 12.598 23", "12.598 17 12.598 23", E, E, E, E, "ly3", "cn3",
        "ch 15.1 18.625 0 1000000000000000000 \"GE", E, E, E, E}},
      {"three triangles without G, above", Exchange("2", hor1, hor2, above), "3 4 4 0 0 - - - - -- --",
       {"lg2", "ly3", "lt1", "lc4", "12 0 9 5.196", "12 0 15 5.196", "6 0 9 5.196", "6 0 3 5.196",
        "18 0 15 5.196", "18 0 21 5.196", "3 5.196 21 5.196", E, E, "ly3", "cn3", E, E, E, E, E}},
      {"four triangles with G, below, own layers", Exchange("2", hor1, hor2, below),
       "3 7 5 1 0 - - - - 2 6",
       {"lg2", "ly2", "lt1", "lc7", "9 0 12 -5.196", "9 0 6 -5.196", "15 0 12 -5.196",
        "15 0 18 -5.196", "0 -5.196 24 -5.196", "3 0 6 -5.196", "3 0 0 -5.196", "21 0 18 -5.196",
        "21 0 24 -5.196", "ly6", "cn3", "ch 10.5 -10.2 1000000000000000 0 \"G", E, E, E, E}},
      {"open V, full-width texts, right", Exchange("2", vert1, vert2, right),
       "3 4 6 0 1 GE - 3.2 6.4 -- --",
       {"lg2", "ly3", "lt1", "lc4", "10 20 18 15.4", "10 20 27.332 30", "27.332 30 27.332 43", E, E,
        E, E, E, E, "ly3", "cn3", E, "ch 27.332 30 0 1000000000000000000 \"ＧＥ", E,
        "ch 23 4 0 1000000000000000000 \"６．４", "ch 28 4 0 10000000000000000 \"３．２"}},
      {"closed V, texts as typed, left, scale 1", Exchange("0", vert1, vert2, left),
       "3 4 7 0 0 GE Ra6.3 3.2 6.4 -- --",
       {"lg0", "ly3", "lt1", "lc4", "10 20 6 17.7", "10 20 1.334 25", "1.334 25 1.334 33",
        "6 17.7 6 22.3", E, E, E, E, E, "ly3", "cn3", E,
        "ch 1.334 25 0 10000000000000000000 \"GE", "ch 3.834 25 0 10000000000000000000 \"Ra6.3",
        "ch 6 17.5 0 10000000000000000 \"3.2", "ch 3.5 17.5 0 1000000000000000 \"6.4"}},
      {"V with circle, only texts 2 and 3, full width, above", Exchange("2", hor1, hor2, above),
       "3 4 8 0 1 - Rmax=0.4 1.6 - -- --",
       {"lg2", "ly3", "lt1", "lc4", "12 0 7.4 8", "12 0 22 17.332", "22 17.332 77 17.332",
        "ci 12 5.332  2.668  0 0", E, E, E, E, E, "ly3", "cn3", E, E,
        "ch 22 12.332 1000000000000000 0 \"Ｒｍａｘ＝０．４", "ch -4 8 100000000000000000 0 \"１．６", E}},
      {"kind 9 draws as the open V, kanji text as typed, below, scale 1",
       Exchange("0", hor1, hor2, below), "3 4 9 0 0 研削 Ra6.3 3.2 12.5 -- --",
       {"lg0", "ly3", "lt1", "lc4", "12 0 9.7 -4", "12 0 17 -8.666", "17 -8.666 25 -8.666", E, E, E,
        E, E, E, "ly3", "cn3", E, "ch 17 -8.666 1000000000000000 0 \"研削",
        "ch 17 -11.166 1000000000000000 0 \"Ra6.3", "ch 7.75 -6.5 100000000000000 0 \"12.5",
        "ch 9.5 -9 100000000000000 0 \"3.2"}},
      {"kind 0 draws nothing but writes every line, group a",
       Exchange("a", vert1, vert2, right), "3 4 0 1 0 - - - - -- --",
       {"lga", "ly3", "lt1", "lc4", E, E, E, E, E, E, E, E, E, "ly3", "cn3", E, E, E, E, E}},
  };
  // The parameter file and the exchange file are code page 932; so is the
  // output, compared byte for byte.
  ExpectDrawings(cases);
}

TEST_F(FinishRun, FullWidthTextsReachTheFileAsCodePage932Bytes) {
  // The open V of the table above, with its file bytes spelled out.
  const std::string out = Draw(Exchange("2", "10 0", "10 50", "16 20"), "3 4 6 0 1 GE - 3.2 6.4 -- --");
  const std::string expected =
      "lg2\r\nly3\r\nlt1\r\nlc4\r\n10 20 18 15.4\r\n10 20 27.332 30\r\n27.332 30 27.332 43\r\n"
      "\r\n\r\n\r\n\r\n\r\n\r\nly3\r\ncn3\r\n\r\n"
      "ch 27.332 30 0 1000000000000000000 \"\x82\x66\x82\x64\r\n\r\n"
      "ch 23 4 0 1000000000000000000 \"\x82\x55\x81\x44\x82\x53\r\n"
      "ch 28 4 0 10000000000000000 \"\x82\x52\x81\x44\x82\x51\r\n\r\n";
  EXPECT_EQ(out, expected);
}

TEST_F(FinishRun, HostItemsInTheirOtherForms) {
  // Later items of a key replace earlier ones; point 4 in its "-" form and
  // items of other keys are ignored; quotes around an item are dropped.
  const std::string exchange =
      "lg0\r\nly9\r\nhcw 9 9 9\r\n" + std::string(kSizes) + kScales +
      "\"hp1   10 0\"\r\nhp2   10 99\r\nhp2   10 50\r\nhp3   16 20\r\nhp4-  1 1\r\nhq 5\r\nlg2\r\nly3\r\n";
  EXPECT_EQ(Draw(exchange, "3 4 1 0 0 - - - - -- --"),
            Lines({"lg2", "ly3", "lt1", "lc4", "ci 13 17.4  3  119.9663 270", "ci 10 22.6  3  299.9663 90",
                   E, E, E, E, E, E, E, "ly3", "cn3", E, E, E, E, E}));
}

TEST_F(FinishRun, SizesTheHostLeftOutCountAsZero) {
  // No "hs" item: the scale is 0 and every size with it; the triangle
  // collapses onto the base point and the letter onto the line.
  const std::string noScale = "ly3\r\nlg2\r\n" + std::string(kSizes) + "hp1   10 0\r\nhp2   10 50\r\nhp3   16 20\r\n";
  EXPECT_EQ(Draw(noScale, "3 4 2 1 0 - - - - -- --"),
            Lines({"lg2", "ly3", "lt1", "lc4", "10 20 10 20", "10 20 10 20", "10 20 10 20", E, E, E, E, E,
                   E, "ly3", "cn3", "ch 10 20 0 10000000000000000 \"G", E, E, E, E}));
  // No character sizes: a text type that is not a number does no harm and
  // is written as it stands; the texts have the width of an empty spacing.
  const std::string noSizes = "ly3\r\nlg0\r\n" + std::string(kScales) + "hp1   10 0\r\nhp2   10 50\r\nhp3   16 20\r\n";
  EXPECT_EQ(Draw(noSizes, "x 4 7 0 0 GE - 3.2 - -- --"),
            Lines({"lg0", "ly3", "lt1", "lc4", "10 20 14 17.7", "10 20 18.666 25", "18.666 25 18.666 25",
                   "14 17.7 14 22.3", E, E, E, E, E, "ly3", "cnx", E, "ch 18.666 25 0 1000000000000000000 \"GE",
                   E, E, "ch 14 22 0 10000000000000000 \"3.2"}));
}

TEST_F(FinishRun, PicksWithoutASymbolLeaveTheExchangeFileAndEndNormally) {
  const std::vector<std::string> exchanges = {
      Exchange("0", "10 0", "10 50", "10 20"),   // side point on a vertical line
      Exchange("0", "0 0", "30 0", "12 0"),      // side point on a horizontal line
      Exchange("0", "0 0", "30 1", "12 5"),      // slanted line
      Exchange("0", "5 5", "5 5", "5 1"),        // one point twice, side point on the vertical
  };
  for (const auto& exchange : exchanges) {
    SCOPED_TRACE(exchange);
    Write("jwc_temp.txt", exchange);
    Write("mokrav2.jyd", "3 4 6 0 0 GE - - - -- --\r\n");
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(Read("jwc_temp.txt"), exchange);
  }
}

TEST_F(FinishRun, OnePointPickedTwiceCountsAsAVerticalLine) {
  const std::string openV = Lines({"lg0", "ly3", "lt1", "lc4", "5 1 9 -1.3", "5 1 13.666 6", E, E, E, E,
                                   E, E, E, "ly3", "cn3", E, E, E, E, E});
  EXPECT_EQ(Draw(Exchange("0", "5 5", "5 5", "8 1"), "3 4 6 0 0 - - - - -- --"), openV);
  // Any kind above 8, however large, draws the open V.
  EXPECT_EQ(Draw(Exchange("0", "5 5", "5 5", "8 1"), "3 4 1e30 0 0 - - - - -- --"), openV);
}

TEST_F(FinishRun, EveryFailureLeavesTheExchangeFileAsTheHostWroteIt) {
  const std::string good = Exchange("0", "10 0", "10 50", "16 20");
  const std::string params = "3 4 6 0 0 GE - 3.2 6.4 -- --\r\n";
  auto with = [&](const std::string& from, const std::string& to) { return Replaced(good, from, to); };
  const std::string tooMany = FilledTo(good, 101);
  const std::vector<FailureCase> failures = {
      {"a missing command-line word", "the command line has no word 3 (it has 3); usage: MOKRAVF EXCHANGE-FILE N N mokrav2.jyd", good, params, "jwc_temp.txt 1 2"},
      {"word 1 not a number", "command-line word 1 \"x\" is not a number",
       good, params, "jwc_temp.txt x 2 mokrav2.jyd"},
      {"word 2 not a number", "command-line word 2 \"-\" is not a number",
       good, params, "jwc_temp.txt 1 - mokrav2.jyd"},
      {"no parameter file", "the parameter file: cannot open mokrav9.jyd", good, "", "jwc_temp.txt 1 2 mokrav9.jyd"},
      {"no exchange file named", "the exchange file: cannot open nofile.txt",
       good, params, "nofile.txt 1 2 mokrav2.jyd"},
      {"a parameter line of ten fields", "the parameter line has no field 10",
       good, "3 4 6 0 0 GE - 3.2 6.4 --\r\n", ""},
      {"a finish kind that is not a number", "the finish kind field (field 2) \"V\" is not a number",
       good, "3 4 V 0 0 GE - 3.2 6.4 -- --\r\n", ""},
      {"a full-width flag that is not a number", "the full-width field (field 4) \"-\" is not a number",
       good, "3 4 6 0 - GE - 3.2 6.4 -- --\r\n", ""},
      {"a text type that is not a number", "the text type \"x\" is not a number",
       good, "x 4 6 0 0 GE - 3.2 6.4 -- --\r\n", ""},
      {"a text type beyond the host's list", "the host's item \"hcw\" lists no text type 11",
       good, "11 4 6 0 0 GE - 3.2 6.4 -- --\r\n", ""},
      {"a text type far beyond the host's list", "the host's item \"hcw\" lists no text type 4611686018427387904",
       good, "1e30 4 6 0 0 GE - 3.2 6.4 -- --\r\n", ""},
      {"text type 0", "the host's item \"hcw\" lists no text type 0", good, "0 4 6 0 0 GE - 3.2 6.4 -- --\r\n", ""},
      {"point 3 never came", "point 3 was not picked", with("hp3   16 20\r\n", ""), params, ""},
      {"point 2 with four blanks", "the x of point 2 \"\" is not a number",
       with("hp2   10 50", "hp2    10 50"), params, ""},
      {"point 1 without its y", "point 1 \"hp1   10\" lacks its y coordinate",
       with("hp1   10 0", "hp1   10"), params, ""},
      {"a coordinate that is not a number", "the y of point 3 \"y\" is not a number",
       with("hp3   16 20", "hp3   16 y"), params, ""},
      {"point 1 in the leader form",
       "point 1 was picked with the \"-\" mark (leader form): no finish symbol is defined for it",
       with("hp1   10 0", "hp1-  10 0"), params, ""},
      {"an upper-case layer group", "the current layer group \"A\"", with("lg0", "lgA"), params, ""},
      {"a scale item too short for the group", "the host's scale item lists no scale for layer group 15",
       with("lg0", "lgf") + "hs 1 2\r\n", params, ""},
      {"a scale that is not a number", "the scale of layer group 0 \"y\" is not a number",
       with("hs 1 1", "hs y 1"), params, ""},
      {"more than 100 items", "the exchange file holds more than 100 items", tooMany, params, ""},
      {"a scale that overflows the drawing", "a coordinate came out as no number",
       with("hs 1 1", "hs 1e308 1"), params, ""},
  };
  ExpectFailures(failures);
}

}  // namespace
