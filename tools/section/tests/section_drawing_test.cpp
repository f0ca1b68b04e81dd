// The cutting-plane line and its ends on their own, from picked points in
// their roles; every record worked out by hand. Unless a case says other,
// scale 1, arrow length 3 at 15 degrees, character width 2.5, height 3.5.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/section/section.h"

using section::Drawing;
using section::Geometry;
using section::Point;
using section::Slot;

namespace {

const std::string E = "";  // an unset slot

Geometry Picks(Drawing d, Point p1, Point p2, Point e1, Point e2, Point p3 = {}, Point p4 = {}) {
  Geometry g;
  g.drawing = d;
  g.p1 = p1;
  g.p2 = p2;
  g.p3 = p3;
  g.p4 = p4;
  g.e1 = e1;
  g.e2 = e2;
  g.scale = 1;
  g.arrowLength = 3;
  g.arrowAngle = 15;
  // The barb offsets across and along the shaft, pi taken as 3.1415926.
  g.across = 3 * std::sin(15 * 3.1415926 / 180);
  g.along = 3 * std::cos(15 * 3.1415926 / 180);
  g.charWidth = 2.5;
  g.charHeight = 3.5;
  return g;
}

Geometry Stubs(Geometry g) {
  g.stubs = true;
  return g;
}

std::vector<std::string> Texts(const std::array<Slot, 4>& slots) {
  std::vector<std::string> out;
  for (const auto& s : slots) out.push_back(s.value_or(""));
  return out;
}

std::string Letter(const std::string& at, const std::string& text) {
  return "ch " + at + "  100000000000000000 0 \"" + text;
}

// Picks with the cut lines of their through and their stub drawing.
struct ShapeCase {
  const char* name;
  Geometry g;
  std::vector<std::string> through;
  std::vector<std::string> stubs;
};

void ExpectCutLines(const std::vector<ShapeCase>& cases) {
  for (const ShapeCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Texts(section::CutLines(c.g)), c.through);
    EXPECT_EQ(Texts(section::CutLines(Stubs(c.g))), c.stubs);
  }
}

const std::array<std::string, 4> kLetters = {"A", "B", "C", "D"};

}  // namespace

TEST(SectionCutLine, Straight) {
  const Geometry horizontal = Picks(Drawing::kStraight, {0, 0}, {100, 0}, {10, 5}, {90, 5});
  EXPECT_EQ(Texts(section::CutLines(horizontal)), (std::vector<std::string>{"15 0 85 0", E, E, E}));
  // A straight line has no bend: its stub drawing draws no line at all.
  EXPECT_EQ(Texts(section::CutLines(Stubs(horizontal))), (std::vector<std::string>{E, E, E, E}));
  // Picked right to left: no line in either drawing.
  const Geometry reversed = Picks(Drawing::kStraight, {100, 0}, {0, 0}, {90, 5}, {10, 5});
  EXPECT_EQ(Texts(section::CutLines(reversed)), (std::vector<std::string>{E, E, E, E}));
  Geometry vertical = Picks(Drawing::kStraight, {0, 100}, {0, 0}, {3, 90}, {3, 10});
  vertical.scale = 2;
  EXPECT_EQ(Texts(section::CutLines(vertical)), (std::vector<std::string>{"0 80 0 20", E, E, E}));
  // A line off the axes by any amount is no line.
  EXPECT_EQ(Texts(section::CutLines(Picks(Drawing::kStraight, {0, 0}, {100, 1e-9}, {10, 5}, {90, 5}))),
            (std::vector<std::string>{E, E, E, E}));
}

TEST(SectionCutLine, OneBendObliqueFirstSegment) {
  // The first segment from the bend (10, 0) to P1 (0, 10) reaches the end
  // point's height 12 at F1 = (-2, 12); the line stops 5 short of it.
  const Geometry g =
      Picks(Drawing::kOneBend, {0, 10}, {10, 0}, {-1, 12}, {10, -20}, {10, -30});
  EXPECT_EQ(Texts(section::CutLines(g)),
            (std::vector<std::string>{"1.53553390593274 8.46446609406726 10 0", "10 0 10 -15", E, E}));
  EXPECT_EQ(Texts(section::CutLines(Stubs(g))),
            (std::vector<std::string>{"6.46446609406726 3.53553390593274 10 0", "10 0 10 -5", E, E}));
}

