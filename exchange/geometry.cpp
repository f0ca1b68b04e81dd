#include "exchange/geometry.h"

#include <cmath>

namespace exchange {

ArrowBarbs ArrowHead(const Point& tip, double direction, double halfAngle, double length,
                     bool backward) {
  const double b1 = Radians(direction - halfAngle);
  const double b2 = Radians(direction + halfAngle);
  const double c1 = length * std::cos(b1);
  const double s1 = length * std::sin(b1);
  const double c2 = length * std::cos(b2);
  const double s2 = length * std::sin(b2);
  if (backward) return {{tip.x - c1, tip.y - s1}, {tip.x - c2, tip.y - s2}};
  return {{tip.x + c1, tip.y + s1}, {tip.x + c2, tip.y + s2}};
}

ArrowBarbs AxisBarbs(const Point& tip, Axis toward, double along, double across) {
  switch (toward) {
    case Axis::kPlusX: return {{tip.x + along, tip.y + across}, {tip.x + along, tip.y - across}};
    case Axis::kMinusX: return {{tip.x - along, tip.y + across}, {tip.x - along, tip.y - across}};
    case Axis::kPlusY: return {{tip.x - across, tip.y + along}, {tip.x + across, tip.y + along}};
    case Axis::kMinusY: break;
  }
  return {{tip.x - across, tip.y - along}, {tip.x + across, tip.y - along}};
}

BarbOffsets AxisBarbOffsets(double length, double halfAngle) {
  const double a = Radians(halfAngle);
  return {length * std::cos(a), length * std::sin(a)};
}

double LeaderAngle(const Point& tip, const Point& far) {
  const double dx = far.x - tip.x;
  const double dy = far.y - tip.y;
  if (dy == 0) {
    if (dx > 0) return 0;
    if (dx < 0) return 180;
    throw ToolError("the leader's two points coincide, so it has no direction");
  }
  return 90 - std::atan(dx / dy) * 180 / kPi;
}

ArrowBarbs LeaderBarbs(const Point& tip, const Point& far, double halfAngle, double length) {
  return ArrowHead(tip, LeaderAngle(tip, far), halfAngle, length, far.y < tip.y);
}

}  // namespace exchange
