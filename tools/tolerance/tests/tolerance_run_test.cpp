// MOKRAVT run as the host runs it: an exchange file and "mokrav6.jyd" in the
// current folder, the command line "<exchange file> 0 0 <kind> mokrav6.jyd
// <axis>". The parameter files are as the settings window writes them: the
// record, the table rows of the fit class, an empty line. Every expected
// drawing output below was worked out by hand.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "exchange/params/tolerance.h"
#include "exchange/testing/tool_run_test.h"

using namespace exchange::test;

namespace {

// Text type 3 (values): W = 3, D = 0.5, H = 2.5. Text type 2 (deviations):
// Wt = 2, Dt = 0.25, Ht = 1.5. Group 0 has scale 1, group 2 scale 2,
// group "a" scale 0.5.
const std::string kHost =
    "hd\r\nly3\r\nhcw 1 2 3 4 5 6 7 8 9 10\r\nhcd 0.1 0.25 0.5 0.5 0.5 0.6 0.7 0.8 0.9 1\r\n"
    "hch 1 1.5 2.5 4 5 6 7 8 9 10\r\nhs 1 1 2 1 1 1 1 1 1 1 0.5 1 1 1 1 1\r\n";

// The host's file for a layer group, four picked points ("x y") and any
// further items (selected circles).
std::string Exchange(const std::string& group, const std::vector<std::string>& p,
                     const std::string& more = "") {
  std::string s = kHost + "lg" + group + "\r\n";
  for (std::size_t i = 0; i < p.size(); ++i) s += "hp" + std::to_string(i + 1) + "   " + p[i] + "\r\n";
  return s + more;
}

// The rows the settings window copies from the shipped tolerance table for
// the classes H7, h6 and JS7.
const std::string kH7 =
    "H7/0/+0.010/0\r\nH7/3/+0.010/0\r\nH7/6/+0.012/0\r\nH7/10/+0.015/0\r\nH7/18/+0.018/0\r\n"
    "H7/30/+0.021/0\r\nH7/50/+0.025/0\r\nH7/80/+0.030/0\r\nH7/120/+0.035/0\r\nH7/180/+0.040/0\r\n"
    "H7/250/+0.046/0\r\nH7/315/+0.052/0\r\nH7/400/+0.057/0\r\nH7/500/+0.063/0\r\n";
const std::string kh6 =
    "h6/0/0/-0.006\r\nh6/3/0/-0.006\r\nh6/6/0/-0.008\r\nh6/10/0/-0.009\r\nh6/18/0/-0.011\r\n"
    "h6/30/0/-0.013\r\nh6/50/0/-0.016\r\nh6/80/0/-0.019\r\nh6/120/0/-0.022\r\nh6/180/0/-0.025\r\n"
    "h6/250/0/-0.029\r\nh6/315/0/-0.032\r\nh6/400/0/-0.036\r\nh6/500/0/-0.040\r\n";
const std::string kJS7 =
    "JS7/0/ /±0.005\r\nJS7/3/ /±0.005\r\nJS7/6/ /±0.006\r\nJS7/10/ /±0.0075\r\nJS7/18/ /±0.009\r\n"
    "JS7/30/ /±0.0105\r\nJS7/50/ /±0.0125\r\nJS7/80/ /±0.015\r\nJS7/120/ /±0.0175\r\n"
    "JS7/180/ /±0.020\r\nJS7/250/ /±0.023\r\nJS7/315/ /±0.026\r\nJS7/400/ /±0.0285\r\n"
    "JS7/500/ /±0.0315\r\n";

std::string Args(int kind, int axis = 0) {
  return "jwc_temp.txt 0 0 " + std::to_string(kind) + " mokrav6.jyd " + std::to_string(axis);
}

const std::string E = "";  // an empty slot

struct Case {
  const char* name;
  std::string exchange, record, rows, args;
  std::vector<std::string> output;
};

// The parameter file as the window writes it: the record, the rows, an
// empty line.
std::string ParameterFile(const std::string& record, const std::string& rows) {
  return record + "\r\n" + rows + "\r\n";
}

class ToleranceRun : public ToolRunTest {
 protected:
  ToleranceRun() : ToolRunTest({MOKRAVT_PATH, "MOKRAVT", paramfile::tolerance::kFileName, Args(0)}) {}

