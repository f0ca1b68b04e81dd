// Plane geometry shared by the tools: arrow heads and where a text of a
// measured width starts.
#pragma once

#include "exchange/exchange.h"

namespace exchange {

// The tools turn degrees into radians with this value of pi, not a fuller one.
constexpr double kPi = 3.1415926;

inline double Radians(double degrees) { return degrees * kPi / 180; }

// The far ends of the two barbs of an arrow head whose tip is `tip`.
// Barb k runs at direction bk degrees, b1 = direction - halfAngle and
// b2 = direction + halfAngle, and is `length` long (already scaled):
// its end is tip + (length cos bk, length sin bk), or tip minus that offset
// when `backward` is set (the leader leaves the tip the other way).
struct ArrowBarbs {
  Point end1;
  Point end2;
};
ArrowBarbs ArrowHead(const Point& tip, double direction, double halfAngle, double length,
                     bool backward);

// The arrow heads whose shaft runs along an axis: each barb reaches `along`
// down the shaft from the tip and `across` to one side of it (both already
// scaled). Toward +y or -y, end1 lies on the -x side and end2 on the +x
// side; toward +x or -x, end1 lies on the +y side and end2 on the -y side.
enum class Axis { kPlusX, kMinusX, kPlusY, kMinusY };
ArrowBarbs AxisBarbs(const Point& tip, Axis toward, double along, double across);

// The offsets of an axis arrow's barbs for barbs `length` long (already
// scaled) at `halfAngle` degrees to the shaft: length cos and length sin.
struct BarbOffsets {
  double along;
  double across;
};
BarbOffsets AxisBarbOffsets(double length, double halfAngle);

// The direction in degrees of a leader that leaves `tip` toward `far`:
// 90 - atan(dx / dy) * 180 / kPi, between 0 and 180, the direction from the
// tip when `far` lies above it and the opposite one when it lies below.
// A horizontal leader has exactly 0 when it runs toward +x and exactly 180
// toward -x. A far point equal to the tip gives no direction: ToolError.
double LeaderAngle(const Point& tip, const Point& far);

// The arrow head at the tip of a leader from `tip` to `far`: the barbs at
// LeaderAngle, taken backward when `far` lies below the tip, so that they
// always open toward the leader.
ArrowBarbs LeaderBarbs(const Point& tip, const Point& far, double halfAngle, double length);

// Where a text of the given width starts so that it is centred on `middle`.
inline double CentredStart(double middle, double width) { return middle - width / 2; }

// Where a text starts so that it ends at `end`; `span` is the text's width,
// already corrected by any gap the tool keeps or overhang it allows.
inline double StartBefore(double end, double span) { return end - span; }

}  // namespace exchange
