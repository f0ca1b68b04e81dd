// The steps of one welding symbol, called by the frame in weld.cpp at
// fixed places: the symbols (symbols.cpp), the texts and the tail
// (texts.cpp), the contours, the field-weld flag and the all-round circle
// (marks.cpp). Each step fills fixed record slots of the drawing output.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "exchange/records.h"

namespace weld {

// The eleven texts of the parameter line, in the order of their text slots.
// Scoped, so that no place in the parameter line (whose names these repeat)
// can pick a text.
enum class TextId {
  kBackDepth,
  kNearDepth,
  kBackLengthPitch,
  kNearLengthPitch,
  kProcess,
  kNearFinish,
  kBackFinish,
  kBackGrooveAngle,
  kNearGrooveAngle,
  kNearRootGap,
  kBackRootGap,
};
inline constexpr std::size_t kTextCount = 11;

// The text slot (counted from 1) that holds a text.
constexpr int TextSlot(TextId id) { return static_cast<int>(id) + 1; }

// One value per text, reached by the text's id only.
template <typename T>
struct PerText {
  std::array<T, kTextCount> values{};

  T& operator[](TextId id) { return values[static_cast<std::size_t>(id)]; }
  const T& operator[](TextId id) const { return values[static_cast<std::size_t>(id)]; }
};

// The texts as they are written and their widths on the drawing (already
// times the group scale). "-" gives the empty text and the width 0; the
// process text is never measured.
struct WeldTexts {
  PerText<std::string> text;
  PerText<double> width;
};

// The texts from their parameter fields (given in TextId order): as typed
// in mixed mode, converted to full width in full-width mode, each measured
// by its own rule with the character width W and spacing D.
WeldTexts PrepareTexts(const std::array<std::string, kTextCount>& fields, bool fullWidth, double W,
                       double D, double S);

// The values every step reads, set once by the frame.
struct Frame {
  double X = 0;       // symbol axis
  double Y = 0;       // height of the reference line
  double Cx = 0;      // x of the junction of leader and reference line
  double S = 0;       // group scale
  double W = 0;       // character width of the text type
  double h = 0;       // character height of the text type
  double shift = 0;   // staggered shift of the near side, in drawing units
  double Lp = 0;      // width of the wider length-pitch text
  double Xe = 0;      // right end of the reference line
  double kind = 0;    // weld kind as read; only 1 to 13 draw
  // 1 near, 2 back, 3 both. Any other value draws the symbols and axis
  // stacks of both sides but the depth and length-pitch texts of neither;
  // the process text stands whatever the side.
  double side = 0;
  double nearContour = 0;
  double backContour = 0;
  WeldTexts texts;
};

enum class Side { kNear, kBack };

// The record slots of the output, numbered as they are written (geometry
// slots 1 to 20, text slots 1 to 11), and the per-kind values that the
// symbol step leaves for the text step. An unset slot is an empty line.
struct Drawing {
  std::array<exchange::Slot, 20> geometry;
  std::array<exchange::Slot, kTextCount> text;
  double rise = 0;      // where a side's axis stack begins, paper mm
  double leftGap = 0;   // axis to the end of a depth text, paper mm
  double rightGap = 0;  // axis to the start of a length-pitch text, paper mm

  exchange::Slot& Geometry(int n) { return geometry[static_cast<std::size_t>(n - 1)]; }
  exchange::Slot& Text(TextId id) { return text[static_cast<std::size_t>(TextSlot(id) - 1)]; }
};

// The shift of the near side of a staggered weld: 2 S to the nearest whole
// drawing unit, a half to the even one; 0 for a weld that is not staggered.
double StaggerShift(bool staggered, double S);

// The weld kind 1 to 13, or 0 for any other value.
int KindNumber(double kind);

// How a kind stacks its texts and contour along the axis.
enum class Stack { kCommon, kVee, kFillet };

// The spot mark of kind 13, then the symbol of each drawn side with its
// axis stack; sets the rise and the two gaps of the kind.
void DrawSymbols(const Frame& f, Drawing& d);

// The root-gap, groove-angle and finish texts of one side with its contour
// between them, starting `rise` paper mm from the reference line.
void AxisStack(const Frame& f, Drawing& d, Side side, Stack stack, double rise);

// Depth and length-pitch texts of the drawn sides and the process text.
void SideTexts(const Frame& f, Drawing& d);

// The two tail lines at the end of the reference line.
void TailLines(const Frame& f, Drawing& d);

// The contour of a side on the level line `level` paper mm from the
// reference line (kinds other than 10).
void Contour(const Frame& f, Drawing& d, Side side, double level);

// The contour along the slanted side of the fillet triangle (kind 10).
void FilletContour(const Frame& f, Drawing& d, Side side);

void FieldWeldFlag(const Frame& f, Drawing& d);
void AllRoundCircle(const Frame& f, Drawing& d);

}  // namespace weld
