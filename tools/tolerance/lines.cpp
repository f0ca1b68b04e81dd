// The lines of a dimension: extension lines, the dimension line, arrows or
// dots, tails, the line under a text that stands outside, and the leader
// and shoulder of a diameter.
#include <cmath>

#include "exchange/geometry.h"
#include "tools/tolerance/tolerance.h"

namespace tolerance {
namespace {

using exchange::LineRecord;
using exchange::Point;
using exchange::PointRecord;
using exchange::Slot;
using exchange::ToolError;

using Slots = std::array<Slot, 9>;  // Slots[0] is record 5

std::string Line(const Point& a, const Point& b) { return LineRecord(a.x, a.y, b.x, b.y); }

}  // namespace

ArrowMode DecideLinearLayout(LinearPick& pick, double T, const Params& p, double S) {
  const double a1 = pick.horizontal ? pick.p1.x : pick.p1.y;
  const double a2 = pick.horizontal ? pick.p2.x : pick.p2.y;
  double& a4 = pick.horizontal ? pick.p4.x : pick.p4.y;
  ArrowMode mode = ArrowMode::kInside;
  // Only a text asked for between the points may have to move out.
  if (!(a1 <= a4 && a4 <= a2)) return mode;
  const double L = pick.L;
  const double U = p.arrowLength;
  const double twoUS = 2 * U * S;
  const bool dots = p.dotArrow == 1;
  if (!dots && T < L - twoUS) return mode;
  if (!dots && L - twoUS < T && T < L) return ArrowMode::kOutsideBoth;
  if (dots && T < L - S) return mode;
  if (pick.M < twoUS && U > p.outsideOffset) mode = ArrowMode::kShort;
  if (T > L) {
    // The text goes beyond the nearer point; halfway it stays.
    const double shift = !dots && mode == ArrowMode::kShort ? S * U : S * p.outsideOffset;
    if (a2 - a4 < a4 - a1) {
      a4 = a2 + shift;
    } else if (a2 - a4 > a4 - a1) {
      a4 = a1 - shift;
    }
  }
  return mode;
}

namespace {

// Records 5 and 6: the extension lines from the two points to the dimension line.
void LinearExtensionLines(const LinearPick& pick, const Params& p, double S, Slots& slot) {
  const double x3 = pick.p3.x, y3 = pick.p3.y;
  const double g = p.extensionGap, o = p.extensionOvershoot;
  // Each runs on whichever side of its point the dimension line lies; none
  // leaves a point that is the dimension line's place itself.
  auto extension = [&](const Point& pk) -> Slot {
    if (pk.x == x3 && pk.y == y3) return {};
    if (pick.horizontal) {
      if (pk.y < y3) return LineRecord(pk.x, pk.y + S * g, pk.x, y3 + S * o);
      return LineRecord(pk.x, y3 - S * o, pk.x, pk.y - S * g);
    }
    if (pk.x < x3) return LineRecord(pk.x + S * g, pk.y, x3 + S * o, pk.y);
    return LineRecord(x3 - S * o, pk.y, pk.x - S * g, pk.y);
  };
  slot[0] = extension(pick.p1);
  slot[1] = extension(pick.p2);
}

// Records 11 and 12: the tails beyond the points that outside arrows sit on.
void LinearTails(const LinearPick& pick, ArrowMode mode, double U, double S, Slots& slot) {
  const double x1 = pick.p1.x, y1 = pick.p1.y, x2 = pick.p2.x, y2 = pick.p2.y;
  const double x3 = pick.p3.x, y3 = pick.p3.y;
  const bool h = pick.horizontal;
  const double t = 1.2 * U * S;
  const std::string tail1 = h ? LineRecord(x1, y3, x1 - t, y3) : LineRecord(x3, y1, x3, y1 - t);
  const std::string tail2 = h ? LineRecord(x2, y3, x2 + t, y3) : LineRecord(x3, y2, x3, y2 + t);
  const double a1 = h ? x1 : y1, a2 = h ? x2 : y2, a4 = h ? pick.p4.x : pick.p4.y;
  // None at the end whose tail is the line to the text.
  if (a4 > a2) {
    slot[6] = tail1;
  } else if (a4 < a1) {
    slot[6] = tail2;
  } else if (mode == ArrowMode::kOutsideBoth) {
    slot[6] = tail1;
    slot[7] = tail2;
  }
}

// Records 7 to 12: dots or arrows at the dimension line's two ends.
void LinearEnds(const LinearPick& pick, ArrowMode mode, const Params& p, double S, Slots& slot) {
  const bool h = pick.horizontal;
  // Point 1's end comes first on a horizontal dimension, point 2's on a vertical one.
  const Point first = h ? Point{pick.p1.x, pick.p3.y} : Point{pick.p3.x, pick.p2.y};
  const Point second = h ? Point{pick.p2.x, pick.p3.y} : Point{pick.p3.x, pick.p1.y};
  if (p.dotArrow == 1) {
    slot[2] = PointRecord(first.x, first.y);
    slot[3] = PointRecord(second.x, second.y);
    return;
  }
  // The arrows turn outward, onto tails, when the value is shorter than two
  // arrows or the text fits between them and the arrows do not. Inside,
  // each end's barbs open toward the other end.
  const double U = p.arrowLength;
  const bool outside = pick.M < 2 * U * S || mode == ArrowMode::kOutsideBoth;
  using exchange::Axis;
  const Axis towardSecond = h ? Axis::kPlusX : Axis::kMinusY;
  const Axis towardFirst = h ? Axis::kMinusX : Axis::kPlusY;
  const exchange::BarbOffsets o = exchange::AxisBarbOffsets(S * U, p.arrowAngle);
  const auto a = exchange::AxisBarbs(first, outside ? towardFirst : towardSecond, o.along, o.across);
  const auto b = exchange::AxisBarbs(second, outside ? towardSecond : towardFirst, o.along, o.across);
  slot[2] = Line(first, a.end1);
  slot[3] = Line(first, a.end2);
  slot[4] = Line(second, b.end1);
  slot[5] = Line(second, b.end2);
  if (outside) LinearTails(pick, mode, U, S, slot);
}

// Record 13: the dimension line run on under a text that stands outside.
void LinearRunOn(const LinearPick& pick, double T, Slots& slot) {
  const double x1 = pick.p1.x, y1 = pick.p1.y, x2 = pick.p2.x, y2 = pick.p2.y;
  const double x3 = pick.p3.x, y3 = pick.p3.y, x4 = pick.p4.x, y4 = pick.p4.y;
  if (pick.horizontal) {
    if (x4 > x2) slot[8] = LineRecord(x2, y3, x4 + T, y3);
    if (x4 < x1) slot[8] = LineRecord(x1, y3, x4 - T, y3);
  } else {
    if (y4 > y2) slot[8] = LineRecord(x3, y1, x3, y4 + T);
    if (y4 < y1) slot[8] = LineRecord(x3, y4 - T, x3, y2);
  }
}

}  // namespace

DimensionLines LinearLines(const LinearPick& pick, ArrowMode mode, double T, const Params& p, double S) {
  DimensionLines out;
  LinearExtensionLines(pick, p, S, out.lines);
  out.dimension = pick.horizontal ? LineRecord(pick.p1.x, pick.p3.y, pick.p2.x, pick.p3.y)
                                  : LineRecord(pick.p3.x, pick.p1.y, pick.p3.x, pick.p2.y);
  LinearEnds(pick, mode, p, S, out.lines);
  LinearRunOn(pick, T, out.lines);
  return out;
}

namespace {

// Where an aligned dimension stands: the picked line p1 p2, its length L,
// the signed distance e of p3 from it (positive to the left), the
// dimension line's ends E1 and E2 and the unit vectors along it (u) and to
// its left (v).
struct AlignedFrame {
  Point p1, p2;
  double dx, dy, L;
  double e;
  Point E1, E2;
  double ux, uy, vx, vy;
};

AlignedFrame ReadAlignedFrame(const Point& p1, const Point& p2, const Point& p3) {
  const double x1 = p1.x, y1 = p1.y, x2 = p2.x, y2 = p2.y, x3 = p3.x, y3 = p3.y;
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double L = std::sqrt(dx * dx + dy * dy);
  if (L == 0) throw ToolError("points 1 and 2 coincide, so the aligned dimension has no direction");
  // Computed through dy where it can be, through the cross product on a
  // horizontal pick.
  const double e = dy != 0 ? dy * ((y3 - y1) * dx / dy - (x3 - x1)) / L : (dx * (y3 - y1) - dy * (x3 - x1)) / L;
  const double cs = dy * e / L;
  const double cw = dx * e / L;
  return {p1, p2, dx, dy, L, e, {x1 - cs, y1 + cw}, {x2 - cs, y2 + cw}, dx / L, dy / L, -dy / L, dx / L};
}

// Extension lines toward the side of p3. Picked left to right the
// dimension line's end against point 1 tells the side; otherwise the sign
// of the offset does.
void AlignedExtensionLines(const AlignedFrame& f, const Params& p, double S, Slots& slot) {
  const double x1 = f.p1.x, y1 = f.p1.y, x2 = f.p2.x, y2 = f.p2.y;
  const double dx = f.dx, dy = f.dy, L = f.L;
  const Point& E1 = f.E1;
  const Point& E2 = f.E2;
  const double go = p.extensionGap, oo = p.extensionOvershoot;
  const double gx = dy * S * go / L, gy = dx * S * go / L;
  const double ox = dy * S * oo / L, oy = dx * S * oo / L;
  const bool toRight = dx > 0 ? y1 > E1.y : f.e < 0;
  const bool toLeft = dx > 0 ? y1 < E1.y : f.e > 0;
  if (toRight) {
    slot[0] = LineRecord(x1 + gx, y1 - gy, E1.x + ox, E1.y - oy);
    slot[1] = LineRecord(x2 + gx, y2 - gy, E2.x + ox, E2.y - oy);
  } else if (toLeft) {
    slot[0] = LineRecord(x1 - gx, y1 + gy, E1.x - ox, E1.y + oy);
    slot[1] = LineRecord(x2 - gx, y2 + gy, E2.x - ox, E2.y + oy);
  }
}

// Dots at the dimension line's ends, or arrows: inside, or outside with
// tails when the line is too short for them or the value stands between
// the arrows without room.
void AlignedArrows(const AlignedFrame& f, double Vw, const Params& p, double S, Slots& slot) {
  const double U = p.arrowLength;
  const double L = f.L;
  const Point& E1 = f.E1;
  const Point& E2 = f.E2;
  const double twoUS = 2 * U * S;
  const bool outside = L < twoUS || (L - twoUS < Vw && Vw < L);
  if (p.dotArrow == 1) {
    slot[2] = PointRecord(E1.x, E1.y);
    slot[3] = PointRecord(E2.x, E2.y);
    return;
  }
  const double theta = exchange::LeaderAngle(f.p1, f.p2);
  const double length = S * U;
  // theta points from point 1 to point 2 when point 2 lies higher (or on
  // a level pick), from point 2 to point 1 when it lies lower.
  const bool downward = f.p1.y > f.p2.y;
  const bool forwardAtE1 = outside == downward;
  const Point& fwd = forwardAtE1 ? E1 : E2;
  const Point& bwd = forwardAtE1 ? E2 : E1;
  const auto a = exchange::ArrowHead(fwd, theta, p.arrowAngle, length, false);
  const auto b = exchange::ArrowHead(bwd, theta, p.arrowAngle, length, true);
  slot[2] = Line(fwd, a.end1);
  slot[3] = Line(fwd, a.end2);
  slot[4] = Line(bwd, b.end1);
  slot[5] = Line(bwd, b.end2);
  if (outside) {
    const double t = 1.2 * U * S;
    slot[7] = LineRecord(E1.x, E1.y, E1.x - t * f.dx / L, E1.y - t * f.dy / L);
    slot[8] = LineRecord(E2.x, E2.y, E2.x + t * f.dx / L, E2.y + t * f.dy / L);
  }
}

}  // namespace

AlignedDrawing DrawAligned(const Point& p1, const Point& p2, const Point& p3, const TextGroup& g,
                           const Params& p, double S) {
  const AlignedFrame f = ReadAlignedFrame(p1, p2, p3);
  const double L = f.L;
  const double Vw = g.Vw;
  const double oS = S * p.outsideOffset;

  AlignedDrawing out;
  auto& slot = out.lines.lines;
  out.lines.dimension = Line(f.E1, f.E2);
  AlignedExtensionLines(f, p, S, slot);
  // A value wider than the dimension stands beyond point 2, on the
  // dimension line drawn on under it: that run's length times the same
  // unit vector the text is placed along.
  if (Vw > L) {
    const double run = Vw + oS;
    slot[6] = LineRecord(f.E2.x, f.E2.y, f.E2.x + run * f.ux, f.E2.y + run * f.uy);
  }
  AlignedArrows(f, Vw, p, S, slot);

  // The value text along the dimension line, centred when it fits, else
  // beyond point 2; its direction is the picked one.
  const double a = Vw <= L ? (L - Vw) / 2 : L + oS;
  const double lift = S * p.textOffset;
  out.valueRecord = exchange::DirectedTextRecord(f.E1.x + lift * f.vx + a * f.ux, f.E1.y + lift * f.vy + a * f.uy,
                                                 f.dx, f.dy, g.value);
  return out;
}

DiameterDrawing DrawDiameter(const Point& p1, double r, const Point& p2, const Point& p4, const TextGroup& g,
                             const Metrics& m, const Params& p) {
  const double S = m.S;
  const double dx = p2.x - p1.x;
  const double dy = p2.y - p1.y;
  const double D = std::sqrt(dx * dx + dy * dy);
  if (D == 0) throw ToolError("the leader's end is the circle's centre, so the leader has no direction");
  // The leader starts on the circle, toward its end.
  const Point start{p1.x + r * dx / D, p1.y + r * dy / D};
  if (start.x == p2.x && start.y == p2.y)
    throw ToolError("the leader's end lies on the circle, so the leader has no length");

  DiameterDrawing out;
  out.leader = Line(start, p2);
  const auto barbs = exchange::LeaderBarbs(start, p2, p.arrowAngle, S * p.arrowLength);
  out.barb1 = Line(start, barbs.end1);
  out.barb2 = Line(start, barbs.end2);

  const double T1 = g.T > g.Qw ? g.T : g.Qw;
  if (p4.x >= p2.x) {
    out.shoulder = LineRecord(p2.x, p2.y, p4.x + T1, p2.y);
  } else {
    out.shoulder = LineRecord(p4.x - T1, p2.y, p2.x, p2.y);
  }
  PlaceDiameterTexts(p2, p4.x, g, m, p, out);
  return out;
}

}  // namespace tolerance
