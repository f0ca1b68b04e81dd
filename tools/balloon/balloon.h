// The balloon and leader-note tool: a leader from the picked part (point 1,
// the arrow tip) with an arrowhead or a dot, ending in an underlined note of
// one or two lines or in a numbered balloon, from the parameter line the
// settings window wrote ("mokrav5.jyd").
#pragma once

#include <string>
#include <vector>

#include "exchange/exchange.h"
#include "exchange/records.h"
#include "exchange/toolrun.h"

namespace balloon {

// The leader style that draws the balloon; every other style draws the note.
constexpr long long kBalloonStyle = 3;

// The parameter line with its numeric fields already converted.
struct BalloonParams {
  std::string textType;    // field 0, written after "cn"
  std::string lineColor;   // field 1, written after "lc"
  long long style = 0;     // integer part of field 2
  std::string text1;       // field 3, "-" made empty
  std::string text2;       // field 4, "-" made empty
  std::string diameter;    // field 4 as written: the balloon's diameter
  long long widthMode = 0; // integer part of field 5
  std::string lineLayer;   // field 6
  std::string textLayer;   // field 7
  double arrowLength = 0;  // field 8, paper millimetres; 0 draws a dot
  double arrowAngle = 0;   // field 9, degrees between the leader and a barb
};

// The ten fields of the parameter line. Fields 2, 5, 8 and 9 must be
// numbers; fewer than ten fields is a ToolError.
BalloonParams ReadParams(const std::vector<std::string>& fields);

// A text as it is written and its width on the drawing.
struct MeasuredText {
  std::string text;
  double width = 0;
};

// The host's character width W and spacing D of the text type, and the
// group scale S.
struct TextMetrics {
  double W = 0;
  double D = 0;
  double S = 0;
};

// A note line converted and measured by the width mode: 1 full width,
// 0 as typed and 2 half width (both with the mixed width), any other mode
// as typed with width 0. An empty text comes out with a negative width.
MeasuredText MeasureNoteText(const std::string& text, long long widthMode, const TextMetrics& m);

// The balloon number converted and measured by the width mode: 1 full
// width, 0 as typed and 2 half width (both counting characters, W/2 each),
// any other mode as typed with width 0.
MeasuredText MeasureBalloonNumber(const std::string& text, long long widthMode,
                                  const TextMetrics& m);

// The whole run from the command-line words, the exchange items and the
// parameter file to the drawing output. Throws exchange::ToolError on every
// failure.
exchange::Output Compute(const exchange::ToolInput& input);

}  // namespace balloon
