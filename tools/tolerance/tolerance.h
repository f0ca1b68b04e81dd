// The dimension-tolerance tool: one linear, aligned or diameter dimension
// with its value, deviations and fit symbol, from the parameter record the
// settings window wrote ("mokrav6.jyd", followed by the tolerance-table rows
// of the chosen fit class) and the points the user picked in the host.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "exchange/exchange.h"
#include "exchange/records.h"
#include "exchange/toolrun.h"

namespace tolerance {

// The dimension kinds, as command-line word 3 names them.
enum class Kind { kLinear = 0, kDiameter = 1, kAligned = 2 };

// The parameter record, each field converted as the drawing uses it.
struct Params {
  std::string textType;           // value, prefix, fit and note texts
  std::string lineColor;
  double fullWidth = 0;           // 1: the value text in full-width characters
  double extensionGap = 0;        // paper mm between a picked point and its extension line
  double extensionOvershoot = 0;  // paper mm the extension line runs past the dimension line
  double textOffset = 0;          // paper mm from the dimension line to the text baseline
  long long decimals = 0;         // decimal places of the measured value
  std::string valuePrefix;        // "Φ", another prefix, or empty ("N"/"n")
  double outsideOffset = 0;       // paper mm a text stands off when it does not fit
  std::string fitClass;           // "Z"/"z": no tolerance; "Z" also marks a dimension figure
  std::string toleranceTextType;  // the deviation texts
  std::string lineLayer;          // as written: "--" is the current layer
  std::string textLayer;
  double arrowLength = 0;         // paper mm
  double arrowAngle = 0;          // degrees, half the opening of the arrow
  int dotArrow = 0;               // 1: dots instead of arrows
  double ownTolerance = 0;        // 1: the user's own deviations
  std::string upperDeviation;     // "--": the lower one stands alone
  std::string lowerDeviation;
  std::string quotedText;         // the quoted note, empty when none
};

// The fields of the parameter record, converted in the order the record is
// read. Throws exchange::ToolError for a short record or a field that must be
// a number and is not.
Params ReadParams(const std::vector<std::string>& fields);

// Character width, spacing and height of the value text's type (W, D, H) and
// of the deviation texts' type (Wt, Dt, Ht), and the group scale S.
struct Metrics {
  double W = 0, D = 0, H = 0;
  double Wt = 0, Dt = 0, Ht = 0;
  double S = 0;
};

// The deviations and fit symbol of the dimension.
struct Tolerance {
  bool none = false;    // no deviation block at all ("Z"/"z" without own deviations)
  bool single = false;  // one symmetric value, drawn alone; `upper` is then empty
  std::string upper;
  std::string lower;
  std::string fit;      // empty when no fit symbol is drawn
};

// The length rounded to the given number of decimals, on the exact stored
// binary value, an exact half going to the even neighbour.
double RoundToDecimals(double v, long long decimals);

// The tolerance-table row for the measured value v: the first row, from the
// second on, whose bound is at least v while the row before it has a bound
// below v. Returns its fields. Throws exchange::ToolError when no row
// matches or a row read on the way is malformed.
std::vector<std::string> LookUpRow(const std::vector<std::string>& rows, double v);

// Where the deviations come from: the user's own, none, or the table row.
Tolerance ChooseTolerance(const Params& p, const std::vector<std::string>& rows, double value);

// The widths of the texts, on the drawing (times S).
double FitWidth(const std::string& fit, const Metrics& m);
double DeviationWidth(const Tolerance& tol, const Metrics& m);

// The texts of a dimension as drawn, with their widths.
struct TextGroup {
  std::string value;           // the value text as drawn
  bool prefixRecord = false;   // linear kind: the "Φ" stands as a record of its own
  Tolerance tol;
  std::string quoted;          // diameter kind
  double Vw = 0;               // value text
  double Pw = 0;               // "Φ" record of the linear kind
  double Fw = 0;               // fit symbol
  double Dw = 0;               // deviation block
  double T = 0;                // the whole group: prefix, value, fit, deviations
  double Qw = 0;               // the quoted note
};

// The value text and its widths in the linear and aligned kinds, and in the
// diameter kind (with the count of selected circles before it).
void LinearValueText(const std::string& value, const Params& p, const Metrics& m, TextGroup& g);
void DiameterValueText(const std::string& countPrefix, const std::string& value, const Params& p,
                       const Metrics& m, TextGroup& g);
// The quoted note of the diameter kind and its width.
void QuotedText(const Params& p, const Metrics& m, TextGroup& g);
// Fills the fit and deviation widths and T from g.tol and the widths above.
void GroupWidths(const Metrics& m, TextGroup& g);

// ---- Linear dimensions ----

// The two points ordered along the measuring axis, p3 (the dimension line's
// place) and p4 (the text's place), the length before rounding L and the
// measured value M after it.
struct LinearPick {
  bool horizontal = true;
  exchange::Point p1, p2, p3, p4;
  double L = 0;
  double M = 0;
};

enum class ArrowMode {
  kInside,       // arrows between the extension lines
  kOutsideBoth,  // the text fits between them, the arrows do not
  kShort,        // shorter than two arrows: the text goes beyond by one arrow length
};

// Decides where the arrows stand; may move point 4 beyond the nearer point
// when the text group does not fit between the two.
ArrowMode DecideLinearLayout(LinearPick& pick, double T, const Params& p, double S);

struct LinearTexts {
  exchange::Slot prefix, value, fit, upper, lower;
};
LinearTexts PlaceLinearTexts(const LinearPick& pick, const TextGroup& g, const Metrics& m,
                             const Params& p);

// Records 5 to 13 of the output (extension lines, arrows or dots, tails, the line to an
// outside text) and the dimension line.
struct DimensionLines {
  std::array<exchange::Slot, 9> lines;
  std::string dimension;
};
DimensionLines LinearLines(const LinearPick& pick, ArrowMode mode, double T, const Params& p, double S);

// ---- Aligned dimensions ----

// The dimension lines of a dimension parallel to p1 p2 through p3, and its
// value text (record of its own direction) placed with the width Vw.
struct AlignedDrawing {
  DimensionLines lines;
  std::string valueRecord;
};
AlignedDrawing DrawAligned(const exchange::Point& p1, const exchange::Point& p2, const exchange::Point& p3,
                           const TextGroup& g, const Params& p, double S);

// ---- Diameter dimensions ----

struct DiameterDrawing {
  std::string leader;
  exchange::Slot barb1, barb2;
  exchange::Slot shoulder;
  exchange::Slot upper, lower, quoted, value, fit;
};
// The diameter kind's texts on the shoulder at the leader's end p2.
void PlaceDiameterTexts(const exchange::Point& p2, double x4, const TextGroup& g, const Metrics& m,
                        const Params& p, DiameterDrawing& out);
// p1 the circle's centre, r its radius, p2 the leader's end, p4 the text's place.
DiameterDrawing DrawDiameter(const exchange::Point& p1, double r, const exchange::Point& p2,
                             const exchange::Point& p4, const TextGroup& g, const Metrics& m,
                             const Params& p);

// The whole run from the command-line words, the exchange items and the
// parameter file to the drawing output. Throws exchange::ToolError on every
// failure.
exchange::Output Compute(const exchange::ToolInput& input);

}  // namespace tolerance