  // Each case's run must succeed silently and rewrite the exchange file
  // exactly as expected, byte for byte in code page 932.
  void Check(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      EXPECT_EQ(DrawFile(c.exchange, ParameterFile(c.record, c.rows), c.args), Cp932(Lines(c.output)));
    }
  }
};

TEST_F(ToleranceRun, LinearDimensions) {
  const std::vector<Case> cases = {
      {"horizontal, inside arrows, H7 looked up, points exchanged, axis 1 with a level pick",
       Exchange("0", {"40 0", "10 0", "20 10", "25 10"}), "3 2 0 0 1 2 1 1 N 2 3 H7 2 1 -- 5 3 30 0 0 -- -- --",
       kH7, Args(0, 1),
       {"lg0", "ly3", "lt1", "lc2", "10 1 10 12", "40 1 40 12", "10 10 12.5980762247508 11.4999999767949",
        "10 10 12.5980762247508 8.50000002320506", "40 10 37.4019237752492 11.4999999767949",
        "40 10 37.4019237752492 8.50000002320506", E, E, E, "10 10 40 10", "ly5", "cn2",
        "ch 24.9375 12.7 100000000000000000000 0 \"+0.021", "ch 24.9375 11 10000000000000000 0 \"0", "cn3",
        "ch 21.6875 11 10000000000000000 0 \"H7", E, E, "cs 18.4375 11 1000000000000000000 0 \"30"}},
      {"outside both: the text fits, the arrows do not; tails at both ends; extension lines downward",
       Exchange("0", {"0 0", "12 0", "5 -8", "6 -8"}), "3 2 0 0 1 2 1 0 N 2 3  2 4 -- -- 3 30 0 1 +0.1 -0.2 --",
       "", Args(0),
       {"lg0", "ly3", "lt1", "lc2", "0 -10 0 -1", "12 -10 12 -1", "0 -8 -2.59807622475076 -6.50000002320506",
        "0 -8 -2.59807622475076 -9.49999997679494", "12 -8 14.5980762247508 -6.50000002320506",
        "12 -8 14.5980762247508 -9.49999997679494", "0 -8 -3.6 -8", "12 -8 15.6 -8", E, "0 -8 12 -8", "ly3",
        "cn2", "ch 4.9375 -5.3 100000000000000000000 0 \"+0.1", "ch 4.9375 -7 10000000000000000 0 \"-0.2", "cn3",
        "ch 4.9375 -7 10000000000000000 0 \"", E, E, "cs 1.6875 -7 1000000000000000000 0 \"12"}},
      {"short: the text moves one arrow length beyond the nearer point 2",
       Exchange("0", {"100 50", "104 50", "100 60", "103 60"}), "3 2 0 0 1 2 1 0 N 2 3 H7 2 1 -- -- 3 30 0 0 -- -- --",
       kH7, Args(0),
       {"lg0", "ly3", "lt1", "lc2", "100 51 100 62", "104 51 104 62", "100 60 97.4019237752492 61.4999999767949",
        "100 60 97.4019237752492 58.5000000232051", "104 60 106.598076224751 61.4999999767949",
        "104 60 106.598076224751 58.5000000232051", "100 60 96.4 60", E, "104 60 118.375 60", "100 60 104 60",
        "ly3", "cn2", "ch 111.75 62.7 1000000000000000000 0 \"+0.012", "ch 111.75 61 1000000000000000000 0 \"0",
        "cn3", "ch 108.5 61 1000000000000000000 0 \"H7", E, E, "cs 107 61 100000000000000000 0 \"4"}},
      {"not short (the outside offset exceeds the arrow): the text moves by the outside offset",
       Exchange("0", {"100 50", "104 50", "100 60", "103 60"}), "3 2 0 0 1 2 1 0 N 5 3 H7 2 1 -- -- 3 30 0 0 -- -- --",
       kH7, Args(0),
       {"lg0", "ly3", "lt1", "lc2", "100 51 100 62", "104 51 104 62", "100 60 97.4019237752492 61.4999999767949",
        "100 60 97.4019237752492 58.5000000232051", "104 60 106.598076224751 61.4999999767949",
        "104 60 106.598076224751 58.5000000232051", "100 60 96.4 60", E, "104 60 120.375 60", "100 60 104 60",
        "ly3", "cn2", "ch 113.75 62.7 1000000000000000000 0 \"+0.012", "ch 113.75 61 1000000000000000000 0 \"0",
        "cn3", "ch 110.5 61 1000000000000000000 0 \"H7", E, E, "cs 109 61 100000000000000000 0 \"4"}},
      {"dots, a text of 9.5 in 10 stays centred; the diameter sign of its own; p3 on point 1",
       Exchange("0", {"0 20", "10 20", "0 20", "5 20"}), "3 2 0 0 1 2 1 0 Φ 2 3  2 4 -- -- 3 30 1 1 +.1 0 --", "",
       Args(0),
       {"lg0", "ly3", "lt1", "lc2", E, "10 18 10 19", "pt 0 20", "pt 10 20", E, E, E, E, E, "0 20 10 20", "ly3",
        "cn2", "ch 6.5 22.7 100000000000000000000 0 \"+.1", "ch 6.5 21 10000000000000000 0 \"0", "cn3",
        "ch 6.5 21 10000000000000000 0 \"", "cs 0.25 21 1000000000000000000 0 \"Φ", E,
        "cs 3.25 21 1000000000000000000 0 \"10"}},
      {"fit class Z: a dimension figure; the dimension line after \"msg\"; text before point 1",
       Exchange("0", {"0 0", "20 0", "10 5", "-4 5"}), "3 2 0 0 1 2 1 2 N 2 3 Z 2 3 -- -- 3 30 0 0 -- -- --", "",
       Args(0),
       {"lg0", "ly3", "lt1", "lc2", "0 1 0 7", "20 1 20 7", "0 5 2.59807622475076 6.49999997679494",
        "0 5 2.59807622475076 3.50000002320506", "20 5 17.4019237752492 6.49999997679494",
        "20 5 17.4019237752492 3.50000002320506", E, E, "0 5 -7.25 5", "ly3", "cn2", "cn3", E, "msg",
        "0 5 20 5", "cs -7.25 6 100000000000000000 0 \"20"}},
      {"fit class z, scale 2, 12.345 to 2 decimals; the text moves before the nearer point 1",
       Exchange("2", {"0 0", "12.345 0", "6 10", "3 10"}), "3 2 0 0 1 2 1 2 N 2 3 z 2 3 -- -- 3 30 0 0 -- -- --", "",
       Args(0),
       {"lg2", "ly3", "lt1", "lc2", "0 2 0 14", "12.345 2 12.345 14", "0 10 5.19615244950153 12.9999999535899",
        "0 10 5.19615244950153 7.00000004641012", "12.345 10 7.14884755049847 12.9999999535899",
        "12.345 10 7.14884755049847 7.00000004641012", E, E, "0 10 -21 10", "0 10 12.345 10", "ly3", "cn2",
        "cn3", E, E, "cs -21 12 100000000000000000 0 \"12.35"}},
      {"axis 2 forces horizontal; full width with Φ; a JS7 single value; p3 between the points' heights",
       Exchange("0", {"0 0", "50 8", "20 4", "30 4"}), "3 2 1 0 1 2 1 3 Φ 2 3 JS7 2 1 -- -- 3 30 0 0 -- -- --",
       kJS7, Args(0, 2),
       {"lg0", "ly3", "lt1", "lc2", "0 1 0 6", "50 2 50 7", "0 4 2.59807622475076 5.49999997679494",
        "0 4 2.59807622475076 2.50000002320506", "50 4 47.4019237752492 5.49999997679494",
        "50 4 47.4019237752492 2.50000002320506", E, E, E, "0 4 50 4", "ly3", "cn2", E,
        "ch 27.875 5.5 100000000000000000 0 \"±0.0125", "cn3", "ch 22.875 5 10000000000000000 0 \"JS7",
        "cs 13.375 5 1000000000000000000 0 \"Φ", E, "cs 16.375 5 1000000000000000000 0 \"５０"}},
      {"a fit marked * draws no fit; 12.5 to 0 decimals is 12; the text asked for on point 2 is centred",
       Exchange("0", {"0 0", "12.5 0", "3 5", "12.5 5"}), "3 2 0 0 1 2 1 0 N 2 3 *H7 2 1 -- -- 3 30 0 0 -- -- --",
       "*H7/10/+0.015/0\r\n*H7/18/+0.018/0\r\n", Args(0),
       {"lg0", "ly3", "lt1", "lc2", "0 1 0 7", "12.5 1 12.5 7", "0 5 -2.59807622475076 6.49999997679494",
        "0 5 -2.59807622475076 3.50000002320506", "12.5 5 15.0980762247508 6.49999997679494",
        "12.5 5 15.0980762247508 3.50000002320506", "0 5 -3.6 5", "12.5 5 16.1 5", E, "0 5 12.5 5", "ly3",
        "cn2", "ch 4.5625 7.7 100000000000000000000 0 \"+0.018", "ch 4.5625 6 10000000000000000 0 \"0", "cn3",
        "ch 4.5625 6 10000000000000000 0 \"", E, E, "cs 1.3125 6 1000000000000000000 0 \"12"}},
      {"vertical, inside, h6 looked up, points exchanged, extension lines leftward",
       Exchange("0", {"0 40", "0 10", "-10 20", "-10 25"}), "3 2 0 0 1 2 1 1 N 2 3 h6 2 2 -- 5 3 30 0 0 -- -- --",
       kh6, Args(0),
       {"lg0", "ly3", "lt1", "lc2", "-12 10 -1 10", "-12 40 -1 40", "-10 40 -11.4999999767949 37.4019237752492",
        "-10 40 -8.50000002320506 37.4019237752492", "-10 10 -11.4999999767949 12.5980762247508",
        "-10 10 -8.50000002320506 12.5980762247508", E, E, E, "-10 10 -10 40", "ly5", "cn2",
        "ch -12.7 24.9375 0 100000000000000000000 \"0", "ch -11 24.9375 0 10000000000000000 \"-0.013", "cn3",
        "ch -11 21.6875 0 10000000000000000 \"h6", E, E, "cs -11 18.4375 0 1000000000000000000 \"30"}},
      {"vertical, shorter than two arrows, own deviations, Φ, text above point 2",
       Exchange("0", {"5 0", "5 4", "15 0", "15 10"}), "3 2 0 0 1 2 1 1 Φ 2 3  2 4 -- -- 3 30 0 1 +0.1 -0.2 --", "",
       Args(0),
       {"lg0", "ly3", "lt1", "lc2", "6 0 17 0", "6 4 17 4", "15 4 13.5000000232051 6.59807622475076",
        "15 4 16.4999999767949 6.59807622475076", "15 0 13.5000000232051 -2.59807622475076",
        "15 0 16.4999999767949 -2.59807622475076", "15 0 15 -3.6", E, "15 0 15 19.875", "15 0 15 4", "ly3",
        "cn2", "ch 12.3 14.5 0 1000000000000000000 \"+0.1", "ch 14 14.5 0 1000000000000000000 \"-0.2", "cn3",
        "ch 14 14.5 0 1000000000000000000 \"", "ch 14 10 0 100000000000000000 \"Φ", E,
        "cs 14 13 0 100000000000000000 \"4"}},
      {"vertical, scale 0.5, own single value, text below point 1 ending at it",
       Exchange("a", {"0 0", "0 20", "-5 3", "-5 -2"}), "3 2 0 0 1 2 1 0 N 2 3  2 4 -- -- 3 30 0 1 -- ±0.05 --", "",
       Args(0),
       {"lga", "ly3", "lt1", "lc2", "-6 0 -0.5 0", "-6 20 -0.5 20", "-5 20 -5.74999998839747 18.7009618876246",
        "-5 20 -4.25000001160253 18.7009618876246", "-5 0 -5.74999998839747 1.29903811237538",
        "-5 0 -4.25000001160253 1.29903811237538", E, E, "-5 -6.875 -5 20", "-5 0 -5 20", "ly3", "cn2", E,
        "ch -5.75 -5.25 0 10000000000000000000 \"±0.05", "cn3", "ch -5.5 -5.25 0 10000000000000000000 \"", E, E,
        "cs -5.5 -6.875 0 100000000000000000 \"20"}},
  };
  Check(cases);
}

