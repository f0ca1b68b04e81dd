// The pieces of a dimension that the end-to-end runs reach only in part:
// rounding on the stored value, the size-range lookup at its bounds, the
// deviation block's width rules and the layout decision at its edges.
#include <gtest/gtest.h>

#include "exchange/exchange.h"
#include "tests/support/expect_throw.h"
#include "tools/tolerance/keys.h"
#include "tools/tolerance/tolerance.h"

namespace {

using tolerance::ArrowMode;

// The one tool whose item table holds 300 items, not 100.
TEST(Keys, TheTableHolds300Items) { EXPECT_EQ(tolerance::kKeys.run.capacity, 300u); }

TEST(Rounding, WorksOnTheStoredValueWithAHalfToEven) {
  EXPECT_EQ(tolerance::RoundToDecimals(12.5, 0), 12);
  EXPECT_EQ(tolerance::RoundToDecimals(13.5, 0), 14);
  EXPECT_EQ(tolerance::RoundToDecimals(0.125, 2), 0.12);   // an exact half
  EXPECT_EQ(tolerance::RoundToDecimals(12.345, 2), 12.35);  // stored a little above the half
  EXPECT_EQ(tolerance::RoundToDecimals(2.675, 2), 2.67);    // stored a little below it
  EXPECT_EQ(tolerance::RoundToDecimals(1.0 / 3, 8), 0.33333333);
  EXPECT_EQ(tolerance::RoundToDecimals(1e-300, 5000), 1e-300);
}

TEST(Lookup, EachRowOpensTheRangeOfTheNext) {
  const std::vector<std::string> rows = {"H7/3/+0.010/0", "H7/6/+0.012/0"};
  EXPECT_THROW_SAYING(tolerance::LookUpRow(rows, 3), exchange::ToolError,
                      "no tolerance-table row in the parameter file covers the size 3");
  EXPECT_EQ(tolerance::LookUpRow(rows, 3.001)[2], "+0.012");
  EXPECT_EQ(tolerance::LookUpRow(rows, 6)[2], "+0.012");
  EXPECT_THROW_SAYING(tolerance::LookUpRow(rows, 6.5), exchange::ToolError,
                      "no tolerance-table row in the parameter file covers the size 6.5");
  // The first matching pair wins, and rows after it are never read.
  const std::vector<std::string> more = {"H7/3/a/0", "H7/6/b/0", "H7/6/c/0", "broken"};
  EXPECT_EQ(tolerance::LookUpRow(more, 5)[2], "b");
}

TEST(Lookup, MarkedFitsAndSymmetricValues) {
  tolerance::Params p;
  p.fitClass = "JS7";
  const auto js = tolerance::ChooseTolerance(p, {"JS7/0/ /±0.005", "JS7/3/ /±0.005"}, 2);
  EXPECT_TRUE(js.single);
  EXPECT_EQ(js.upper, "");
  EXPECT_EQ(js.lower, "±0.005");
  EXPECT_EQ(js.fit, "JS7");
  p.fitClass = "*H7";
  EXPECT_EQ(tolerance::ChooseTolerance(p, {"*H7/0/+0.1/0", "*H7/3/+0.1/0"}, 2).fit, "");
  // Own deviations: "--" for the upper one is the single form, for the
  // lower one an empty text.
  p.ownTolerance = 1;
  p.upperDeviation = p.lowerDeviation = "--";
  const auto own = tolerance::ChooseTolerance(p, {}, 2);
  EXPECT_TRUE(own.single);
  EXPECT_EQ(own.lower, "");
}

TEST(Widths, DeviationBlock) {
  tolerance::Metrics m;
  m.Wt = 2;
  m.Dt = 0.5;
  m.S = 2;
  auto width = [&](const std::string& upper, const std::string& lower, bool single = false) {
    tolerance::Tolerance t;
    t.upper = upper;
    t.lower = lower;
    t.single = single;
    return tolerance::DeviationWidth(t, m);
  };
  // Equal lengths: the sign at full width, the rest at half.
  EXPECT_EQ(width("+0.025", "-0.010"), 2 * (2 + 5 * 2 / 2.0 + 5 * 0.5 / 2));
  // Unequal: the longer one, all at half width.
  EXPECT_EQ(width("+0.1", "-0.025"), 2 * (3 * 2 + 5 * 0.5 / 2));
  EXPECT_EQ(width("", "±0.05", true), 2 * (2 + 2 * 2 + 2 * 0.5));
  EXPECT_EQ(width("", ""), 0);
  EXPECT_EQ(width("", "", true), 0);
  EXPECT_EQ(tolerance::FitWidth("", m), 0);
}

TEST(Layout, EdgesOfTheDecision) {
  tolerance::Params p;
  p.arrowLength = 3;
  p.outsideOffset = 2;
  auto pick = [](double x4, double length) {
    tolerance::LinearPick k;
    k.p2 = {length, 0};
    k.p4 = {x4, 0};
    k.L = k.M = length;
    return k;
  };
  // A text wider than the dimension, asked for halfway: it stays.
  auto half = pick(2, 4);
  EXPECT_EQ(tolerance::DecideLinearLayout(half, 10, p, 1), ArrowMode::kShort);
  EXPECT_EQ(half.p4.x, 2);
  // As wide as the dimension: it does not move either.
  auto exact = pick(3, 4);
  EXPECT_EQ(tolerance::DecideLinearLayout(exact, 4, p, 1), ArrowMode::kShort);
  EXPECT_EQ(exact.p4.x, 3);
  // Exactly two arrows of room left over: neither inside nor outside both.
  auto edge = pick(15, 30);
  EXPECT_EQ(tolerance::DecideLinearLayout(edge, 24, p, 1), ArrowMode::kInside);
  // Dots: the text moves by the outside offset, before point 1 when nearer it.
  p.dotArrow = 1;
  auto dots = pick(1, 4);
  tolerance::DecideLinearLayout(dots, 10, p, 1);
  EXPECT_EQ(dots.p4.x, -2);
}

}  // namespace
