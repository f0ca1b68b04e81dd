// Holes in section: the drilled or tapped hole and the stepped hole, each
// from picked point 1 on its axis towards picked point 2. Sizes are in the
// units of the picks: no scale enters a section.
#include <cmath>

#include "tools/hole/hole.h"

namespace hole {
namespace {

using exchange::Point;

// The hole's axis through picked point 1. It is vertical only when point 2
// has exactly the same x; any other pair, slanted ones included, gives a
// horizontal axis. `forward` is the way towards larger y (or x); a point 2
// that coincides with point 1 counts as forward.
//
// A level is a coordinate along the axis, a side a coordinate across it.
struct Axis {
  explicit Axis(const Point& p1, const Point& p2)
      : vertical(p2.x == p1.x),
        forward(vertical ? !(p1.y > p2.y) : !(p1.x > p2.x)),
        level(vertical ? p1.y : p1.x),
        side(vertical ? p1.x : p1.y),
        far(vertical ? p2.y : p2.x) {}

  bool vertical;
  bool forward;
  double level;  // picked point 1
  double side;
  double far;    // the level of picked point 2

  // Sides are drawn minus first on a vertical axis and plus first on a
  // horizontal one (the walls excepted, which always come plus first).
  int First() const { return vertical ? -1 : 1; }

  // The level at depth d into the hole.
  double Depth(double d) const { return forward ? level + d : level - d; }
  // The level c back out of the hole from picked point 1.
  double Behind(double c) const { return forward ? level - c : level + c; }
  // The distance from picked point 1 to the level of picked point 2.
  double Length() const { return forward ? far - level : level - far; }
  // The side at offset o on the plus (sign > 0) or minus side of the axis.
  double Side(int sign, double o) const { return sign > 0 ? side + o : side - o; }

  Point At(double atLevel, double atSide) const {
    return vertical ? Point{atSide, atLevel} : Point{atLevel, atSide};
  }
  std::string Line(double level1, double side1, double level2, double side2) const {
    const Point a = At(level1, side1);
    const Point b = At(level2, side2);
    return exchange::LineRecord(a.x, a.y, b.x, b.y);
  }
};

const double kSqrt3 = std::sqrt(3.0);

}  // namespace

Groups DrawSection(const SectionInput& in) {
  Groups g;
  const Axis axis(in.p1, in.p2);
  // Either prefix makes a tapped hole drawn with every group's own pen.
  const ThreadedSize size = StripThreadPrefix(in.holeSize, kThread, kThread);
  g.threadFlag = size.flag;
  const bool tapped = size.flag != kNoThread;

  const double r = size.Diameter() / 2;
  const double ri = tapped ? r * kThreadMinorFactor : r;
  const double p7 = in.threadDepth;
  // The drill point and the thread end both have 60-degree flanks.
  double D = p7 + in.extraDepth;
  double T = D + ri / kSqrt3;
  double E = p7 - (r - ri) / kSqrt3;
  if (in.through) {
    D = axis.Length();
    T = D;
    E = D;
  }

  const double base = axis.level;
  const double mid = axis.side;
  const int first = axis.First();
  const double bottom = axis.Depth(D);

  g.outline.push_back(axis.Line(base, axis.Side(1, ri), bottom, axis.Side(1, ri)));
  g.outline.push_back(axis.Line(base, axis.Side(-1, ri), bottom, axis.Side(-1, ri)));
  if (!in.through) {
    g.outline.push_back(axis.Line(bottom, axis.Side(first, ri), bottom, axis.Side(-first, ri)));
    g.outline.push_back(axis.Line(bottom, axis.Side(first, ri), axis.Depth(T), mid));
    g.outline.push_back(axis.Line(bottom, axis.Side(-first, ri), axis.Depth(T), mid));
  }

  const double axisEnd = axis.forward ? (base + T) + in.overshoot : base - (T + in.overshoot);
  g.centre.push_back(axis.Line(axis.Behind(in.overshoot), mid, axisEnd, mid));

  if (!tapped) return g;
  const double threadEnd = axis.Depth(E);
  g.thin.push_back(axis.Line(base, axis.Side(first, r), threadEnd, axis.Side(first, r)));
  g.thin.push_back(axis.Line(base, axis.Side(-first, r), threadEnd, axis.Side(-first, r)));
  if (in.through) return g;
  // Where the complete thread ends: the flanks from the major to the minor
  // diameter, the line at the thread depth and the line at the thread end.
  const double threadDepth = axis.Depth(p7);
  g.thin.push_back(axis.Line(threadEnd, axis.Side(first, r), threadDepth, axis.Side(first, ri)));
  g.thin.push_back(axis.Line(threadEnd, axis.Side(-first, r), threadDepth, axis.Side(-first, ri)));
  g.thin.push_back(axis.Line(threadDepth, axis.Side(first, ri), threadDepth, axis.Side(-first, ri)));
  g.thin.push_back(axis.Line(threadEnd, axis.Side(first, r), threadEnd, axis.Side(-first, r)));
  return g;
}

Groups DrawSteppedHole(const SteppedInput& in) {
  Groups g;
  const Axis axis(in.p1, in.p2);
  const double R1 = in.largeDiameter / 2;
  const double R2 = in.smallDiameter / 2;
  const double base = axis.level;
  const double step = axis.Depth(in.stepDepth);
  const int first = axis.First();

  // The small bore always runs to the level of picked point 2, even when the
  // step lies beyond it.
  g.outline.push_back(axis.Line(base, axis.Side(1, R1), step, axis.Side(1, R1)));
  g.outline.push_back(axis.Line(base, axis.Side(-1, R1), step, axis.Side(-1, R1)));
  g.outline.push_back(axis.Line(step, axis.Side(1, R2), axis.far, axis.Side(1, R2)));
  g.outline.push_back(axis.Line(step, axis.Side(-1, R2), axis.far, axis.Side(-1, R2)));
  g.outline.push_back(axis.Line(step, axis.Side(first, R1), step, axis.Side(-first, R1)));

  const double axisEnd = axis.forward ? axis.far + in.overshoot : axis.far - in.overshoot;
  g.centre.push_back(axis.Line(axis.Behind(in.overshoot), axis.side, axisEnd, axis.side));
  return g;
}

}  // namespace hole