TEST_F(ToleranceRun, AlignedDimensions) {
  const std::vector<Case> cases = {
      {"45 degrees, outside arrows with tails; H7 is not looked up", Exchange("0", {"0 0", "10 10", "0 10", "1 1"}),
       "3 2 0 0 1 2 1 2 N 2 3 H7 2 1 -- -- 3 30 0 0 -- -- --", "", Args(2),
       {"lg0", "ly3", "lt1", "lc2", "-0.707106781186547 0.707106781186547 -6.41421356237309 6.41421356237309",
        "9.29289321881345 10.7071067811865 3.58578643762691 16.4142135623731",
        "5 15 7.89777749273726 15.7764570835438", "5 15 5.77645723883509 17.8977774511271",
        "-5 5 -7.89777749273726 4.2235429164562", "-5 5 -5.77645723883509 2.10222254887291", E,
        "-5 5 -7.54558441227157 2.45441558772843", "5 15 7.54558441227157 17.5455844122716", "-5 5 5 15", "ly3",
        "cn2", E, E, "cn3", E, E, E, "ch -3.71231060122937 7.70190296114372 10 10 \"14.14"}},
      {"vertical pick with dots and fit class Z: extension lines toward p3",
       Exchange("0", {"0 0", "0 10", "5 3", "1 1"}), "3 2 0 0 1 2 1 1 N 2 3 Z 2 3 -- -- 3 30 1 0 -- -- --", "",
       Args(2),
       {"lg0", "ly3", "lt1", "lc2", "1 0 7 0", "1 10 7 10", "pt 5 0", "pt 5 10", E, E, E, E, E, "ly3", "cn2",
        "cn3", E, "msg", "5 0 5 10", "ch 4 3.375 0 10 \"10"}},
      {"level pick from right to left", Exchange("0", {"20 0", "0 0", "10 -5", "1 1"}),
       "3 2 0 0 1 2 1 1 N 2 3 z 2 3 -- -- 3 30 0 0 -- -- --", "", Args(2),
       {"lg0", "ly3", "lt1", "lc2", "20 -1 20 -7", "0 -1 0 -7", "20 -5 17.4019238556339 -3.4999998839747",
        "20 -5 17.4019236948645 -6.49999983756457", "0 -5 2.59807614436607 -6.5000001160253",
        "0 -5 2.59807630513545 -3.50000016243543", E, E, E, "20 -5 0 -5", "ly3", "cn2", "cn3", E, E,
        "ch 11.625 -6 -20 0 \"20"}},
      {"scale 2, a full-width value wider than the dimension stands beyond point 2",
       Exchange("2", {"0 0", "3 4", "-4 3", "1 1"}), "3 2 1 0 1 2 1 0 Φ 2 3 H7 2 1 -- -- 3 30 0 0 -- -- --", "",
       Args(2),
       {"lg2", "ly3", "lt1", "lc2", "-1.6 1.2 -7.2 5.4", "1.4 5.2 -4.2 9.4", "-1 7 4.5176914957263 9.35692183960132",
        "-1 7 -0.282308333555877 12.9569219125247", "-4 3 -9.5176914957263 0.643078160398677",
        "-4 3 -4.71769166644412 -2.95692191252468", "-1 7 5 15", "-4 3 -8.32 -2.76", "-1 7 3.32 12.76",
        "-4 3 -1 7", "ly3", "cn2", E, E, "cn3", E, E, E, "ch -0.2 11.4 3 4 \"５"}},
      // L = sqrt(10), Vw = 6.75: the run under the text is 6.75 + 1 long
      // along the unit vector (3, 1) / L, whose y part 1 / L = 0.316227766016838
      // gives 5.9 + 7.75 * 0.316227766016838 = 8.35076518663050 (7.75 * 1 / L,
      // rounded once more, would end in ...049).
      {"a value wider than an oblique dimension: the run under it along the unit vector",
       Exchange("0", {"1 1", "4 2", "0 5", "1 1"}), "3 2 0 0 1 2 1 2 N 1 3 H7 2 1 -- -- 3 30 0 0 -- -- --", "",
       Args(2),
       {"lg0", "ly3", "lt1", "lc2", "0.683772233983162 1.94868329805051 -0.932455532033676 6.79736659610103",
        "3.68377223398316 2.94868329805051 2.06754446796632 7.79736659610103",
        "2.7 5.9 5.6390931470548 5.29855883668018", "2.7 5.9 4.69040993994007 8.14460871222308",
        "-0.3 4.9 -3.2390931470548 5.50144116331982", "-0.3 4.9 -2.29040993994007 2.65539128777692",
        "2.7 5.9 10.0522955598915 8.3507651866305", "-0.3 4.9 -3.71525987298185 3.76158004233938",
        "2.7 5.9 6.11525987298185 7.03841995766062", "-0.3 4.9 2.7 5.9", "ly3", "cn2", E, E, "cn3", E, E, E,
        "ch 3.33245553203368 7.16491106406735 3 1 \"3.16"}},
  };
  Check(cases);
}

