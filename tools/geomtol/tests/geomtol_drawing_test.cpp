// The drawing steps on their own, at the edges of their choices; every
// expected record was worked out by hand.
#include <gtest/gtest.h>

#include "tools/geomtol/geomtol.h"

using geomtol::Drawing;
using geomtol::Picks;

namespace {

std::string At(const Drawing& d, std::size_t slot) { return d.lines[slot].value_or("(empty)"); }

Picks Leader(int count, exchange::Point p1, exchange::Point p2, exchange::Point p3, exchange::Point anchor) {
  Picks p;
  p.count = count;
  p.p1 = p1;
  p.p2 = p2;
  p.p3 = p3;
  p.anchor = anchor;
  return p;
}

const geomtol::TextSizes kSizes{3.5, 5, 2, 3};

}  // namespace

TEST(GeomTolFrame, OnlyALeaderEndingTowardMinusXShiftsTheFrame) {
  struct Case {
    const char* name;
    Picks picks;
    std::string left;  // B1, the frame's left side
  };
  const std::vector<Case> cases = {
      {"one segment to the right", Leader(1, {0, 0}, {40, 0}, {}, {40, 0}), "40 4 40 -4"},
      {"one segment of no length", Leader(1, {40, 0}, {40, 0}, {}, {40, 0}), "40 4 40 -4"},
      {"one segment to the left", Leader(1, {50, 0}, {40, 0}, {}, {40, 0}), "8 4 8 -4"},
      {"two segments ending straight up", Leader(2, {40, 0}, {40, 30}, {40, 30}, {40, 30}), "40 34 40 26"},
      {"two segments ending to the left", Leader(2, {41, 0}, {41, 30}, {40, 30}, {40, 30}), "8 34 8 26"},
      {"three segments ending to the left", Leader(3, {90, 0}, {60, 0}, {60, 30}, {40, 30}), "40 34 40 26"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Drawing d;
    const exchange::Point f = geomtol::DrawToleranceFrame(c.picks, 1, kSizes, {}, d);
    EXPECT_EQ(At(d, geomtol::kB1), c.left);
    // The symbol cell starts at the frame's left side.
    EXPECT_EQ(exchange::LineRecord(f.x, f.y + 4, f.x, f.y - 4), c.left);
  }
}

TEST(GeomTolDatum, AThirdPointOnThePickedLineBoxesRightAndAbove) {
  Drawing vertical;
  geomtol::DrawDatumIndicator('Y', Leader(0, {10, 0}, {10, 20}, {10, -99}, {}), 1, kSizes, {}, vertical);
  EXPECT_EQ(At(vertical, geomtol::kL1), "12 20 10 20");
  EXPECT_EQ(At(vertical, geomtol::kB1), "18 24 18 16");
  EXPECT_EQ(vertical.datumText, "ch 13.125 17.5 10000000000 0  \"");

  Drawing horizontal;
  geomtol::DrawDatumIndicator('X', Leader(0, {0, 10}, {20, 10}, {99, 10}, {}), 1, kSizes, {}, horizontal);
  EXPECT_EQ(At(horizontal, geomtol::kL1), "20 12 20 10");
  EXPECT_EQ(At(horizontal, geomtol::kB1), "16 18 24 18");
  EXPECT_EQ(horizontal.solid, "sl 18.5 10 20 12 21.5 10");
  EXPECT_EQ(horizontal.datumText, "ch 19.125 11.5 1100000000000 0  \"");
  // Nothing of the frame's other slots.
  for (std::size_t slot : {geomtol::kL2, geomtol::kB6, geomtol::kS1, geomtol::kS7, geomtol::kA1, geomtol::kA2})
    EXPECT_FALSE(horizontal.lines[slot]) << slot;
  EXPECT_FALSE(horizontal.valueText || horizontal.upperText || horizontal.lowerText);
}

TEST(GeomTolSymbol, MovesAndScalesWithTheFrame) {
  struct Case {
    std::string value;
    double scale;
    std::vector<std::string> slots;
  };
  // Reference point (-7, 3).
  const std::vector<Case> cases = {
      {"8", 3, {"ci 5 3  9", "ci 5 3  6.6"}},
      {"10", 0.5, {"ci -5 3  0.479", "-5 4.5 -6 1.5", "-4 4.5 -5 1.5"}},
      // A negative scale turns the symbol over; the radius then carries its
      // own sign and no blank of its own.
      {"11", -1, {"ci -11 4.25 -2.5 0 180"}},
      {"3", 1, {"(empty)", "-3 6 -5 0", "-1 6 -3 0"}},
      {"", 1, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    Drawing d;
    geomtol::DrawSymbol(c.value, {-7, 3}, c.scale, d);
    std::vector<std::string> slots = c.slots;
    slots.resize(7, "(empty)");
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(At(d, geomtol::kS1 + i), slots[i]) << i;
  }
}

TEST(GeomTolLeader, AOneSegmentLeaderOfNoLengthOpensTowardPlusX) {
  // Arrow length 2 at 90 degrees by the tool's pi: cos is barely above 0.
  Drawing d;
  geomtol::DrawLeader(Leader(1, {5, 5}, {5, 5}, {}, {5, 5}), 2, 90, 1, d);
  EXPECT_EQ(At(d, geomtol::kA1), "5 5 5.00000005358979 7");
  EXPECT_EQ(At(d, geomtol::kA2), "5 5 5.00000005358979 3");
}
