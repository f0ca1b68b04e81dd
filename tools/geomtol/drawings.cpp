// The tolerance frame and the datum indicator with their texts.
#include "tools/geomtol/geomtol.h"

namespace geomtol {
namespace {

using exchange::LineRecord;
using exchange::Point;

// Direction literals: every text of the tool is horizontal; the far
// distance differs by drawing and is kept as the host has always had it.
const char* const kFrameLiteral = " 100000000000000 0 ";
const char* const kBoxRightLiteral = " 10000000000 0 ";
const char* const kBoxLeftLiteral = " 1000000000000 0 ";
const char* const kBoxBelowLiteral = " 1000000000000 0 ";
const char* const kBoxAboveLiteral = " 1100000000000 0 ";

// A text record of this tool: two blanks between the literal and the quote.
std::string Text(double x, double y, const char* literal, const std::string& text) {
  return exchange::TextRecord(x, y, literal, text, 0, 1);
}

// The datum letter is centred as one character of width W (full width) or
// W / 2 (half width): its start lies W / k before the centre.
double CentringDivisor(const Texts& texts) { return texts.fullWidth ? 2 : 4; }

}  // namespace

Point DrawToleranceFrame(const Picks& picks, double S, const TextSizes& sizes, const Texts& texts,
                         Drawing& d) {
  Point F = picks.anchor;
  const Point& p1 = picks.p1;
  const Point& p2 = picks.p2;
  const Point& p3 = picks.p3;
  // A leader that ends running toward -x has the frame end at its end point.
  // A three-segment leader's frame always starts there.
  if (picks.count == 1 && p1.x > p2.x) {
    F.x = p2.x - 32 * S;
  } else if (picks.count == 2 && p2.x > p3.x) {
    F.x = p3.x - 32 * S;
  }
  const double top = F.y + 4 * S;
  const double bottom = F.y - 4 * S;
  d.lines[kB1] = LineRecord(F.x, top, F.x, bottom);
  d.lines[kB2] = LineRecord(F.x + 32 * S, top, F.x + 32 * S, bottom);
  d.lines[kB3] = LineRecord(F.x, top, F.x + 32 * S, top);
  d.lines[kB4] = LineRecord(F.x, bottom, F.x + 32 * S, bottom);
  // The symbol cell spans 0 to 8, the tolerance cell 8 to 24, the datum cell 24 to 32.
  d.lines[kB5] = LineRecord(F.x + 8 * S, top, F.x + 8 * S, bottom);
  d.lines[kB6] = LineRecord(F.x + 24 * S, top, F.x + 24 * S, bottom);

  const double k = CentringDivisor(texts);
  d.datumText = Text(F.x + (28 - sizes.datumWidth / k) * S, F.y - (sizes.datumHeight / 2) * S,
                     kFrameLiteral, texts.datum);
  if (texts.limits) {
    d.upperText = Text(F.x + 9 * S, F.y + (2 - sizes.limitHeight / 2) * S, kFrameLiteral, texts.upper);
    d.lowerText = Text(F.x + 9 * S, F.y - (2 + sizes.limitHeight / 2) * S, kFrameLiteral, texts.lower);
  } else {
    d.valueText = Text(F.x + 9 * S, F.y - (sizes.valueHeight / 2) * S, kFrameLiteral, texts.value);
  }
  return F;
}

void DrawDatumIndicator(char line, const Picks& picks, double S, const TextSizes& sizes,
                        const Texts& texts, Drawing& d) {
  const double x1 = picks.p1.x;
  const double y1 = picks.p1.y;
  const double x2 = picks.p2.x;
  const double y2 = picks.p2.y;
  const double x3 = picks.p3.x;
  const double y3 = picks.p3.y;
  const double k = CentringDivisor(texts);
  const double W0 = sizes.datumWidth;
  const double H0 = sizes.datumHeight;
  if (line == 'Y') {
    // The triangle stands on x = x1 at the height y2, its apex 2 toward the
    // box, which lies on the third point's side (a point on the line: right).
    const double s = x3 >= x1 ? 1 : -1;
    const double apex = x1 + 2 * S * s;
    const double far = x3 + 8 * S * s;
    d.lines[kL1] = LineRecord(apex, y2, x3, y2);
    d.lines[kL3] = LineRecord(x3, y2 + 4 * S, x3, y2 - 4 * S);
    d.lines[kB1] = LineRecord(far, y2 + 4 * S, far, y2 - 4 * S);
    d.lines[kB2] = LineRecord(x3, y2 + 4 * S, far, y2 + 4 * S);
    d.lines[kB3] = LineRecord(x3, y2 - 4 * S, far, y2 - 4 * S);
    d.solid = exchange::SolidRecord(apex, y2, x1, y2 - 1.5 * S, x1, y2 + 1.5 * S);
    d.lines[kB4] = LineRecord(x1, y2 - 1.5 * S, apex, y2);
    d.lines[kB5] = LineRecord(x1, y2 + 1.5 * S, apex, y2);
    const double y = y2 - (H0 / 2) * S;
    if (s > 0) {
      d.datumText = Text(x3 + (4 - W0 / k) * S, y, kBoxRightLiteral, texts.datum);
    } else {
      d.datumText = Text(x3 - (4 + W0 / k) * S, y, kBoxLeftLiteral, texts.datum);
    }
    return;
  }
  // On y = y1 at x2; the box below when the third point lies below the
  // line, else above.
  const bool below = y3 < y1;
  const double s = below ? -1 : 1;
  const double apex = y1 + 2 * S * s;
  const double far = y3 + 8 * S * s;
  d.lines[kL1] = LineRecord(x2, apex, x2, y3);
  d.lines[kL3] = LineRecord(x2 - 4 * S, y3, x2 + 4 * S, y3);
  d.lines[kB1] = LineRecord(x2 - 4 * S, far, x2 + 4 * S, far);
  d.lines[kB2] = LineRecord(x2 - 4 * S, y3, x2 - 4 * S, far);
  d.lines[kB3] = LineRecord(x2 + 4 * S, y3, x2 + 4 * S, far);
  d.solid = exchange::SolidRecord(x2 - 1.5 * S, y1, x2, apex, x2 + 1.5 * S, y1);
  d.lines[kB4] = LineRecord(x2 - 1.5 * S, y1, x2, apex);
  d.lines[kB5] = LineRecord(x2 + 1.5 * S, y1, x2, apex);
  const double x = x2 - (W0 / k) * S;
  if (below) {
    d.datumText = Text(x, y3 - (4 + H0 / 2) * S, kBoxBelowLiteral, texts.datum);
  } else {
    d.datumText = Text(x, y3 + (4 - H0 / 2) * S, kBoxAboveLiteral, texts.datum);
  }
}

}  // namespace geomtol
