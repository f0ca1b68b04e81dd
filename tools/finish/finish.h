// The surface-finish tool: one finish symbol on a picked horizontal or
// vertical surface line, from the parameter line the settings window wrote
// ("mokrav2.jyd") and the points the user picked in the host.
#pragma once

#include <array>
#include <stdexcept>
#include <string>

#include "exchange/exchange.h"
#include "exchange/records.h"
#include "exchange/toolrun.h"

namespace finish {

// Where the symbol stands against the surface line.
enum SymbolSide : int {
  kRightOfVertical = 1,
  kLeftOfVertical = -1,
  kAboveHorizontal = 2,
  kBelowHorizontal = -2,
};

// The texts after the text step. Index 0 holds the G letter or text 1 (they
// share one place), 1 to 3 texts 2 to 4. Widths are on the drawing (times
// the group scale); an absent text has width 0 and writes no record.
struct FinishTexts {
  std::array<std::string, 4> text;
  std::array<bool, 4> present{};
  std::array<double, 4> width{};
  double w12 = 0;  // the larger of the widths of places 0 and 1
};

// Everything the symbol construction needs.
struct SymbolInput {
  long long kind = 0;  // integer part of the finish kind field
  int side = 0;        // a SymbolSide
  double bx = 0;       // base point: the side point's foot on the surface line
  double by = 0;
  double scale = 0;   // group scale S
  double height = 0;  // character height CH of the text type
  FinishTexts texts;
};

// The fourteen record slots of the output: nine for lines, arcs and the
// circle, five for texts. A slot no branch sets is written as an empty line.
struct SymbolSlots {
  std::array<exchange::Slot, 9> lines;
  std::array<exchange::Slot, 5> texts;
};

// The symbol of the kind: nothing for kind 0 or less, the wave for 1, one to
// four triangles (with the G letter) for 2 to 5, the V symbol for 6 and up.
SymbolSlots DrawFinishSymbol(const SymbolInput& in);

// The whole run from the command-line words, the exchange items and the
// parameter file to the drawing output. Throws exchange::ToolError on every
// failure, and exchange::NoDrawing for a pick without a symbol (the side
// point on the surface line, or a line neither horizontal nor vertical).
exchange::Output Compute(const exchange::ToolInput& input);

}  // namespace finish
