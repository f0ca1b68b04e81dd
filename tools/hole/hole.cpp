#include "tools/hole/hole.h"

#include <array>

#include "exchange/params/hole.h"
#include "exchange/tools.h"

namespace hole {
namespace {

using exchange::Number;

// "-" in a size field of the parameter line stands for 0.
double SizeField(const std::string& field, const std::string& what) {
  return Number(field == "-" ? std::string("0") : field, what);
}

// The layer record of a group, its colour and line type, then its records.
void AddGroup(exchange::Output& out, const std::string& layer, const std::string& color,
              const std::string& lineType, const std::vector<std::string>& records) {
  out.Add("ly" + layer);
  out.Add("lc" + color);
  out.Add("lt" + lineType);
  for (const std::string& record : records) out.Add(record);
}

}  // namespace

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
  for (std::size_t i = 1; i <= table.Count(); ++i) {
    const std::string& item = table.items[i];
    if (!exchange::HasKey(item, "ci")) continue;
    const std::vector<std::string> parts = exchange::Split(item, " ");
    if (parts.size() < 4) throw exchange::ToolError("the circle item \"" + item + "\" lacks its radius");
    const double r = Number(parts[3], "the radius of the circle item \"" + item + "\"");
    if (r > largest) largest = r;
  }
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
  const auto f = exchange::FirstFields<18>(fields);

  const double overshoot = Number(f[6], "the centre-line overshoot (field 6)");
  const double kind = Number(f[14], "the hole kind (field 14)");

  // Every "ci" item is read, whatever the kind draws.
  const double largestRadius = LargestCircleRadius(input.items);
  const exchange::HostValues host = exchange::ReadToolHostValues(input.items, exchange::kHoleKeys, fields);

  const std::string outlineLayer = exchange::LayerChoice(f[15], host.layer);
  const std::string thinLayer = exchange::LayerChoice(f[16], host.layer);
  const std::string centreLayer = exchange::LayerChoice(f[17], host.layer);

  Groups g;
  if (kind == 3) {
    // The cross stands at the origin: neither the sizes nor the picks count.
    g = DrawCross(largestRadius, overshoot);
  } else {
    const double pitchX = SizeField(f[7], "the horizontal dimension (field 7)");
    const double pitchY = SizeField(f[8], "the vertical dimension (field 8)");
    const double pattern = SizeField(f[9], "the pattern (field 9)");
    const std::string& holeSize = f[10];
    const double count = Number(f[11], "the hole count (field 11)");
    const double rowPitch = SizeField(f[12], "the row pitch (field 12)");
    const double arrangement = Number(f[13], "the row arrangement (field 13)");
    const exchange::Point p1 = host.At(1);
    if (kind == 8) {
      g = DrawSteppedHole({p1, host.At(2), pitchX, pitchY, pattern, overshoot});
    } else if (kind == 4 || kind == 6) {
      g = DrawSection({p1, host.At(2), holeSize, pitchX, pitchY, overshoot, kind == 6});
    } else {
      g = DrawPlanView({p1.x, p1.y, pitchX, pitchY, pattern, holeSize, count, rowPitch, arrangement,
                        overshoot, host.scale});
    }
  }

  // A thread in the lower-case form draws its hole circles with the thin
  // pen and its thread circles with the outline pen; the layers stay.
  const bool swap = g.threadFlag == kThreadSwapPens;
  exchange::Output out;
  out.Add("lg" + host.layerGroup);
  AddGroup(out, outlineLayer, swap ? f[2] : f[0], swap ? f[3] : f[1], g.outline);
  AddGroup(out, centreLayer, f[4], f[5], g.centre);
  AddGroup(out, thinLayer, swap ? f[0] : f[2], swap ? f[1] : f[3], g.thin);
  return out;
}

}  // namespace hole
