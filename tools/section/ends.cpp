// The two ends of the cutting-plane line: a short stroke along the line, an
// arrow whose tip touches the line and whose shaft stands square to it, the
// end letter beyond the shaft, and the letters at the bends.
#include "exchange/geometry.h"
#include "tools/section/section.h"

namespace section {

namespace {

using exchange::LineRecord;

// The records of one arrow and its letter.
struct Arrow {
  Slot shaft;
  Slot barbA;
  Slot barbB;
  Slot letter;
};

double ShaftLength(const Geometry& g) { return 1.5 * g.arrowLength * g.scale; }

// An arrow square to a line along x (toward +y or -y) or along y (toward
// +x or -x) at the anchor a. The letter stands at the shaft's end, moved
// back by a whole character on the minus side so that it clears the shaft,
// and centred across the shaft by half a character: its width on a line
// along x, its height on one along y.
Arrow AcrossAxis(const Geometry& g, const Point& a, exchange::Axis toward, const std::string& letter) {
  using exchange::Axis;
  const double S = g.scale;
  const double h = ShaftLength(g);
  const bool shaftAlongY = toward == Axis::kPlusY || toward == Axis::kMinusY;
  const bool plus = toward == Axis::kPlusX || toward == Axis::kPlusY;
  // u runs along the shaft, v across it.
  const double u = shaftAlongY ? a.y : a.x;
  const double v = shaftAlongY ? a.x : a.y;
  const double charAlong = shaftAlongY ? g.charHeight : g.charWidth;
  const double charAcross = shaftAlongY ? g.charWidth : g.charHeight;
  auto at = [&](double pu, double pv) { return shaftAlongY ? Point{pv, pu} : Point{pu, pv}; };

  Arrow r;
  const Point end = at(plus ? u + h : u - h, v);
  r.shaft = LineRecord(a.x, a.y, end.x, end.y);
  const exchange::ArrowBarbs barbs = exchange::AxisBarbs(a, toward, g.along, g.across);
  r.barbA = LineRecord(a.x, a.y, barbs.end1.x, barbs.end1.y);
  r.barbB = LineRecord(a.x, a.y, barbs.end2.x, barbs.end2.y);
  const Point place = at(plus ? u + h : u - (h + charAlong * S), v - (charAcross / 2) * S);
  r.letter = TextAt(place.x, place.y, letter);
  return r;
}

// The arrow on a line along x, standing above it or below it.
Arrow AcrossHorizontal(const Geometry& g, const Point& a, bool up, const std::string& letter) {
  return AcrossAxis(g, a, up ? exchange::Axis::kPlusY : exchange::Axis::kMinusY, letter);
}

// The arrow on a line along y, standing right or left of it.
Arrow AcrossVertical(const Geometry& g, const Point& a, bool right, const std::string& letter) {
  return AcrossAxis(g, a, right ? exchange::Axis::kPlusX : exchange::Axis::kMinusX, letter);
}

// An arrow square to an oblique segment at its end position F; the letter
// stands at the shaft's far end. sign turns the barbs towards that end.
Arrow AcrossOblique(const Geometry& g, const ObliqueSegment& s, int sign, const std::string& letter) {
  const double h = ShaftLength(g);
  const Point& f = s.end;
  const Point t{f.x + h * s.normal.x, f.y + h * s.normal.y};
  Arrow r;
  r.shaft = LineRecord(f.x, f.y, t.x, t.y);
  r.letter = TextAt(t.x, t.y, letter);
  if (t.x - f.x == 0 && t.y - f.y == 0) {
    // An arrow of no length (arrow length or scale 0) has no direction: it
    // is drawn as a point at F like the straight arrows of no length.
    r.barbA = LineRecord(f.x, f.y, f.x, f.y);
    r.barbB = r.barbA;
    return r;
  }
  const double direction = exchange::LeaderAngle(f, t);
  const exchange::ArrowBarbs barbs =
      exchange::ArrowHead(f, direction, g.arrowAngle, sign * g.arrowLength * g.scale, false);
  r.barbA = LineRecord(f.x, f.y, barbs.end1.x, barbs.end1.y);
  r.barbB = LineRecord(f.x, f.y, barbs.end2.x, barbs.end2.y);
  return r;
}

// End strokes, 5 long and centred on the end position.
std::string HorizontalStroke(const Geometry& g, double x, double y) {
  return LineRecord(x - 2.5 * g.scale, y, x + 2.5 * g.scale, y);
}

std::string VerticalStroke(const Geometry& g, double x, double y) {
  return LineRecord(x, y + 2.5 * g.scale, x, y - 2.5 * g.scale);
}

std::string ObliqueStroke(const Geometry& g, const ObliqueSegment& s) {
  const double S = g.scale;
  return LineRecord(s.end.x - 2.5 * S * s.unit.x, s.end.y - 2.5 * S * s.unit.y, s.end.x + 2.5 * S * s.unit.x,
                    s.end.y + 2.5 * S * s.unit.y);
}

void Put(EndSlots& out, std::size_t end, const Arrow& a) {
  out.shaft[end] = a.shaft;
  out.barbA[end] = a.barbA;
  out.barbB[end] = a.barbB;
}

// The straight line and the two-bend line: both arrows stand on the side of
// the first end point. Returns the letters of the two ends.
std::array<Slot, 2> BothEnds(const Geometry& g, Course course, const Point& start, const Point& finish,
                             const std::string& firstLetter, const std::string& lastLetter, EndSlots& out) {
  Arrow first;
  Arrow last;
  if (course == Course::kHorizontal) {
    out.stroke[0] = HorizontalStroke(g, g.e1.x, start.y);
    out.stroke[1] = HorizontalStroke(g, g.e2.x, finish.y);
    const bool up = g.e1.y > start.y;
    first = AcrossHorizontal(g, {g.e1.x, start.y}, up, firstLetter);
    last = AcrossHorizontal(g, {g.e2.x, finish.y}, up, lastLetter);
  } else {
    // A line that is neither horizontal nor vertical has no strokes but
    // keeps the vertical arrows at the end points' heights.
    if (course == Course::kVertical) {
      out.stroke[0] = VerticalStroke(g, start.x, g.e1.y);
      out.stroke[1] = VerticalStroke(g, finish.x, g.e2.y);
    }
    const bool right = g.e1.x > start.x;
    first = AcrossVertical(g, {start.x, g.e1.y}, right, firstLetter);
    last = AcrossVertical(g, {finish.x, g.e2.y}, right, lastLetter);
  }
  Put(out, 0, first);
  Put(out, 1, last);
  return {first.letter, last.letter};
}

// One end of the one-bend line, on the segment from the bend to `far`:
// each end decides its own side.
Arrow OneEnd(const Geometry& g, Course course, const Point& far, const Point& endPoint, bool first,
             const std::string& letter, Slot& stroke) {
  const Point& bend = g.p2;
  // The anchor's coordinate across the line: P1's for the first segment,
  // the bend's for the second.
  const Point& line = first ? far : bend;
  switch (course) {
    case Course::kHorizontal:
      stroke = HorizontalStroke(g, endPoint.x, line.y);
      return AcrossHorizontal(g, {endPoint.x, line.y}, endPoint.y > line.y, letter);
    case Course::kOblique: {
      const ObliqueSegment s = Oblique(bend, far, endPoint, first);
      stroke = ObliqueStroke(g, s);
      const bool beyond = first ? endPoint.x < far.x : endPoint.x > far.x;
      return AcrossOblique(g, s, beyond ? 1 : -1, letter);
    }
    case Course::kVertical:
      stroke = VerticalStroke(g, line.x, endPoint.y);
      [[fallthrough]];
    default:
      return AcrossVertical(g, {line.x, endPoint.y}, endPoint.x > line.x, letter);
  }
}

}  // namespace

EndSlots Ends(const Geometry& g, const std::array<std::string, 4>& letters) {
  EndSlots out;
  switch (g.drawing) {
    case Drawing::kStraight: {
      const auto ends = BothEnds(g, StraightCourse(g.p1, g.p2), g.p1, g.p1, letters[0], letters[1], out);
      out.letter[0] = ends[0];
      out.letter[1] = ends[1];
      break;
    }
    case Drawing::kOneBend: {
      const Arrow first = OneEnd(g, FirstSegmentCourse(g.p1, g.p2), g.p1, g.e1, true, letters[0], out.stroke[0]);
      const Arrow last = OneEnd(g, SecondSegmentCourse(g.p2, g.p3), g.p3, g.e2, false, letters[2], out.stroke[1]);
      Put(out, 0, first);
      Put(out, 1, last);
      out.letter[0] = first.letter;
      out.letter[1] = TextAt(g.p2.x, g.p2.y, letters[1]);
      out.letter[2] = last.letter;
      break;
    }
    case Drawing::kTwoBends: {
      const Course course = TwoBendCourse(g.p1, g.p2, g.p3, g.p4);
      const auto ends = BothEnds(g, course, g.p1, g.p3, letters[0], letters[3], out);
      out.letter[0] = ends[0];
      out.letter[1] = TextAt(g.p2.x, g.p2.y, letters[1]);
      // The second bend's letter: at P3 on a horizontal zigzag, otherwise
      // where the middle run meets the last one.
      out.letter[2] = course == Course::kHorizontal ? TextAt(g.p3.x, g.p3.y, letters[2])
                                                    : TextAt(g.p3.x, g.p2.y, letters[2]);
      out.letter[3] = ends[1];
      break;
    }
  }
  return out;
}

}  // namespace section
