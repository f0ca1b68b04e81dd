// The shared plane geometry, against values worked out by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "exchange/geometry.h"
#include "exchange/records.h"
#include "tests/support/expect_throw.h"

using exchange::Num;
using exchange::Point;

TEST(Geometry, ArrowHeadOpensTowardTheLeader) {
  // Tip (0, 0), leader to (10, 10): the direction is 44.9999992323827
  // degrees, not 45, because degrees and radians meet through 3.1415926.
  const double direction = 90 - std::atan(10.0 / 10.0) * 180 / exchange::kPi;
  EXPECT_EQ(Num(direction), "44.9999992323827");
  const auto ahead = exchange::ArrowHead({0, 0}, direction, 15, 3, false);
  EXPECT_EQ(Num(ahead.end1.x), "2.59807624484694");
  EXPECT_EQ(Num(ahead.end1.y), "1.49999994198735");
  EXPECT_EQ(Num(ahead.end2.x), "1.50000008121771");
  EXPECT_EQ(Num(ahead.end2.y), "2.59807616446225");
  // A leader leaving the tip downward takes the barbs the other way.
  const auto back = exchange::ArrowHead({1, 1}, direction, 15, 3, true);
  EXPECT_EQ(Num(back.end1.x), "-1.59807624484694");
  EXPECT_EQ(Num(back.end2.y), "-1.59807616446225");
  // An arrow of length 0 ends where it starts.
  const auto none = exchange::ArrowHead({4, 5}, 30, 15, 0, false);
  EXPECT_EQ(none.end1.x, 4);
  EXPECT_EQ(none.end2.y, 5);
}

TEST(Geometry, AxisArrowHeads) {
  using exchange::Axis;
  // Each direction puts its barbs back down the shaft, end1 and end2 on
  // the sides the drawings rely on.
  const Point tip{10, 20};
  const auto up = exchange::AxisBarbs(tip, Axis::kPlusY, 3, 1);
  EXPECT_EQ(up.end1.x, 9);
  EXPECT_EQ(up.end1.y, 23);
  EXPECT_EQ(up.end2.x, 11);
  const auto down = exchange::AxisBarbs(tip, Axis::kMinusY, 3, 1);
  EXPECT_EQ(down.end1.x, 9);
  EXPECT_EQ(down.end2.y, 17);
  const auto right = exchange::AxisBarbs(tip, Axis::kPlusX, 3, 1);
  EXPECT_EQ(right.end1.x, 13);
  EXPECT_EQ(right.end1.y, 21);
  EXPECT_EQ(right.end2.y, 19);
  const auto left = exchange::AxisBarbs(tip, Axis::kMinusX, 3, 1);
  EXPECT_EQ(left.end1.x, 7);
  EXPECT_EQ(left.end1.y, 21);
  // The offsets of barbs 2 long at 30 degrees, with the tools' pi.
  const auto o = exchange::AxisBarbOffsets(2, 30);
  EXPECT_EQ(Num(o.along), "1.73205081650051");
  EXPECT_EQ(Num(o.across), "0.999999984529959");
}

TEST(Geometry, TextPlacement) {
  EXPECT_EQ(exchange::CentredStart(20, 3), 18.5);
  EXPECT_EQ(exchange::StartBefore(40, 2.75 + 0.5), 36.75);
}

TEST(Geometry, LeaderAngleAndBarbs) {
  EXPECT_EQ(Num(exchange::LeaderAngle({0, 0}, {10, 10})), "44.9999992323827");
  // Straight down and straight up are both 90; the barbs follow the leader.
  EXPECT_EQ(exchange::LeaderAngle({0, 0}, {0, -5}), 90);
  EXPECT_EQ(exchange::LeaderAngle({0, 0}, {0, 5}), 90);
  const auto down = exchange::LeaderBarbs({0, 0}, {0, -5}, 15, 3);
  EXPECT_LT(down.end1.y, 0);
  EXPECT_LT(down.end2.y, 0);
  const auto up = exchange::LeaderBarbs({0, 0}, {0, 5}, 15, 3);
  EXPECT_GT(up.end1.y, 0);
  EXPECT_GT(up.end2.y, 0);
  // A leader to the lower left: the angle is that of the upper-right run,
  // and the barbs are taken backward.
  const double a = exchange::LeaderAngle({0, 0}, {-10, -10});
  EXPECT_EQ(Num(a), "44.9999992323827");
  const auto ll = exchange::LeaderBarbs({0, 0}, {-10, -10}, 15, 3);
  EXPECT_EQ(Num(ll.end1.x), "-2.59807624484694");
  EXPECT_EQ(Num(ll.end2.y), "-2.59807616446225");
}

TEST(Geometry, HorizontalLeaderOpensTowardItsFarEnd) {
  EXPECT_EQ(exchange::LeaderAngle({1, 2}, {9, 2}), 0);
  EXPECT_EQ(exchange::LeaderAngle({1, 2}, {-9, 2}), 180);
  const auto right = exchange::LeaderBarbs({1, 2}, {9, 2}, 15, 3);
  EXPECT_GT(right.end1.x, 1);
  EXPECT_GT(right.end2.x, 1);
  EXPECT_LT(right.end1.y, 2);
  EXPECT_GT(right.end2.y, 2);
  const auto left = exchange::LeaderBarbs({1, 2}, {-9, 2}, 15, 3);
  EXPECT_LT(left.end1.x, 1);
  EXPECT_LT(left.end2.x, 1);
  EXPECT_THROW_SAYING(exchange::LeaderAngle({1, 2}, {1, 2}), exchange::ToolError, "two points coincide");
}
