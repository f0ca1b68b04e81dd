#include "tools/tolerance/tolerance.h"

#include <charconv>
#include <cmath>
#include <utility>

#include "exchange/params/tolerance.h"
#include "platform/numtext.h"
#include "tools/tolerance/keys.h"

namespace tolerance {
namespace {

using exchange::Field;
using exchange::FieldLabel;
using exchange::Number;
using exchange::ToolError;
namespace param = paramfile::tolerance;

// The parameter file holds the record and the table rows, at most this many
// lines in all.
constexpr std::size_t kParameterCapacity = 200;

bool IsNoTolerance(const std::string& fitClass) { return fitClass == "Z" || fitClass == "z"; }

std::string FieldName(std::size_t n) { return "field " + std::to_string(n) + " of the parameter line"; }

double NumberField(const std::vector<std::string>& f, param::Field n, const char* what) {
  return Number(Field(f, n), std::string(what) + " (" + FieldName(n) + ")");
}

}  // namespace

Params ReadParams(const std::vector<std::string>& f) {
  if (f.size() < param::kFieldCount)
    throw ToolError("the parameter line has " + std::to_string(f.size()) + " fields; it needs " +
                    std::to_string(param::kFieldCount));
  Params p;
  p.lineColor = f[param::kLineColor];
  p.textType = f[param::kTextType];
  p.toleranceTextType = f[param::kToleranceTextType];
  p.fullWidth = NumberField(f, param::kFullWidth, "the full-width flag");
  const std::string& prefix = f[param::kValuePrefix];
  p.valuePrefix = (prefix == "N" || prefix == "n") ? std::string() : prefix;
  p.extensionGap = NumberField(f, param::kExtensionGap, "the extension-line gap");
  p.extensionOvershoot = NumberField(f, param::kExtensionOvershoot, "the extension-line overshoot");
  p.arrowLength = NumberField(f, param::kArrowLength, "the arrow length");
  p.textOffset = NumberField(f, param::kTextOffset, "the text offset");
  p.arrowAngle = NumberField(f, param::kArrowAngle, "the arrow angle");
  const double decimals = platform::RoundHalfEven(NumberField(f, param::kDecimals, "the number of decimals"));
  if (decimals < 0) throw ToolError("the number of decimals \"" + f[param::kDecimals] + "\" is negative");
  p.decimals = platform::IntPart(decimals);
  NumberField(f, param::kReserved2, "the reserved field");
  p.outsideOffset = NumberField(f, param::kOutsideOffset, "the outside offset");
  p.fitClass = f[param::kFitClass];
  const long long dot = platform::IntPart(NumberField(f, param::kDotArrow, "the dot flag"));
  if (dot < -32768 || dot > 32767)
    throw ToolError("the dot flag \"" + f[param::kDotArrow] + "\" is out of range");
  p.dotArrow = static_cast<int>(dot);
  p.ownTolerance = NumberField(f, param::kOwnTolerance, "the own-tolerance flag");
  p.lineLayer = f[param::kLineLayer];
  p.textLayer = f[param::kTextLayer];
  p.upperDeviation = f[param::kUpperDeviation];
  p.lowerDeviation = f[param::kLowerDeviation];
  // A note typed with blanks arrives as several fields: it is all of them.
  std::string quoted = f[param::kQuotedText];
  for (std::size_t i = param::kQuotedText + 1; i < f.size(); ++i) quoted += " " + f[i];
  p.quotedText = quoted == param::kNotGiven ? std::string() : quoted;
  return p;
}

double RoundToDecimals(double v, long long decimals) {
  // Every double is an exact binary fraction of at most 1074 binary places,
  // so beyond that many decimals nothing is left to round.
  if (!std::isfinite(v) || decimals >= 1100) return v;
  // The fixed form of the exact stored value, rounded once at the last
  // decimal with an exact half to the even digit, then read back.
  std::string buf(1500, '\0');
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed,
                           static_cast<int>(decimals));
  if (res.ec != std::errc()) throw ToolError("the length cannot be rounded to " + std::to_string(decimals) + " decimals");
  double out = 0;
  std::from_chars(buf.data(), res.ptr, out);
  return out;
}

std::vector<std::string> LookUpRow(const std::vector<std::string>& rows, double v) {
  auto bound = [](const std::vector<std::string>& row, const std::string& text) {
    if (row.size() < 2) throw ToolError("the tolerance-table row \"" + text + "\" has no size bound");
    return Number(row[1], "the size bound of the tolerance-table row \"" + text + "\"");
  };
  // Each row opens the size range of the next one: a value above the bound
  // of one row and at most the bound of the next belongs to the next.
  for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
    const auto lower = exchange::Split(rows[i], "/");
    const auto upper = exchange::Split(rows[i + 1], "/");
    if (bound(lower, rows[i]) < v && v <= bound(upper, rows[i + 1])) {
      if (upper.size() < 4)
        throw ToolError("the tolerance-table row \"" + rows[i + 1] + "\" lacks its deviations");
      return upper;
    }
  }
  throw ToolError("no tolerance-table row in the parameter file covers the size " + exchange::Num(v));
}

