// The steps on their own: the shapes of the thirteen kinds, the contours and
// the text widths, checked against the geometry they must have rather than
// against the tables they come from.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "exchange/exchange.h"
#include "exchange/params/weld.h"
#include "tests/support/expect_throw.h"
#include "tools/weld/steps.h"

namespace weld {
namespace {

constexpr double kPi = 3.14159265358979;

struct P {
  double x, y;
};

// The points a record passes through: a line's two ends, an arc's two ends
// and its middle (counter-clockwise from the start angle to the end angle).
std::vector<P> PointsOf(const std::string& record) {
  std::istringstream in(record);
  std::vector<double> v;
  std::string word;
  bool arc = false;
  while (in >> word) {
    if (word == "ci") {
      arc = true;
      continue;
    }
    v.push_back(std::stod(word));
  }
  if (!arc) return {{v.at(0), v.at(1)}, {v.at(2), v.at(3)}};
  const double cx = v.at(0), cy = v.at(1), r = v.at(2), a1 = v.at(3);
  double a2 = v.at(4);
  while (a2 <= a1) a2 += 360;
  auto at = [&](double deg) { return P{cx + r * std::cos(deg * kPi / 180), cy + r * std::sin(deg * kPi / 180)}; };
  return {at(a1), at((a1 + a2) / 2), at(a2)};
}

Frame At100And50(double kind, double side) {
  Frame f;
  f.X = 100;
  f.Y = 50;
  f.Cx = 90;
  f.S = 1;
  f.W = 3;
  f.h = 3;
  f.kind = kind;
  f.side = side;
  return f;
}

// Every point of `a` is the reflection in y = 50 of a point of `b`.
bool Mirrored(const std::vector<P>& a, const std::vector<P>& b) {
  for (const P& p : a) {
    bool found = false;
    for (const P& q : b)
      if (std::fabs(p.x - q.x) < 1e-6 && std::fabs(p.y - (100 - q.y)) < 1e-6) found = true;
    if (!found) return false;
  }
  return a.size() == b.size();
}

TEST(WeldSymbols, BackSideIsTheNearSideReflectedInTheReferenceLine) {
  // Checked through the arcs' middles too, so a back arc drawn the long way
  // round (a wrong angle literal) is caught, not only a wrong centre.
  const std::pair<int, int> nearBack[] = {{4, 6}, {5, 7}, {8, 9}};
  for (int k = 1; k <= 12; ++k) {
    SCOPED_TRACE(k);
    Drawing d;
    DrawSymbols(At100And50(k, 3), d);
    for (const auto& [n, b] : nearBack) {
      ASSERT_EQ(d.Geometry(n).has_value(), d.Geometry(b).has_value()) << n;
      if (!d.Geometry(n)) continue;
      const auto nearPoints = PointsOf(*d.Geometry(n));
      EXPECT_TRUE(Mirrored(nearPoints, PointsOf(*d.Geometry(b)))) << *d.Geometry(n) << " / " << *d.Geometry(b);
      // The near side stays on or below the line, and it reaches the line.
      for (const P& p : nearPoints) EXPECT_LE(p.y, 50 + 1e-4) << *d.Geometry(n);
    }
  }
}

TEST(WeldSymbols, EveryKindTouchesTheReferenceLine) {
  // Each symbol stands on the line: some point of its records lies on it
  // (kind 12's bead arcs within 0.0001: their angles are given to three
  // decimals). The spot mark of kind 13 crosses the line instead.
  for (int k = 1; k <= 12; ++k) {
    SCOPED_TRACE(k);
    Drawing d;
    DrawSymbols(At100And50(k, 1), d);
    bool touches = false;
    for (int n : {4, 5, 8}) {
      if (!d.Geometry(n)) continue;
      for (const P& p : PointsOf(*d.Geometry(n))) touches = touches || std::fabs(p.y - 50) < 1e-4;
    }
    EXPECT_TRUE(touches);
  }
}

TEST(WeldSymbols, SidesAndKindsFillTheirOwnSlots) {
  struct Case {
    double kind, side;
    std::vector<int> filled;  // geometry slots
    double leftGap, rightGap;
  };
  const std::vector<Case> cases = {
      {3, 1, {4, 5}, 2, 2},  // no contour code, no contour
      {3, 2, {6, 7}, 2, 2},
      {11, 2, {6, 7, 9}, 2.5, 2.5},
      {11, 1, {4, 5, 8}, 2.5, 2.5},
      {13, 2, {4, 5, 8}, 3.5, 3.5},   // the spot mark stands on every side
      {10, 0, {4, 5, 6, 7}, 2, 3},    // a side outside 1 to 3 draws both
      {14, 3, {}, 0, 0},
      {2.5, 3, {}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << " side " << c.side);
    Drawing d;
    DrawSymbols(At100And50(c.kind, c.side), d);
    for (int n = 1; n <= 20; ++n) {
      bool wanted = false;
      for (int w : c.filled) wanted = wanted || w == n;
      EXPECT_EQ(d.Geometry(n).has_value(), wanted) << "slot " << n;
    }
    EXPECT_EQ(d.leftGap, c.leftGap);
    EXPECT_EQ(d.rightGap, c.rightGap);
  }
}

TEST(WeldSymbols, StaggerMovesTheNearSideOnly) {
  Frame f = At100And50(5, 3);
  f.shift = 2;
  f.nearContour = 1;
  f.backContour = 1;
  Drawing d;
  DrawSymbols(f, d);
  EXPECT_EQ(*d.Geometry(4), "100.5 50 100.5 47");
  EXPECT_EQ(*d.Geometry(5), "100.5 50 103.5 47");
  EXPECT_EQ(*d.Geometry(6), "98.5 50 98.5 53");
  EXPECT_EQ(*d.Geometry(16), "99 46.5 105 46.5");
  EXPECT_EQ(*d.Geometry(17), "97 53.5 103 53.5");
  // The spot mark stays on the axis; its contour moves with the near side.
  f.kind = 13;
  Drawing spot;
  DrawSymbols(f, spot);
  EXPECT_EQ(*spot.Geometry(8), "100 53.5 100 46.5");
  EXPECT_EQ(*spot.Geometry(16), "99 46 105 46");
}

TEST(WeldContours, ArcsSpanTheFlatContourAndBulgeTheRightWay) {
  // Values 2 and 3 end 3 either side of the axis, 0.5 off the level line,
  // with their middle 0.5 beyond it: convex away from the reference line,
  // concave toward it.
  struct Case {
    Side side;
    double value;
    double middleY, endY;
  };
  const double level = 3.5;  // kind 1 with both axis texts empty
  const std::vector<Case> cases = {
      {Side::kNear, 2, 50 - level - 0.5, 50 - level + 0.5},
      {Side::kNear, 3, 50 - level + 0.5, 50 - level - 0.5},
      {Side::kBack, 2, 50 + level + 0.5, 50 + level - 0.5},
      {Side::kBack, 3, 50 + level - 0.5, 50 + level + 0.5},
  };
  for (const Case& c : cases) {
    Frame f = At100And50(1, 3);
    f.nearContour = c.value;
    f.backContour = c.value;
    Drawing d;
    Contour(f, d, c.side, level);
    const auto& record = d.Geometry(c.side == Side::kNear ? 16 : 17);
    ASSERT_TRUE(record.has_value());
    const auto pts = PointsOf(*record);
    SCOPED_TRACE(*record);
    EXPECT_NEAR(std::fmin(pts[0].x, pts[2].x), 97, 0.001);
    EXPECT_NEAR(std::fmax(pts[0].x, pts[2].x), 103, 0.001);
    EXPECT_NEAR(pts[0].y, c.endY, 0.001);
    EXPECT_NEAR(pts[2].y, c.endY, 0.001);
    EXPECT_NEAR(pts[1].y, c.middleY, 1e-9);
  }
}

TEST(WeldContours, AnUnknownContourCodeDrawsNothingButMovesTheFinish) {
  Frame f = At100And50(1, 3);
  f.nearContour = 4;
  f.backContour = -1;
  Drawing d;
  AxisStack(f, d, Side::kNear, Stack::kCommon, 3);
  AxisStack(f, d, Side::kBack, Stack::kCommon, 3);
  EXPECT_FALSE(d.Geometry(16).has_value());
  EXPECT_FALSE(d.Geometry(17).has_value());
  EXPECT_EQ(*d.Text(TextId::kNearFinish), "ch 100 42.5 1000000000000000 0  \"");
  EXPECT_EQ(*d.Text(TextId::kBackFinish), "ch 100 54.5 1000000000000000 0  \"");
}

TEST(WeldContours, FilletArcsJoinTheEndsOfTheFlatLine) {
  for (Side side : {Side::kNear, Side::kBack}) {
    const int slot = side == Side::kNear ? 16 : 17;
    Frame f = At100And50(10, 3);
    f.nearContour = f.backContour = 1;
    Drawing flat;
    FilletContour(f, flat, side);
    const auto ends = PointsOf(*flat.Geometry(slot));
    // Parallel to the triangle's slanted side, half a millimetre right of it.
    const double sy = side == Side::kNear ? -1 : 1;
    EXPECT_EQ(*flat.Geometry(slot), side == Side::kNear ? "99 47 101.75 49.75" : "99 53 101.75 50.25");
    EXPECT_DOUBLE_EQ((ends[1].y - ends[0].y) / (ends[1].x - ends[0].x), -sy);
    for (double value : {2.0, 3.0}) {
      f.nearContour = f.backContour = value;
      Drawing arc;
      FilletContour(f, arc, side);
      const auto pts = PointsOf(*arc.Geometry(slot));
      SCOPED_TRACE(*arc.Geometry(slot));
      // The arc runs between the two ends, in one order or the other.
      const bool forward = std::fabs(pts[0].x - ends[0].x) < 0.01;
      const P& first = forward ? ends[0] : ends[1];
      const P& last = forward ? ends[1] : ends[0];
      EXPECT_NEAR(pts[0].x, first.x, 0.001);
      EXPECT_NEAR(pts[0].y, first.y, 0.001);
      EXPECT_NEAR(pts[2].x, last.x, 0.001);
      EXPECT_NEAR(pts[2].y, last.y, 0.001);
      // Convex bulges away from the triangle (right of the flat line, and
      // away from the reference line), concave into it.
      const double mid = (ends[0].x + ends[1].x) / 2;
      if (value == 2) {
        EXPECT_GT(pts[1].x, mid);
      } else {
        EXPECT_LT(pts[1].x, mid);
      }
    }
  }
}

// The texts share their names with the parameter line's fields but not
// their numbers: a field's place picks neither a text nor its slot.
template <typename Key>
concept PicksAWidth = requires(PerText<double> width, Key key) { width[key]; };
template <typename Key>
concept PicksASlot = requires(Drawing d, Key key) { d.Text(key); };
static_assert(PicksAWidth<TextId> && PicksASlot<TextId>);
static_assert(!PicksAWidth<paramfile::weld::Field> && !PicksASlot<paramfile::weld::Field>);
static_assert(!PicksAWidth<std::size_t> && !PicksASlot<int>);

TEST(WeldTexts, WidthsByKindOfTextAndMode) {
  // Fields in slot order: back depth, near depth, back and near length-pitch,
  // process, near and back finish, back and near groove angle, near and
  // back root gap.
  const std::array<std::string, kTextCount> fields = {"6", "①", "30(2)-100", "-", "WA", "CG", "G",
                                                      "60°", "", "12", "2"};
  using enum TextId;
  const WeldTexts mixed = PrepareTexts(fields, false, 3, 0.5, 2);
  EXPECT_EQ(mixed.text[kNearDepth], "①");
  EXPECT_DOUBLE_EQ(mixed.width[kBackDepth], 2 * 1.0);           // half-width "6" is 1
  EXPECT_DOUBLE_EQ(mixed.width[kNearDepth], 2 * 2.75);          // one full-width character
  EXPECT_DOUBLE_EQ(mixed.width[kBackLengthPitch], 2 * 15.0);
  EXPECT_EQ(mixed.text[kNearLengthPitch], "");                  // "-" is no text
  EXPECT_EQ(mixed.width[kNearLengthPitch], 0);
  EXPECT_EQ(mixed.width[kProcess], 0);                          // never measured
  EXPECT_DOUBLE_EQ(mixed.width[kNearFinish], 3.0);              // S W / 2 whatever its length
  EXPECT_DOUBLE_EQ(mixed.width[kNearRootGap], 3.0);
  EXPECT_DOUBLE_EQ(mixed.width[kBackGrooveAngle], 2 * 6.25);    // the degree sign is two bytes
  // An empty field is not the window's "-": it is measured, and comes out
  // narrower than nothing.
  EXPECT_DOUBLE_EQ(mixed.width[kNearGrooveAngle], 2 * -0.75);

  const WeldTexts full = PrepareTexts(fields, true, 3, 0.5, 2);
  EXPECT_EQ(full.text[kBackLengthPitch], "３０（２）－１００");
  EXPECT_EQ(full.text[kProcess], "ＷＡ");
  EXPECT_DOUBLE_EQ(full.width[kBackLengthPitch], 2 * (9 * 3 + 8 * 0.5));
  EXPECT_DOUBLE_EQ(full.width[kNearFinish], 2 * 3.0);  // S W whatever its length
  EXPECT_DOUBLE_EQ(full.width[kNearRootGap], 2 * (2 * 3 + 0.5));
  EXPECT_DOUBLE_EQ(full.width[kBackDepth], 2 * 3.0);
  EXPECT_EQ(full.text[kNearLengthPitch], "");
  EXPECT_EQ(full.width[kNearLengthPitch], 0);
  EXPECT_EQ(full.width[kProcess], 0);
}

TEST(WeldFrame, StaggerShiftRoundsHalvesToEven) {
  EXPECT_EQ(StaggerShift(true, 1), 2);
  EXPECT_EQ(StaggerShift(true, 1.25), 2);   // 2.5
  EXPECT_EQ(StaggerShift(true, 1.75), 4);   // 3.5
  EXPECT_EQ(StaggerShift(true, 0.25), 0);   // 0.5
  EXPECT_EQ(StaggerShift(true, 0.2), 0);
  EXPECT_EQ(StaggerShift(true, -1.25), -2);
  EXPECT_EQ(StaggerShift(true, 20000), 40000);  // beyond a 16-bit integer, still drawn
  EXPECT_EQ(StaggerShift(false, 1.75), 0);
  EXPECT_EQ(StaggerShift(false, 1e308), 0);
  EXPECT_THROW_SAYING(StaggerShift(true, 1e308), exchange::ToolError,
                      "the staggered shift of the near side is too large");
}

}  // namespace
}  // namespace weld
