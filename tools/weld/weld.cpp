#include "tools/weld/weld.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "exchange/exchange.h"
#include "exchange/geometry.h"
#include "exchange/params/weld.h"
#include "platform/numtext.h"
#include "tools/weld/keys.h"
#include "tools/weld/steps.h"

namespace weld {
namespace {

using exchange::Field;
using exchange::FieldLabel;
using exchange::Number;
using exchange::Point;

namespace param = paramfile::weld;

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

namespace {

// The parameter line's numbers and text type and the host's values, each
// checked as it is read, in the order the run reads them.
struct Request {
  std::vector<std::string> fields;
  double arrowLength = 0;
  double arrowAngle = 0;
  double kind = 0;
  double side = 0;
  double backContour = 0;
  double nearContour = 0;
  std::string textType;  // its record
  exchange::HostValues host;
  const std::string& f(param::Field n) const { return fields[n]; }
};

Request Read(const exchange::ToolInput& input) {
  Request r;
  r.fields = input.Fields();
  Field(r.fields, param::kFieldCount - 1);  // a record cut short fails before anything is read from it

  // Word 3 carries a number the host passes; it is not used, but must be one.
  exchange::IntegerField(exchange::Word(input.words, 3), "command-line word 3");
  r.arrowLength = Number(r.f(param::kArrowLength), FieldLabel("the arrow length", param::kArrowLength));
  r.arrowAngle = Number(r.f(param::kArrowAngle), FieldLabel("the arrow angle", param::kArrowAngle));
  r.kind = Number(r.f(param::kWeldKind), FieldLabel("the weld kind", param::kWeldKind));
  r.side = Number(r.f(param::kWeldSide), FieldLabel("the weld side", param::kWeldSide));
  r.backContour = Number(r.f(param::kBackContour), FieldLabel("the back contour", param::kBackContour));
  r.nearContour = Number(r.f(param::kNearContour), FieldLabel("the near contour", param::kNearContour));

  exchange::ToolStart start = exchange::StartTool(input.items, kKeys, r.fields);
  r.textType = start.textTypes[0].record;
  r.host = std::move(start.host);
  return r;
}

// The leader from the picked points: the arrow tip A, the far end F of the
// first segment and the junction C with the reference line.
struct Leader {
  Point A;
  Point F;
  Point C;
  bool bent = false;
};

Leader CheckLeader(const exchange::HostValues& host) {
  // A fifth point marks the leader with a bend; the points that are read
  // but not used must still be there and well formed.
  Leader l;
  l.bent = host.Given(5);
  l.A = host.At(1);
  const Point second = host.At(2);
  const Point third = host.At(3);
  host.At(4);
  if (l.bent) host.At(5);
  l.C = l.bent ? third : second;
  l.F = l.bent ? second : l.C;
  return l;
}

// The frame every drawing step reads: sizes, kind and sides, the prepared
// texts and the symbol axis placed right of the junction.
Frame Place(const Request& r, const Leader& l) {
  const exchange::TextSize& size = r.host.Text(r.f(param::kTextType));
  const double S = r.host.scale;
  Frame fr;
  fr.S = S;
  fr.W = size.width;
  fr.h = size.height;
  fr.Y = l.C.y;
  fr.Cx = l.C.x;
  fr.kind = r.kind;
  fr.side = r.side;
  fr.nearContour = r.nearContour;
  fr.backContour = r.backContour;
  fr.shift = StaggerShift(r.f(param::kStaggered) == "1", S);
  fr.texts = PrepareTexts({r.f(param::kBackDepth), r.f(param::kNearDepth), r.f(param::kBackLengthPitch),
                           r.f(param::kNearLengthPitch), r.f(param::kProcessCode), r.f(param::kNearFinish),
                           r.f(param::kBackFinish), r.f(param::kBackGrooveAngle),
                           r.f(param::kNearGrooveAngle), r.f(param::kNearRootGap), r.f(param::kBackRootGap)},
                          r.f(param::kFullWidth) == "1", size.width, size.spacing, S);
  const auto& width = fr.texts.width;

  // The symbol axis leaves room for the wider depth text left of it.
  const double backDepth = width[TextId::kBackDepth];
  const double nearDepth = width[TextId::kNearDepth];
  if (backDepth == 0 && nearDepth == 0) {
    fr.X = l.C.x + 10 * S;
  } else {
    fr.X = l.C.x + Larger(backDepth, nearDepth) + 6 * S;
  }
  fr.Lp = Larger(width[TextId::kBackLengthPitch], width[TextId::kNearLengthPitch]);
  fr.Xe = fr.X + 4 * S + fr.Lp;
  return fr;
}

// The symbol, its texts and marks, then the leader with its arrow.
Drawing Draw(const Request& r, const Leader& l, const Frame& fr) {
  Drawing d;
  DrawSymbols(fr, d);
  SideTexts(fr, d);
  if (r.f(param::kFieldWeld) == "1") FieldWeldFlag(fr, d);
  if (r.f(param::kAllAround) == "1") AllRoundCircle(fr, d);

  const Point& A = l.A;
  const Point& F = l.F;
  const Point& C = l.C;
  d.Geometry(1) = exchange::LineRecord(A.x, A.y, F.x, F.y);
  if (l.bent) d.Geometry(2) = exchange::LineRecord(F.x, F.y, C.x, C.y);
  d.Geometry(3) = exchange::LineRecord(C.x, C.y, fr.Xe, fr.Y);
  if (exchange::TextGiven(r.f(param::kProcessCode))) TailLines(fr, d);
  const exchange::ArrowBarbs barbs = exchange::LeaderBarbs(A, F, r.arrowAngle, r.arrowLength * fr.S);
  d.Geometry(19) = exchange::LineRecord(A.x, A.y, barbs.end1.x, barbs.end1.y);
  d.Geometry(20) = exchange::LineRecord(A.x, A.y, barbs.end2.x, barbs.end2.y);
  return d;
}

// The line group with its header, then the text group with its header.
exchange::Output Emit(const Request& r, const Drawing& d) {
  using exchange::StyleRecords;
  exchange::Output out;
  const StyleRecords style(r.host);
  out.Add(style.LayerGroup());
  out.Add(style.Layer(r.f(param::kLineLayer), FieldLabel("the line layer", param::kLineLayer)));
  out.Add(StyleRecords::SolidLineType());
  out.Add(StyleRecords::Colour(r.f(param::kLineColor), FieldLabel("the line colour", param::kLineColor)));
  for (const auto& slot : d.geometry) out.Add(slot);
  out.Add(style.Layer(r.f(param::kTextLayer), FieldLabel("the text layer", param::kTextLayer)));
  out.Add(r.textType);
  for (const auto& slot : d.text) out.Add(slot);
  return out;
}

}  // namespace

exchange::Output Compute(const exchange::ToolInput& input) {
  const Request request = Read(input);
  const Leader leader = CheckLeader(request.host);
  const Frame frame = Place(request, leader);
  return Emit(request, Draw(request, leader, frame));
}

}  // namespace weld