TEST_F(ToleranceRun, DiameterDimensions) {
  const std::string three = "ci 0 0 2\r\nci 0 0 3\r\nci 0 0 5\r\n";
  const std::vector<Case> cases = {
      {"three circles: 3-Φ10 with H7, text beyond the leader's end",
       Exchange("0", {"0 0", "10 10", "0 0", "20 10"}, three),
       "3 2 0 0 1 2 1 1 Φ 2 3 H7 2 1 -- -- 3 30 0 0 -- -- --", kH7, Args(1),
       {"lg0", "ly3", "lt1", "lc2", "3.53553390593274 3.53553390593274 10 10",
        "3.53553390593274 3.53553390593274 6.43331139867 4.31199098947653",
        "3.53553390593274 3.53553390593274 4.31199114476783 6.43331135705982", "10 10 40.125 10", "ly3", "cn2",
        "ch 33.5 12.7  100000000000000000 0 \"+0.015", "ch 33.5 11  1000000000000000 0 \"0", "cn3",
        "ch 20 7.5 1000000000000 0 \"", "ch 20 11 1000000000000 0 \"3-Φ10",
        "ch 30.25 11 1000000000000000000 0 \"H7"}},
      {"a quoted note with a blank, wider than the value, before the leader's end; leader downward; z",
       Exchange("0", {"0 0", "-10 -10", "0 0", "-15 -10"}, "ci 0 0 4\r\n"),
       "3 2 0 0 1 2 1 0 N 2 3 z 2 3 -- -- 3 30 0 0 -- -- M6 深さ10", "", Args(1),
       {"lg0", "ly3", "lt1", "lc2", "-2.82842712474619 -2.82842712474619 -10 -10",
        "-2.82842712474619 -2.82842712474619 -5.72620461748345 -3.60488420828999",
        "-2.82842712474619 -2.82842712474619 -3.60488436358128 -5.72620457587327", "-30.5 -10 -10 -10", "ly3",
        "cn2", "cn3", "ch -30.5 -12.5 100000000000000000 0 \"M6 深さ10",
        "ch -30.5 -9 100000000000000000 0 \"8"}},
      {"a level leader toward -x, full width, own single value, text asked for on the leader's end",
       Exchange("0", {"0 0", "-10 0", "0 0", "-10 3"}, "ci 5 5 1 0 360\r\nci 0 0 2.5\r\n"),
       "3 2 1 0 1 2 1 1 Φ 2 3  2 4 -- -- 3 30 0 1 -- ±0.05 C1", "", Args(1),
       {"lg0", "ly3", "lt1", "lc2", "-2.5 0 -10 0", "-2.5 0 -5.09807614436607 1.5000001160253",
        "-2.5 0 -5.09807630513545 -1.49999983756457", "-10 0 10 0", "ly3", "cn2", E,
        "ch 3.5 1.5 1000000000000000 0 \"±0.05", "cn3", "ch -10 -2.5 1000000000000 0 \"Ｃ１",
        "ch -10 1 1000000000000 0 \"２－Φ５", "ch 3.5 1 1000000000000000000 0 \""}},
  };
  Check(cases);
}

