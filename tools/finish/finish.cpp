#include "tools/finish/finish.h"

#include <cmath>
#include <vector>

#include "exchange/geometry.h"
#include "exchange/textwidth.h"
#include "exchange/tools.h"

namespace finish {
namespace {

using exchange::LineRecord;
using exchange::Point;
using exchange::TextRecord;

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

struct FrameSegment {
  double u1, v1, u2, v2;
};

// Kinds 2 to 5: equilateral triangles of side 3 with one vertex on the
// surface line, side by side along it and centred on the base point; their
// opposite sides are one line, the outer side.
const std::vector<FrameSegment>& TriangleLines(long long kind) {
  static const std::vector<FrameSegment> kOne = {
      {0, 0, 2.598, -1.5}, {0, 0, 2.598, 1.5}, {2.598, -1.5, 2.598, 1.5}};
  static const std::vector<FrameSegment> kTwo = {
      {0, -1.5, 2.598, 0}, {0, -1.5, 2.598, -3}, {0, 1.5, 2.598, 0},
      {0, 1.5, 2.598, 3},  {2.598, -3, 2.598, 3}};
  static const std::vector<FrameSegment> kThree = {
      {0, 0, 2.598, -1.5},  {0, 0, 2.598, 1.5}, {0, -3, 2.598, -1.5},   {0, -3, 2.598, -4.5},
      {0, 3, 2.598, 1.5},   {0, 3, 2.598, 4.5}, {2.598, -4.5, 2.598, 4.5}};
  static const std::vector<FrameSegment> kFour = {
      {0, -1.5, 2.598, 0},  {0, -1.5, 2.598, -3}, {0, 1.5, 2.598, 0},
      {0, 1.5, 2.598, 3},   {2.598, -6, 2.598, 6}, {0, -4.5, 2.598, -3},
      {0, -4.5, 2.598, -6}, {0, 4.5, 2.598, 3},   {0, 4.5, 2.598, 6}};
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
  static const char* const kRight[] = {" 0 10000000000000000 ", " 0 1000000000000000000 ",
                                       " 0 1000000000000000 ", " 0 1000000000000000000 "};
  static const char* const kLeft[] = {" 0 1000000000000000 ", " 0 100000000000000000 ",
                                      " 0 100000000000000000 ", " 0 100000000000000000 "};
  static const char* const kAbove[] = {" 10000000000000 0 ", " 10000000000000000 0 ",
                                       " 100000000000000000 0 ", " 10000000000000000 0 "};
  static const char* const kBelow[] = {" 10000000000000000 0 ", " 1000000000000000 0 ",
                                       " 10000000000000000 0 ", " 1000000000000000 0 "};
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

// Kinds 6 and up: the V symbol with its extension bar and four texts.
void DrawVSymbol(const SymbolInput& in, SymbolSlots& out) {
  const double S = in.scale;
  const double CH = in.height;
  const double bx = in.bx;
  const double by = in.by;
  const FinishTexts& t = in.texts;
  const double w3 = t.width[2];
  const double w4 = t.width[3];
  const double w12 = t.w12;
  const int side = in.side;
  const bool vertical = side != kBelowHorizontal && side != kAboveHorizontal;
  // +1 for the sides whose u runs toward +x or +y, -1 for the others.
  const double sign = (side == kRightOfVertical || side == kAboveHorizontal) ? 1 : -1;

  out.lines[0] = FrameLine(in, 0, 0, 4, -2.3);    // short leg
  out.lines[1] = FrameLine(in, 0, 0, 8.666, 5);   // long leg

  auto text = [&](std::size_t slot, std::size_t place, double x, double y, const char* literal) {
    if (t.present[place]) out.texts[slot] = TextRecord(x, y, literal, t.text[place]);
  };

  if (t.present[0] || t.present[1]) {
    // The extension bar runs on from the long leg's end, as long as the wider
    // of texts 1 and 2; text 1 stands on it and text 2 hangs below it.
    if (vertical) {
      const double x = sign > 0 ? bx + 8.666 * S : bx - 8.666 * S;
      out.lines[2] = LineRecord(x, by + 5 * S, x, (by + w12) + 5 * S);
    } else {
      const double y = sign > 0 ? by + 8.666 * S : by - 8.666 * S;
      out.lines[2] = LineRecord(bx + 5 * S, y, (bx + w12) + 5 * S, y);
    }
    switch (side) {
      case kRightOfVertical:
        text(1, 0, bx + 8.666 * S, by + 5 * S, " 0 1000000000000000000 ");
        text(2, 1, bx + (8.666 + CH) * S, by + 5 * S, " 0 1000000000000000000 ");
        break;
      case kBelowHorizontal:
        text(1, 0, bx + 5 * S, by - 8.666 * S, " 1000000000000000 0 ");
        text(2, 1, bx + 5 * S, by - (8.666 + CH) * S, " 1000000000000000 0 ");
        break;
      case kAboveHorizontal:
        text(1, 0, bx + 5 * S, by + 8.666 * S, " 1000000000000000 0 ");
        text(2, 1, bx + 5 * S, (by + 8.666 * S) - CH * S, " 1000000000000000 0 ");
        break;
      default:
        text(1, 0, bx - 8.666 * S, by + 5 * S, " 0 10000000000000000000 ");
        text(2, 1, (bx - 8.666 * S) + CH * S, by + 5 * S, " 0 10000000000000000000 ");
        break;
    }
  }

  // Texts 3 and 4 stand inside the V and end 2 past the base point along the
  // line; texts stay upright, so the slot order follows which one reads above.
  using exchange::StartBefore;
  switch (side) {
    case kRightOfVertical:
      text(3, 3, bx + (4 + CH) * S, StartBefore(by, w4 - 2 * S), " 0 1000000000000000000 ");
      text(4, 2, bx + (4 + 2 * CH) * S, StartBefore(by, w3 - 2 * S), " 0 10000000000000000 ");
      break;
    case kBelowHorizontal:
      text(3, 3, StartBefore(bx, w4 - 2 * S), by - (4 + CH) * S, " 100000000000000 0 ");
      text(4, 2, StartBefore(bx, w3 - 2 * S), by - (4 + 2 * CH) * S, " 100000000000000 0 ");
      break;
    case kAboveHorizontal:
      text(3, 2, StartBefore(bx, w3 - 2 * S), by + 4 * S, " 100000000000000000 0 ");
      text(4, 3, StartBefore(bx, w4 - 2 * S), by + (4 + CH) * S, " 10000000000000000 0 ");
      break;
    default:
      text(3, 2, bx - 4 * S, StartBefore(by, w3 - 2 * S), " 0 10000000000000000 ");
      text(4, 3, bx - (4 + CH) * S, StartBefore(by, w4 - 2 * S), " 0 1000000000000000 ");
      break;
  }

  if (in.kind == 7) {
    out.lines[3] = FrameLine(in, 4, -2.3, 4, 2.3);  // closes the V
  } else if (in.kind == 8) {
    const double x = vertical ? (sign > 0 ? bx + 2.666 * S : bx - 2.666 * S) : bx;
    const double y = vertical ? by : (sign > 0 ? by + 2.666 * S : by - 2.666 * S);
    out.lines[3] = exchange::PaddedArcRecord(x, y, 1.334 * S, 0, " 0");  // the circle in the V
  }
}

// The texts of the symbol with their presence and widths on the drawing.
FinishTexts PrepareTexts(const std::array<std::string, 11>& f, long long kind, long long fullWidth,
                         const exchange::TextSize& size, double S) {
  FinishTexts t;
  const double W = size.width;
  const double D = size.spacing;
  if (kind >= 6 && fullWidth == 1) {
    for (std::size_t i = 0; i < 4; ++i) {
      if (!exchange::TextGiven(f[5 + i])) continue;
      t.text[i] = exchange::InWidth(f[5 + i], exchange::Width::kFull);
      t.width[i] = exchange::FullWidth(t.text[i], W, D, S);
      t.present[i] = true;
    }
  } else if (kind <= 5 && f[3] == "1" && (fullWidth == 0 || fullWidth == 1)) {
    // The grinding letter. It is measured as half of W whether it is drawn
    // in half or full width.
    t.text[0] = fullWidth == 0 ? exchange::InWidth("Ｇ", exchange::Width::kHalf)
                               : exchange::InWidth("G", exchange::Width::kFull);
    t.width[0] = exchange::HalfCharWidth(t.text[0], W, D, S);
    t.present[0] = true;
  } else {
    for (std::size_t i = 0; i < 4; ++i) {
      if (!exchange::TextGiven(f[5 + i])) continue;
      t.text[i] = f[5 + i];
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

exchange::Output Compute(const exchange::ToolInput& input) {
  using exchange::Word;

  // Words 1 and 2 carry numbers the host passes; they must be numbers.
  exchange::Number(Word(input.words, 1), "command-line word 1");
  exchange::Number(Word(input.words, 2), "command-line word 2");

  const std::vector<std::string> fields = input.Fields();
  const auto f = exchange::FirstFields<11>(fields);

  const long long fullWidth = exchange::IntegerField(f[4], "the full-width field (field 4)");
  const long long kind = exchange::IntegerField(f[2], "the finish kind field (field 2)");

  const exchange::HostValues host = exchange::ReadToolHostValues(input.items, exchange::kFinishKeys, fields);
  const exchange::TextSize size = host.Text(f[0]);

  const std::string lineLayer = exchange::LayerChoice(f[9], host.layer);
  const std::string textLayer = exchange::LayerChoice(f[10], host.layer);

  for (std::size_t i = 1; i <= input.items.Count(); ++i) {
    if (exchange::HasKey(input.items.items[i], "hp1-")) {
      throw exchange::ToolError(
          "point 1 was picked with the \"-\" mark (leader form): no finish symbol is defined for it");
    }
  }

  const Point p1 = host.At(1);
  const Point p2 = host.At(2);
  const Point p3 = host.At(3);

  SymbolInput in;
  in.kind = kind;
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

  in.texts = PrepareTexts(f, kind, fullWidth, size, host.scale);
  const SymbolSlots slots = DrawFinishSymbol(in);

  exchange::Output out;
  out.Add("lg" + host.layerGroup);
  out.Add("ly" + lineLayer);
  out.Add(std::string("lt1"));
  out.Add("lc" + f[1]);
  for (const auto& slot : slots.lines) out.Add(slot);
  out.Add("ly" + textLayer);
  out.Add("cn" + f[0]);
  for (const auto& slot : slots.texts) out.Add(slot);
  return out;
}

}  // namespace finish
