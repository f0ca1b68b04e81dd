// MOKRAVP run as the host runs it: an exchange file and "mokrav7.jyd" in the
// current folder, the command line "<exchange file> mokrav7.jyd <kind>", the
// parameter line exactly as the settings window writes it. Every expected
// drawing output below was worked out by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/params/section.h"
#include "exchange/testing/tool_run_test.h"

using namespace exchange::test;

namespace {

// Text types 1 to 10; type 4 (the window's default) has W = 3, D = 1,
// H = 4, type 3 W = 2.5, D = 0.5, H = 3.5 and type 5 W = 3.3, D = 0.7,
// H = 3.1. Scales of the groups 0 to 15: group 0 has 1, group 1 has 2,
// group 2 0.5, group 3 1.3 and group "a" 4.
const std::vector<std::string> kSizes = {"hcw 1 2 2.5 3 3.3 5 6 7 8 10", "hcd 0.1 0.2 0.5 1 0.7 0.6 0.7 0.8 0.9 1",
                                         "hch 1 2 3.5 4 3.1 6 7 8 9 10"};
const std::string kScales = "hs 1 2 0.5 1.3 1 1 1 1 1 1 4 1 1 1 1 1";

// An exchange file as the host writes it: current layer 3, the group, the
// text sizes and scales, then the picked points.
std::string Exchange(const std::string& group, const std::vector<std::string>& points) {
  std::vector<std::string> items = {"hd", "ly3", "lg" + group};
  items.insert(items.end(), kSizes.begin(), kSizes.end());
  items.push_back(kScales);
  items.insert(items.end(), points.begin(), points.end());
  return Items(items);
}

// The window's default parameter line.
const std::string kDefaults = "4 -- 3 5 -- 2 1 -- A B C D 0 3 15 断面 1";

// A straight line from (0, 0) to (100, 0), end points (10, 5) and (90, 5),
// the label point (50, -20).
const std::vector<std::string> kStraight = {"hp1-  0 0", "hp2-  100 0", "hp3   10 5", "hp4   90 5", "hp5   50 -20"};

// The host's command line for a section kind.
std::string Args(const std::string& kind) { return "jwc_temp.txt mokrav7.jyd " + kind; }

class SectionRun : public ToolRunTest {
 protected:
  SectionRun() : ToolRunTest({MOKRAVP_PATH, "MOKRAVP", paramfile::section::kFileName, Args("1")}) {}
};

const std::string E = "";  // an unset slot

// The 27 records and the final empty line, as the file's bytes.
std::string Output(const std::vector<std::string>& records) {
  EXPECT_EQ(records.size(), 27u);
  return Cp932(Lines(records));
}

struct Case {
  const char* name;
  const char* kind;
  std::string exchange;
  std::string params;
  std::vector<std::string> output;
};

TEST_F(SectionRun, EveryKindShapeAndLabelWidth) {
  const std::vector<Case> cases = {
      {"kind 1, straight left to right, the window's defaults, mixed-width label", "1",
       Exchange("0", {"hp1-  0 0", "hp2-  100 0", "hp3   10 5", "hp4   90 5", "hp5   50 -20"}),
       "4 -- 3 5 -- 2 1 -- A B C D 0 3 15 断面 1",
       {"lg0", "ly3", "lt5", "lc3", "15 0 85 0", E, E, E, "ly3", "lt1", "lc2", "10 0 10 4.5",
        "90 0 90 4.5", "10 0 9.22354287763338 2.89777748233472", "10 0 10.7764571223666 2.89777748233472",
        "90 0 89.2235428776334 2.89777748233472", "90 0 90.7764571223666 2.89777748233472", "7.5 0 12.5 0",
        "87.5 0 92.5 0", "43.25 -20 56.75 -20", "ly3", "cn4", "ch 43.25 -20  100000000000000000 0 \"A-B断面",
        "ch 8.5 4.5  100000000000000000 0 \"A", "ch 88.5 4.5  100000000000000000 0 \"B", E, E}},
      {"kind 1, straight top to bottom, own layers, group 1 at scale 2, full width", "1",
       Exchange("1", {"hp1-  0 100", "hp2   0 0", "hp3   3 90", "hp4   -3 10", "hp5   20 50"}),
       "4 1 3 5 2 2 1 F A B C D 1 3 15 断面 1",
       {"lg1", "ly2", "lt5", "lc3", "0 80 0 20", E, E, E, "lyF", "lt1", "lc2", "0 90 9 90", "0 10 9 10",
        "0 90 5.79555496466944 91.5529142447332", "0 90 5.79555496466944 88.4470857552668",
        "0 10 5.79555496466944 11.5529142447332", "0 10 5.79555496466944 8.44708575526676", "0 95 0 85",
        "0 15 0 5", "1 50 39 50", "ly1", "cn4", "ch 1 50  100000000000000000 0 \"Ａ－Ｂ断面",
        "ch 9 86  100000000000000000 0 \"Ａ", "ch 9 6  100000000000000000 0 \"Ｂ", E, E}},
      {"kind 2, oblique first segment, second segment right of the bend", "2",
       Exchange("0", {"hp1-  0 10", "hp2-  10 0", "hp3-  40 0", "hp4   -1 12", "hp5   50 -4", "hp6   20 30"}),
       "4 -- 3 5 -- 2 1 -- A B C D 0 3 15 断面 1",
       {"lg0", "ly3", "lt5", "lc3", "1.53553390593274 8.46446609406726 10 0", "45 0 10 0", E, E, "ly3",
        "lt1", "lc2", "-2 12 1.18198051533946 15.1819805153395", "50 0 50 -4.5",
        "-2 12 0.598076244846935 13.4999999419873", "-2 12 -0.499999918782287 14.5980761644622",
        "50 0 49.2235428776334 -2.89777748233472", "50 0 50.7764571223666 -2.89777748233472",
        "-0.232233047033631 10.2322330470336 -3.76776695296637 13.7677669529664", "47.5 0 52.5 0",
        "11.25 30 28.75 30", "ly3", "cn4", "ch 11.25 30  100000000000000000 0 \"A-B-C断面",
        "ch 1.18198051533946 15.1819805153395  100000000000000000 0 \"A",
        "ch 10 0  100000000000000000 0 \"B", "ch 48.5 -8.5  100000000000000000 0 \"C", E}},
      {"kind 2 stubs, vertical first segment, oblique second, scale 0.5, text type 3", "2",
       Exchange("2", {"hp1-  0 40", "hp2   0 0", "hp3   30 -20", "hp4   -4 35", "hp5   33 -25", "hp6   20 30"}),
       "3 -- 3 5 -- 2 1 -- X Y Z - 1 5 30 断面 2",
       {"lg2", "ly3", "lt5", "lc3", "0 0 0 2.5", "2.08012573584461 -1.38675049056307 0 0", E, E, "ly3",
        "lt1", "lc2", "0 35 -3.75 35", "37.5 -25 39.5801257358446 -21.8798113962331",
        "0 35 -2.16506352062564 36.2499999806625", "0 35 -2.16506352062564 33.7500000193375",
        "37.5 -25 39.7410240412541 -23.8919335550063", "37.5 -25 37.660898374747 -22.5051830301596",
        "0 36.25 0 33.75", "36.4599371320777 -24.3066247547185 38.5400628679223 -25.6933752452815",
        "14.875 30 25.125 30", "ly3", "cn3", "ch 14.875 30  100000000000000000 0 \"Ｘ－Ｙ－Ｚ断面",
        "ch -5 34.125  100000000000000000 0 \"Ｘ", "ch 0 0  100000000000000000 0 \"Ｙ",
        "ch 39.5801257358446 -21.8798113962331  100000000000000000 0 \"Ｚ", E}},
      {"kind 3, horizontal zigzag, no suffix, E2 below but both arrows up", "3",
       Exchange("0", {"hp1-  0 50", "hp2-  40 50", "hp3-  40 0", "hp4   80 0", "hp5   0 55", "hp6   80 -5", "hp7   40 80"}),
       "4 -- 3 5 -- 2 1 -- A B C D 0 3 15  1",
       {"lg0", "ly3", "lt5", "lc3", "4 50 40 50", "40 50 40 0", "40 0 76 0", E, "ly3", "lt1", "lc2",
        "0 50 0 54.5", "80 0 80 4.5", "0 50 -0.776457122366621 52.8977774823347",
        "0 50 0.776457122366621 52.8977774823347", "80 0 79.2235428776334 2.89777748233472",
        "80 0 80.7764571223666 2.89777748233472", "-2.5 50 2.5 50", "77.5 0 82.5 0", "33.25 80 46.75 80",
        "ly3", "cn4", "ch 33.25 80  100000000000000000 0 \"A-B-C-D",
        "ch -1.5 54.5  100000000000000000 0 \"A", "ch 40 50  100000000000000000 0 \"B",
        "ch 40 0  100000000000000000 0 \"C", "ch 78.5 4.5  100000000000000000 0 \"D"}},
      {"kind 3 stubs, vertical zigzag, group a at scale 4, no label width", "3",
       Exchange("a", {"hp1-  0 80", "hp2   0 40", "hp3   30 40", "hp4   30 0", "hp5   -5 78", "hp6   35 2", "hp7   60 60"}),
       "4 -- 3 5 -- 2 1 -- A B C D 2 3 15 断面 2",
       {"lga", "ly3", "lt5", "lc3", "0 40 0 60", "0 40 20 40", "30 40 10 40", "30 40 30 20", "ly3", "lt1",
        "lc2", "0 78 -18 78", "30 2 12 2", "0 78 -11.5911099293389 81.1058284894665",
        "0 78 -11.5911099293389 74.8941715105335", "30 2 18.4088900706611 5.10582848946648",
        "30 2 18.4088900706611 -1.10582848946648", "0 88 0 68", "30 12 30 -8", "60 60 60 60", "ly3", "cn4",
        "ch 60 60  100000000000000000 0 \"A-B-C-D断面", "ch -30 70  100000000000000000 0 \"A",
        "ch 0 40  100000000000000000 0 \"B", "ch 30 40  100000000000000000 0 \"C",
        "ch 0 -6  100000000000000000 0 \"D"}},
      {"kind 4: points 5 to 7 are the ends and the label, four letters in the label", "4",
       Exchange("0", {"hp1-  0 0", "hp2-  100 0", "hp3   1 1", "hp4   2 2", "hp5   10 5", "hp6   90 5", "hp7   50 -20"}),
       "4 -- 3 5 -- 2 1 -- A B C D 0 3 15 断面 1",
       {"lg0", "ly3", "lt5", "lc3", "15 0 85 0", E, E, E, "ly3", "lt1", "lc2", "10 0 10 4.5",
        "90 0 90 4.5", "10 0 9.22354287763338 2.89777748233472", "10 0 10.7764571223666 2.89777748233472",
        "90 0 89.2235428776334 2.89777748233472", "90 0 90.7764571223666 2.89777748233472", "7.5 0 12.5 0",
        "87.5 0 92.5 0", "39.25 -20 60.75 -20", "ly3", "cn4",
        "ch 39.25 -20  100000000000000000 0 \"A-B-C-D断面", "ch 8.5 4.5  100000000000000000 0 \"A",
        "ch 88.5 4.5  100000000000000000 0 \"B", E, E}},
      {"kind 0 picked right to left: no line, vertical arrows at P1", "0",
       Exchange("0", {"hp1-  100 0", "hp2-  0 0", "hp3   1 1", "hp4   2 2", "hp5   90 5", "hp6   10 5", "hp7   50 -20"}),
       "4 -- 3 5 -- 2 1 -- A B C D 0 3 15 断面 1",
       {"lg0", "ly3", "lt5", "lc3", E, E, E, E, "ly3", "lt1", "lc2", "100 5 95.5 5", "100 5 95.5 5",
        "100 5 97.1022225176653 5.77645712236662", "100 5 97.1022225176653 4.22354287763338",
        "100 5 97.1022225176653 5.77645712236662", "100 5 97.1022225176653 4.22354287763338", E, E,
        "39.25 -20 60.75 -20", "ly3", "cn4", "ch 39.25 -20  100000000000000000 0 \"A-B-C-D断面",
        "ch 92.5 3  100000000000000000 0 \"A", "ch 92.5 3  100000000000000000 0 \"B", E, E}},
      {"kind 2.7 is 2; no pattern chosen draws through; P3 left of the bend", "2.7",
       Exchange("0", {"hp1-  0 0", "hp2-  50 0", "hp3   20 -0", "hp4   5 -3", "hp5   10 3", "hp6   30 20"}),
       "4 -- 3 5 -- 2 1 -- A Ａ C D 0 3 15 断面 ",
       {"lg0", "ly3", "lt5", "lc3", "10 0 50 0", "15 0 50 0", E, E, "ly3", "lt1", "lc2", "5 0 5 -4.5",
        "10 0 10 4.5", "5 0 4.22354287763338 -2.89777748233472", "5 0 5.77645712236662 -2.89777748233472",
        "10 0 9.22354287763338 2.89777748233472", "10 0 10.7764571223666 2.89777748233472", "2.5 0 7.5 0",
        "7.5 0 12.5 0", "20.25 20 39.75 20", "ly3", "cn4", "ch 20.25 20  100000000000000000 0 \"A-Ａ-C断面",
        "ch 3.5 -8.5  100000000000000000 0 \"A", "ch 50 0  100000000000000000 0 \"Ａ",
        "ch 8.5 4.5  100000000000000000 0 \"C", E}},
      {"kind 2 with arrow length 0 on an oblique segment: the arrow is a point", "2",
       Exchange("0", {"hp1-  0 10", "hp2-  10 0", "hp3-  40 0", "hp4   -1 12", "hp5   50 -4", "hp6   20 30"}),
       "4 -- 3 5 -- 2 1 -- A B C D 0 0 15 断面 1",
       {"lg0", "ly3", "lt5", "lc3", "1.53553390593274 8.46446609406726 10 0", "45 0 10 0", E, E, "ly3",
        "lt1", "lc2", "-2 12 -2 12", "50 0 50 0", "-2 12 -2 12", "-2 12 -2 12", "50 0 50 0", "50 0 50 0",
        "-0.232233047033631 10.2322330470336 -3.76776695296637 13.7677669529664", "47.5 0 52.5 0",
        "11.25 30 28.75 30", "ly3", "cn4", "ch 11.25 30  100000000000000000 0 \"A-B-C断面",
        "ch -2 12  100000000000000000 0 \"A", "ch 10 0  100000000000000000 0 \"B",
        "ch 48.5 -4  100000000000000000 0 \"C", E}},
      {"empty letters and a \"-\" suffix: the label is the bare \"-\"", "1",
       Exchange("0", {"hp1-  0 0", "hp2-  100 0", "hp3   10 5", "hp4   90 5", "hp5   50 -20"}),
       "4 -- 3 5 -- 2 1 -- - - - - 0 3 15 - 1",
       {"lg0", "ly3", "lt5", "lc3", "15 0 85 0", E, E, E, "ly3", "lt1", "lc2", "10 0 10 4.5",
        "90 0 90 4.5", "10 0 9.22354287763338 2.89777748233472", "10 0 10.7764571223666 2.89777748233472",
        "90 0 89.2235428776334 2.89777748233472", "90 0 90.7764571223666 2.89777748233472", "7.5 0 12.5 0",
        "87.5 0 92.5 0", "49.25 -20 50.75 -20", "ly3", "cn4", "ch 49.25 -20  100000000000000000 0 \"-",
        "ch 8.5 4.5  100000000000000000 0 \"", "ch 88.5 4.5  100000000000000000 0 \"", E, E}},
      {"kind 3 stubs picked right to left, full width", "3",
       Exchange("0", {"hp1-  80 0", "hp2-  40 0", "hp3-  40 50", "hp4   0 50", "hp5   80 -5", "hp6   0 55", "hp7   40 80"}),
       "4 -- 3 5 -- 2 1 -- A B C D 1 3 15 断面 2",
       {"lg0", "ly3", "lt5", "lc3", "45 0 40 0", "40 0 40 5", "40 50 40 45", "40 50 35 50", "ly3", "lt1",
        "lc2", "80 0 80 -4.5", "0 50 0 45.5", "80 0 79.2235428776334 -2.89777748233472",
        "80 0 80.7764571223666 -2.89777748233472", "0 50 -0.776457122366621 47.1022225176653",
        "0 50 0.776457122366621 47.1022225176653", "77.5 0 82.5 0", "-2.5 50 2.5 50", "22.5 80 57.5 80",
        "ly3", "cn4", "ch 22.5 80  100000000000000000 0 \"Ａ－Ｂ－Ｃ－Ｄ断面",
        "ch 78.5 -8.5  100000000000000000 0 \"Ａ", "ch 40 0  100000000000000000 0 \"Ｂ",
        "ch 40 50  100000000000000000 0 \"Ｃ", "ch -1.5 41.5  100000000000000000 0 \"Ｄ"}},
      {"kind 1 at scale 1.3, arrows down, values that do not add up exactly", "1",
       Exchange("3", {"hp1-  0.3 4.9", "hp2-  97.3 4.9", "hp3   1.1 -3.9", "hp4   88.1 9.3", "hp5   50.3 -20.7"}),
       "5 -- 3 5 -- 2 1 -- A B C D 0 3.7 13 断面 1",
       {"lg3", "ly3", "lt5", "lc3", "7.6 4.9 81.6 4.9", E, E, E, "ly3", "lt1", "lc2", "1.1 4.9 1.1 -2.315",
        "88.1 4.9 88.1 -2.315", "1.1 4.9 0.0179854467453684 0.213279984195218",
        "1.1 4.9 2.18201455325463 0.213279984195218", "88.1 4.9 87.0179854467454 0.213279984195218",
        "88.1 4.9 89.1820145532546 0.213279984195218", "-2.15 4.9 4.35 4.9", "84.85 4.9 91.35 4.9",
        "41.4275 -20.7 59.1725 -20.7", "ly3", "cn5", "ch 41.4275 -20.7  100000000000000000 0 \"A-B断面",
        "ch -1.045 -6.345  100000000000000000 0 \"A", "ch 85.955 -6.345  100000000000000000 0 \"B", E, E}},
      {"kind 2 at scale 1.3, both segments oblique", "2",
       Exchange("3", {"hp1-  0.7 30.1", "hp2-  20.3 1.9", "hp3   60.9 17.3", "hp4   3.3 33.7", "hp5   66.1 12.9", "hp6   30.1 40.3"}),
       "5 -- 3 5 -- 2 1 -- A B C D 0 2.7 17 断面 1",
       {"lg3", "ly3", "lt5", "lc3", "1.90757299162173 28.3625735528708 20.3 1.9",
        "43.2225160789344 10.5947474782165 20.3 1.9", E, E, "ly3", "lt1", "lc2",
        "-1.80212765957447 33.7 2.52118776260021 36.7048575274689",
        "49.3 12.9 47.4327454573554 17.8227619760631",
        "-1.80212765957447 33.7 -5.14408929456798 32.6269704429833",
        "-1.80212765957447 33.7 -3.97270893544524 30.9416169727829",
        "49.3 12.9 49.0690746835606 16.4023953943305", "49.3 12.9 47.1500396146441 15.6744855994221",
        "0.0527226660236328 31.0312867764354 -3.65697798517257 36.3687132235646",
        "46.2612580394672 11.7473737391082 52.3387419605328 14.0526262608918", "18.6275 40.3 41.5725 40.3",
        "ly3", "cn5", "ch 18.6275 40.3  100000000000000000 0 \"A-B-C断面",
        "ch 2.52118776260021 36.7048575274689  100000000000000000 0 \"A",
        "ch 20.3 1.9  100000000000000000 0 \"B",
        "ch 47.4327454573554 17.8227619760631  100000000000000000 0 \"C", E}},
      {"kind 3 at scale 1.3, vertical zigzag, arrows left", "3",
       Exchange("3", {"hp1-  1.3 80.9", "hp2   1.3 40.1", "hp3   30.7 40.1", "hp4   30.7 0.3", "hp5   -5.3 78.1", "hp6   35.9 2.7", "hp7   60.3 60.9"}),
       "5 -- 3 5 -- 2 1 -- A B C D 0 2.7 17 矢視 1",
       {"lg3", "ly3", "lt5", "lc3", "1.3 72.9 1.3 40.1", "1.3 40.1 30.7 40.1", "30.7 40.1 30.7 7.9", E,
        "ly3", "lt1", "lc2", "1.3 78.1 -3.965 78.1", "30.7 2.7 25.435 2.7",
        "1.3 78.1 -2.05662969862424 79.126224666588", "1.3 78.1 -2.05662969862424 77.073775333412",
        "30.7 2.7 27.3433703013758 3.72622466658804", "30.7 2.7 27.3433703013758 1.67377533341196",
        "1.3 81.35 1.3 74.85", "30.7 5.95 30.7 -0.55", "46.2275 60.9 74.3725 60.9", "ly3", "cn5",
        "ch 46.2275 60.9  100000000000000000 0 \"A-B-C-D矢視", "ch -8.255 76.085  100000000000000000 0 \"A",
        "ch 1.3 40.1  100000000000000000 0 \"B", "ch 30.7 40.1  100000000000000000 0 \"C",
        "ch 21.145 0.685  100000000000000000 0 \"D"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DrawFile(c.exchange, c.params + "\r\n", Args(c.kind)), Output(c.output));
  }
}

TEST_F(SectionRun, FullWidthLabelReachesTheFileAsCodePage932) {
  Write("jwc_temp.txt", Exchange("0", kStraight));
  Write("mokrav7.jyd", Cp932("4 -- 3 5 -- 2 1 -- A B C D 1 3 15 断面 1\r\n"));
  ASSERT_EQ(Run("jwc_temp.txt mokrav7.jyd 1"), 0) << Read("err.txt");
  // Ａ－Ｂ断面, five characters: 3 x 5 + 1 x 4 = 19 wide.
  const std::string file = Read("jwc_temp.txt");
  EXPECT_NE(file.find("\r\n40.5 -20 59.5 -20\r\nly3\r\ncn4\r\n"
                      "ch 40.5 -20  100000000000000000 0 \"\x82\x60\x81\x7c\x82\x61\x92\x66\x96\xca\r\n"
                      "ch 8.5 4.5  100000000000000000 0 \"\x82\x60\r\n"),
            std::string::npos)
      << file;
}

TEST_F(SectionRun, HostItemsInTheirOtherForms) {
  // A later item of a key replaces an earlier one (point 2 in either mark,
  // the current layer); a point the kind does not read may be malformed;
  // quotes around an item are dropped; of a parameter file of several
  // lines only the last counts.
  std::string exchange = Exchange("0", {"hp1-  0 0", "hp2-  100 5", "\"hp2   100 0\"", "hp3   10 5", "hp4   90 5",
                                        "hp5   50 -20", "hp6-  1 1", "ly7"});
  EXPECT_EQ(DrawFile(exchange, "3 -- 9 9 -- 9 9 -- X Y Z W 1 9 9 - 2\r\n" + kDefaults + "\r\n", Args("1")),
            Output({"lg0", "ly7", "lt5", "lc3", "15 0 85 0", E, E, E, "ly7", "lt1", "lc2", "10 0 10 4.5",
                    "90 0 90 4.5", "10 0 9.22354287763338 2.89777748233472", "10 0 10.7764571223666 2.89777748233472",
                    "90 0 89.2235428776334 2.89777748233472", "90 0 90.7764571223666 2.89777748233472",
                    "7.5 0 12.5 0", "87.5 0 92.5 0", "43.25 -20 56.75 -20", "ly7", "cn4",
                    "ch 43.25 -20  100000000000000000 0 \"A-B断面", "ch 8.5 4.5  100000000000000000 0 \"A",
                    "ch 88.5 4.5  100000000000000000 0 \"B", E, E}));
}

TEST_F(SectionRun, SizesTheHostLeftOutCountAsZero) {
  // No "hs", "hcw", "hcd" or "hch" item: scale 0 draws everything at its
  // anchor; a text type that is no number does no harm and is written as
  // it stands.
  const std::string exchange = Items({"hd", "ly3", "lg0"}) + Items(kStraight);
  EXPECT_EQ(DrawFile(exchange, "x -- 3 5 -- 2 1 -- A B C D 0 3 15 断面 1\r\n", Args("1")),
            Output({"lg0", "ly3", "lt5", "lc3", "10 0 90 0", E, E, E, "ly3", "lt1", "lc2", "10 0 10 0", "90 0 90 0",
                    "10 0 10 0", "10 0 10 0", "90 0 90 0", "90 0 90 0", "10 0 10 0", "90 0 90 0",
                    "50 -20 50 -20", "ly3", "cnx", "ch 50 -20  100000000000000000 0 \"A-B断面",
                    "ch 10 0  100000000000000000 0 \"A", "ch 90 0  100000000000000000 0 \"B", E, E}));
}

TEST_F(SectionRun, EveryFailureLeavesTheExchangeFileAsTheHostWroteIt) {
  const std::string good = Exchange("0", kStraight);
  const std::string params = kDefaults + "\r\n";
  const std::string args = "jwc_temp.txt mokrav7.jyd 1";
  auto with = [&](const std::string& from, const std::string& to) { return Replaced(good, from, to); };
  auto field = [&](const std::string& line) { return line + "\r\n"; };
  const std::string tooMany = FilledTo(good, 101);
  const std::vector<FailureCase> failures = {
      {"no section kind", "the command line has no word 2 (it has 2); usage: MOKRAVP EXCHANGE-FILE mokrav7.jyd KIND", good, params, "jwc_temp.txt mokrav7.jyd"},
      {"a section kind that is not a number", "the section kind (command-line word 2) \"A\" is not a number",
       good, params, "jwc_temp.txt mokrav7.jyd A"},
      {"no exchange file", "the exchange file: cannot open nofile.txt", good, params, "nofile.txt mokrav7.jyd 1"},
      {"no parameter file", "the parameter file: cannot open mokrav9.jyd", good, params, "jwc_temp.txt mokrav9.jyd 1"},
      {"more than 100 items", "the exchange file holds more than 100 items", tooMany, params, args},
      {"a parameter line of 16 fields", "the parameter line has no field 16",
       good, field("4 -- 3 5 -- 2 1 -- A B C D 0 3 15 断面"), args},
      {"a full-width flag that is not a number", "the full-width field (field 12) \"-\" is not a number",
       good, field("4 -- 3 5 -- 2 1 -- A B C D - 3 15 断面 1"), args},
      {"an empty arrow length", "the arrow length (field 13) \"\" is not a number",
       good, field("4 -- 3 5 -- 2 1 -- A B C D 0  15 断面 1"), args},
      {"an empty arrow angle", "the arrow angle (field 14) \"\" is not a number",
       good, field("4 -- 3 5 -- 2 1 -- A Ａ C D 1 5  断面 2"), args},
      {"a pattern that is not a number", "the line pattern (field 16) \"x\" is not a number",
       good, field("4 -- 3 5 -- 2 1 -- A B C D 0 3 15 断面 x"), args},
      {"a text type that is not a number", "the text type \"x\" is not a number",
       good, field("x -- 3 5 -- 2 1 -- A B C D 0 3 15 断面 1"), args},
      {"a text type beyond the host's list", "the host's item \"hcw\" lists no text type 11",
       good, field("11 -- 3 5 -- 2 1 -- A B C D 0 3 15 断面 1"), args},
      {"a scale item too short for the group", "the host's scale item lists no scale for layer group 15",
       with("lg0", "lgf") + "hs 1 2\r\n", params, args},
      {"an upper-case layer group", "the current layer group \"A\"", with("lg0", "lgA"), params, args},
      {"point 5 never came", "point 5 was not picked", with("hp5   50 -20\r\n", ""), params, args},
      {"kind 3 without its label point", "point 7 was not picked",
       good + "hp6   1 1\r\n", params, "jwc_temp.txt mokrav7.jyd 3"},
      {"kind 0 without points 6 and 7", "point 6 was not picked", good, params, "jwc_temp.txt mokrav7.jyd 0"},
      {"point 1 only in its blank form", "point 1 was picked without the \"-\" mark it needs",
       with("hp1-  0 0", "hp1   0 0"), params, args},
      {"point 4 in its \"-\" form", "point 4 \"hp4-  90 5\" does not have its coordinates where expected",
       with("hp4   90 5", "hp4-  90 5"), params, args},
      {"point 3 without its y", "point 3 \"hp3   10\" lacks its y coordinate",
       with("hp3   10 5", "hp3   10"), params, args},
      {"a coordinate that is not a number", "the y of point 2 \"y\" is not a number",
       with("hp2-  100 0", "hp2-  100 y"), params, args},
      {"a scale that overflows the drawing", "a coordinate came out as no number", with("hs 1 2", "hs 1e308 2"), field(
           "4 -- 3 5 -- 2 1 -- A B C D 0 3e10 15 断面 1"), args},
  };
  ExpectFailures(failures);
}

}  // namespace
