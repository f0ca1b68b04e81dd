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

namespace {

// The layer, line type and colour records of a line group.
struct Pen {
  std::string layer;
  std::string lineType;
  std::string colour;
};

// The parameter line's texts and numbers, the section kind, the host's
// values and the header records, each checked as it is read, in the order
// the run reads them.
struct Request {
  std::array<std::string, 4> letters;
  std::string suffix;
  long long widthMode = 0;
  double arrowLength = 0;
  double arrowAngle = 0;
  long long cutKind = 0;
  bool stubs = false;
  exchange::ToolStart start;
  Pen cut;
  Pen arrow;
  std::string textLayer;
};

// The header records, after the host's values they take the current layer from.
void ReadHeader(const std::array<std::string, param::kFieldCount>& f, Request& r) {
  using exchange::FieldLabel;
  using exchange::StyleRecords;
  const StyleRecords style(r.start.host);
  r.cut.layer = style.Layer(f[param::kCutLineLayer], FieldLabel("the cutting-line layer", param::kCutLineLayer));
  r.cut.lineType = StyleRecords::LineType(f[param::kCutLineType],
                                          FieldLabel("the cutting-line line type", param::kCutLineType));
  r.cut.colour =
      StyleRecords::Colour(f[param::kCutLineColor], FieldLabel("the cutting-line colour", param::kCutLineColor));
  r.arrow.layer = style.Layer(f[param::kArrowLayer], FieldLabel("the arrow layer", param::kArrowLayer));
  r.arrow.lineType =
      StyleRecords::LineType(f[param::kArrowLineType], FieldLabel("the arrow line type", param::kArrowLineType));
  r.arrow.colour = StyleRecords::Colour(f[param::kArrowColor], FieldLabel("the arrow colour", param::kArrowColor));
  r.textLayer = style.Layer(f[param::kTextLayer], FieldLabel("the text layer", param::kTextLayer));
}

// The fields and the section kind, then the host's values and the headers.
Request Read(const exchange::ToolInput& input) {
  using exchange::FieldLabel;
  using exchange::IntegerField;
  using exchange::Number;

  Request r;
  const std::vector<std::string> fields = input.Fields();
  const auto f = exchange::FirstFields<param::kFieldCount>(fields);
  for (std::size_t i = 0; i < r.letters.size(); ++i) r.letters[i] = exchange::TextField(f[param::kLetter1 + i]);
  r.suffix = exchange::TextField(f[param::kLabelSuffix]);

  r.widthMode = IntegerField(f[param::kFullWidth], FieldLabel("the full-width field", param::kFullWidth));
  r.arrowLength = Number(f[param::kArrowLength], FieldLabel("the arrow length", param::kArrowLength));
  r.arrowAngle = Number(f[param::kArrowAngle], FieldLabel("the arrow angle", param::kArrowAngle));
  r.cutKind = IntegerField(exchange::Word(input.words, 2), "the section kind (command-line word 2)");
  // The window leaves the pattern field empty when neither picture is
  // chosen: that is the through line, as for every pattern but 2.
  r.stubs = !f[param::kCutLineStyle].empty() &&
            IntegerField(f[param::kCutLineStyle], FieldLabel("the line pattern", param::kCutLineStyle)) == 2;

  r.start = exchange::StartTool(input.items, kKeys, fields);
  ReadHeader(f, r);
  return r;
}

// The label and where it stands, and the geometry of the line and its ends.
struct Placement {
  Label label;
  Point labelPoint;
  double labelX = 0;
  Geometry g;
};

// Every point the kind reads, in their order, then the label and the line.
Placement Place(const Request& r) {
  const exchange::HostValues& host = r.start.host;
  const exchange::TextSize& size = r.start.textTypes[0].size;
  const double S = host.scale;
  const Roles roles = RolesOf(r.cutKind);
  std::vector<Point> points(static_cast<std::size_t>(roles.lastPoint) + 1);
  for (int n = 1; n <= roles.lastPoint; ++n) points[static_cast<std::size_t>(n)] = host.At(n);
  auto at = [&](int n) { return points[static_cast<std::size_t>(n)]; };

  Placement pl;
  pl.label = MakeLabel(r.cutKind, r.letters, r.suffix, r.widthMode, size, S);
  pl.labelPoint = at(roles.label);
  pl.labelX = exchange::CentredStart(pl.labelPoint.x, pl.label.width);

  Geometry& g = pl.g;
  g.drawing = DrawingOf(r.cutKind);
  g.p1 = at(1);
  g.p2 = at(2);
  if (roles.linePoints >= 3) g.p3 = at(3);
  if (roles.linePoints >= 4) g.p4 = at(4);
  g.e1 = at(roles.e1);
  g.e2 = at(roles.e2);
  g.scale = S;
  g.arrowLength = r.arrowLength;
  g.arrowAngle = r.arrowAngle;
  const exchange::BarbOffsets barbs = exchange::AxisBarbOffsets(r.arrowLength * S, r.arrowAngle);
  g.across = barbs.across;
  g.along = barbs.along;
  g.charWidth = size.width;
  g.charHeight = size.height;
  g.stubs = r.stubs;
  return pl;
}

// The cutting-line group, the arrow group with the label's underline, then
// the text group: each after its header.
exchange::Output Emit(const Request& r, const Placement& pl, const std::array<Slot, 4>& cut,
                      const EndSlots& ends) {
  const Point& at = pl.labelPoint;
  exchange::Output out;
  out.Add(exchange::StyleRecords(r.start.host).LayerGroup());
  out.Add(r.cut.layer);
  out.Add(r.cut.lineType);
  out.Add(r.cut.colour);
  out.AddAll({cut.begin(), cut.end()});
  out.Add(r.arrow.layer);
  out.Add(r.arrow.lineType);
  out.Add(r.arrow.colour);
  out.AddAll({ends.shaft[0], ends.shaft[1], ends.barbA[0], ends.barbB[0], ends.barbA[1], ends.barbB[1],
              ends.stroke[0], ends.stroke[1]});
  out.Add(exchange::LineRecord(pl.labelX, at.y, at.x + pl.label.width / 2, at.y));
  out.Add(r.textLayer);
  out.Add(r.start.textTypes[0].record);
  out.Add(TextAt(pl.labelX, at.y, pl.label.text));
  out.AddAll({ends.letter.begin(), ends.letter.end()});
  return out;
}

}  // namespace

exchange::Output Compute(const exchange::ToolInput& input) {
  const Request request = Read(input);
  const Placement placement = Place(request);
  const std::array<Slot, 4> cut = CutLines(placement.g);
  const EndSlots ends = Ends(placement.g, placement.label.letters);
  return Emit(request, placement, cut, ends);
}

}  // namespace section
