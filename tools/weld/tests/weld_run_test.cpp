// MOKRAVW run as the host runs it: an exchange file and "mokrav1.jyd" in the
// current folder, the command line "<exchange file> 0 0 0 0 0 mokrav1.jyd".
// Every expected drawing output below was worked out by hand: the 37
// records, given by their line numbers, every line not named is empty.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "exchange/params/weld.h"
#include "exchange/testing/tool_run_test.h"

using namespace exchange::test;

namespace {

// Text types 1 to 10; the tests use type 3 (W 3, D 0.5, h 3) unless they
// say otherwise, and type 2 (W 2.5, D 0.5, h 2.5).
const char* const kSizes =
    "hcw 2 2.5 3 3.5 4 5 6 7 8 10\r\n"
    "hcd 0 0.5 0.5 0.5 0.5 1 1 1 1 1\r\n"
    "hch 2 2.5 3 3.5 4 5 6 7 8 10\r\n";
// Scales of groups 0 to 15: 0 has 1, 1 has 2, 2 has 1.25, 3 has 1.75,
// 4 has 0.2, "a" 0.5.
const char* const kScales = "hs 1 2 1.25 1.75 0.2 1 1 1 1 1 0.5 1 1 1 1 1\r\n";

// The host's file of the straight leader: arrow tip (90, 30), junction
// (90, 50); its third and fourth points are read and never drawn.
std::string Straight(const std::string& group = "0", const std::string& tip = "90 30",
                     const std::string& junction = "90 50") {
  return "hd\r\nly3\r\nlg" + group + "\r\n" + kSizes + kScales + "hp1-  " + tip + "\r\nhp2-  " + junction +
         "\r\nhp3-  200 210\r\nhp4   300 310\r\n";
}

// The host's file of the bent leader: tip, bend, junction, then two points
// read and never drawn.
std::string Bent(const std::string& tip, const std::string& bend, const std::string& junction) {
  return std::string("hd\r\nly3\r\nlg0\r\n") + kSizes + kScales + "hp1-  " + tip + "\r\nhp2-  " + bend +
         "\r\nhp3   " + junction + "\r\nhp4   -7 8\r\nhp5   400 -3\r\n";
}

// The record the settings window writes with its defaults, fields changed
// by number.
std::string Params(std::initializer_list<std::pair<int, std::string>> changes = {}) {
  std::vector<std::string> f = {"3", "4", "10", "-", "-", "-", "-", "1", "-", "-", "-", "-", "-",
                                "0", "0", "0", "0", "--", "--", "3", "15", "-", "-", "0", "0"};
  for (const auto& [n, value] : changes) f.at(static_cast<std::size_t>(n)) = value;
  std::string line;
  for (std::size_t i = 0; i < f.size(); ++i) line += (i ? " " : "") + f[i];
  return line;
}

// A text record: x and y as written, the power of ten of its direction, the
// two blanks before the quote, the text.
std::string Ch(const std::string& xy, int power, const std::string& text) {
  return "ch " + xy + " 1" + std::string(static_cast<std::size_t>(power), '0') + " 0  \"" + text;
}

// The whole file: the 37 records with the named lines set, then the empty
// line.
using Lines = std::map<int, std::string>;
std::string Output(const Lines& set) {
  std::string out;
  for (int n = 1; n <= 37; ++n) {
    auto it = set.find(n);
    out += (it == set.end() ? std::string() : it->second) + "\r\n";
  }
  return out + "\r\n";
}

// The lines every run on the straight vertical leader at scale 1 shares:
// pens, the leader from (90, 30) up to (90, 50) and its arrow.
Lines Base(std::initializer_list<Lines::value_type> more) {
  Lines l = {{1, "lg0"},
             {2, "ly3"},
             {3, "lt1"},
             {4, "lc4"},
             {5, "90 30 90 50"},
             {7, "90 50 104 50"},
             {23, "90 30 90.7764572000123 32.8977774615296"},
             {24, "90 30 89.223542955279 32.8977775031398"},
             {25, "ly3"},
             {26, "cn3"},
             {31, Ch("105.5 48.5", 16, "")}};
  for (const auto& [n, text] : more) l[n] = text;
  return l;
}

const std::string kArgs = "jwc_temp.txt 0 0 0 0 0 mokrav1.jyd";

class WeldRun : public ToolRunTest {
 protected:
  WeldRun() : ToolRunTest({MOKRAVW_PATH, "MOKRAVW", paramfile::weld::kFileName, kArgs}) {}

