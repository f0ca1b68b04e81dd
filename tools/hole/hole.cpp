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

namespace {

// The parameter line's numbers, the host's circles and values and the
// groups' layer and pen records, each checked as it is read, in the order
// the run reads them.
struct Request {
  std::array<std::string, param::kFieldCount> f;
  double overshoot = 0;
  HoleKind kind = HoleKind::kPlan;
  double largestRadius = 0;
  exchange::HostValues host;
  Pen outlinePen, thinPen, centrePen;
  std::string outlineLayer, thinLayer, centreLayer;
};

// The kind's fields, every circle, the host's values, then the pens and layers.
Request Read(const exchange::ToolInput& input) {
  Request r;
  const std::vector<std::string> fields = input.Fields();
  r.f = exchange::FirstFields<param::kFieldCount>(fields);
  const auto& f = r.f;
  r.overshoot =
      Number(f[param::kCenterOvershoot], FieldLabel("the centre-line overshoot", param::kCenterOvershoot));
  r.kind = KindOf(Number(f[param::kHoleKind], FieldLabel("the hole kind", param::kHoleKind)));

  // Every "ci" item is read, whatever the kind draws.
  r.largestRadius = LargestCircleRadius(input.items);
  r.host = exchange::StartTool(input.items, kKeys, fields).host;

  using exchange::StyleRecords;
  r.outlinePen = {
      StyleRecords::Colour(f[param::kOutlineColor], FieldLabel("the outline colour", param::kOutlineColor)),
      StyleRecords::LineType(f[param::kOutlineLineType],
                             FieldLabel("the outline line type", param::kOutlineLineType))};
  r.thinPen = {
      StyleRecords::Colour(f[param::kThinColor], FieldLabel("the thin-line colour", param::kThinColor)),
      StyleRecords::LineType(f[param::kThinLineType],
                             FieldLabel("the thin-line line type", param::kThinLineType))};
  r.centrePen = {
      StyleRecords::Colour(f[param::kCenterColor], FieldLabel("the centre-line colour", param::kCenterColor)),
      StyleRecords::LineType(f[param::kCenterLineType],
                             FieldLabel("the centre-line line type", param::kCenterLineType))};
  const StyleRecords style(r.host);
  r.outlineLayer = style.Layer(f[param::kOutlineLayer], FieldLabel("the outline layer", param::kOutlineLayer));
  r.thinLayer = style.Layer(f[param::kThinLayer], FieldLabel("the thin-line layer", param::kThinLayer));
  r.centreLayer = style.Layer(f[param::kCenterLayer], FieldLabel("the centre-line layer", param::kCenterLayer));
  return r;
}

// The groups of the kind: the cross over the circles, or the hole drawing
// from the size fields and the picked points.
Groups Draw(const Request& r) {
  // The cross stands at the origin: neither the sizes nor the picks count.
  if (r.kind == HoleKind::kCross) return DrawCross(r.largestRadius, r.overshoot);

  const auto& f = r.f;
  const double pitchX = SizeField(f[param::kPitchX], FieldLabel("the horizontal dimension", param::kPitchX));
  const double pitchY = SizeField(f[param::kPitchY], FieldLabel("the vertical dimension", param::kPitchY));
  const double pattern = SizeField(f[param::kPattern], FieldLabel("the pattern", param::kPattern));
  const std::string& holeSize = f[param::kHoleSize];
  const double count = Number(f[param::kHoleCount], FieldLabel("the hole count", param::kHoleCount));
  const double rowPitch = SizeField(f[param::kRowPitch], FieldLabel("the row pitch", param::kRowPitch));
  const double arrangement =
      Number(f[param::kArrangement], FieldLabel("the row arrangement", param::kArrangement));
  const exchange::Point p1 = r.host.At(1);
  if (r.kind == HoleKind::kStepped)
    return DrawSteppedHole({p1, r.host.At(2), pitchX, pitchY, pattern, r.overshoot});
  if (r.kind == HoleKind::kBlind || r.kind == HoleKind::kThrough) {
    const bool through = r.kind == HoleKind::kThrough;
    return DrawSection({p1, r.host.At(2), holeSize, pitchX, pitchY, r.overshoot, through});
  }
  return DrawPlanView({p1.x, p1.y, pitchX, pitchY, pattern, holeSize, count, rowPitch, arrangement, r.overshoot});
}

// The layer group, then the three groups, each after its layer and pen.
exchange::Output Emit(const Request& r, const Groups& g) {
  // A thread in the lower-case form draws its hole circles with the thin
  // pen and its thread circles with the outline pen; the layers stay.
  const bool swap = g.threadFlag == kThreadSwapPens;
  exchange::Output out;
  out.Add(exchange::StyleRecords(r.host).LayerGroup());
  AddGroup(out, r.outlineLayer, swap ? r.thinPen : r.outlinePen, g.outline);
  AddGroup(out, r.centreLayer, r.centrePen, g.centre);
  AddGroup(out, r.thinLayer, swap ? r.outlinePen : r.thinPen, g.thin);
  return out;
}

}  // namespace

exchange::Output Compute(const exchange::ToolInput& input) {
  const Request request = Read(input);
  return Emit(request, Draw(request));
}

}  // namespace hole
