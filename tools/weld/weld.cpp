#include "tools/weld/weld.h"

#include <cmath>
#include <string>
#include <vector>

#include "exchange/exchange.h"
#include "exchange/geometry.h"
#include "exchange/tools.h"
#include "platform/numtext.h"
#include "tools/weld/steps.h"

namespace weld {
namespace {

using exchange::Field;
using exchange::Number;
using exchange::Point;

// The parameter fields the tool reads, by their place in the record.
enum ParamField : std::size_t {
  kTextType = 0,
  kLineColor = 1,
  kWeldKind = 2,
  kBackDepthField = 3,
  kBackLengthPitchField = 4,
  kBackGrooveAngleField = 5,
  kBackFinishField = 6,
  kWeldSide = 7,
  kNearDepthField = 8,
  kNearLengthPitchField = 9,
  kNearGrooveAngleField = 10,
  kNearFinishField = 11,
  kProcessCode = 12,
  kAllAround = 13,
  kFieldWeld = 14,
  kStaggered = 15,
  kFullWidth = 16,
  kLineLayer = 17,
  kTextLayer = 18,
  kArrowLength = 19,
  kArrowAngle = 20,
  kBackRootGapField = 21,
  kNearRootGapField = 22,
  kBackContour = 23,
  kNearContour = 24,
  kFieldCount = 25
};

double Larger(double a, double b) { return a > b ? a : b; }

}  // namespace

double StaggerShift(bool staggered, double S) {
  if (!staggered) return 0;
  const double shift = platform::RoundHalfEven(2 * S);
  if (!std::isfinite(shift))
    throw exchange::ToolError("the staggered shift of the near side is too large for the drawing (scale " +
                              exchange::Num(S) + ")");
  return shift;
}

exchange::Output Compute(const exchange::ToolInput& input) {
  const std::vector<std::string> fields = input.Fields();
  Field(fields, kFieldCount - 1);  // a record cut short fails before anything is read from it
  auto f = [&](ParamField n) -> const std::string& { return fields[n]; };

  // Word 3 carries a number the host passes; it is not used, but must be one.
  exchange::IntegerField(exchange::Word(input.words, 3), "command-line word 3");
  const double arrowLength = Number(f(kArrowLength), "the arrow length (field 19)");
  const double arrowAngle = Number(f(kArrowAngle), "the arrow angle (field 20)");
  const double kind = Number(f(kWeldKind), "the weld kind (field 2)");
  const double side = Number(f(kWeldSide), "the weld side (field 7)");
  const double backContour = Number(f(kBackContour), "the back contour (field 23)");
  const double nearContour = Number(f(kNearContour), "the near contour (field 24)");

  using exchange::StyleRecords;
  // Text types are checked before the host's sizes are looked up by them.
  const std::string textType = StyleRecords::TextType(f(kTextType), "the text type (field 0)");
  const exchange::HostValues host = exchange::ReadToolHostValues(input.items, exchange::kWeldKeys, fields);
  const exchange::TextSize& size = host.Text(f(kTextType));
  const double S = host.scale;

  // A fifth point marks the leader with a bend; the points that are read
  // but not used must still be there and well formed.
  const bool bent = host.Given(5);
  const Point A = host.At(1);
  const Point second = host.At(2);
  const Point third = host.At(3);
  host.At(4);
  if (bent) host.At(5);
  const Point C = bent ? third : second;
  const Point F = bent ? second : C;  // far end of the first leader segment

  Frame fr;
  fr.S = S;
  fr.W = size.width;
  fr.h = size.height;
  fr.Y = C.y;
  fr.Cx = C.x;
  fr.kind = kind;
  fr.side = side;
  fr.nearContour = nearContour;
  fr.backContour = backContour;
  fr.shift = StaggerShift(f(kStaggered) == "1", S);
  fr.texts = PrepareTexts({f(kBackDepthField), f(kNearDepthField), f(kBackLengthPitchField),
                           f(kNearLengthPitchField), f(kProcessCode), f(kNearFinishField), f(kBackFinishField),
                           f(kBackGrooveAngleField), f(kNearGrooveAngleField), f(kNearRootGapField),
                           f(kBackRootGapField)},
                          f(kFullWidth) == "1", size.width, size.spacing, S);
  const auto& width = fr.texts.width;

  // The symbol axis leaves room for the wider depth text left of it.
  const double backDepth = width[kBackDepth];
  const double nearDepth = width[kNearDepth];
  if (backDepth == 0 && nearDepth == 0) {
    fr.X = C.x + 10 * S;
  } else {
    fr.X = C.x + Larger(backDepth, nearDepth) + 6 * S;
  }
  fr.Lp = Larger(width[kBackLengthPitch], width[kNearLengthPitch]);
  fr.Xe = fr.X + 4 * S + fr.Lp;

  Drawing d;
  DrawSymbols(fr, d);
  SideTexts(fr, d);
  if (f(kFieldWeld) == "1") FieldWeldFlag(fr, d);
  if (f(kAllAround) == "1") AllRoundCircle(fr, d);

  d.Geometry(1) = exchange::LineRecord(A.x, A.y, F.x, F.y);
  if (bent) d.Geometry(2) = exchange::LineRecord(F.x, F.y, C.x, C.y);
  d.Geometry(3) = exchange::LineRecord(C.x, C.y, fr.Xe, fr.Y);
  if (f(kProcessCode) != "-") TailLines(fr, d);
  const exchange::ArrowBarbs barbs = exchange::LeaderBarbs(A, F, arrowAngle, arrowLength * S);
  d.Geometry(19) = exchange::LineRecord(A.x, A.y, barbs.end1.x, barbs.end1.y);
  d.Geometry(20) = exchange::LineRecord(A.x, A.y, barbs.end2.x, barbs.end2.y);

  exchange::Output out;
  const StyleRecords style(host);
  out.Add(style.LayerGroup());
  out.Add(style.Layer(f(kLineLayer), "the line layer (field 17)"));
  out.Add(StyleRecords::SolidLineType());
  out.Add(StyleRecords::Colour(f(kLineColor), "the line colour (field 1)"));
  for (const auto& slot : d.geometry) out.Add(slot);
  out.Add(style.Layer(f(kTextLayer), "the text layer (field 18)"));
  out.Add(textType);
  for (const auto& slot : d.text) out.Add(slot);
  return out;
}

}  // namespace weld
