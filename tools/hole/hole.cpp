#include "tools/hole/hole.h"

#include <array>

#include "exchange/params/hole.h"
#include "tools/hole/keys.h"

namespace hole {
namespace {

using exchange::FieldLabel;
using exchange::Number;
namespace param = paramfile::hole;

// A size field the window left empty ("-") stands for 0.
double SizeField(const std::string& field, const std::string& what) {
  return Number(exchange::TextGiven(field) ? field : std::string("0"), what);
}

// The colour and line-type records of a group.
struct Pen {
  std::string colour;
  std::string lineType;
};

// The layer record of a group, its pen, then its records.
void AddGroup(exchange::Output& out, const std::string& layer, const Pen& pen,
              const std::vector<std::string>& records) {
  out.Add(layer);
  out.Add(pen.colour);
  out.Add(pen.lineType);
  for (const std::string& record : records) out.Add(record);
}

}  // namespace

HoleKind KindOf(double field) {
  if (field == 3) return HoleKind::kCross;
  if (field == 4) return HoleKind::kBlind;
  if (field == 6) return HoleKind::kThrough;
  if (field == 8) return HoleKind::kStepped;
  return HoleKind::kPlan;
}

ThreadedSize StripThreadPrefix(const std::string& holeSize, int lowerFlag, int upperFlag) {
  const paramfile::hole::ThreadPrefix split = paramfile::hole::SplitThreadPrefix(holeSize);
  ThreadedSize out{holeSize, split.diameter, kNoThread};
  if (split.lower) out.flag = lowerFlag;
  if (split.upper) out.flag = upperFlag;
  return out;
}

double ThreadedSize::Diameter() const {
  return Number(diameter, "the hole size \"" + holeSize + "\" without its thread prefix");
}

double LargestCircleRadius(const exchange::ItemTable& table) {
  double largest = 0;
  for (const double r : exchange::CircleRadii(table))
    if (r > largest) largest = r;
  return largest;
}

Groups DrawCross(double radius, double overshoot) {
  Groups g;
  const double a = (0 + radius) + overshoot;
  const double b = 0 - (radius + overshoot);
  g.centre.push_back(exchange::LineRecord(0, a, 0, b));
  g.centre.push_back(exchange::LineRecord(b, 0, a, 0));
  return g;
}

exchange::Output Compute(const exchange::ToolInput& input) {
  const std::vector<std::string> fields = input.Fields();
  const auto f = exchange::FirstFields<param::kFieldCount>(fields);

  const double overshoot =
      Number(f[param::kCenterOvershoot], FieldLabel("the centre-line overshoot", param::kCenterOvershoot));
  const HoleKind kind = KindOf(Number(f[param::kHoleKind], FieldLabel("the hole kind", param::kHoleKind)));

  // Every "ci" item is read, whatever the kind draws.
  const double largestRadius = LargestCircleRadius(input.items);
  const exchange::HostValues host = exchange::ReadToolHostValues(input.items, kKeys, fields);

  using exchange::StyleRecords;
  const StyleRecords style(host);
  const Pen outlinePen{
      StyleRecords::Colour(f[param::kOutlineColor], FieldLabel("the outline colour", param::kOutlineColor)),
      StyleRecords::LineType(f[param::kOutlineLineType],
                             FieldLabel("the outline line type", param::kOutlineLineType))};
  const Pen thinPen{
      StyleRecords::Colour(f[param::kThinColor], FieldLabel("the thin-line colour", param::kThinColor)),
      StyleRecords::LineType(f[param::kThinLineType],
                             FieldLabel("the thin-line line type", param::kThinLineType))};
  const Pen centrePen{
      StyleRecords::Colour(f[param::kCenterColor], FieldLabel("the centre-line colour", param::kCenterColor)),
      StyleRecords::LineType(f[param::kCenterLineType],
                             FieldLabel("the centre-line line type", param::kCenterLineType))};
  const std::string outlineLayer =
      style.Layer(f[param::kOutlineLayer], FieldLabel("the outline layer", param::kOutlineLayer));
  const std::string thinLayer =
      style.Layer(f[param::kThinLayer], FieldLabel("the thin-line layer", param::kThinLayer));
  const std::string centreLayer =
      style.Layer(f[param::kCenterLayer], FieldLabel("the centre-line layer", param::kCenterLayer));

  Groups g;
  if (kind == HoleKind::kCross) {
    // The cross stands at the origin: neither the sizes nor the picks count.
    g = DrawCross(largestRadius, overshoot);
  } else {
    const double pitchX =
        SizeField(f[param::kPitchX], FieldLabel("the horizontal dimension", param::kPitchX));
    const double pitchY = SizeField(f[param::kPitchY], FieldLabel("the vertical dimension", param::kPitchY));
    const double pattern = SizeField(f[param::kPattern], FieldLabel("the pattern", param::kPattern));
    const std::string& holeSize = f[param::kHoleSize];
    const double count = Number(f[param::kHoleCount], FieldLabel("the hole count", param::kHoleCount));
    const double rowPitch = SizeField(f[param::kRowPitch], FieldLabel("the row pitch", param::kRowPitch));
    const double arrangement =
        Number(f[param::kArrangement], FieldLabel("the row arrangement", param::kArrangement));
    const exchange::Point p1 = host.At(1);
    if (kind == HoleKind::kStepped) {
      g = DrawSteppedHole({p1, host.At(2), pitchX, pitchY, pattern, overshoot});
    } else if (kind == HoleKind::kBlind || kind == HoleKind::kThrough) {
      g = DrawSection({p1, host.At(2), holeSize, pitchX, pitchY, overshoot, kind == HoleKind::kThrough});
    } else {
      g = DrawPlanView({p1.x, p1.y, pitchX, pitchY, pattern, holeSize, count, rowPitch, arrangement,
                        overshoot});
    }
  }

  // A thread in the lower-case form draws its hole circles with the thin
  // pen and its thread circles with the outline pen; the layers stay.
  const bool swap = g.threadFlag == kThreadSwapPens;
  exchange::Output out;
  out.Add(style.LayerGroup());
  AddGroup(out, outlineLayer, swap ? thinPen : outlinePen, g.outline);
  AddGroup(out, centreLayer, centrePen, g.centre);
  AddGroup(out, thinLayer, swap ? outlinePen : thinPen, g.thin);
  return out;
}

}  // namespace hole
