#include "tools/finish/finish.h"

#include <cmath>
#include <vector>

#include "exchange/geometry.h"
#include "exchange/params/finish.h"
#include "exchange/textwidth.h"
#include "tools/finish/keys.h"

namespace finish {
namespace {

using exchange::LineRecord;
using exchange::Point;
using exchange::TextRecord;
namespace param = paramfile::finish;

// The four texts of the symbol stand in a row in the parameter line, in the
// order of their places in FinishTexts.
constexpr std::size_t kFirstText = param::kProcessCode;
static_assert(param::kUpperValue == kFirstText + 3);

// The direction literals of the texts. The host reads the far point of a
// literal as the text's direction (along +x or +y); how far it lies differs
// from text to text and is kept as the host has always had it.
const char* const kAlongX1e13 = " 10000000000000 0 ";
const char* const kAlongX1e14 = " 100000000000000 0 ";
const char* const kAlongX1e15 = " 1000000000000000 0 ";
const char* const kAlongX1e16 = " 10000000000000000 0 ";
const char* const kAlongX1e17 = " 100000000000000000 0 ";
const char* const kAlongY1e15 = " 0 1000000000000000 ";
const char* const kAlongY1e16 = " 0 10000000000000000 ";
const char* const kAlongY1e17 = " 0 100000000000000000 ";
const char* const kAlongY1e18 = " 0 1000000000000000000 ";
const char* const kAlongY1e19 = " 0 10000000000000000000 ";

// A base coordinate moved by a frame constant: the constant's magnitude times
// S, added or subtracted by its sign; a zero offset leaves the base as it is.
double Offset(double base, double constant, double S) {
  if (constant == 0) return base;
  if (constant > 0) return base + constant * S;
  return base - (-constant) * S;
}

// The symbol frame: u from the surface line toward the side point, v along
// the line (toward +y on a vertical line, +x on a horizontal one). Sides
// other than +1, -2 and +2 take the construction of side -1.
Point FramePoint(const SymbolInput& in, double u, double v) {
  const double S = in.scale;
  switch (in.side) {
    case kRightOfVertical: return {Offset(in.bx, u, S), Offset(in.by, v, S)};
    case kBelowHorizontal: return {Offset(in.bx, v, S), Offset(in.by, -u, S)};
    case kAboveHorizontal: return {Offset(in.bx, v, S), Offset(in.by, u, S)};
    default: return {Offset(in.bx, -u, S), Offset(in.by, v, S)};
  }
}

std::string FrameLine(const SymbolInput& in, double u1, double v1, double u2, double v2) {
  const Point a = FramePoint(in, u1, v1);
  const Point b = FramePoint(in, u2, v2);
  return LineRecord(a.x, a.y, b.x, b.y);
}

// Kind 1, the wave of an unmachined surface: two arcs of radius 1.5. The
// two sides of one orientation carry the same wave shifted by 1.5, not
// mirrored, so each side has its own centres.
void DrawWave(const SymbolInput& in, SymbolSlots& out) {
  const double S = in.scale;
  const double bx = in.bx;
  const double by = in.by;
  const double r = 1.5 * S;
  switch (in.side) {
    case kRightOfVertical:
      out.lines[0] = exchange::PaddedArcRecord(bx + 1.5 * S, by - 1.3 * S, r, 119.9663, " 270");
      out.lines[1] = exchange::PaddedArcRecord(bx, by + 1.3 * S, r, 299.9663, " 90");
      break;
    case kBelowHorizontal:
      out.lines[0] = exchange::PaddedArcRecord(bx - 1.3 * S, by - 1.5 * S, r, 29.9663, " 180");
      out.lines[1] = exchange::PaddedArcRecord(bx + 1.3 * S, by, r, 209.9663, " 360");
      break;
    case kAboveHorizontal:
      out.lines[0] = exchange::PaddedArcRecord(bx - 1.3 * S, by, r, 29.9663, " 180");
      out.lines[1] = exchange::PaddedArcRecord(bx + 1.3 * S, by + 1.5 * S, r, 209.9663, " 360");
      break;
    default:
      out.lines[0] = exchange::PaddedArcRecord(bx, by - 1.3 * S, r, 119.9663, " 270");
      out.lines[1] = exchange::PaddedArcRecord(bx - 1.5 * S, by + 1.3 * S, r, 299.9663, " 90");
      break;
  }
}

// The height of an equilateral triangle of side 3, to three decimals.
constexpr double kTriangleHeight = 2.598;

struct FrameSegment {
  double u1, v1, u2, v2;
};

// Kinds 2 to 5: equilateral triangles of side 3 with one vertex on the
// surface line, side by side along it and centred on the base point; their
// opposite sides are one line, the outer side.
const std::vector<FrameSegment>& TriangleLines(long long kind) {
  constexpr double h = kTriangleHeight;
  static const std::vector<FrameSegment> kOne = {{0, 0, h, -1.5}, {0, 0, h, 1.5}, {h, -1.5, h, 1.5}};
  static const std::vector<FrameSegment> kTwo = {
      {0, -1.5, h, 0}, {0, -1.5, h, -3}, {0, 1.5, h, 0}, {0, 1.5, h, 3}, {h, -3, h, 3}};
  static const std::vector<FrameSegment> kThree = {
      {0, 0, h, -1.5}, {0, 0, h, 1.5}, {0, -3, h, -1.5}, {0, -3, h, -4.5},
      {0, 3, h, 1.5},  {0, 3, h, 4.5}, {h, -4.5, h, 4.5}};
  static const std::vector<FrameSegment> kFour = {
      {0, -1.5, h, 0},  {0, -1.5, h, -3}, {0, 1.5, h, 0}, {0, 1.5, h, 3}, {h, -6, h, 6},
      {0, -4.5, h, -3}, {0, -4.5, h, -6}, {0, 4.5, h, 3}, {0, 4.5, h, 6}};
  switch (kind) {
    case 2: return kOne;
    case 3: return kTwo;
    case 4: return kThree;
    default: return kFour;
  }
}

// The direction literal of the G letter. The host reads each as the text's
// direction; the far point differs by kind and side and is kept as it is.
const char* GLetterLiteral(long long kind, int side) {
  static const char* const kRight[] = {kAlongY1e16, kAlongY1e18, kAlongY1e15, kAlongY1e18};
  static const char* const kLeft[] = {kAlongY1e15, kAlongY1e17, kAlongY1e17, kAlongY1e17};
  static const char* const kAbove[] = {kAlongX1e13, kAlongX1e16, kAlongX1e17, kAlongX1e16};
  static const char* const kBelow[] = {kAlongX1e16, kAlongX1e15, kAlongX1e16, kAlongX1e15};
  const auto k = static_cast<std::size_t>(kind - 2);
  switch (side) {
    case kRightOfVertical: return kRight[k];
    case kBelowHorizontal: return kBelow[k];
    case kAboveHorizontal: return kAbove[k];
    default: return kLeft[k];
  }
}

void DrawTriangles(const SymbolInput& in, SymbolSlots& out) {
  const auto& lines = TriangleLines(in.kind);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    out.lines[i] = FrameLine(in, lines[i].u1, lines[i].v1, lines[i].u2, lines[i].v2);
  }
  const FinishTexts& t = in.texts;
  if (!t.present[0]) return;
  // The letter stands upright, centred on the base point along the line,
  // its near edge 2.6 from the line on the side point's side.
  const double S = in.scale;
  const double CH = in.height;
  const double w1 = t.width[0];
  double x = 0;
  double y = 0;
  switch (in.side) {
    case kRightOfVertical:
      x = in.bx + (2.6 + CH) * S;
      y = exchange::CentredStart(in.by, w1);
      break;
    case kBelowHorizontal:
      x = exchange::CentredStart(in.bx, w1);
      y = in.by - (2.6 + CH) * S;
      break;
    case kAboveHorizontal:
      x = exchange::CentredStart(in.bx, w1);
      y = in.by + 2.6 * S;
      break;
    default:
      x = in.bx - 2.6 * S;
      y = exchange::CentredStart(in.by, w1);
      break;
  }
  out.texts[0] = TextRecord(x, y, GLetterLiteral(in.kind, in.side), t.text[0]);
}

// The V symbol of kinds 6 and up, in frame units: the short leg ends 4 out
// and 2.3 back along the line, the long leg 8.666 out and 5 on along it.
// The extension bar and texts 1 and 2 start at the long leg's end; texts 3
// and 4 stand from where the short leg ends.
constexpr double kShortLegU = 4;
constexpr double kShortLegV = 2.3;
constexpr double kLongLegU = 8.666;
constexpr double kLongLegV = 5;
// Kind 7 closes the V; kind 8 puts a circle in it, 1.334 in radius with
// its centre 2.666 out from the line.
constexpr long long kClosedV = 7;
constexpr long long kCircleInV = 8;
constexpr double kCircleCentreU = 2.666;
constexpr double kCircleRadius = 1.334;
// Texts 3 and 4 end this far past the base point along the line.
constexpr double kInnerTextOverhang = 2;

// What the V's placement reads of the input.
struct VFrame {
  double S, CH, bx, by;
  int side;
  bool vertical;  // the surface line is vertical
  double sign;    // +1 where u runs toward +x or +y, -1 where it runs back
};

VFrame ReadVFrame(const SymbolInput& in) {
  const int side = in.side;
  return {in.scale,
          in.height,
          in.bx,
          in.by,
          side,
          side != kBelowHorizontal && side != kAboveHorizontal,
          (side == kRightOfVertical || side == kAboveHorizontal) ? 1.0 : -1.0};
}

// A text of the V: the record slot it fills, the place of the text it
// writes, where it starts and its direction.
struct VText {
  std::size_t slot;
  std::size_t place;
  double x, y;
  const char* literal;
};

// The extension bar runs on from the long leg's end, as long as the wider of
// texts 1 and 2.
std::string ExtensionBar(const VFrame& v, double w12) {
  const double S = v.S;
  if (v.vertical) {
    const double x = v.sign > 0 ? v.bx + kLongLegU * S : v.bx - kLongLegU * S;
    return LineRecord(x, v.by + kLongLegV * S, x, (v.by + w12) + kLongLegV * S);
  }
  const double y = v.sign > 0 ? v.by + kLongLegU * S : v.by - kLongLegU * S;
  return LineRecord(v.bx + kLongLegV * S, y, (v.bx + w12) + kLongLegV * S, y);
}

// Text 1 stands on the extension bar and text 2 hangs below it.
std::array<VText, 2> BarTexts(const VFrame& v) {
  const double S = v.S;
  const double CH = v.CH;
  const double bx = v.bx;
  const double by = v.by;
  switch (v.side) {
    case kRightOfVertical:
      return {{{1, 0, bx + kLongLegU * S, by + kLongLegV * S, kAlongY1e18},
               {2, 1, bx + (kLongLegU + CH) * S, by + kLongLegV * S, kAlongY1e18}}};
    case kBelowHorizontal:
      return {{{1, 0, bx + kLongLegV * S, by - kLongLegU * S, kAlongX1e15},
               {2, 1, bx + kLongLegV * S, by - (kLongLegU + CH) * S, kAlongX1e15}}};
    case kAboveHorizontal:
      return {{{1, 0, bx + kLongLegV * S, by + kLongLegU * S, kAlongX1e15},
               {2, 1, bx + kLongLegV * S, (by + kLongLegU * S) - CH * S, kAlongX1e15}}};
    default:
      return {{{1, 0, bx - kLongLegU * S, by + kLongLegV * S, kAlongY1e19},
               {2, 1, (bx - kLongLegU * S) + CH * S, by + kLongLegV * S, kAlongY1e19}}};
  }
}

// Texts 3 and 4 stand inside the V and end past the base point along the
// line; texts stay upright, so the slot order follows which one reads above.
std::array<VText, 2> InnerTexts(const VFrame& v, const FinishTexts& t) {
  using exchange::StartBefore;
  const double S = v.S;
  const double CH = v.CH;
  const double bx = v.bx;
  const double by = v.by;
  const double span3 = t.width[2] - kInnerTextOverhang * S;
  const double span4 = t.width[3] - kInnerTextOverhang * S;
  switch (v.side) {
    case kRightOfVertical:
      return {{{3, 3, bx + (kShortLegU + CH) * S, StartBefore(by, span4), kAlongY1e18},
               {4, 2, bx + (kShortLegU + 2 * CH) * S, StartBefore(by, span3), kAlongY1e16}}};
    case kBelowHorizontal:
      return {{{3, 3, StartBefore(bx, span4), by - (kShortLegU + CH) * S, kAlongX1e14},
               {4, 2, StartBefore(bx, span3), by - (kShortLegU + 2 * CH) * S, kAlongX1e14}}};
    case kAboveHorizontal:
      return {{{3, 2, StartBefore(bx, span3), by + kShortLegU * S, kAlongX1e17},
               {4, 3, StartBefore(bx, span4), by + (kShortLegU + CH) * S, kAlongX1e16}}};
    default:
      return {{{3, 2, bx - kShortLegU * S, StartBefore(by, span3), kAlongY1e16},
               {4, 3, bx - (kShortLegU + CH) * S, StartBefore(by, span4), kAlongY1e15}}};
  }
}

// The closing line of kind 7 or the circle of kind 8; nothing for kind 6.
exchange::Slot KindMark(const SymbolInput& in, const VFrame& v) {
  if (in.kind == kClosedV) return FrameLine(in, kShortLegU, -kShortLegV, kShortLegU, kShortLegV);
  if (in.kind != kCircleInV) return std::nullopt;
  const double S = v.S;
  const double x = v.vertical ? (v.sign > 0 ? v.bx + kCircleCentreU * S : v.bx - kCircleCentreU * S) : v.bx;
  const double y = v.vertical ? v.by : (v.sign > 0 ? v.by + kCircleCentreU * S : v.by - kCircleCentreU * S);
  return exchange::PaddedArcRecord(x, y, kCircleRadius * S, 0, " 0");
}

// The records of the texts that are present.
void EmitTexts(const std::array<VText, 2>& texts, const FinishTexts& t, SymbolSlots& out) {
  for (const VText& v : texts)
    if (t.present[v.place]) out.texts[v.slot] = TextRecord(v.x, v.y, v.literal, t.text[v.place]);
}

// Kinds 6 and up: the V symbol with its extension bar and four texts.
void DrawVSymbol(const SymbolInput& in, SymbolSlots& out) {
  const VFrame v = ReadVFrame(in);
  const FinishTexts& t = in.texts;
  out.lines[0] = FrameLine(in, 0, 0, kShortLegU, -kShortLegV);
  out.lines[1] = FrameLine(in, 0, 0, kLongLegU, kLongLegV);
  // The bar stands only under a text that it carries.
  if (t.present[0] || t.present[1]) {
    out.lines[2] = ExtensionBar(v, t.w12);
    EmitTexts(BarTexts(v), t, out);
  }
  EmitTexts(InnerTexts(v, t), t, out);
  out.lines[3] = KindMark(in, v);
}

// The texts of the symbol with their presence and widths on the drawing.
FinishTexts PrepareTexts(const std::array<std::string, param::kFieldCount>& f, long long kind,
                         long long fullWidth, const exchange::TextSize& size, double S) {
  FinishTexts t;
  const double W = size.width;
  const double D = size.spacing;
  if (kind >= 6 && fullWidth == 1) {
    for (std::size_t i = 0; i < 4; ++i) {
      if (!exchange::TextGiven(f[kFirstText + i])) continue;
      t.text[i] = exchange::InWidth(f[kFirstText + i], exchange::Width::kFull);
      t.width[i] = exchange::FullWidth(t.text[i], W, D, S);
      t.present[i] = true;
    }
  } else if (kind <= 5 && f[param::kGrindingMark] == "1" && (fullWidth == 0 || fullWidth == 1)) {
    // The grinding letter. It is measured as half of W whether it is drawn
    // in half or full width.
    t.text[0] = fullWidth == 0 ? exchange::InWidth("Ｇ", exchange::Width::kHalf)
                               : exchange::InWidth("G", exchange::Width::kFull);
    t.width[0] = exchange::HalfCharWidth(t.text[0], W, D, S);
    t.present[0] = true;
  } else {
    for (std::size_t i = 0; i < 4; ++i) {
      if (!exchange::TextGiven(f[kFirstText + i])) continue;
      t.text[i] = f[kFirstText + i];
      t.width[i] = exchange::MixedWidth(t.text[i], W, D, S, 2);
      t.present[i] = true;
    }
  }
  t.w12 = t.width[0] > t.width[1] ? t.width[0] : t.width[1];
  return t;
}

}  // namespace

