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

// The parameter line with its numeric fields already converted, each member
// read from the field of its name in paramfile::balloon.
struct BalloonParams {
  std::string textType;    // written after "cn"
  std::string lineColor;   // written after "lc"
  long long style = 0;     // integer part of the leader style
  std::string text1;       // "-" made empty
  std::string text2;       // "-" made empty
  std::string diameter;    // the second text's field as written: the balloon's diameter
  long long widthMode = 0; // integer part
  std::string lineLayer;
  std::string textLayer;
  double arrowLength = 0;  // paper millimetres; 0 draws a dot
  double arrowAngle = 0;   // degrees between the leader and a barb
};

// The fields of the parameter line. The leader style, width mode, arrow
// length and arrow angle must be numbers; a line cut short is a ToolError.
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
