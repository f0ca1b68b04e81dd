// MOKRAVL run as the host runs it: an exchange file and "mokrav5.jyd" in the
// current folder, the command line "<exchange file> mokrav5.jyd". Every
// expected drawing output below was worked out by hand.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "exchange/params/balloon.h"
#include "exchange/testing/tool_run_test.h"

using namespace exchange::test;

namespace {

// Text type 3: W = 3, D = 0.5, H = 2.5; text type 4: W = 4, D = 0.4, H = 4.
// Scales: group 0 has 1, group 2 has 2, group "a" 0.5.
const char* const kSizes =
    "hcw 1 2 3 4 5 6 7 8 9 10\r\n"
    "hcd 0.1 0.2 0.5 0.4 0.5 0.6 0.7 0.8 0.9 1\r\n"
    "hch 1 2 2.5 4 5 6 7 8 9 10\r\n";
const char* const kScales = "hs 1 1 2 1 1 1 1 1 1 1 0.5 1 1 1 1 1\r\n";

std::string Head(const std::string& group) {
  return "hd\r\nly3\r\nlg" + group + "\r\n" + kSizes + kScales;
}

// The host's exchange file for a note: the tip and the leader's end in the
// leader form, the third point and the note's start with a blank mark.
std::string NoteExchange(const std::string& group, const std::string& p1, const std::string& p2,
                         const std::string& p4) {
  return Head(group) + "hp1-  " + p1 + "\r\nhp2-  " + p2 + "\r\nhp3   " + p2 + "\r\nhp4   " + p4 + "\r\n";
}

// The host's exchange file for a balloon: the tip and the centre.
std::string BalloonExchange(const std::string& group, const std::string& p1, const std::string& p2) {
  return Head(group) + "hp1-  " + p1 + "\r\nhp2-  " + p2 + "\r\n";
}

const std::string kArgs = "jwc_temp.txt mokrav5.jyd";

const std::string E = "";  // an unset slot

class BalloonRun : public ToolRunTest {
 protected:
  BalloonRun() : ToolRunTest({MOKRAVL_PATH, "MOKRAVL", paramfile::balloon::kFileName, kArgs}) {}
};

// A parameter line as the settings window writes it, the host's file and
// the twelve records worked out by hand.
using Case = DrawCase;

TEST_F(BalloonRun, Notes) {
  const std::vector<Case> cases = {
      // The worked example's arrowhead. "4-M10(キリ)" has two full-width of
      // nine characters: 3*2 + 0.5*0 + 3*7/2 + 0.5*8/2 = 18.5; the empty
      // lower line measures -0.75 and is still written.
      {"call-out to the right, one line, as typed", NoteExchange("0", "0 0", "10 10", "12 10"),
       "3 4 1 4-M10(キリ) - 0 -- -- 3 15",
       {"lg0", "ly3", "lt1", "lc4", "0 0 10 10", "0 0 2.59807624484694 1.49999994198735",
        "0 0 1.50000008121771 2.59807616446225", "10 10 30.5 10", "ly3", "cn3",
        "ch 12 10  100000000000000000 0 \"4-M10(キリ)", "ch 12 7.5  1000000000000000 0 \""}},
      // Full width, scale 2: "キリ穴" 2*(3*3 + 0.5*2) = 20, "裏側" 2*(3*2 + 0.5) = 13;
      // both lines begin at 30 - 20, the lower one 2*2.5 below.
      {"free text to the left, two lines, full width, dot, own layers",
       NoteExchange("2", "50 0", "40 20", "30 20"), "3 2 2 ｷﾘ穴 裏側 1 5 6 0 0",
       {"lg2", "ly5", "lt1", "lc2", "50 0 40 20", "pt 50 0", E, "10 20 40 20", "ly6", "cn3",
        "ch 10 20 1000000000000000 0 \"キリ穴", "ch 10 15 100000000000000 0 \"裏側"}},
      // Half width, scale 0.5: "AB1" 0.5*(-1 + 4.5 + 1) = 2.25, "ｷﾘ" 1.375.
      // Straight down: direction 90, barbs taken backward, 1.5 long.
      {"free text to the right, two lines, half width, vertical leader down",
       NoteExchange("a", "0 0", "0 -8", "5 -8"), "3 4 2 ＡＢ１ ｷﾘ 2 -- -- 3 15",
       {"lga", "ly3", "lt1", "lc4", "0 0 0 -8", "0 0 -0.388228600006134 -1.44888873076482",
        "0 0 0.388228522360486 -1.4488887515699", "0 -8 7.25 -8", "ly3", "cn3",
        "ch 5 -8  100000000000000000 0 \"AB1", "ch 5 -9.25  1000000000000000 0 \"ｷﾘ"}},
      // Text type 4 (W 4, D 0.4, H 4): "研削面" 12 + 0.4 + 0.2 = 12.6 is wider
      // than "Ra6.3" -0.8 + 10 + 1.2 = 10.4. Straight up: direction 90.
      {"free text to the left, kanji as typed, vertical leader up",
       NoteExchange("0", "10 0", "10 30", "2 30"), "4 4 2 研削面 Ra6.3 0 -- -- 3 15",
       {"lg0", "ly3", "lt1", "lc4", "10 0 10 30", "10 0 10.7764572000123 2.89777746152963",
        "10 0 9.22354295527903 2.89777750313981", "-10.6 30 10 30", "ly3", "cn4",
        "ch -10.6 30 1000000000000000 0 \"研削面", "ch -10.6 26 100000000000000 0 \"Ra6.3"}},
      // Point 2 lies below the tip: direction 126.87..., barbs backward.
      // "2-Φ6" 3 - 0.5 + 4.5 + 1 = 8, "（深さ１５）" 18 + 2 + 0.25 = 20.25.
      {"call-out to the left, leader down to the right, arrow 5 at 30 degrees",
       NoteExchange("0", "5 5", "20 -15", "-3 -15"), "3 4 1 2-Φ6 （深さ１５） 0 1 2 5 30",
       {"lg0", "ly1", "lt1", "lc4", "5 5 20 -15", "5 5 5.59807612267826 0.0358983741786529",
        "5 5 9.59807614118278 3.03589822058894", "-23.25 -15 20 -15", "ly2", "cn3",
        "ch -23.25 -15 1000000000000000 0 \"2-Φ6", "ch -23.25 -17.5 100000000000000 0 \"（深さ１５）"}},
      {"no side: the note's start on point 2 draws the leader alone",
       NoteExchange("0", "0 0", "-10 10", "-10 0"), "3 4 2 ｷﾘ穴 - 0 -- -- 3 15",
       {"lg0", "ly3", "lt1", "lc4", "0 0 -10 10", "0 0 -1.49999994198735 2.59807624484694",
        "0 0 -2.59807616446225 1.50000008121771", E, "ly3", "cn3", E, E}},
  };
  ExpectDrawings(cases);
}

TEST_F(BalloonRun, HorizontalLeadersOpenTheirBarbsTowardPointTwo) {
  // Direction exactly 0 to the right and exactly 180 to the left; "AB"
  // measures 2.75.
  const std::vector<Case> cases = {
      {"to the right", NoteExchange("0", "0 0", "20 0", "25 0"), "3 4 2 AB - 0 -- -- 3 15",
       {"lg0", "ly3", "lt1", "lc4", "0 0 20 0", "0 0 2.89777748233472 -0.776457122366621",
        "0 0 2.89777748233472 0.776457122366621", "20 0 27.75 0", "ly3", "cn3",
        "ch 25 0  100000000000000000 0 \"AB", "ch 25 -2.5  1000000000000000 0 \""}},
      {"to the left", NoteExchange("0", "0 0", "-20 0", "-25 0"), "3 4 2 AB - 0 -- -- 3 15",
       {"lg0", "ly3", "lt1", "lc4", "0 0 -20 0", "0 0 -2.89777744072454 0.776457277657915",
        "0 0 -2.89777752394489 -0.776456967075323", "-27.75 0 -20 0", "ly3", "cn3",
        "ch -27.75 0 1000000000000000 0 \"AB", "ch -27.75 -2.5 100000000000000 0 \""}},
      {"balloon with a dot", BalloonExchange("0", "0 0", "-20 0"), "3 4 3 5 10 0 -- -- 0 0",
       {"lg0", "ly3", "lt1", "lc4", "0 0 -15 0", "pt 0 0", E, "ci -20 0 5", "ly3", "cn3",
        "ch -20.75 -1.25  100000000000000000 0 \"5", E}},
  };
  ExpectDrawings(cases);
}

TEST_F(BalloonRun, Balloons) {
  const std::vector<Case> cases = {
      // The worked example's balloon: R 5, d 50, the leader ends at (27, 36).
      // "12" measures 3*2/2 + 0.5 = 3.5, centred on 30; 2.5/2 below 40.
      {"as typed", BalloonExchange("0", "0 0", "30 40"), "3 4 3 12 10 0 -- -- 3 15",
       {"lg0", "ly3", "lt1", "lc4", "0 0 27 36", "0 0 2.35983223692759 1.85234764921634",
        "0 0 1.11750086610711 2.78409622934443", "ci 30 40 5", "ly3", "cn3",
        "ch 28.25 38.75  100000000000000000 0 \"12", E}},
      // Scale 2: diameter 7 gives R 7; "１２" 2*(3*2 + 0.5) = 13.
      {"full width, centre straight below the tip", BalloonExchange("2", "0 0", "0 -30"),
       "3 4 3 12 7 1 -- -- 3 15",
       {"lg2", "ly3", "lt1", "lc4", "0 0 0 -23", "0 0 -1.55291440002454 -5.79555492305926",
        "0 0 1.55291408944195 -5.79555500627961", "ci 0 -30 7", "ly3", "cn3",
        "ch -6.5 -32.5  100000000000000000 0 \"１２", E}},
      // Scale 0.5: diameter 12.9 counts as 12, R 3; "10" 0.5*(3 + 0.5) = 1.75.
      {"half width, dot", BalloonExchange("a", "10 10", "-20 50"), "3 4 3 １０ 12.9 2 -- -- 0 0",
       {"lga", "ly3", "lt1", "lc4", "10 10 -18.2 47.6", "pt 10 10", E, "ci -20 50 3", "ly3", "cn3",
        "ch -20.875 49.375  100000000000000000 0 \"10", E}},
  };
  ExpectDrawings(cases);
}

TEST_F(BalloonRun, HostItemsInTheirOtherForms) {
  const std::string note = "3 4 2 AB - 0 -- -- 3 15";
  const std::vector<std::string> right = {
      "lg0", "ly3", "lt1", "lc4", "0 0 20 0", "0 0 2.89777748233472 -0.776457122366621",
      "0 0 2.89777748233472 0.776457122366621", "20 0 27.75 0", "ly3", "cn3",
      "ch 25 0  100000000000000000 0 \"AB", "ch 25 -2.5  1000000000000000 0 \""};
  // Point 2 with a blank mark; the later of two point-2 items wins; a
  // blank-marked point 1 and items of other keys are ignored; quotes
  // around an item are dropped; later "ly" and "lg" items win.
  const std::string mixed = "lg2\r\nly9\r\nhcw 9 9 9\r\n" + Head("0") +
                            "hp1   7 7\r\n\"hp1-  0 0\"\r\nhp2-  40 40\r\nhp2   20 0\r\nhp3   1 1\r\n"
                            "hp4   25 0\r\nhq 5\r\n";
  EXPECT_EQ(Draw(mixed, note), Cp932(Lines(right)));

  // The balloon never reads points 3 and 4: their leader form does no harm.
  const std::string balloon = BalloonExchange("0", "0 0", "30 40") + "hp3-  1 1\r\nhp4-  2 2\r\n";
  EXPECT_EQ(Draw(balloon, "3 4 3 12 10 0 -- -- 3 15"),
            Cp932(Lines({"lg0", "ly3", "lt1", "lc4", "0 0 27 36", "0 0 2.35983223692759 1.85234764921634",
                         "0 0 1.11750086610711 2.78409622934443", "ci 30 40 5", "ly3", "cn3",
                         "ch 28.25 38.75  100000000000000000 0 \"12", E})));

  // Only the parameter file's last line counts.
  EXPECT_EQ(DrawFile(NoteExchange("0", "0 0", "20 0", "25 0"), "7 1 3 9 9 1 A B 0 0\r\n" + note + "\r\n"),
            Cp932(Lines(right)));

  // A table of exactly 100 items is read whole.
  const std::string full = FilledTo(NoteExchange("0", "0 0", "20 0", "25 0"), 100);
  EXPECT_EQ(Draw(full, note), Cp932(Lines(right)));
}

TEST_F(BalloonRun, SizesTheHostLeftOutCountAsZero) {
  // No "hs" item: the scale is 0; the barbs, the note's width and the
  // line spacing vanish.
  const std::string noScale = "ly3\r\nlg0\r\n" + std::string(kSizes) +
                              "hp1-  0 0\r\nhp2-  10 10\r\nhp3   10 10\r\nhp4   12 10\r\n";
  EXPECT_EQ(Draw(noScale, "3 4 2 AB - 0 -- -- 3 15"),
            Cp932(Lines({"lg0", "ly3", "lt1", "lc4", "0 0 10 10", "0 0 0 0", "0 0 0 0", "10 10 12 10", "ly3",
                         "cn3", "ch 12 10  100000000000000000 0 \"AB", "ch 12 10  1000000000000000 0 \""})));
  // No "ly", "lg" or character sizes: the layers and group are written
  // empty, a text type that is no number does no harm, and the balloon
  // number starts at the centre.
  const std::string bare = std::string(kScales) + "hp1-  0 0\r\nhp2-  30 40\r\n";
  EXPECT_EQ(Draw(bare, "x 4 3 12 10 0 -- -- 3 15"),
            Cp932(Lines({"lg", "ly", "lt1", "lc4", "0 0 27 36", "0 0 2.35983223692759 1.85234764921634",
                         "0 0 1.11750086610711 2.78409622934443", "ci 30 40 5", "ly", "cnx",
                         "ch 30 40  100000000000000000 0 \"12", E})));
}

TEST_F(BalloonRun, EveryFailureLeavesTheExchangeFileAsTheHostWroteIt) {
  const std::string note = NoteExchange("0", "0 0", "10 10", "12 10");
  const std::string balloon = BalloonExchange("0", "0 0", "30 40");
  const std::string noteLine = "3 4 2 AB CD 0 -- -- 3 15\r\n";
  const std::string balloonLine = "3 4 3 12 10 0 -- -- 3 15\r\n";
  const auto with = Replaced;
  const std::string tooMany = FilledTo(note, 101);
  const std::vector<FailureCase> failures = {
      {"no parameter file word", "the command line has no word 1 (it has 1); usage: MOKRAVL EXCHANGE-FILE mokrav5.jyd", note, noteLine, "jwc_temp.txt"},
      {"no parameter file", "the parameter file: cannot open mokrav9.jyd",
       note, std::nullopt, "jwc_temp.txt mokrav9.jyd"},
      {"no exchange file", "the exchange file: cannot open nofile.txt", note, noteLine, "nofile.txt mokrav5.jyd"},
      {"more than 100 items", "the exchange file holds more than 100 items", tooMany, noteLine},
      {"a parameter line of nine fields", "the parameter line has no field 9", note, "3 4 2 AB CD 0 -- -- 3\r\n"},
      {"a leader style that is no number", "the leader style (field 2) \"-\" is not a number",
       note, "3 4 - AB CD 0 -- -- 3 15\r\n"},
      {"a width mode that is no number", "the width mode (field 5) \"-\" is not a number",
       note, "3 4 2 AB CD - -- -- 3 15\r\n"},
      {"an empty width mode", "the width mode (field 5) \"\" is not a number", note, "3 4 2 AB CD  -- -- 3 15\r\n"},
      {"an arrow length that is no number", "the arrow length (field 8) \"x\" is not a number",
       note, "3 4 2 AB CD 0 -- -- x 15\r\n"},
      {"an arrow angle that is no number", "the arrow angle (field 9) \"y\" is not a number",
       note, "3 4 2 AB CD 0 -- -- 3 y\r\n"},
      {"a text type that is no number", "the text type \"x\" is not a number", note, "x 4 2 AB CD 0 -- -- 3 15\r\n"},
      {"a text type beyond the host's list", "the host's item \"hcw\" lists no text type 11",
       note, "11 4 2 AB CD 0 -- -- 3 15\r\n"},
      {"a character width that is no number", "the host's hcw value \"w\" is not a number",
       with(note, "hcw 1 2 3", "hcw 1 2 w"), noteLine},
      {"an upper-case layer group", "the current layer group \"A\"", with(note, "lg0", "lgA"), noteLine},
      {"a scale item too short for the group", "the host's scale item lists no scale for layer group 15",
       with(note, "lg0", "lgf") + "hs 1 2\r\n", noteLine},
      {"a scale that is no number", "the scale of layer group 0 \"z\" is not a number",
       with(note, "hs 1 1", "hs z 1"), noteLine},
      {"no point 1", "point 1 was not picked", with(note, "hp1-  0 0\r\n", ""), noteLine},
      {"point 1 with a blank mark only", "point 1 was picked without the \"-\" mark it needs",
       with(note, "hp1-  0 0", "hp1   0 0"), noteLine},
      {"no point 2", "point 2 was not picked", with(balloon, "hp2-  30 40\r\n", ""), balloonLine},
      {"point 2 without its y", "point 2 \"hp2-  10\" lacks its y coordinate",
       with(note, "hp2-  10 10", "hp2-  10"), noteLine},
      {"point 1 with a coordinate that is no number", "the y of point 1 \"y\" is not a number",
       with(note, "hp1-  0 0", "hp1-  0 y"), noteLine},
      {"note without point 3", "point 3 was not picked", with(note, "hp3   10 10\r\n", ""), noteLine},
      {"note without point 4", "point 4 was not picked", with(note, "hp4   12 10\r\n", ""), noteLine},
      {"note with point 3 in the leader form", "point 3 \"hp3-  10 10\" does not have its coordinates where expected",
       with(note, "hp3   10 10", "hp3-  10 10"), noteLine},
      {"note with point 4 in the leader form", "point 4 \"hp4-  12 10\" does not have its coordinates where expected",
       with(note, "hp4   12 10", "hp4-  12 10"), noteLine},
      {"note with point 4 lacking its y", "point 4 \"hp4   12\" lacks its y coordinate",
       with(note, "hp4   12 10", "hp4   12"), noteLine},
      {"note whose point 2 is the tip", "the leader's two points coincide, so it has no direction",
       NoteExchange("0", "3 3", "3 3", "9 3"), noteLine},
      {"note with a dot whose point 2 is the tip", "the leader's two points coincide, so it has no direction",
       NoteExchange("0", "3 3", "3 3", "9 3"),
       "3 4 2 AB CD 0 -- -- 0 0\r\n"},
      {"balloon whose centre is the tip", "the balloon's centre is the arrow tip, so the leader has no direction",
       BalloonExchange("0", "3 3", "3 3"), balloonLine},
      {"balloon without a diameter", "the balloon diameter (field 4) \"-\" is not a number",
       balloon, "3 4 3 12 - 0 -- -- 3 15\r\n"},
      {"a scale that overflows the drawing", "a coordinate came out as no number",
       with(note, "hs 1 1", "hs 1e308 1"), noteLine},
  };
  ExpectFailures(failures);
}

}  // namespace
