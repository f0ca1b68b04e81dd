// The drawing steps on their own, for the cases a whole run shows less
// plainly: fractional counts, zero pitches, thread prefixes, negative and
// zero sizes, and the directions of the stepped hole. Worked out by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/exchange.h"
#include "tests/support/expect_throw.h"
#include "tools/hole/hole.h"

namespace {

using Records = std::vector<std::string>;

hole::PlanInput Plan(const std::string& size, double count, double rowPitch, double arrangement) {
  hole::PlanInput in;
  in.holeSize = size;
  in.count = count;
  in.rowPitch = rowPitch;
  in.arrangement = arrangement;
  in.overshoot = 0.5;
  return in;
}

TEST(HolePlan, RowsAndCounts) {
  // Two and a half holes: holes 0 and 1; centred, the row starts 1.5 * 10 / 2
  // back from the pattern centre.
  hole::Groups g = hole::DrawPlanView(Plan("4", 2.5, 10, 1));
  EXPECT_EQ(g.outline, (Records{"ci -7.5 0  2 0 0", "ci 2.5 0  2 0 0"}));
  EXPECT_EQ(g.centre, (Records{"-7.5 2.5 -7.5 -2.5", "-10 0 -5 0", "2.5 2.5 2.5 -2.5", "0 0 5 0"}));
  EXPECT_TRUE(g.thin.empty());
  EXPECT_EQ(g.threadFlag, hole::kNoThread);
  // Arrangement 3 is no arrangement of its own: the row runs rightwards.
  g = hole::DrawPlanView(Plan("4", 2, 10, 3));
  EXPECT_EQ(g.outline, (Records{"ci 0 0  2 0 0", "ci 10 0  2 0 0"}));
  // No hole at all for a count of 0 or below.
  for (double n : {0.0, 0.5, -3.0}) {
    g = hole::DrawPlanView(Plan("M4", n, 10, 0));
    EXPECT_TRUE(g.outline.empty() && g.centre.empty() && g.thin.empty()) << n;
  }
  // The limit counts the holes a row would draw.
  EXPECT_EQ(hole::DrawPlanView(Plan("4", 10000.999, 1, 0)).outline.size(), 10000u);
  EXPECT_THROW_SAYING(hole::DrawPlanView(Plan("4", 10001, 1, 0)), exchange::ToolError,
                      "a row of 10001 holes is more than the 10000 a row may hold");
}

TEST(HolePlan, ZeroPitchesPutTheRowsOnOneLine) {
  hole::PlanInput in = Plan("2", 1, 0, 0);
  in.x1 = 10;
  in.y1 = 20;
  in.pattern = 1;  // counts only with both pitches set
  in.pitchY = 8;
  EXPECT_EQ(hole::DrawPlanView(in).outline, (Records{"ci 10 16  1 0 0", "ci 10 24  1 0 0"}));
  in.pitchX = 6;
  in.pitchY = 0;
  EXPECT_EQ(hole::DrawPlanView(in).outline, (Records{"ci 7 20  1 0 0", "ci 13 20  1 0 0"}));
  in.pitchY = 8;
  EXPECT_EQ(hole::DrawPlanView(in).outline, (Records{"ci 13 16  1 0 0", "ci 7 24  1 0 0"}));
  in.pattern = 2;
  EXPECT_EQ(hole::DrawPlanView(in).outline, (Records{"ci 7 16  1 0 0", "ci 13 24  1 0 0"}));
  in.pattern = 5;
  EXPECT_EQ(hole::DrawPlanView(in).outline,
            (Records{"ci 7 16  1 0 0", "ci 13 16  1 0 0", "ci 7 24  1 0 0", "ci 13 24  1 0 0"}));
}

TEST(HolePlan, ThreadPrefixesAndNegativeSizes) {
  EXPECT_EQ(hole::DrawPlanView(Plan("m4", 1, 0, 0)).threadFlag, hole::kThreadSwapPens);
  EXPECT_EQ(hole::DrawPlanView(Plan("M4", 1, 0, 0)).threadFlag, hole::kThread);
  // Both prefixes in this order go; the upper-case one decides the pens.
  const hole::Groups both = hole::DrawPlanView(Plan("mM4", 1, 0, 0));
  EXPECT_EQ(both.threadFlag, hole::kThread);
  EXPECT_EQ(both.thin, (Records{"ci 0 0  1.7 0 0"}));
  EXPECT_THROW_SAYING(hole::DrawPlanView(Plan("Mm4", 1, 0, 0)), exchange::ToolError,
                      "\"Mm4\" without its thread prefix \"m4\" is not a number");
  EXPECT_THROW_SAYING(hole::DrawPlanView(Plan("m", 1, 0, 0)), exchange::ToolError,
                      "\"m\" without its thread prefix \"\" is not a number");
  // A negative size gives a negative radius, after one blank only.
  const hole::Groups negative = hole::DrawPlanView(Plan("-10", 1, 0, 0));
  EXPECT_EQ(negative.outline, (Records{"ci 0 0 -5 0 0"}));
  EXPECT_EQ(negative.centre, (Records{"0 -4.5 0 4.5", "4.5 0 -4.5 0"}));
}

hole::SectionInput Section(const std::string& size, double p7, double p8, exchange::Point p2,
                           bool through = false) {
  return {{0, 0}, p2, size, p7, p8, 0.5, through};
}

TEST(HoleSection, TappedBlindHoleDown) {
  // M20, thread 30 deep, drilled 5 deeper: r 10, ri 8.5, D 35,
  // T = 35 + 8.5/√3, E = 30 - 1.5/√3.
  const hole::Groups g = hole::DrawSection(Section("M20", 30, 5, {0, -60}));
  EXPECT_EQ(g.outline, (Records{"8.5 0 8.5 -35", "-8.5 0 -8.5 -35", "-8.5 -35 8.5 -35",
                                "-8.5 -35 0 -39.9074772881118", "8.5 -35 0 -39.9074772881118"}));
  EXPECT_EQ(g.centre, (Records{"0 0.5 0 -40.4074772881118"}));
  EXPECT_EQ(g.thin, (Records{"-10 0 -10 -29.1339745962156", "10 0 10 -29.1339745962156",
                             "-10 -29.1339745962156 -8.5 -30", "10 -29.1339745962156 8.5 -30",
                             "-8.5 -30 8.5 -30", "-10 -29.1339745962156 10 -29.1339745962156"}));
  EXPECT_EQ(g.threadFlag, hole::kThread);
  // The lower-case prefix draws the same, with the same pens.
  const hole::Groups lower = hole::DrawSection(Section("m20", 30, 5, {0, -60}));
  EXPECT_EQ(lower.outline, g.outline);
  EXPECT_EQ(lower.thin, g.thin);
  EXPECT_EQ(lower.threadFlag, hole::kThread);
}

TEST(HoleSection, EdgesOfTheDirectionsAndDepths) {
  // Without depths the walls have no length; a thread then ends outside
  // the hole (E = -0.75/√3) at the start's far side.
  const hole::Groups flat = hole::DrawSection(Section("M10", 0, 0, {0, -10}));
  EXPECT_EQ(flat.outline[0], "4.25 0 4.25 0");
  EXPECT_EQ(flat.thin[0], "-5 0 -5 0.433012701892219");
  // Coinciding points: upwards; a through hole of no length.
  const hole::Groups same = hole::DrawSection(Section("10", 0, 0, {0, 0}, true));
  EXPECT_EQ(same.outline, (Records{"5 0 5 0", "-5 0 -5 0"}));
  EXPECT_EQ(same.centre, (Records{"0 -0.5 0 0.5"}));
  // Point 2 a hair to the left of point 1: horizontal, ending at its x.
  const double hair = -5e-324;
  const hole::Groups hor = hole::DrawSection(Section("10", 0, 0, {hair, -40}, true));
  EXPECT_EQ(hor.outline, (Records{"0 5 -4.94065645841247E-324 5", "0 -5 -4.94065645841247E-324 -5"}));
}

hole::SteppedInput Stepped(exchange::Point p1, exchange::Point p2, double depth) {
  return {p1, p2, 20, 11, depth, 0.5};
}

TEST(HoleStepped, DirectionsAndDepths) {
  hole::Groups g = hole::DrawSteppedHole(Stepped({0, 0}, {0, 30}, 8));
  EXPECT_EQ(g.outline, (Records{"10 0 10 8", "-10 0 -10 8", "5.5 8 5.5 30", "-5.5 8 -5.5 30", "-10 8 10 8"}));
  EXPECT_EQ(g.centre, (Records{"0 -0.5 0 30.5"}));
  g = hole::DrawSteppedHole(Stepped({50, 5}, {20, 5}, 8));
  EXPECT_EQ(g.outline, (Records{"50 15 42 15", "50 -5 42 -5", "42 10.5 20 10.5", "42 -0.5 20 -0.5", "42 15 42 -5"}));
  EXPECT_EQ(g.centre, (Records{"50.5 5 19.5 5"}));
  EXPECT_TRUE(g.thin.empty());
  EXPECT_EQ(g.threadFlag, hole::kNoThread);
  // A step beyond point 2: the small bore runs back to point 2's level.
  g = hole::DrawSteppedHole(Stepped({0, 0}, {0, -5}, 8));
  EXPECT_EQ(g.outline[2], "5.5 -8 5.5 -5");
  // No step depth: the step line lies at point 1.
  g = hole::DrawSteppedHole(Stepped({0, 0}, {0, -5}, 0));
  EXPECT_EQ(g.outline[0], "10 0 10 0");
  EXPECT_EQ(g.outline[4], "-10 0 10 0");
}

TEST(HoleCircles, OnlyTheLargestPositiveRadiusCounts) {
  exchange::ItemTable t = exchange::ItemsFromText("ci 0 0 -4\r\nci 0 0 0\r\nly1\r\n", 100);
  EXPECT_EQ(hole::LargestCircleRadius(t), 0);
  t = exchange::ItemsFromText("ci 0 0 3\r\nci a b 7 0 90\r\nci 0 0 5\r\ncx 1 1\r\n", 100);
  EXPECT_EQ(hole::LargestCircleRadius(t), 7);
  EXPECT_THROW_SAYING(hole::LargestCircleRadius(exchange::ItemsFromText("ci 0 0\r\n", 100)), exchange::ToolError,
                      "\"ci 0 0\" lacks its radius");
  EXPECT_THROW_SAYING(hole::LargestCircleRadius(exchange::ItemsFromText("ci 0 0 -\r\n", 100)), exchange::ToolError,
                      "the radius of the circle item \"ci 0 0 -\" \"-\" is not a number");
  EXPECT_EQ(hole::DrawCross(7, 0.5).centre, (Records{"0 7.5 0 -7.5", "-7.5 0 7.5 0"}));
}

TEST(HoleKinds, OnlyTheExactKindsLeaveThePlanView) {
  using hole::HoleKind;
  EXPECT_EQ(hole::KindOf(3), HoleKind::kCross);
  EXPECT_EQ(hole::KindOf(4), HoleKind::kBlind);
  EXPECT_EQ(hole::KindOf(6), HoleKind::kThrough);
  EXPECT_EQ(hole::KindOf(8), HoleKind::kStepped);
  // The field is a number, not an integer: a fraction is no kind of its own.
  EXPECT_EQ(hole::KindOf(3.5), HoleKind::kPlan);
  EXPECT_EQ(hole::KindOf(5), HoleKind::kPlan);
  EXPECT_EQ(hole::KindOf(-4), HoleKind::kPlan);
}

}  // namespace
