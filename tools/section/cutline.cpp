// The cutting-plane line: how its runs lie, and the four cut-line records
// of the through drawing (the line runs from near each end point to the
// bends) and of the stub drawing (short pieces at the bends only).
#include <cmath>

#include "tools/section/section.h"

namespace section {

using exchange::LineRecord;

Drawing DrawingOf(long long cutKind) {
  if (cutKind == 2) return Drawing::kOneBend;
  if (cutKind == 3) return Drawing::kTwoBends;
  return Drawing::kStraight;
}

// The tests compare the picked coordinates exactly: a line is horizontal
// only when both ends have the very same y.
Course StraightCourse(const Point& p1, const Point& p2) {
  if (p1.x < p2.x && p1.y == p2.y) return Course::kHorizontal;
  if (p1.x == p2.x && p1.y > p2.y) return Course::kVertical;
  return Course::kOther;
}

Course FirstSegmentCourse(const Point& p1, const Point& p2) {
  if (p1.x != p2.x && p1.y != p2.y) return Course::kOblique;
  return StraightCourse(p1, p2);
}

Course SecondSegmentCourse(const Point& p2, const Point& p3) {
  if (p2.x != p3.x && p2.y != p3.y) return Course::kOblique;
  if (p2.y == p3.y && p2.x != p3.x) return Course::kHorizontal;
  if (p2.x == p3.x && p2.y > p3.y) return Course::kVertical;
  return Course::kOther;
}

Course TwoBendCourse(const Point& p1, const Point& p2, const Point& p3, const Point& p4) {
  if (p1.y == p2.y && p2.x == p3.x && p3.y == p4.y) return Course::kHorizontal;
  if (p1.x == p2.x && p2.y == p3.y && p3.x == p4.x) return Course::kVertical;
  return Course::kOther;
}

ObliqueSegment Oblique(const Point& bend, const Point& far, const Point& endPoint, bool first) {
  const double dx = far.x - bend.x;
  const double dy = far.y - bend.y;
  const double l = std::sqrt(dx * dx + dy * dy);
  ObliqueSegment s;
  s.unit = {dx / l, dy / l};
  s.end = {bend.x + dx * (endPoint.y - bend.y) / dy, endPoint.y};
  s.normal = first ? Point{s.unit.y, -s.unit.x} : Point{-s.unit.y, s.unit.x};
  return s;
}

namespace {

// base + length toward the positive side when sign > 0, else toward the
// negative side.
double Toward(double base, int sign, double length) { return sign > 0 ? base + length : base - length; }

// The way a zigzag was picked along one axis: -1 only when the difference
// is negative, so a zigzag picked left to right (or top to bottom), or one
// whose run has no length, keeps the usual offsets.
int SignOf(double difference) { return difference < 0 ? -1 : 1; }

// The through line of an oblique segment starts 5 short of its end
// position; its stub leaves the bend 5 along the segment.
std::string ObliqueRun(const Geometry& g, const Point& far, const Point& endPoint, bool first) {
  const double S = g.scale;
  const ObliqueSegment s = Oblique(g.p2, far, endPoint, first);
  if (g.stubs) return LineRecord(g.p2.x + 5 * S * s.unit.x, g.p2.y + 5 * S * s.unit.y, g.p2.x, g.p2.y);
  return LineRecord(s.end.x - 5 * S * s.unit.x, s.end.y - 5 * S * s.unit.y, g.p2.x, g.p2.y);
}

void Straight(const Geometry& g, std::array<Slot, 4>& cut) {
  if (g.stubs) return;  // a straight line has no bend to put a stub at
  const double S = g.scale;
  switch (StraightCourse(g.p1, g.p2)) {
    case Course::kHorizontal:
      cut[0] = LineRecord(g.e1.x + 5 * S, g.p1.y, g.e2.x - 5 * S, g.p1.y);
      break;
    case Course::kVertical:
      cut[0] = LineRecord(g.p1.x, g.e1.y - 5 * S, g.p1.x, g.e2.y + 5 * S);
      break;
    default:
      break;
  }
}

void OneBend(const Geometry& g, std::array<Slot, 4>& cut) {
  const double S = g.scale;
  const Point& p1 = g.p1;
  const Point& p2 = g.p2;
  const Point& p3 = g.p3;
  switch (FirstSegmentCourse(p1, p2)) {
    case Course::kHorizontal:
      cut[0] = g.stubs ? LineRecord(p2.x, p1.y, p2.x - 5 * S, p1.y) : LineRecord(g.e1.x + 5 * S, p1.y, p2.x, p1.y);
      break;
    case Course::kVertical:
      cut[0] = g.stubs ? LineRecord(p2.x, p2.y, p2.x, p2.y + 5 * S) : LineRecord(p1.x, g.e1.y - 5 * S, p1.x, p2.y);
      break;
    case Course::kOblique:
      cut[0] = ObliqueRun(g, p1, g.e1, true);
      break;
    default:
      break;
  }
  switch (SecondSegmentCourse(p2, p3)) {
    case Course::kHorizontal: {
      // P3 may lie on either side of the bend: the line stops 5 short of
      // the end point and the stub points towards P3 either way.
      const int s = p3.x > p2.x ? 1 : -1;
      cut[1] = g.stubs ? LineRecord(Toward(p2.x, s, 5 * S), p2.y, p2.x, p2.y)
                       : LineRecord(Toward(g.e2.x, -s, 5 * S), p2.y, p2.x, p2.y);
      break;
    }
    case Course::kVertical:
      cut[1] = g.stubs ? LineRecord(p2.x, p2.y, p2.x, p2.y - 5 * S) : LineRecord(p2.x, p2.y, p2.x, g.e2.y + 5 * S);
      break;
    case Course::kOblique:
      cut[1] = ObliqueRun(g, p3, g.e2, false);
      break;
    default:
      break;
  }
}

void TwoBends(const Geometry& g, std::array<Slot, 4>& cut) {
  const double S = g.scale;
  const Point& p1 = g.p1;
  const Point& p2 = g.p2;
  const Point& p3 = g.p3;
  const Point& p4 = g.p4;
  switch (TwoBendCourse(p1, p2, p3, p4)) {
    case Course::kHorizontal: {
      // The outer runs stop 4 short of their end points and the outer stubs
      // point towards them, whichever way the zigzag was picked.
      const int first = SignOf(p2.x - p1.x);
      const int last = SignOf(p4.x - p3.x);
      if (g.stubs) {
        const int middle = p2.y > p3.y ? -1 : 1;  // the middle stubs point along the middle run
        cut[0] = LineRecord(Toward(p2.x, -first, 5 * S), p1.y, p2.x, p1.y);
        cut[1] = LineRecord(p2.x, p1.y, p2.x, Toward(p1.y, middle, 5 * S));
        cut[2] = LineRecord(p2.x, p3.y, p2.x, Toward(p3.y, -middle, 5 * S));
        cut[3] = LineRecord(p2.x, p3.y, Toward(p2.x, last, 5 * S), p3.y);
      } else {
        cut[0] = LineRecord(Toward(g.e1.x, first, 4 * S), p1.y, p2.x, p1.y);
        cut[1] = LineRecord(p2.x, p1.y, p2.x, p3.y);
        cut[2] = LineRecord(p2.x, p3.y, Toward(g.e2.x, -last, 4 * S), p3.y);
      }
      break;
    }
    case Course::kVertical: {
      const int first = SignOf(p1.y - p2.y);
      const int last = SignOf(p3.y - p4.y);
      if (g.stubs) {
        const int middle = p2.x < p3.x ? 1 : -1;
        cut[0] = LineRecord(p1.x, p2.y, p1.x, Toward(p2.y, first, 5 * S));
        cut[1] = LineRecord(p1.x, p2.y, Toward(p1.x, middle, 5 * S), p2.y);
        cut[2] = LineRecord(p3.x, p2.y, Toward(p3.x, -middle, 5 * S), p2.y);
        cut[3] = LineRecord(p3.x, p2.y, p3.x, Toward(p2.y, -last, 5 * S));
      } else {
        cut[0] = LineRecord(p1.x, Toward(g.e1.y, -first, 4 * S), p1.x, p2.y);
        cut[1] = LineRecord(p1.x, p2.y, p3.x, p2.y);
        cut[2] = LineRecord(p3.x, p2.y, p3.x, Toward(g.e2.y, last, 4 * S));
      }
      break;
    }
    default:
      break;
  }
}

}  // namespace

std::array<Slot, 4> CutLines(const Geometry& g) {
  std::array<Slot, 4> cut;
  switch (g.drawing) {
    case Drawing::kOneBend: OneBend(g, cut); break;
    case Drawing::kTwoBends: TwoBends(g, cut); break;
    case Drawing::kStraight: Straight(g, cut); break;
  }
  return cut;
}

}  // namespace section