Tolerance ChooseTolerance(const Params& p, const std::vector<std::string>& rows, double value) {
  Tolerance t;
  if (p.ownTolerance == 1) {
    t.single = p.upperDeviation == param::kNotGiven;
    if (!t.single) t.upper = p.upperDeviation;
    if (p.lowerDeviation != param::kNotGiven) t.lower = p.lowerDeviation;
  } else if (IsNoTolerance(p.fitClass)) {
    t.none = true;
  } else {
    const auto row = LookUpRow(rows, value);
    // A fit marked "*" is in the table for its deviations only.
    if (row[0].rfind('*', 0) != 0) t.fit = row[0];
    // A single blank for the upper deviation: the lower one is a symmetric
    // value (such as "±0.01") that stands alone.
    t.single = row[2] == " ";
    if (!t.single) t.upper = row[2];
    t.lower = row[3];
  }
  return t;
}

namespace {

struct Run {
  Params p;
  Metrics m;
  std::vector<std::string> rows;
  exchange::HostValues host;
  // The layer group, layer, colour and text type records.
  std::string group, lineLayer, colour, textLayer, toleranceTextType, textType;
};

// The records before the dimension's own lines.
void AddHeader(const Run& run, exchange::Output& out) {
  out.Add(run.group);
  out.Add(run.lineLayer);
  out.Add(exchange::StyleRecords::SolidLineType());
  out.Add(run.colour);
}

// The text layer, then the deviations in their own text type (left out
// when the fit class asks for no tolerance), then the value's text type.
void AddDeviations(const Run& run, const exchange::Slot& upper, const exchange::Slot& lower,
                   exchange::Output& out) {
  out.Add(run.textLayer);
  out.Add(run.toleranceTextType);
  if (!IsNoTolerance(run.p.fitClass)) {
    out.Add(upper);
    out.Add(lower);
  }
  out.Add(run.textType);
}

// The record order of the linear and the aligned kind. With fit class "Z"
// the dimension line moves behind a "msg" line just before the value text;
// with "Z" or "z" the deviation and fit records are left out altogether.
void AddLinearOrder(const Run& run, const DimensionLines& lines, const LinearTexts& texts,
                    exchange::Output& out) {
  const bool figure = run.p.fitClass == "Z";
  AddHeader(run, out);
  out.AddAll({lines.lines.begin(), lines.lines.end()});
  if (!figure) out.Add(lines.dimension);
  AddDeviations(run, texts.upper, texts.lower, out);
  if (!IsNoTolerance(run.p.fitClass)) out.Add(texts.fit);
  out.Add(texts.prefix);
  if (figure) {
    out.Add("msg");
    out.Add(lines.dimension);
  } else {
    out.Add(exchange::Slot());
  }
  out.Add(texts.value);
}

// The length rounded to the decimals, and its number text.
struct MeasuredValue {
  double rounded;
  std::string text;
};
MeasuredValue Measured(double length, const Params& p) {
  const double rounded = RoundToDecimals(length, p.decimals);
  return {rounded, exchange::Num(rounded)};
}

exchange::Output Linear(const Run& run, LinearPick pick, double axis) {
  pick.horizontal = axis == 2 || pick.p1.y == pick.p2.y;
  // The points in measuring order, so that the value is never negative.
  if (pick.horizontal ? pick.p2.x < pick.p1.x : pick.p2.y < pick.p1.y) std::swap(pick.p1, pick.p2);
  pick.L = pick.horizontal ? pick.p2.x - pick.p1.x : pick.p2.y - pick.p1.y;
  const MeasuredValue value = Measured(pick.L, run.p);
  pick.M = value.rounded;

  // Widths first: they decide where the arrows and the text go, and the
  // decision may move point 4 before the texts and lines are placed.
  TextGroup g;
  g.tol = ChooseTolerance(run.p, run.rows, Number(value.text, "the measured value"));
  LinearValueText(value.text, run.p, run.m, g);
  GroupWidths(run.m, g);
  const ArrowMode mode = DecideLinearLayout(pick, g.T, run.p, run.m.S);
  const LinearTexts texts = PlaceLinearTexts(pick, g, run.m, run.p);
  const DimensionLines lines = LinearLines(pick, mode, g.T, run.p, run.m.S);

  exchange::Output out;
  AddLinearOrder(run, lines, texts, out);
  return out;
}

exchange::Output Aligned(const Run& run, const exchange::Point& p1, const exchange::Point& p2,
                         const exchange::Point& p3) {
  const double dx = p2.x - p1.x;
  const double dy = p2.y - p1.y;
  const MeasuredValue value = Measured(std::sqrt(dx * dx + dy * dy), run.p);
  // The aligned dimension draws its value alone: no deviations are looked up.
  TextGroup g;
  LinearValueText(value.text, run.p, run.m, g);
  const AlignedDrawing drawing = DrawAligned(p1, p2, p3, g, run.p, run.m.S);
  LinearTexts texts;
  texts.value = drawing.valueRecord;

  exchange::Output out;
  AddLinearOrder(run, drawing.lines, texts, out);
  return out;
}

exchange::Output Diameter(const Run& run, const std::vector<exchange::Circle>& circles,
                          const exchange::Point& p1, const exchange::Point& p2, const exchange::Point& p4) {
  if (circles.empty()) throw ToolError("no circle was selected, so there is no diameter to measure");
  // The last circle selected is the one measured; the others only count.
  const double r = circles.back().r;
  const MeasuredValue value = Measured(2 * r, run.p);
  const std::string count =
      circles.size() == 1 ? std::string() : exchange::Num(static_cast<double>(circles.size())) + "-";

  TextGroup g;
  g.tol = ChooseTolerance(run.p, run.rows, Number(value.text, "the measured value"));
  DiameterValueText(count, value.text, run.p, run.m, g);
  QuotedText(run.p, run.m, g);
  GroupWidths(run.m, g);
  const DiameterDrawing d = DrawDiameter(p1, r, p2, p4, g, run.m, run.p);

  exchange::Output out;
  AddHeader(run, out);
  out.Add(d.leader);
  out.Add(d.barb1);
  out.Add(d.barb2);
  out.Add(d.shoulder);
  AddDeviations(run, d.upper, d.lower, out);
  out.Add(d.quoted);
  out.Add(d.value);
  if (!IsNoTolerance(run.p.fitClass)) out.Add(d.fit);
  return out;
}

}  // namespace

