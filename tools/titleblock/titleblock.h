// The title-block tool: one or two texts written into a cell of a drawing's
// title block, from the parameter line the settings window wrote
// ("mokrav8.jyd") and the two opposite corners of the cell the user picked.
#pragma once

#include <string>

#include "exchange/exchange.h"
#include "exchange/records.h"
#include "exchange/toolrun.h"

namespace titleblock {

// Horizontal placement in the cell; every other value centres.
enum CellAlign : long long {
  kLeft = 1,
  kRight = 3,
};

// What the placement of the texts needs.
struct Cell {
  exchange::Point corner1;  // the corners as picked
  exchange::Point corner2;
  double scale = 0;         // group scale S
  exchange::TextSize size;  // W, D and the height of the text type
  long long align = 0;      // a CellAlign
  std::string text1;        // the upper text, "" for none
  std::string text2;        // the lower text, "" for none
};

// The two text records. Text 2's record is always written; when text 1
// stands alone it carries no coordinates.
struct CellRecords {
  std::string text1;
  std::string text2;
};

// The width of a text on the drawing; an empty text measures 0.
double TextWidth(const std::string& text, const exchange::TextSize& size, double scale);

// Places the texts: a lone text (either one) centred on the cell's middle
// line, a pair with text 1 standing on it and text 2 one text height below.
CellRecords PlaceTexts(const Cell& cell);

// The whole run from the command-line words, the exchange items and the
// parameter file to the five drawing records. Throws exchange::ToolError on
// every failure.
exchange::Output Compute(const exchange::ToolInput& input);

}  // namespace titleblock