TEST_F(ToleranceRun, EveryFailureLeavesTheExchangeFileAsTheHostWroteIt) {
  const std::string good = Exchange("0", {"0 0", "20 0", "10 5", "5 5"});
  const std::string record = "3 2 0 0 1 2 1 1 N 2 3 H7 2 1 -- -- 3 30 0 0 -- -- --";
  const auto with = Replaced;
  struct Failure {
    std::string name, message, exchange, record, rows, args;
  };
  std::vector<Failure> failures = {
      {"five command-line words", "the command line has 5 words; the tool needs six; usage: MOKRAVT EXCHANGE-FILE X X KIND mokrav6.jyd AXIS",
       good, record, kH7, "jwc_temp.txt 0 0 0 mokrav6.jyd"},
      {"no such exchange file", "the exchange file: cannot open nofile.txt",
       good, record, kH7, "nofile.txt 0 0 0 mokrav6.jyd 0"},
      {"no such parameter file", "the parameter file: cannot open mokrav9.jyd",
       good, record, kH7, "jwc_temp.txt 0 0 0 mokrav9.jyd 0"},
      {"a kind that is no number", "the dimension kind (command-line word 3) \"x\" is not a number",
       good, record, kH7, "jwc_temp.txt 0 0 x mokrav6.jyd 0"},
      {"an axis that is no number", "the dimension axis (command-line word 5) \"-\" is not a number",
       good, record, kH7, "jwc_temp.txt 0 0 0 mokrav6.jyd -"},
      {"kind 3", "the dimension kind 3 is none of 0 (linear), 1 (diameter) and 2 (aligned)",
       good, record, kH7, Args(3)},
      {"a record of 22 fields", "the parameter line has 22 fields; it needs 23",
       good, "3 2 0 0 1 2 1 1 N 2 3 H7 2 1 -- -- 3 30 0 0 -- --", kH7, Args(0)},
      {"negative decimals", "the number of decimals \"-1\" is negative",
       good, with(record, " 1 N ", " -1 N "), kH7, Args(0)},
      {"a text type beyond the host's list", "the host's item \"hcw\" lists no text type 11",
       good, with(record, "3 2 0", "11 2 0"), kH7, Args(0)},
      {"a deviation text type that is no number", "the text type \"x\" is not a number",
       good, with(record, " H7 2 ", " H7 x "), kH7, Args(0)},
      {"point 4 never came", "point 4 was not picked", with(good, "hp4   5 5\r\n", ""), record, kH7, Args(0)},
      {"point 3 in the two-blank form", "point 3 \"hp3-  10 5\" does not have its coordinates where expected",
       with(good, "hp3   10 5", "hp3-  10 5"), record, kH7, Args(0)},
      {"point 1 without its y", "point 1 \"hp1   0\" lacks its y coordinate",
       with(good, "hp1   0 0", "hp1   0"), record, kH7, Args(0)},
      {"an upper-case layer group", "the current layer group \"A\"", with(good, "lg0", "lgA"), record, kH7, Args(0)},
      {"no scale for the group", "the host's scale item lists no scale for layer group 15",
       with(good, "lg0", "lgf") + "hs 1 2\r\n", record, kH7, Args(0)},
      {"a scale that overflows the drawing", "a coordinate came out as no number",
       with(good, "hs 1 1", "hs 1e308 1"), record, kH7, Args(0)},
      {"a value on the first bound", "no tolerance-table row in the parameter file covers the size 20",
       good, record, "H7/20/+0.1/0\r\nH7/30/+0.2/0\r\n", Args(0)},
      {"a value above the last bound", "no tolerance-table row in the parameter file covers the size 600",
       with(good, "20 0", "600 0"), record, kH7, Args(0)},
      {"no rows at all", "no tolerance-table row in the parameter file covers the size 20", good, record, "", Args(0)},
      {"the chosen row lacks its lower deviation", "the tolerance-table row \"H7/30/+0.2\" lacks its deviations",
       good, record, "H7/10/+0.1/0\r\nH7/30/+0.2\r\n", Args(0)},
      {"a bound that is no number", "the size bound of the tolerance-table row \"H7/x/+0.2/0\" \"x\" is not a number",
       good, record, "H7/10/+0.1/0\r\nH7/x/+0.2/0\r\n", Args(0)},
      {"aligned with p1 = p2", "points 1 and 2 coincide, so the aligned dimension has no direction",
       with(good, "20 0", "0 0"), record, kH7, Args(2)},
      {"diameter without a circle", "no circle was selected, so there is no diameter to measure",
       good, record, kH7, Args(1)},
      {"diameter with p2 on the centre", "the leader's end is the circle's centre, so the leader has no direction",
       with(good, "20 0", "0 0") + "ci 0 0 5\r\n", record, kH7, Args(1)},
      {"diameter with p2 on the circle", "the leader's end lies on the circle, so the leader has no length",
       with(good, "20 0", "3 4") + "ci 0 0 5\r\n", record, kH7, Args(1)},
      {"a circle whose radius is no number", "a circle's radius \"r\" is not a number",
       good + "ci 0 0 r\r\n", record, kH7, Args(1)},
  };
  // Every numeric field in turn made no number.
  for (std::size_t field : {4, 5, 6, 7, 9, 10, 16, 17, 18, 19}) {
    std::vector<std::string> f;
    std::string rest = record;
    for (std::size_t at; (at = rest.find(' ')) != std::string::npos; rest.erase(0, at + 1)) f.push_back(rest.substr(0, at));
    f.push_back(rest);
    f[field] = "x";
    std::string joined = f[0];
    for (std::size_t k = 1; k < f.size(); ++k) joined += " " + f[k];
    failures.push_back({"field " + std::to_string(field) + " no number",
                        "(field " + std::to_string(field) + " of the parameter line) \"x\" is not a number", good,
                        joined, kH7, Args(0)});
  }
  failures.push_back(
      {"301 exchange items", "the exchange file holds more than 300 items", FilledTo(good, 301), record, kH7, Args(0)});
  std::string rows;
  for (int i = 0; i < 200; ++i) rows += "H7/" + std::to_string(i) + "/+0.1/0\r\n";
  failures.push_back({"the record and 200 rows", "the parameter file holds more than 200 lines", good, record, rows,
                      Args(0)});

  for (const Failure& f : failures) {
    SCOPED_TRACE(f.name);
    ExpectFailure(Cp932(f.exchange), Cp932(ParameterFile(f.record, f.rows)), f.args, f.message);
  }
}

}  // namespace
