// The section tool's run: the command line, the parameter line, the host
// items, the picked points in their roles, the label, and the 27 records in
// their fixed order.
#include "tools/section/section.h"

#include <cmath>
#include <vector>

#include "exchange/geometry.h"
#include "exchange/params/section.h"
#include "exchange/textwidth.h"
#include "tools/section/keys.h"

namespace section {

namespace {

namespace param = paramfile::section;
// The four letters stand in a row in the parameter line.
static_assert(param::kLetter4 == param::kLetter1 + 3);

// Every text of this tool runs along +x; the host reads the far point
// 10^17 along x as the direction.
constexpr const char* kAlongX = " 100000000000000000 0 ";

// The picked points of each section kind: the line's points, the two end
// points and the label point. Every kind but 2 and 3 reads points 1 to 7
// and draws the straight line through points 1 and 2.
struct Roles {
  int linePoints;  // P1 to P1 + linePoints - 1
  int lastPoint;   // every point up to this one must be given
  int e1, e2, label;
};

Roles RolesOf(long long cutKind) {
  switch (cutKind) {
    case 1: return {2, 5, 3, 4, 5};
    case 2: return {3, 6, 4, 5, 6};
    case 3: return {4, 7, 5, 6, 7};
    default: return {2, 7, 5, 6, 7};
  }
}

// How many letters the label of a kind joins.
std::size_t LabelLetters(long long cutKind) {
  if (cutKind == 1) return 2;
  if (cutKind == 2) return 3;
  return 4;
}

}  // namespace

std::string TextAt(double x, double y, const std::string& text) {
  return exchange::TextRecord(x, y, kAlongX, text, 1);
}

Label MakeLabel(long long cutKind, const std::array<std::string, 4>& letters, const std::string& suffix,
                long long widthMode, const exchange::TextSize& size, double scale) {
  Label label;
  label.letters = letters;
  // An empty letter still leaves its "-".
  for (std::size_t i = 0; i < LabelLetters(cutKind); ++i) {
    if (i > 0) label.text += "-";
    label.text += letters[i];
  }
  label.text += suffix;
  const double W = size.width;
  const double D = size.spacing;
  if (widthMode == 1) {
    label.text = exchange::InWidth(label.text, exchange::Width::kFull);
    label.width = exchange::FullWidth(label.text, W, D, scale);
    for (auto& letter : label.letters) letter = exchange::InWidth(letter, exchange::Width::kFull);
  } else if (widthMode == 0) {
    label.width = exchange::MixedWidth(label.text, W, D, scale, 1);
  }
  return label;
}

exchange::Output Compute(const exchange::ToolInput& input) {
  using exchange::FieldLabel;
  using exchange::IntegerField;
  using exchange::Number;

  const std::vector<std::string> fields = input.Fields();
  const auto f = exchange::FirstFields<param::kFieldCount>(fields);
  std::array<std::string, 4> letters;
  for (std::size_t i = 0; i < letters.size(); ++i) letters[i] = exchange::TextField(f[param::kLetter1 + i]);
  const std::string suffix = exchange::TextField(f[param::kLabelSuffix]);

  const long long widthMode =
      IntegerField(f[param::kFullWidth], FieldLabel("the full-width field", param::kFullWidth));
  const double arrowLength =
      Number(f[param::kArrowLength], FieldLabel("the arrow length", param::kArrowLength));
  const double arrowAngle = Number(f[param::kArrowAngle], FieldLabel("the arrow angle", param::kArrowAngle));
  const long long cutKind = IntegerField(exchange::Word(input.words, 2), "the section kind (command-line word 2)");
  // The window leaves the pattern field empty when neither picture is
  // chosen: that is the through line, as for every pattern but 2.
  const bool stubs =
      !f[param::kCutLineStyle].empty() &&
      IntegerField(f[param::kCutLineStyle], FieldLabel("the line pattern", param::kCutLineStyle)) == 2;

  using exchange::StyleRecords;
  // Text types are checked before the host's sizes are looked up by them.
  const std::string textType =
      StyleRecords::TextType(f[param::kTextType], FieldLabel("the text type", param::kTextType));
  const exchange::HostValues host = exchange::ReadToolHostValues(input.items, kKeys, fields);
  const exchange::TextSize& size = host.Text(f[param::kTextType]);
  const double S = host.scale;
  const StyleRecords style(host);
  const std::string cutLayer =
      style.Layer(f[param::kCutLineLayer], FieldLabel("the cutting-line layer", param::kCutLineLayer));
  const std::string cutLineType = StyleRecords::LineType(
      f[param::kCutLineType], FieldLabel("the cutting-line line type", param::kCutLineType));
  const std::string cutColour = StyleRecords::Colour(
      f[param::kCutLineColor], FieldLabel("the cutting-line colour", param::kCutLineColor));
  const std::string arrowLayer =
      style.Layer(f[param::kArrowLayer], FieldLabel("the arrow layer", param::kArrowLayer));
  const std::string arrowLineType = StyleRecords::LineType(
      f[param::kArrowLineType], FieldLabel("the arrow line type", param::kArrowLineType));
  const std::string arrowColour =
      StyleRecords::Colour(f[param::kArrowColor], FieldLabel("the arrow colour", param::kArrowColor));
  const std::string textLayer =
      style.Layer(f[param::kTextLayer], FieldLabel("the text layer", param::kTextLayer));

  const Roles roles = RolesOf(cutKind);
  std::vector<Point> points(static_cast<std::size_t>(roles.lastPoint) + 1);
  for (int n = 1; n <= roles.lastPoint; ++n) points[static_cast<std::size_t>(n)] = host.At(n);
  auto at = [&](int n) { return points[static_cast<std::size_t>(n)]; };

  const Label label = MakeLabel(cutKind, letters, suffix, widthMode, size, S);
  const Point labelPoint = at(roles.label);
  const double labelX = exchange::CentredStart(labelPoint.x, label.width);

  Geometry g;
  g.drawing = DrawingOf(cutKind);
  g.p1 = at(1);
  g.p2 = at(2);
  if (roles.linePoints >= 3) g.p3 = at(3);
  if (roles.linePoints >= 4) g.p4 = at(4);
  g.e1 = at(roles.e1);
  g.e2 = at(roles.e2);
  g.scale = S;
  g.arrowLength = arrowLength;
  g.arrowAngle = arrowAngle;
  const exchange::BarbOffsets barbs = exchange::AxisBarbOffsets(arrowLength * S, arrowAngle);
  g.across = barbs.across;
  g.along = barbs.along;
  g.charWidth = size.width;
  g.charHeight = size.height;
  g.stubs = stubs;

  const std::array<Slot, 4> cut = CutLines(g);
  const EndSlots ends = Ends(g, label.letters);

  exchange::Output out;
  out.Add(style.LayerGroup());
  out.Add(cutLayer);
  out.Add(cutLineType);
  out.Add(cutColour);
  out.AddAll({cut.begin(), cut.end()});
  out.Add(arrowLayer);
  out.Add(arrowLineType);
  out.Add(arrowColour);
  out.AddAll({ends.shaft[0], ends.shaft[1], ends.barbA[0], ends.barbB[0], ends.barbA[1], ends.barbB[1],
              ends.stroke[0], ends.stroke[1]});
  out.Add(exchange::LineRecord(labelX, labelPoint.y, labelPoint.x + label.width / 2, labelPoint.y));
  out.Add(textLayer);
  out.Add(textType);
  out.Add(TextAt(labelX, labelPoint.y, label.text));
  out.AddAll({ends.letter.begin(), ends.letter.end()});
  return out;
}

}  // namespace section
