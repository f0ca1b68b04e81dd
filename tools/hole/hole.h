// The hole and thread tool: holes, tapped holes and stepped holes in plan
// and in section, rows and staggered patterns with their centre lines, and a
// centre-line cross over the selected circles, from the parameter line the
// settings window wrote ("mokrav4.jyd") and the host's picks.
#pragma once

#include <string>
#include <vector>

#include "exchange/exchange.h"
#include "exchange/records.h"
#include "exchange/toolrun.h"

namespace hole {

// The drawing the hole kind field asks for; any other kind draws the plan
// view.
enum class HoleKind {
  kPlan,
  kCross,    // 3: the centre-line cross over the selected circles
  kBlind,    // 4: the section of a blind hole
  kThrough,  // 6: the section of a through hole
  kStepped,  // 8: the section of a stepped hole
};
HoleKind KindOf(double field);

// What the thread prefix of the hole size asks of the output.
enum ThreadFlag : int {
  kNoThread = 0,
  kThreadSwapPens = 1,  // hole circles in the thin pen, thread circles in the outline pen
  kThread = 2,          // a thread drawn with every group's own pen
};

// The drawing records of the three groups, each written after its layer
// and pen records; an empty group writes nothing.
struct Groups {
  std::vector<std::string> outline;
  std::vector<std::string> centre;
  std::vector<std::string> thin;
  int threadFlag = kNoThread;
};

// The drilled (minor) diameter of a thread against its nominal diameter.
constexpr double kThreadMinorFactor = 0.85;

// A hole size with its thread prefix taken off: a leading "m" is removed
// (flag `lowerFlag`), then a leading "M" of what is left (flag `upperFlag`);
// the flag is kNoThread when neither was there.
struct ThreadedSize {
  std::string holeSize;  // as the parameter line gives it
  std::string diameter;  // without the prefix
  int flag = kNoThread;
  // The diameter as a number; ToolError when it is none.
  double Diameter() const;
};
ThreadedSize StripThreadPrefix(const std::string& holeSize, int lowerFlag, int upperFlag);

// A row of the plan view may hold at most this many holes: beyond it the
// run fails instead of exhausting memory or never ending.
constexpr double kMostHolesInARow = 10000;

// The plan view: one, two or four pattern centres around the picked point,
// a row of equal holes from each.
struct PlanInput {
  double x1 = 0;  // picked point 1
  double y1 = 0;
  double pitchX = 0;
  double pitchY = 0;
  double pattern = 0;      // 1 and 2 stagger the holes when both pitches are set
  std::string holeSize;    // a diameter, "m" or "M" in front for a thread
  double count = 0;        // holes in a row
  double rowPitch = 0;
  double arrangement = 0;  // 2 leftwards, 1 centred, anything else rightwards
  double overshoot = 0;    // how far the centre lines run past a hole
};
Groups DrawPlanView(const PlanInput& in);

// The section of a drilled hole (kind 4 blind, 6 through), tapped when the
// hole size carries a thread prefix, from picked point 1 towards point 2.
struct SectionInput {
  exchange::Point p1;
  exchange::Point p2;
  std::string holeSize;
  double threadDepth = 0;  // depth of the complete thread
  double extraDepth = 0;   // further depth of the drilled hole
  double overshoot = 0;
  bool through = false;
};
Groups DrawSection(const SectionInput& in);

// The section of a stepped hole: the large bore to the step depth, the
// small bore on to the level of picked point 2.
struct SteppedInput {
  exchange::Point p1;
  exchange::Point p2;
  double largeDiameter = 0;
  double smallDiameter = 0;
  double stepDepth = 0;
  double overshoot = 0;
};
Groups DrawSteppedHole(const SteppedInput& in);

// Two centre lines crossing at the origin, each running `overshoot` past a
// circle of the given radius.
Groups DrawCross(double radius, double overshoot);

// The largest radius of the host's "ci" items, 0 when none is above 0.
// Only each circle's radius is read: its centre may be anything.
double LargestCircleRadius(const exchange::ItemTable& table);

// The whole run from the command-line words, the exchange items and the
// parameter file to the drawing output. Throws exchange::ToolError on every
// failure.
exchange::Output Compute(const exchange::ToolInput& input);

}  // namespace hole