TEST(SectionCutLine, OneBendAxisParallelSegments) {
  ExpectCutLines({
      {"down to the bend, then left to P3: the line stops 5 inside the end point",
       Picks(Drawing::kOneBend, {50, 40}, {50, 0}, {53, 35}, {10, 3}, {20, 0}),
       {"50 30 50 0", "15 0 50 0", E, E},
       {"50 0 50 5", "45 0 50 0", E, E}},
      {"down to the bend, then right to P3: still 5 inside the end point, the stub towards P3",
       Picks(Drawing::kOneBend, {50, 40}, {50, 0}, {53, 35}, {90, 3}, {80, 0}),
       {"50 30 50 0", "85 0 50 0", E, E},
       {"50 0 50 5", "55 0 50 0", E, E}},
      {"right to the bend, then down",
       Picks(Drawing::kOneBend, {0, 0}, {50, 0}, {5, 3}, {47, -35}, {50, -40}),
       {"10 0 50 0", "50 0 50 -30", E, E},
       {"50 0 45 0", "50 0 50 -5", E, E}},
      {"P1 right of the bend and P3 above it: neither segment is drawn",
       Picks(Drawing::kOneBend, {80, 0}, {50, 0}, {75, 3}, {47, 35}, {50, 40}),
       {E, E, E, E},
       {E, E, E, E}},
  });
}

TEST(SectionCutLine, TwoBends) {
  ExpectCutLines({
      {"horizontal zigzag down, left to right",
       Picks(Drawing::kTwoBends, {0, 50}, {40, 50}, {0, 55}, {80, 5}, {40, 0}, {80, 0}),
       {"4 50 40 50", "40 50 40 0", "40 0 76 0", E},
       {"35 50 40 50", "40 50 40 45", "40 0 40 5", "40 0 45 0"}},
      {"horizontal zigzag up, right to left: the line still stops short of the end points",
       Picks(Drawing::kTwoBends, {80, 0}, {40, 0}, {80, 5}, {0, 55}, {40, 50}, {0, 50}),
       {"76 0 40 0", "40 0 40 50", "40 50 4 50", E},
       {"45 0 40 0", "40 0 40 5", "40 50 40 45", "40 50 35 50"}},
      {"vertical zigzag, top to bottom",
       Picks(Drawing::kTwoBends, {0, 80}, {0, 40}, {5, 80}, {35, 0}, {30, 40}, {30, 0}),
       {"0 76 0 40", "0 40 30 40", "30 40 30 4", E},
       {"0 40 0 45", "0 40 5 40", "30 40 25 40", "30 40 30 35"}},
      {"vertical zigzag to the left, bottom to top",
       Picks(Drawing::kTwoBends, {30, 0}, {30, 40}, {35, 0}, {5, 80}, {0, 40}, {0, 80}),
       {"30 4 30 40", "30 40 0 40", "0 40 0 76", E},
       {"30 40 30 35", "30 40 25 40", "0 40 5 40", "0 40 0 45"}},
      {"a zigzag meant to be horizontal with P1y off by a little",
       Picks(Drawing::kTwoBends, {0, 50.001}, {40, 50}, {0, 55}, {80, 5}, {40, 0}, {80, 0}),
       {E, E, E, E},
       {E, E, E, E}},
  });
}

TEST(SectionEnds, StraightArrowsBelowOrOnTheLinePointDown) {
  // The first end point alone decides the side of both arrows: below the
  // line, and exactly on it, both point down.
  const std::string b1a = "9.22354287763338", b2b = "90.7764571223666", q = "2.89777748233472";
  for (double y : {-5.0, 0.0}) {
    SCOPED_TRACE(y);
    const auto ends = section::Ends(Picks(Drawing::kStraight, {0, 0}, {100, 0}, {10, y}, {90, 5}), kLetters);
    EXPECT_EQ(*ends.shaft[0], "10 0 10 -4.5");
    EXPECT_EQ(*ends.barbA[0], "10 0 " + b1a + " -" + q);
    EXPECT_EQ(*ends.barbB[1], "90 0 " + b2b + " -" + q);
    EXPECT_EQ(*ends.stroke[0], "7.5 0 12.5 0");
    EXPECT_EQ(ends.letter[0], Letter("8.75 -8", "A"));
    EXPECT_EQ(ends.letter[1], Letter("88.75 -8", "B"));
    EXPECT_FALSE(ends.letter[2]);
    EXPECT_FALSE(ends.letter[3]);
  }
}

TEST(SectionEnds, ObliqueArrowAtScaleZeroIsAPointAtTheEndPosition) {
  // Without an "hs" item the scale is 0: the arrow on an oblique segment
  // has no direction, and it and its stroke shrink to the end position.
  Geometry g = Picks(Drawing::kOneBend, {0, 10}, {10, 0}, {-1, 12}, {13, -20}, {10, -30});
  g.scale = 0;
  g.across = 0;
  g.along = 0;
  const auto ends = section::Ends(g, kLetters);
  EXPECT_EQ(*ends.stroke[0], "-2 12 -2 12");
  EXPECT_EQ(*ends.shaft[0], "-2 12 -2 12");
  EXPECT_EQ(*ends.barbA[0], "-2 12 -2 12");
  EXPECT_EQ(*ends.barbB[0], "-2 12 -2 12");
  EXPECT_EQ(ends.letter[0], Letter("-2 12", "A"));
}
