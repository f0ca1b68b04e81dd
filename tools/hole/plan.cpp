// The plan view: equal holes seen from above, each with its circle, two
// crossing centre lines and, for a thread, the thread circle.
#include <vector>

#include "tools/hole/hole.h"

namespace hole {
namespace {

using exchange::Point;

// The centres from which the rows run, in drawing order. Zero pitches put
// the rows on one line (or one centre); the pattern only counts when both
// pitches are set: 1 and 2 keep two opposite corners, anything else all four.
std::vector<Point> PatternCentres(const PlanInput& in) {
  const double x1 = in.x1;
  const double y1 = in.y1;
  const double pX = in.pitchX;
  const double pY = in.pitchY;
  if (pX == 0 && pY == 0) return {{x1, y1}};
  if (pX == 0) return {{x1, y1 - pY / 2}, {x1, y1 + pY / 2}};
  if (pY == 0) return {{x1 - pX / 2, y1}, {x1 + pX / 2, y1}};
  const Point lowerLeft{x1 - pX / 2, y1 - pY / 2};
  const Point lowerRight{x1 + pX / 2, y1 - pY / 2};
  const Point upperLeft{x1 - pX / 2, y1 + pY / 2};
  const Point upperRight{x1 + pX / 2, y1 + pY / 2};
  if (in.pattern == 1) return {lowerRight, upperLeft};
  if (in.pattern == 2) return {lowerLeft, upperRight};
  return {lowerLeft, lowerRight, upperLeft, upperRight};
}

}  // namespace

Groups DrawPlanView(const PlanInput& in) {
  Groups g;
  const ThreadedSize size = StripThreadPrefix(in.holeSize, kThreadSwapPens, kThread);
  g.threadFlag = size.flag;
  const double diameter = size.Diameter();
  // The hole, the overshoot and the pitches are all in the units of the
  // picked points, as in the sections: the group scale plays no part.
  const double r = diameter / 2;
  const double m = in.count - 1;  // index of the last hole of a row
  const double ov = in.overshoot;
  if (m >= kMostHolesInARow)
    throw exchange::ToolError("a row of " + exchange::Num(in.count) + " holes is more than the " +
                              exchange::Num(kMostHolesInARow) + " a row may hold");

  std::vector<Point> centres = PatternCentres(in);
  const double p = in.rowPitch;
  const bool leftwards = in.arrangement == 2;
  if (in.arrangement == 1) {
    // A centred row is a rightwards row started half its length back.
    for (Point& c : centres) c.x = c.x - (m * p) / 2;
  }
  auto holeX = [&](const Point& c, double i) { return leftwards ? c.x - i * p : c.x + i * p; };

  for (double i = 0; i <= m; i += 1)
    for (const Point& c : centres) g.outline.push_back(exchange::CirclePaddedRecord(holeX(c, i), c.y, r, " 0 0"));

  for (double i = 0; i <= m; i += 1) {
    for (const Point& c : centres) {
      const double x = holeX(c, i);
      g.centre.push_back(exchange::LineRecord(x, (c.y + r) + ov, x, c.y - (r + ov)));
      if (leftwards) {
        g.centre.push_back(exchange::LineRecord(c.x - ((r + ov) + i * p), c.y, ((c.x + r) + ov) - i * p, c.y));
      } else {
        g.centre.push_back(exchange::LineRecord((c.x - (r + ov)) + i * p, c.y, ((c.x + r) + ov) + i * p, c.y));
      }
    }
  }

  if (g.threadFlag != kNoThread) {
    for (double i = 0; i <= m; i += 1)
      for (const Point& c : centres)
        g.thin.push_back(exchange::CirclePaddedRecord(holeX(c, i), c.y, r * kThreadMinorFactor, " 0 0"));
  }
  return g;
}

}  // namespace hole
