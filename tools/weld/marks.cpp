// What a welding symbol adds to the weld symbol proper: the contour of each
// drawn side, the field-weld flag and the all-round circle.
#include "exchange/records.h"
#include "tools/weld/steps.h"

namespace weld {
namespace {

double ContourValue(const Frame& f, Side side) {
  return side == Side::kNear ? f.nearContour : f.backContour;
}

}  // namespace

void Contour(const Frame& f, Drawing& d, Side side, double level) {
  const bool near = side == Side::kNear;
  const double value = ContourValue(f, side);
  const double S = f.S;
  const double a = near ? f.X + f.shift : f.X;
  const double yL = near ? f.Y - level * S : f.Y + level * S;
  exchange::Slot& slot = d.Geometry(near ? 16 : 17);
  if (value == 1) {
    slot = exchange::LineRecord(a - 3 * S, yL, a + 3 * S, yL);
  } else if (value == 2 || value == 3) {
    // A convex contour bulges away from the reference line, a concave one
    // toward it. An arc below its centre bulges downward: away from the line
    // on the near side, toward it on the back side.
    const bool centreAbove = near == (value == 2);
    if (centreAbove) {
      slot = exchange::ArcRecord(a, yL + 4.5 * S, 5 * S, -126.87, -53.131);
    } else {
      slot = exchange::ArcRecord(a, yL - 4.5 * S, 5 * S, 53.131, 126.87);
    }
  }
}

void FilletContour(const Frame& f, Drawing& d, Side side) {
  const bool near = side == Side::kNear;
  const double value = ContourValue(f, side);
  const double S = f.S;
  const double a = near ? f.X + f.shift : f.X;
  const double Y = f.Y;
  exchange::Slot& slot = d.Geometry(near ? 16 : 17);
  // Parallel to the fillet's slanted side, half a millimetre to its right;
  // the arcs join the same two ends.
  if (value == 1) {
    slot = near ? exchange::LineRecord(a + -1 * S, Y + -3 * S, a + 1.75 * S, Y + -0.25 * S)
                : exchange::LineRecord(a + -1 * S, Y + 3 * S, a + 1.75 * S, Y + 0.25 * S);
  } else if (value == 2) {
    slot = near ? exchange::ArcRecord(a + -3.431 * S, Y + 2.181 * S, 5.722 * S, -64.868, -25.133)
                : exchange::ArcRecord(a + -3.431 * S, Y + -2.181 * S, 5.722 * S, 25.133, 64.868);
  } else if (value == 3) {
    slot = near ? exchange::ArcRecord(a + 4.181 * S, Y + -5.431 * S, 5.722 * S, 115.133, 154.868)
                : exchange::ArcRecord(a + 4.181 * S, Y + 5.431 * S, 5.722 * S, 205.133, 244.868);
  }
}

void FieldWeldFlag(const Frame& f, Drawing& d) {
  const double S = f.S;
  const double x = f.Cx;
  const double Y = f.Y;
  d.Geometry(13) = exchange::LineRecord(x, Y, x, Y + 5 * S);
  d.Geometry(14) = exchange::LineRecord(x, Y + 5 * S, x + 2.5 * S, Y + 4 * S);
  d.Geometry(15) = exchange::LineRecord(x, Y + 3 * S, x + 2.5 * S, Y + 4 * S);
}

void AllRoundCircle(const Frame& f, Drawing& d) {
  d.Geometry(18) = exchange::CircleRecord(f.Cx, f.Y, 1.25 * f.S);
}

}  // namespace weld