  void ExpectDrawn(const std::string& exchange, const std::string& params, const Lines& lines) {
    EXPECT_EQ(Draw(exchange, params), Cp932(Output(lines)));
  }
};

TEST_F(WeldRun, TheWorkedExampleOfTheAxisStack) {
  // An I weld on the near side: root gap "2", groove angle "60°", finish
  // "C", axis at 100 on the line at 50.
  ExpectDrawn(Straight(), Params({{2, "3"}, {10, "60°"}, {11, "C"}, {22, "2"}}),
              Base({{8, "98.5 50 98.5 47"},
                    {9, "101.5 50 101.5 47"},
                    {28, Ch("98 47", 15, "")},
                    {30, Ch("102 47", 16, "")},
                    {32, Ch("99.25 37.5", 15, "C")},
                    {35, Ch("96.875 41", 15, "60°")},
                    {36, Ch("99.25 44", 15, "2")}}));
}

TEST_F(WeldRun, EveryKindOnBothSides) {
  // No texts: each side's finish row sits at the rise plus 0.5 (and one
  // character height on the near side); the depth and length-pitch texts
  // stand at the kind's gaps.
  struct Case {
    std::string kind;
    Lines lines;
  };
  const std::vector<Case> cases = {
      {"1", {{8, "ci 96.75 47 3 0 90"}, {9, "ci 103.25 47 3 90 180"}, {10, "ci 96.75 53 3 -90 0"},
             {11, "ci 103.25 53 3 180 270"}, {27, Ch("96.5 50", 13, "")}, {28, Ch("96.5 47", 15, "")},
             {29, Ch("103.5 50", 16, "")}, {30, Ch("103.5 47", 16, "")}, {32, Ch("100 43.5", 15, "")},
             {33, Ch("100 53.5", 15, "")}}},
      {"2", {{8, "98.25 47 98.25 50"}, {9, "ci 101.75 47 3 90 180"}, {10, "98.25 53 98.25 50"},
             {11, "ci 101.75 53 3 180 270"}, {27, Ch("97.75 50", 13, "")}, {28, Ch("97.75 47", 15, "")},
             {29, Ch("102.25 50", 16, "")}, {30, Ch("102.25 47", 16, "")}, {32, Ch("100 43.5", 15, "")},
             {33, Ch("100 53.5", 15, "")}}},
      {"3", {{8, "98.5 50 98.5 47"}, {9, "101.5 50 101.5 47"}, {10, "98.5 50 98.5 53"},
             {11, "101.5 50 101.5 53"}, {27, Ch("98 50", 13, "")}, {28, Ch("98 47", 15, "")},
             {29, Ch("102 50", 16, "")}, {30, Ch("102 47", 16, "")}, {32, Ch("100 43.5", 15, "")},
             {33, Ch("100 53.5", 15, "")}}},
      // The V writes all three axis texts, empty or not, and rises h/2.
      {"4", {{8, "97 47 100 50"}, {9, "103 47 100 50"}, {10, "97 53 100 50"}, {11, "103 53 100 50"},
             {27, Ch("96.5 50", 13, "")}, {28, Ch("96.5 47", 15, "")}, {29, Ch("103.5 50", 16, "")},
             {30, Ch("103.5 47", 16, "")}, {32, Ch("100 42.5", 15, "")}, {33, Ch("100 54.5", 15, "")},
             {34, Ch("100 54.5", 15, "")}, {35, Ch("100 42.5", 15, "")}, {36, Ch("100 45.5", 15, "")},
             {37, Ch("100 51.5", 15, "")}}},
      {"5", {{8, "98.5 50 98.5 47"}, {9, "98.5 50 101.5 47"}, {10, "98.5 50 98.5 53"},
             {11, "98.5 50 101.5 53"}, {27, Ch("98 50", 13, "")}, {28, Ch("98 47", 15, "")},
             {29, Ch("102 50", 16, "")}, {30, Ch("102 47", 16, "")}, {32, Ch("100 43.5", 15, "")},
             {33, Ch("100 53.5", 15, "")}}},
      {"6", {{8, "ci 98.5 46.5 3 0 90"}, {9, "98.5 46.5 98.5 50"}, {10, "ci 98.5 53.5 3 -90 0"},
             {11, "98.5 53.5 98.5 50"}, {27, Ch("98 50", 13, "")}, {28, Ch("98 47", 15, "")},
             {29, Ch("102 50", 16, "")}, {30, Ch("102 47", 16, "")}, {32, Ch("100 43", 15, "")},
             {33, Ch("100 54", 15, "")}}},
      {"7", {{8, "ci 100 46.5 3 0 180"}, {9, "100 49.5 100 50"}, {10, "ci 100 53.5 3 -180 0"},
             {11, "100 50.5 100 50"}, {27, Ch("98 50", 13, "")}, {28, Ch("98 47", 15, "")},
             {29, Ch("102 50", 16, "")}, {30, Ch("102 47", 16, "")}, {32, Ch("100 45", 15, "")},
             {33, Ch("100 52", 15, "")}}},
      {"8", {{8, "ci 96.75 50 3 -90 0"}, {9, "ci 103.25 50 3 180 270"}, {10, "ci 96.75 50 3 0 90"},
             {11, "ci 103.25 50 3 90 180"}, {27, Ch("96.5 50", 13, "")}, {28, Ch("96.5 47", 15, "")},
             {29, Ch("103.5 50", 16, "")}, {30, Ch("103.5 47", 16, "")}, {32, Ch("100 43.5", 15, "")},
             {33, Ch("100 53.5", 15, "")}}},
      {"9", {{8, "98.25 47 98.25 50"}, {9, "ci 101.75 50 3 180 270"}, {10, "98.25 53 98.25 50"},
             {11, "ci 101.75 50 3 90 180"}, {27, Ch("97.75 50", 13, "")}, {28, Ch("97.75 47", 15, "")},
             {29, Ch("102.25 50", 16, "")}, {30, Ch("102.25 47", 16, "")}, {32, Ch("100 43.5", 15, "")},
             {33, Ch("100 53.5", 15, "")}}},
      // The fillet: finish from the axis, root gap below or above it, no
      // groove angle; its gaps differ.
      {"10", {{8, "98.5 50 98.5 47"}, {9, "98.5 47 101.5 50"}, {10, "98.5 50 98.5 53"},
              {11, "98.5 53 101.5 50"}, {27, Ch("98 50", 13, "")}, {28, Ch("98 47", 15, "")},
              {29, Ch("103 50", 16, "")}, {30, Ch("103 47", 16, "")}, {32, Ch("100 45.48", 15, "")},
              {33, Ch("100 51.52", 15, "")}, {36, Ch("100 42.5", 15, "")}, {37, Ch("100 54.5", 15, "")}}},
      {"11", {{8, "98 47 102 47"}, {9, "98 47 98 50"}, {10, "98 53 102 53"}, {11, "98 53 98 50"},
              {12, "102 47 102 50"}, {13, "102 53 102 50"}, {27, Ch("97.5 50", 13, "")},
              {28, Ch("97.5 47", 15, "")}, {29, Ch("102.5 50", 16, "")}, {30, Ch("102.5 47", 16, "")},
              {32, Ch("100 43.5", 15, "")}, {33, Ch("100 53.5", 15, "")}}},
      {"12", {{8, "ci 98.5 50.625 1.625 -157.381 -22.62"}, {9, "ci 101.5 50.625 1.625 -157.381 -22.62"},
              {10, "ci 98.5 49.375 1.625 22.62 157.381"}, {11, "ci 101.5 49.375 1.625 22.62 157.381"},
              {27, Ch("96.5 50", 13, "")}, {28, Ch("96.5 47", 15, "")}, {29, Ch("103.5 50", 16, "")},
              {30, Ch("103.5 47", 16, "")}, {32, Ch("100 45", 15, "")}, {33, Ch("100 52", 15, "")}}},
      // The spot mark crosses the line once; both axis stacks rise 3.5.
      {"13", {{8, "97 53 103 47"}, {9, "97 47 103 53"}, {12, "100 53.5 100 46.5"},
              {27, Ch("96.5 50", 13, "")}, {28, Ch("96.5 47", 15, "")}, {29, Ch("103.5 50", 16, "")},
              {30, Ch("103.5 47", 16, "")}, {32, Ch("100 43", 15, "")}, {33, Ch("100 54", 15, "")}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("kind " + c.kind);
    Lines lines = Base({});
    for (const auto& [n, text] : c.lines) lines[n] = text;
    ExpectDrawn(Straight(), Params({{2, c.kind}, {7, "3"}}), lines);
  }
}

TEST_F(WeldRun, EachSideAlone) {
  // The back side alone, with its own axis texts and a flat contour: the
  // rows go up from the line, the finish one more millimetre out.
  ExpectDrawn(Straight(),
              Params({{2, "3"}, {5, "60°"}, {6, "C"}, {7, "2"}, {21, "2"}, {23, "1"}, {10, "45°"}, {22, "9"}}),
              Base({{10, "98.5 50 98.5 53"},
                    {11, "101.5 50 101.5 53"},
                    {21, "97 59.5 103 59.5"},
                    {27, Ch("98 50", 13, "")},
                    {29, Ch("102 50", 16, "")},
                    {33, Ch("99.25 60.5", 15, "C")},
                    {34, Ch("96.875 56", 15, "60°")},
                    {37, Ch("99.25 53", 15, "2")}}));
  // Kind 11 on the back side fills its third line, never the near one.
  ExpectDrawn(Straight(), Params({{2, "11"}, {7, "2"}}),
              Base({{10, "98 53 102 53"},
                    {11, "98 53 98 50"},
                    {13, "102 53 102 50"},
                    {27, Ch("97.5 50", 13, "")},
                    {29, Ch("102.5 50", 16, "")},
                    {33, Ch("100 53.5", 15, "")}}));
  // The spot mark stands whole on the line with the back side alone.
  ExpectDrawn(Straight(), Params({{2, "13"}, {7, "2"}}),
              Base({{8, "97 53 103 47"},
                    {9, "97 47 103 53"},
                    {12, "100 53.5 100 46.5"},
                    {27, Ch("96.5 50", 13, "")},
                    {29, Ch("103.5 50", 16, "")},
                    {33, Ch("100 54", 15, "")}}));
  // A side other than 1, 2 or 3 draws both symbols and axis stacks but none
  // of the depth and length-pitch texts; their widths still place the axis
  // and the end of the reference line.
  ExpectDrawn(Straight(), Params({{2, "2"}, {7, "4"}, {3, "5"}, {9, "100"}}),
              Base({{7, "90 50 105.5 50"},
                    {8, "95.25 47 95.25 50"},
                    {9, "ci 98.75 47 3 90 180"},
                    {10, "95.25 53 95.25 50"},
                    {11, "ci 98.75 53 3 180 270"},
                    {31, Ch("107 48.5", 16, "")},
                    {32, Ch("97 43.5", 15, "")},
                    {33, Ch("97 53.5", 15, "")}}));
  // An unknown kind draws no symbol and no axis texts, but the side texts,
  // at the axis itself; its contour code draws nothing.
  ExpectDrawn(Straight(), Params({{2, "14"}, {7, "3"}, {24, "1"}}),
              Base({{27, Ch("100 50", 13, "")},
                    {28, Ch("100 47", 15, "")},
                    {29, Ch("100 50", 16, "")},
                    {30, Ch("100 47", 16, "")}}));
}

// The fillet weld on the near side about the axis x, on the line y, with
// the window's defaults: its symbol and texts, given in hand-worked form.
Lines NearFillet(Lines l, const std::string& symbol1, const std::string& symbol2, const std::string& finish,
                 const std::string& rootGap, const std::string& depth, const std::string& lengthPitch,
                 const std::string& process) {
  l[8] = symbol1;
  l[9] = symbol2;
  l[28] = Ch(depth, 15, "");
  l[30] = Ch(lengthPitch, 16, "");
  l[31] = Ch(process, 16, "");
  l[32] = Ch(finish, 15, "");
  l[36] = Ch(rootGap, 15, "");
  return l;
}

TEST_F(WeldRun, LeaderForms) {
  const Lines pens = {{1, "lg0"}, {2, "ly3"}, {3, "lt1"}, {4, "lc4"}, {25, "ly3"}, {26, "cn3"}};
  auto at100 = [&](Lines l) {
    return NearFillet(std::move(l), "98.5 50 98.5 47", "98.5 47 101.5 50", "100 45.48", "100 42.5", "98 47",
                      "103 47", "105.5 48.5");
  };
  struct Case {
    const char* name;
    std::string exchange;
    Lines lines;
  };
  Lines bent = pens;
  bent[5] = "0 0 10 10";
  bent[6] = "10 10 30 10";
  bent[7] = "30 10 44 10";
  bent[23] = "0 0 2.59807624484694 1.49999994198735";  // the leader leaves at 44.9999992°
  bent[24] = "0 0 1.50000008121771 2.59807616446225";
  Lines bentDown = pens;
  bentDown[5] = "0 0 5 10";
  bentDown[6] = "5 10 20 -5";
  bentDown[7] = "20 -5 34 -5";
  bentDown[23] = "0 0 1.99040990986804 2.2446087388895";  // toward the bend, above the tip
  bentDown[24] = "0 0 0.601441202696169 2.93909313899703";
  Lines down = pens;
  down[5] = "90 70 90 50";
  down[7] = "90 50 104 50";
  down[23] = "90 70 89.2235427999877 67.1022225384704";
  down[24] = "90 70 90.776457044721 67.1022224968602";
  Lines right = pens;  // horizontal, toward +x: the leader leaves at exactly 0°
  right[5] = "60 50 90 50";
  right[7] = "90 50 104 50";
  right[23] = "60 50 62.8977774823347 49.2235428776334";
  right[24] = "60 50 62.8977774823347 50.7764571223666";
  Lines left = pens;  // horizontal, toward -x: exactly 180°
  left[5] = "120 50 90 50";
  left[7] = "90 50 104 50";
  left[23] = "120 50 117.102222559275 50.7764572776579";
  left[24] = "120 50 117.102222476055 49.2235430329247";
  const std::vector<Case> cases = {
      {"bent leader", Bent("0 0", "10 10", "30 10"),
       NearFillet(bent, "38.5 10 38.5 7", "38.5 7 41.5 10", "40 5.48", "40 2.5", "38 7", "43 7", "45.5 8.5")},
      {"bent leader, bend above the tip, junction below it", Bent("0 0", "5 10", "20 -5"),
       NearFillet(bentDown, "28.5 -5 28.5 -8", "28.5 -8 31.5 -5", "30 -9.52", "30 -12.5", "28 -8", "33 -8",
                  "35.5 -6.5")},
      {"straight leader down from the tip", Straight("0", "90 70"), at100(down)},
      {"horizontal leader to the right", Straight("0", "60 50"), at100(right)},
      {"horizontal leader to the left", Straight("0", "120 50"), at100(left)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectDrawn(c.exchange, Params(), c.lines);
  }
}

TEST_F(WeldRun, StaggeredWelds) {
  // Scale 1 shifts the near side by 2: its symbol, axis texts, contour and
  // length-pitch text; not its depth text, not the back side.
  ExpectDrawn(Straight(),
              Params({{2, "2"}, {7, "3"}, {8, "6"}, {9, "100"}, {10, "45°"}, {11, "G"}, {15, "1"}, {22, "3"},
                      {24, "2"}}),
              Base({{7, "90 50 105.5 50"},
                    {8, "97.25 47 97.25 50"},
                    {9, "ci 100.75 47 3 90 180"},
                    {10, "95.25 53 95.25 50"},
                    {11, "ci 98.75 53 3 180 270"},
                    {20, "ci 99 45 5 -126.87 -53.131"},
                    {27, Ch("94.75 50", 13, "")},
                    {28, Ch("93.75 47", 15, "6")},
                    {29, Ch("99.25 50", 16, "")},
                    {30, Ch("101.25 47", 16, "100")},
                    {31, Ch("107 48.5", 16, "")},
                    {32, Ch("98.25 36.5", 15, "G")},
                    {33, Ch("97 53.5", 15, "")},
                    {35, Ch("95.875 41", 15, "45°")},
                    {36, Ch("98.25 44", 15, "3")}}));
  // Scale 1.75 (group 3): 2 S = 3.5 goes to the even 4.
  ExpectDrawn(Straight("3"), Params({{2, "3"}, {7, "3"}, {15, "1"}}),
              {{1, "lg3"},
               {2, "ly3"},
               {3, "lt1"},
               {4, "lc4"},
               {5, "90 30 90 50"},
               {7, "90 50 114.5 50"},
               {8, "108.875 50 108.875 44.75"},
               {9, "114.125 50 114.125 44.75"},
               {10, "104.875 50 104.875 55.25"},
               {11, "110.125 50 110.125 55.25"},
               {23, "90 30 91.3588001000215 35.0711105576769"},
               {24, "90 30 88.6412001717383 35.0711106304947"},
               {25, "ly3"},
               {26, "cn3"},
               {27, Ch("104 50", 13, "")},
               {28, Ch("104 44.75", 15, "")},
               {29, Ch("111 50", 16, "")},
               {30, Ch("115 44.75", 16, "")},
               {31, Ch("117.125 47.375", 16, "")},
               {32, Ch("111.5 38.625", 15, "")},
               {33, Ch("107.5 56.125", 15, "")}});
}

TEST_F(WeldRun, ContoursOfTheAxisStack) {
  // A double-flanged weld on both sides without axis texts: the contour
  // level is 3.5 on each side; any contour moves the finish 1 further out.
  const Lines flanges = Base({{8, "ci 96.75 47 3 0 90"}, {9, "ci 103.25 47 3 90 180"}, {10, "ci 96.75 53 3 -90 0"},
                              {11, "ci 103.25 53 3 180 270"}, {27, Ch("96.5 50", 13, "")},
                              {28, Ch("96.5 47", 15, "")}, {29, Ch("103.5 50", 16, "")},
                              {30, Ch("103.5 47", 16, "")}, {32, Ch("100 42.5", 15, "")},
                              {33, Ch("100 54.5", 15, "")}});
  const std::pair<std::string, std::pair<std::string, std::string>> contours[] = {
      {"1", {"97 46.5 103 46.5", "97 53.5 103 53.5"}},
      {"2", {"ci 100 51 5 -126.87 -53.131", "ci 100 49 5 53.131 126.87"}},
      {"3", {"ci 100 42 5 53.131 126.87", "ci 100 58 5 -126.87 -53.131"}},
  };
  for (const auto& [value, records] : contours) {
    SCOPED_TRACE("contour " + value);
    Lines l = flanges;
    l[20] = records.first;
    l[21] = records.second;
    ExpectDrawn(Straight(), Params({{2, "1"}, {7, "3"}, {23, value}, {24, value}}), l);
  }
  // A root-gap text and a character height of 2.5 (text type 2) put the
  // near contour at level 6.
  ExpectDrawn(Straight(), Params({{0, "2"}, {2, "1"}, {22, "2"}, {24, "1"}}),
              Base({{8, "ci 96.75 47 3 0 90"},
                    {9, "ci 103.25 47 3 90 180"},
                    {20, "97 44 103 44"},
                    {26, "cn2"},
                    {28, Ch("96.5 47.5", 15, "")},
                    {30, Ch("103.5 47.5", 16, "")},
                    {31, Ch("105.166666666667 48.75", 16, "")},
                    {32, Ch("100 40.5", 15, "")},
                    {36, Ch("99.375 44.5", 15, "2")}}));
  // The level is counted row by row as the texts are placed: past the
  // groove-angle row at rise + 2 h, then 0.5 further. With a character
  // height of 0.6 (W 1, D 0) that is (3 + 1.2) + 0.5 = 4.7, and on the line
  // at 4.2 the contour lies at -0.5; adding 3 + 0.5 + 0.6 + 0.6 instead
  // would write -0.499999999999999.
  const std::string oddHeight =
      "hd\r\nly3\r\nlg0\r\nhcw 2 2.5 1 3.5 4 5 6 7 8 10\r\nhcd 0 0.5 0 0.5 0.5 1 1 1 1 1\r\n"
      "hch 2 2.5 0.6 3.5 4 5 6 7 8 10\r\n" + std::string(kScales) +
      "hp1-  90 0\r\nhp2-  90 4.2\r\nhp3-  200 210\r\nhp4   300 310\r\n";
  ExpectDrawn(oddHeight, Params({{2, "3"}, {10, "60°"}, {11, "C"}, {22, "2"}, {24, "1"}}),
              {{1, "lg0"},
               {2, "ly3"},
               {3, "lt1"},
               {4, "lc4"},
               {5, "90 0 90 4.2"},
               {7, "90 4.2 104 4.2"},
               {8, "98.5 4.2 98.5 1.2"},
               {9, "101.5 4.2 101.5 1.2"},
               {20, "97 -0.5 103 -0.5"},
               {23, "90 0 90.7764572000123 2.89777746152963"},
               {24, "90 0 89.223542955279 2.89777750313981"},
               {25, "ly3"},
               {26, "cn3"},
               {28, Ch("98 3.6", 15, "")},
               {30, Ch("102 3.6", 16, "")},
               {31, Ch("104.166666666667 3.9", 16, "")},
               {32, Ch("99.75 -2.1", 15, "C")},
               {35, Ch("99 0", 15, "60°")},
               {36, Ch("99.75 0.6", 15, "2")}});
}

TEST_F(WeldRun, TheVeeStacksItsOwnWay) {
  // Both sides without texts: level h/2 + 0.5 + h = 5, a flat near contour
  // and a concave back one, every axis text written empty.
  const Lines vee = Base({{8, "97 47 100 50"}, {9, "103 47 100 50"}, {10, "97 53 100 50"}, {11, "103 53 100 50"},
                          {27, Ch("96.5 50", 13, "")}, {28, Ch("96.5 47", 15, "")}, {29, Ch("103.5 50", 16, "")},
                          {30, Ch("103.5 47", 16, "")}});
  Lines both = vee;
  both[20] = "97 45 103 45";
  both[21] = "ci 100 59.5 5 -126.87 -53.131";
  both[32] = Ch("100 41.5", 15, "");
  both[33] = Ch("100 55.5", 15, "");
  both[34] = Ch("100 54.5", 15, "");
  both[35] = Ch("100 42.5", 15, "");
  both[36] = Ch("100 45.5", 15, "");
  both[37] = Ch("100 51.5", 15, "");
  ExpectDrawn(Straight(), Params({{2, "4"}, {7, "3"}, {23, "3"}, {24, "1"}}), both);
  // Near side with its texts: the groove angle adds a row; the finish has
  // no half millimetre before it.
  ExpectDrawn(Straight(), Params({{2, "4"}, {10, "60°"}, {11, "C"}, {22, "2"}}),
              Base({{8, "97 47 100 50"},
                    {9, "103 47 100 50"},
                    {28, Ch("96.5 47", 15, "")},
                    {30, Ch("103.5 47", 16, "")},
                    {32, Ch("99.25 39.5", 15, "C")},
                    {35, Ch("96.875 42.5", 15, "60°")},
                    {36, Ch("99.25 45.5", 15, "2")}}));
}

TEST_F(WeldRun, FilletContoursFollowTheSlantedSide) {
  // The same contour on both sides whatever the texts; the finish does not
  // move; the groove angles are never written.
  const Lines fillet = Base({{8, "98.5 50 98.5 47"}, {9, "98.5 47 101.5 50"}, {10, "98.5 50 98.5 53"},
                             {11, "98.5 53 101.5 50"}, {27, Ch("98 50", 13, "")}, {28, Ch("98 47", 15, "")},
                             {29, Ch("103 50", 16, "")}, {30, Ch("103 47", 16, "")},
                             {32, Ch("100 45.48", 15, "")}, {33, Ch("100 51.52", 15, "")},
                             {36, Ch("100 42.5", 15, "")}, {37, Ch("100 54.5", 15, "")}});
  const std::pair<std::string, std::pair<std::string, std::string>> contours[] = {
      {"1", {"99 47 101.75 49.75", "99 53 101.75 50.25"}},
      {"2", {"ci 96.569 52.181 5.722 -64.868 -25.133", "ci 96.569 47.819 5.722 25.133 64.868"}},
      {"3", {"ci 104.181 44.569 5.722 115.133 154.868", "ci 104.181 55.431 5.722 205.133 244.868"}},
  };
  for (const auto& [value, records] : contours) {
    SCOPED_TRACE("contour " + value);
    Lines l = fillet;
    l[20] = records.first;
    l[21] = records.second;
    ExpectDrawn(Straight(), Params({{7, "3"}, {5, "45°"}, {10, "60°"}, {23, value}, {24, value}}), l);
  }
}

TEST_F(WeldRun, FieldWeldFlagAndAllRoundCircle) {
  // Above the line at the junction, with the near side alone; scale 0.5.
  ExpectDrawn(Straight("a"), Params({{13, "1"}, {14, "1"}}),
              {{1, "lga"},
               {2, "ly3"},
               {3, "lt1"},
               {4, "lc4"},
               {5, "90 30 90 50"},
               {7, "90 50 97 50"},
               {8, "94.25 50 94.25 48.5"},
               {9, "94.25 48.5 95.75 50"},
               {17, "90 50 90 52.5"},
               {18, "90 52.5 91.25 52"},
               {19, "90 51.5 91.25 52"},
               {22, "ci 90 50 0.625"},
               {23, "90 30 90.3882286000061 31.4488887307648"},
               {24, "90 30 89.6117714776395 31.4488887515699"},
               {25, "ly3"},
               {26, "cn3"},
               {28, Ch("94 48.5", 15, "")},
               {30, Ch("96.5 48.5", 16, "")},
               {31, Ch("97.75 49.25", 16, "")},
               {32, Ch("95 47.74", 15, "")},
               {36, Ch("95 46.25", 15, "")}});
  // Each alone.
  const Lines fillet = NearFillet(Base({}), "98.5 50 98.5 47", "98.5 47 101.5 50", "100 45.48", "100 42.5", "98 47",
                                  "103 47", "105.5 48.5");
  Lines flag = fillet;
  flag[17] = "90 50 90 55";
  flag[18] = "90 55 92.5 54";
  flag[19] = "90 53 92.5 54";
  ExpectDrawn(Straight(), Params({{14, "1"}}), flag);
  Lines circle = fillet;
  circle[22] = "ci 90 50 1.25";
  ExpectDrawn(Straight(), Params({{13, "1"}}), circle);
}

TEST_F(WeldRun, TextsInBothWidthModes) {
  // Every text of both sides, the process text and its tail, about a
  // single-flanged weld on both sides.
  const auto params = [](const std::string& fullWidth) {
    return Params({{2, "2"}, {3, "6"}, {4, "50(3)-150"}, {5, "45°"}, {6, "G"}, {7, "3"}, {8, "①"}, {9, "100"},
                   {10, "60°"}, {11, "C"}, {12, "WA"}, {16, fullWidth}, {21, "3"}, {22, "2"}});
  };
  // Mixed: depth widths 1 and 2.75 move the axis to 98.75; the length-pitch
  // widths 15 and 4.5 lengthen the reference line by 15.
  ExpectDrawn(Straight(), params("0"),
              Base({{7, "90 50 117.75 50"},
                    {8, "97 47 97 50"},
                    {9, "ci 100.5 47 3 90 180"},
                    {10, "97 53 97 50"},
                    {11, "ci 100.5 53 3 180 270"},
                    {15, "117.75 50 119.75 52.5"},
                    {16, "117.75 50 119.75 47.5"},
                    {27, Ch("95.5 50", 13, "6")},
                    {28, Ch("93.75 47", 15, "①")},
                    {29, Ch("101 50", 16, "50(3)-150")},
                    {30, Ch("101 47", 16, "100")},
                    {31, Ch("119.25 48.5", 16, "WA")},
                    {32, Ch("98 37.5", 15, "C")},
                    {33, Ch("98 59.5", 15, "G")},
                    {34, Ch("95.625 56", 15, "45°")},
                    {35, Ch("95.625 41", 15, "60°")},
                    {36, Ch("98 44", 15, "2")},
                    {37, Ch("98 53", 15, "3")}}));
  // Full width: every text converted, the process text too; root gaps are
  // measured by their characters, finishes as one character.
  ExpectDrawn(Straight(), params("1"),
              Base({{7, "90 50 134 50"},
                    {8, "97.25 47 97.25 50"},
                    {9, "ci 100.75 47 3 90 180"},
                    {10, "97.25 53 97.25 50"},
                    {11, "ci 100.75 53 3 180 270"},
                    {15, "134 50 136 52.5"},
                    {16, "134 50 136 47.5"},
                    {27, Ch("93.75 50", 13, "６")},
                    {28, Ch("93.75 47", 15, "①")},
                    {29, Ch("101.25 50", 16, "５０（３）－１５０")},
                    {30, Ch("101.25 47", 16, "１００")},
                    {31, Ch("135.5 48.5", 16, "ＷＡ")},
                    {32, Ch("97.5 37.5", 15, "Ｃ")},
                    {33, Ch("97.5 59.5", 15, "Ｇ")},
                    {34, Ch("94 56", 15, "４５°")},
                    {35, Ch("94 41", 15, "６０°")},
                    {36, Ch("97.5 44", 15, "２")},
                    {37, Ch("97.5 53", 15, "３")}}));
}

TEST_F(WeldRun, FullWidthTextsReachTheFileAsCodePage932Bytes) {
  // The near depth "①" (3 wide in full width) and the process text "WA"
  // converted, with the file's bytes spelled out.
  const std::string expected =
      "lg0\r\nly3\r\nlt1\r\nlc4\r\n90 30 90 50\r\n\r\n90 50 103 50\r\n97.5 50 97.5 47\r\n97.5 47 100.5 50\r\n"
      "\r\n\r\n\r\n\r\n\r\n103 50 105 52.5\r\n103 50 105 47.5\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
      "90 30 90.7764572000123 32.8977774615296\r\n90 30 89.223542955279 32.8977775031398\r\nly3\r\ncn3\r\n\r\n"
      "ch 94 47 1000000000000000 0  \"\x87\x40\r\n\r\n"
      "ch 102 47 10000000000000000 0  \"\r\n"
      "ch 104.5 48.5 10000000000000000 0  \"\x82\x76\x82\x60\r\n"
      "ch 99 45.48 1000000000000000 0  \"\r\n\r\n\r\n\r\n"
      "ch 99 42.5 1000000000000000 0  \"\r\n\r\n\r\n";
  EXPECT_EQ(Draw(Straight(), Params({{8, "①"}, {12, "WA"}, {16, "1"}})), expected);
}

TEST_F(WeldRun, ScaleTwoMovesEverything) {
  // Group 1, S = 2: a J weld on the near side with its depth and
  // length-pitch texts, a process text and its tail.
  ExpectDrawn(Straight("1"), Params({{2, "6"}, {8, "3"}, {9, "30(2)-100"}, {12, "WA"}}),
              {{1, "lg1"},
               {2, "ly3"},
               {3, "lt1"},
               {4, "lc4"},
               {5, "90 30 90 50"},
               {7, "90 50 142 50"},
               {8, "ci 101 43 6 0 90"},
               {9, "101 43 101 50"},
               {15, "142 50 146 55"},
               {16, "142 50 146 45"},
               {23, "90 30 91.5529144000245 35.7955549230593"},
               {24, "90 30 88.4470859105581 35.7955550062796"},
               {25, "ly3"},
               {26, "cn3"},
               {28, Ch("98 44", 15, "3")},
               {30, Ch("108 44", 16, "30(2)-100")},
               {31, Ch("145 47", 16, "WA")},
               {32, Ch("104 36", 15, "")}});
}

TEST_F(WeldRun, HostItemsInTheirOtherForms) {
  // No "ly" item: "--" writes "ly" alone. Later items of a key replace
  // earlier ones, quotes around an item are dropped, the third point may
  // come with a blank mark, and no "hs" item collapses every size to 0.
  const std::string exchange = std::string("hd\r\nlg0\r\n") + kSizes +
                               "\"hp1-  90 30\"\r\nhp2-  1 1\r\nhp2-  90 50\r\nhp3   5 5\r\nhp4   6 6\r\n";
  ExpectDrawn(exchange, Params({{2, "3"}, {17, "5"}}),
              {{1, "lg0"},
               {2, "ly5"},
               {3, "lt1"},
               {4, "lc4"},
               {5, "90 30 90 50"},
               {7, "90 50 90 50"},
               {8, "90 50 90 50"},
               {9, "90 50 90 50"},
               {23, "90 30 90 30"},
               {24, "90 30 90 30"},
               {25, "ly"},
               {26, "cn3"},
               {28, Ch("90 50", 15, "")},
               {30, Ch("90 50", 16, "")},
               {31, Ch("90 50", 16, "")},
               {32, Ch("90 50", 15, "")}});
  // Without any character sizes a text type that is no number does no harm.
  const std::string noSizes = std::string("ly7\r\nlg0\r\n") + kScales +
                              "hp1-  90 30\r\nhp2-  90 50\r\nhp3-  5 5\r\nhp4   6 6\r\n";
  ExpectDrawn(noSizes, Params({{0, "x"}, {2, "3"}}),
              {{1, "lg0"},
               {2, "ly7"},
               {3, "lt1"},
               {4, "lc4"},
               {5, "90 30 90 50"},
               {7, "90 50 104 50"},
               {8, "98.5 50 98.5 47"},
               {9, "101.5 50 101.5 47"},
               {23, "90 30 90.7764572000123 32.8977774615296"},
               {24, "90 30 89.223542955279 32.8977775031398"},
               {25, "ly7"},
               {26, "cnx"},
               {28, Ch("98 50", 15, "")},
               {30, Ch("102 50", 16, "")},
               {31, Ch("103.5 50", 16, "")},
               {32, Ch("100 46.5", 15, "")}});
}

TEST_F(WeldRun, OnlyTheLastParameterLineCountsAndAHundredItemsAreRead) {
  const std::string exchange = FilledTo(Straight(), 100);
  Write("jwc_temp.txt", exchange);
  Write("mokrav1.jyd", Params({{2, "5"}}) + "\r\n" + Params({{2, "3"}}) + "\r\n");
  ASSERT_EQ(Run(), 0) << Read("err.txt");
  EXPECT_EQ(Read("jwc_temp.txt"), Output(Base({{8, "98.5 50 98.5 47"},
                                                {9, "101.5 50 101.5 47"},
                                                {28, Ch("98 47", 15, "")},
                                                {30, Ch("102 47", 16, "")},
                                                {32, Ch("100 43.5", 15, "")}})));
}

TEST_F(WeldRun, EveryFailureLeavesTheExchangeFileAsTheHostWroteIt) {
  const std::string good = Straight();
  const std::string params = Params() + "\r\n";
  auto with = [&](const std::string& from, const std::string& to) { return Replaced(good, from, to); };
  auto field = [](int n, const std::string& value) { return Params({{n, value}}) + "\r\n"; };
  const std::string tooMany = FilledTo(good, 101);
  std::string cutShort = Params();
  cutShort.erase(cutShort.rfind(' '));
  const std::string bent = Bent("0 0", "10 10", "30 10");
  const std::vector<FailureCase> failures = {
      {"six command-line words", "the command line has no word 6 (it has 6); usage: MOKRAVW EXCHANGE-FILE X X N X X mokrav1.jyd", good, params, "jwc_temp.txt 0 0 0 0 0"},
      {"word 3 not a number", "command-line word 3 \"x\" is not a number",
       good, params, "jwc_temp.txt 0 0 x 0 0 mokrav1.jyd"},
      {"no parameter file", "the parameter file: cannot open mokrav9.jyd",
       good, "", "jwc_temp.txt 0 0 0 0 0 mokrav9.jyd"},
      {"no exchange file", "the exchange file: cannot open nofile.txt",
       good, params, "nofile.txt 0 0 0 0 0 mokrav1.jyd"},
      {"an empty parameter file", "the parameter file holds no parameter line", good, "", ""},
      {"a parameter line of 24 fields", "the parameter line has no field 24", good, cutShort + "\r\n", ""},
      {"a weld kind that is not a number", "the weld kind (field 2) \"V\" is not a number", good, field(2, "V"), ""},
      {"an empty weld kind (no option chosen)", "the weld kind (field 2) \"\" is not a number", good, field(2, ""), ""},
      {"a weld side that is not a number", "the weld side (field 7) \"-\" is not a number", good, field(7, "-"), ""},
      {"an arrow length that is not a number", "the arrow length (field 19) \"x\" is not a number",
       good, field(19, "x"), ""},
      {"an arrow angle that is not a number", "the arrow angle (field 20) \"\" is not a number",
       good, field(20, ""), ""},
      {"a back contour that is not a number", "the back contour (field 23) \"-\" is not a number",
       good, field(23, "-"), ""},
      {"a near contour that is not a number", "the near contour (field 24) \"a\" is not a number",
       good, field(24, "a"), ""},
      {"a text type that is not a number", "the text type \"x\" is not a number", good, field(0, "x"), ""},
      {"a text type beyond the host's list", "the host's item \"hcw\" lists no text type 11", good, field(0, "11"), ""},
      {"a character size that is not a number", "the host's hch value \"y\" is not a number",
       with("hch 2 2.5 3", "hch 2 2.5 y"), params, ""},
      {"more than 100 items", "the exchange file holds more than 100 items", tooMany, params, ""},
      {"an upper-case layer group", "the current layer group \"A\"", with("lg0", "lgA"), params, ""},
      {"a scale item too short for the group", "the host's scale item lists no scale for layer group 15",
       with("lg0", "lgf") + "hs 1 2\r\n", params, ""},
      {"a scale that is not a number", "the scale of layer group 0 \"y\" is not a number",
       with("hs 1 2", "hs y 2"), params, ""},
      {"the arrow tip missing", "point 1 was not picked", with("hp1-  90 30\r\n", ""), params, ""},
      {"the junction missing", "point 2 was not picked", with("hp2-  90 50\r\n", ""), params, ""},
      {"the unused third point missing", "point 3 was not picked", with("hp3-  200 210\r\n", ""), params, ""},
      {"the unused fourth point missing", "point 4 was not picked", with("hp4   300 310\r\n", ""), params, ""},
      {"the arrow tip with the blank mark", "the x of point 1 \"\" is not a number",
       with("hp1-  90 30", "hp1   90 30"), params, ""},
      {"the junction without its y", "point 2 \"hp2-  90\" lacks its y coordinate",
       with("hp2-  90 50", "hp2-  90"), params, ""},
      {"a coordinate that is not a number", "the y of point 1 \"y\" is not a number",
       with("hp1-  90 30", "hp1-  90 y"), params, ""},
      {"the fourth point with the \"-\" mark", "point 4 \"hp4-  300 310\" does not have its coordinates where expected",
       with("hp4   300 310", "hp4-  300 310"), params, ""},
      {"the fifth point with the \"-\" mark", "point 5 \"hp5-  400 -3\" does not have its coordinates where expected",
       bent.substr(0, bent.find("hp5")) + "hp5-  400 -3\r\n", params, ""},
      {"the leader's two points at one place", "the leader's two points coincide, so it has no direction",
       with("hp1-  90 30", "hp1-  90 50"), params, ""},
      {"a staggered shift beyond the drawing",
       "the staggered shift of the near side is too large for the drawing (scale 1E+308)",
       with("hs 1 2", "hs 1e308 2"), field(15, "1"), ""},
      {"a scale that overflows the drawing", "a coordinate came out as no number",
       with("hs 1 2", "hs 1e308 2"), params, ""},
  };
  ExpectFailures(failures);
}

}  // namespace