exchange::Output Compute(const exchange::ToolInput& input) {
  using exchange::Word;
  if (input.words.size() < 6)
    throw exchange::CommandLineError("the command line has " + std::to_string(input.words.size()) +
                                     " words; the tool needs six");
  if (input.parameterLines.size() > kParameterCapacity)
    throw ToolError("the parameter file holds more than " + std::to_string(kParameterCapacity) + " lines");
  if (input.parameterLines.empty()) throw ToolError("the parameter file holds no parameter line");

  Run run;
  // The record is the first line, whole; every later line is one table row.
  const std::vector<std::string> fields = exchange::SplitWords(input.parameterLines.front());
  run.rows.assign(input.parameterLines.begin() + 1, input.parameterLines.end());
  run.p = ReadParams(fields);
  const long long kind = exchange::IntegerField(Word(input.words, 3), "the dimension kind (command-line word 3)");
  const double axis = Number(Word(input.words, 5), "the dimension axis (command-line word 5)");
  if (kind < 0 || kind > 2)
    throw ToolError("the dimension kind " + std::to_string(kind) + " is none of 0 (linear), 1 (diameter) and 2 (aligned)");

  using exchange::StyleRecords;
  // Its text types: the value's, then the tolerance's.
  exchange::ToolStart start = exchange::StartTool(input.items, kKeys, fields);
  run.textType = start.textTypes[0].record;
  run.toleranceTextType = start.textTypes[1].record;
  run.host = std::move(start.host);
  const exchange::TextSize& value = start.textTypes[0].size;
  const exchange::TextSize& deviation = start.textTypes[1].size;
  run.m = {value.width, value.spacing, value.height,
           deviation.width, deviation.spacing, deviation.height, run.host.scale};
  const StyleRecords style(run.host);
  run.group = style.LayerGroup();
  run.lineLayer = style.Layer(run.p.lineLayer, FieldLabel("the line layer", param::kLineLayer));
  run.colour = StyleRecords::Colour(run.p.lineColor, FieldLabel("the line colour", param::kLineColor));
  run.textLayer = style.Layer(run.p.textLayer, FieldLabel("the text layer", param::kTextLayer));

  std::vector<exchange::Circle> circles;
  if (kind == static_cast<long long>(Kind::kDiameter)) circles = exchange::Circles(input.items);

  LinearPick pick;
  pick.p1 = run.host.At(1);
  pick.p2 = run.host.At(2);
  pick.p3 = run.host.At(3);
  pick.p4 = run.host.At(4);

  switch (static_cast<Kind>(kind)) {
    case Kind::kLinear: return Linear(run, pick, axis);
    case Kind::kAligned: return Aligned(run, pick.p1, pick.p2, pick.p3);
    case Kind::kDiameter: return Diameter(run, circles, pick.p1, pick.p2, pick.p4);
  }
  return {};
}

}  // namespace tolerance