SymbolSlots DrawFinishSymbol(const SymbolInput& in) {
  SymbolSlots out;
  if (in.kind <= 0) return out;
  if (in.kind == 1) {
    DrawWave(in, out);
  } else if (in.kind <= 5) {
    DrawTriangles(in, out);
  } else {
    DrawVSymbol(in, out);
  }
  return out;
}

namespace {

// The parameter line's numbers, the host's values and the header records,
// each checked as it is read, in the order the run reads them.
struct Request {
  std::array<std::string, param::kFieldCount> f;
  long long fullWidth = 0;
  long long kind = 0;
  exchange::ToolStart start;
  exchange::LineAndTextRecords header;
};

// The request, read and checked before any pick is looked at.
Request Read(const exchange::ToolInput& input) {
  using exchange::FieldLabel;
  using exchange::Word;

  // Words 1 and 2 carry numbers the host passes; they must be numbers.
  exchange::Number(Word(input.words, 1), "command-line word 1");
  exchange::Number(Word(input.words, 2), "command-line word 2");

  Request r;
  const std::vector<std::string> fields = input.Fields();
  r.f = exchange::FirstFields<param::kFieldCount>(fields);
  const auto& f = r.f;
  r.fullWidth =
      exchange::IntegerField(f[param::kFullWidth], FieldLabel("the full-width field", param::kFullWidth));
  r.kind = exchange::IntegerField(f[param::kFinishKind], FieldLabel("the finish kind field", param::kFinishKind));
  r.start = exchange::StartTool(input.items, kKeys, fields);

  // The header is built before any pick can end the run without a drawing,
  // so a field that would break it always fails.
  r.header = exchange::ReadLineAndTextRecords(r.start.host, fields,
                                              {param::kLineLayer, param::kLineColor, param::kTextLayer});
  return r;
}

// The base point and side of the symbol from the picked surface line and
// side point; NoDrawing where the pick carries no symbol.
SymbolInput Place(const exchange::ToolInput& input, const Request& r) {
  for (std::size_t i = 1; i <= input.items.Count(); ++i) {
    if (exchange::HasKey(input.items.items[i], "hp1-")) {
      throw exchange::ToolError(
          "point 1 was picked with the \"-\" mark (leader form): no finish symbol is defined for it");
    }
  }

  const exchange::HostValues& host = r.start.host;
  const exchange::TextSize& size = r.start.textTypes[0].size;
  const Point p1 = host.At(1);
  const Point p2 = host.At(2);
  const Point p3 = host.At(3);

  SymbolInput in;
  in.kind = r.kind;
  in.scale = host.scale;
  in.height = size.height;
  if (p2.x == p1.x) {
    if (p3.x == p1.x) throw exchange::NoDrawing();  // the side point lies on the surface line
    in.bx = p1.x;
    in.by = p3.y;
    in.side = p1.x > p3.x ? kLeftOfVertical : kRightOfVertical;
  } else if (p2.y == p1.y) {
    if (p3.y == p1.y) throw exchange::NoDrawing();
    in.bx = p3.x;
    in.by = p1.y;
    in.side = p1.y > p3.y ? kBelowHorizontal : kAboveHorizontal;
  } else {
    throw exchange::NoDrawing();  // a slanted surface line carries no symbol
  }
  in.texts = PrepareTexts(r.f, r.kind, r.fullWidth, size, host.scale);
  return in;
}

// The line group with its header, then the text group with its header.
exchange::Output Emit(const Request& r, const SymbolSlots& slots) {
  using exchange::StyleRecords;
  exchange::Output out;
  out.Add(StyleRecords(r.start.host).LayerGroup());
  out.Add(r.header.lineLayer);
  out.Add(StyleRecords::SolidLineType());
  out.Add(r.header.colour);
  for (const auto& slot : slots.lines) out.Add(slot);
  out.Add(r.header.textLayer);
  out.Add(r.start.textTypes[0].record);
  for (const auto& slot : slots.texts) out.Add(slot);
  return out;
}

}  // namespace

exchange::Output Compute(const exchange::ToolInput& input) {
  const Request request = Read(input);
  return Emit(request, DrawFinishSymbol(Place(input, request)));
}

}  // namespace finish
