#include "exchange/geometry.h"

#include <cmath>

namespace exchange {

Point RotateAbout(const Point& p, const Point& centre, double degrees) {
  const double a = Radians(degrees);
  const double c = std::cos(a);
  const double s = std::sin(a);
  const double dx = p.x - centre.x;
  const double dy = p.y - centre.y;
  return {centre.x + (dx * c - dy * s), centre.y + (dx * s + dy * c)};
}

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

}  // namespace exchange
