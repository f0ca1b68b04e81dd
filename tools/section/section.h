// The section-indication tool: a cutting-plane line (straight, with one bend
// or with two bends), an end stroke and an arrow at each end, the letters at
// the ends and the bends, and the underlined section label, from the
// parameter line the settings window wrote ("mokrav7.jyd"), the section kind
// on the command line and the points the user picked in the host.
#pragma once

#include <array>
#include <string>

#include "exchange/exchange.h"
#include "exchange/records.h"
#include "exchange/toolrun.h"

namespace section {

using exchange::Point;
using exchange::Slot;

// Which cutting-plane line the section kind draws.
enum class Drawing { kStraight, kOneBend, kTwoBends };

// Kind 2 one bend, 3 two bends, every other kind the straight line.
Drawing DrawingOf(long long cutKind);

// How a run of the cutting-plane line lies, as the drawing tests it. Only a
// segment of the one-bend line can be oblique.
enum class Course { kHorizontal, kVertical, kOther, kOblique };

// The straight line: along x from left to right, or along y from top to
// bottom; anything else is drawn as no line.
Course StraightCourse(const Point& p1, const Point& p2);
// The first segment of the one-bend line, from P1 to the bend P2.
Course FirstSegmentCourse(const Point& p1, const Point& p2);
// The second segment of the one-bend line, from the bend P2 to P3.
Course SecondSegmentCourse(const Point& p2, const Point& p3);
// The two-bend line as a whole: a horizontal or a vertical zigzag.
Course TwoBendCourse(const Point& p1, const Point& p2, const Point& p3, const Point& p4);

// An oblique segment of the one-bend line, seen from the bend towards its
// far point. `end` is where the segment's line reaches the height of the
// end point; `normal` points to the left of the direction of travel
// P1, P2, P3.
struct ObliqueSegment {
  Point unit;
  Point end;
  Point normal;
};
// first: the segment towards P1 (normal (uy, -ux)); otherwise towards P3
// (normal (-uy, ux)). Only for a segment whose two coordinates both differ.
ObliqueSegment Oblique(const Point& bend, const Point& far, const Point& endPoint, bool first);

// Everything the cutting-plane line and its ends are drawn from.
struct Geometry {
  Drawing drawing = Drawing::kStraight;
  Point p1, p2, p3, p4;  // the points of the line; p3, p4 only where the drawing has them
  Point e1, e2;          // the end points picked beside the two ends
  double scale = 0;      // the group scale S
  double arrowLength = 0;  // the barb length in paper millimetres
  double arrowAngle = 0;   // degrees between shaft and barb
  double across = 0;       // the barbs' offset across the shaft, already scaled
  double along = 0;        // the barbs' offset along the shaft, already scaled
  double charWidth = 0;    // W of the text type
  double charHeight = 0;   // H of the text type
  bool stubs = false;      // only short pieces of the line at the bends
};

// The four cut-line slots of the cutting-plane line group.
std::array<Slot, 4> CutLines(const Geometry& g);

// The arrow group's slots at the two ends and the four letter slots.
struct EndSlots {
  std::array<Slot, 2> shaft;
  std::array<Slot, 2> barbA;
  std::array<Slot, 2> barbB;
  std::array<Slot, 2> stroke;
  std::array<Slot, 4> letter;
};
EndSlots Ends(const Geometry& g, const std::array<std::string, 4>& letters);

// A text of this tool at its starting corner; every text is horizontal.
std::string TextAt(double x, double y, const std::string& text);

// The section label: the letters the kind uses joined by "-", then the
// suffix. Its width on the drawing and the letters as they are written
// depend on the full-width field: 1 converts both to full width and
// measures the full-width label, 0 keeps them as typed and measures the
// label's mixed width, any other value measures nothing.
struct Label {
  std::string text;
  double width = 0;
  std::array<std::string, 4> letters;
};
Label MakeLabel(long long cutKind, const std::array<std::string, 4>& letters, const std::string& suffix,
                long long widthMode, const exchange::TextSize& size, double scale);

// The whole run from the command-line words, the exchange items and the
// parameter file to the 27 drawing records. Throws exchange::ToolError on
// every failure.
exchange::Output Compute(const exchange::ToolInput& input);

}  // namespace section
