// The geometric-tolerance tool: a tolerance frame hung at the end of a
// leader, or a datum indicator standing on a picked line, from the parameter
// line the settings window wrote ("mokrav3.jyd") and the points the user
// picked in the host.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "exchange/exchange.h"
#include "exchange/records.h"
#include "exchange/toolrun.h"

namespace geomtol {

// The eighteen line slots of the output, in the order they are written
// (the datum triangle's solid record goes between B3 and B4). What each slot
// holds depends on the drawing:
//   tolerance frame: L1..L3 the leader's segments, B1..B6 the frame's sides
//     and dividers, S1..S7 the characteristic symbol, A1, A2 the barbs;
//   datum indicator: L1 the joining line, L3 and B1..B3 the box's sides,
//     B4, B5 the triangle's sides; the others stay empty.
enum LineSlot : std::size_t {
  kL1, kL2, kL3,
  kB1, kB2, kB3, kB4, kB5, kB6,
  kS1, kS2, kS3, kS4, kS5, kS6, kS7,
  kA1, kA2,
  kLineSlots
};

// Everything one drawing writes besides its fixed records. A slot no step
// sets is written as an empty line.
struct Drawing {
  std::array<exchange::Slot, kLineSlots> lines;
  exchange::Slot solid;  // the filled datum triangle (datum indicator only)
  exchange::Slot datumText;
  exchange::Slot valueText;
  exchange::Slot upperText;
  exchange::Slot lowerText;
};

// The picked points after the leader's rules have made its segments
// axis-parallel. `count` is the leader's point count C: 1 to 4 in the
// leader form, 0 in the direct form. `anchor` is the frame's reference
// point F (the middle of its left side), set in the leader form only.
struct Picks {
  int count = 0;
  exchange::Point p1, p2, p3;
  double x4 = 0;
  exchange::Point anchor;
};

// The texts of the parameter line after the full- or half-width conversion.
struct Texts {
  std::string datum;
  std::string value;
  std::string upper;
  std::string lower;
  bool fullWidth = false;
  bool limits = false;  // the value form "2": an upper and a lower limit
};

// The host's sizes of the three text types that the drawings use.
struct TextSizes {
  double datumWidth = 0;   // W of the datum letter's type
  double datumHeight = 0;  // H of the datum letter's type
  double valueHeight = 0;  // H of the tolerance value's type
  double limitHeight = 0;  // H of the limits' type
};

// The three-cell frame, 32 by 8, with its texts: B1..B6 and the text slots.
// A one- or two-segment leader that ends running toward -x has the frame end
// at its end point instead of starting there. Returns the frame's reference
// point after that shift, where the symbol cell starts.
exchange::Point DrawToleranceFrame(const Picks& picks, double S, const TextSizes& sizes,
                                   const Texts& texts, Drawing& d);

// The datum indicator: the triangle on the line x = x1 at the height of the
// second point ('Y', a vertical line) or on y = y1 at its x ('X', a
// horizontal line), the box on the third point's side.
void DrawDatumIndicator(char line, const Picks& picks, double S, const TextSizes& sizes,
                        const Texts& texts, Drawing& d);

// The characteristic symbol in the frame's left cell: S1..S7. A text other
// than "1" to "14" draws nothing.
void DrawSymbol(const std::string& characteristic, exchange::Point anchor, double S, Drawing& d);

// The leader's segments L1..L3 and the arrow head A1, A2 at the first point.
void DrawLeader(const Picks& picks, double arrowLength, double arrowAngle, double S, Drawing& d);

// The whole run from the command-line words, the exchange items and the
// parameter file to the drawing output. Throws exchange::ToolError on every
// failure, including a tolerance frame picked without a leader.
exchange::Output Compute(const exchange::ToolInput& input);

}  // namespace geomtol
