#include "tools/geomtol/geomtol.h"

#include <vector>

#include "exchange/geometry.h"
#include "exchange/params/geomtol.h"
#include "exchange/textwidth.h"
#include "tools/geomtol/keys.h"

namespace geomtol {
namespace {

using exchange::FieldLabel;
using exchange::LineRecord;
using exchange::Point;
using exchange::ToolError;
namespace param = paramfile::geomtol;

// The places of the text types in kKeys.textTypeFields.
enum TextTypePlace : std::size_t { kDatumType, kValueType, kLimitType };

// What the point items say of the leader beyond the points themselves.
struct LeaderMarks {
  bool leader = false;  // some point 1 came with the "-" mark
  int count = 0;        // C: from the last "-" item of points 2 to 5 in file order
};

// Every "-" point item of the tool's key set, in file order. Only the marks
// count here: an item without the host's run of blanks stops the run only
// when its point is read, so a point the drawing never uses cannot spoil it.
LeaderMarks ReadLeaderMarks(const exchange::ItemTable& table) {
  LeaderMarks marks;
  for (std::size_t i = 1; i <= table.Count(); ++i) {
    const std::string& item = table.items[i];
    for (const exchange::PointTest& test : kKeys.points) {
      if (!exchange::HasKey(item, test.key)) continue;
      if (test.key.back() != '-') continue;
      if (test.point == 1) {
        marks.leader = true;
      } else {
        marks.count = test.point - 1;
      }
    }
  }
  return marks;
}

// The points of either form. In the leader form the segments are made
// axis-parallel and the frame's reference point is the leader's end; in the
// direct form a picked line that is exactly vertical or horizontal turns a
// direction word other than "0" into "Y" or "X".
Picks ReadPicks(const exchange::HostValues& host, const LeaderMarks& marks, std::string& direction) {
  Picks p;
  p.count = marks.count;
  p.p1 = host.At(1);
  p.p2 = host.At(2);
  if (!marks.leader) {
    p.count = 0;
    p.p3 = host.At(3);
    if (direction != "0") {
      const bool sameX = p.p1.x == p.p2.x;
      const bool sameY = p.p1.y == p.p2.y;
      if (sameX && !sameY) direction = "Y";
      if (!sameX && sameY) direction = "X";
    }
    return p;
  }
  if (p.count == 1) {
    p.p2.y = p.p1.y;  // one horizontal segment
    p.anchor = {p.p2.x, p.p1.y};
  } else if (p.count == 2) {
    p.p3 = host.At(3);
    p.p2.x = p.p1.x;  // vertical, then horizontal
    p.p3.y = p.p2.y;
    p.anchor = {p.p3.x, p.p2.y};
  } else {
    p.p3 = host.At(3);
    p.x4 = host.XAt(4);  // of the leader's last point only x is used
    p.p2.y = p.p1.y;  // horizontal, vertical, horizontal
    p.p3.x = p.p2.x;
    p.anchor = {p.x4, p.p3.y};
  }
  return p;
}

std::string Converted(const std::string& text, bool fullWidth) {
  return exchange::InWidth(text, fullWidth ? exchange::Width::kFull : exchange::Width::kHalf);
}

}  // namespace

void DrawLeader(const Picks& picks, double arrowLength, double arrowAngle, double S, Drawing& d) {
  const Point& p1 = picks.p1;
  const Point& p2 = picks.p2;
  const Point& p3 = picks.p3;
  d.lines[kL1] = LineRecord(p1.x, p1.y, p2.x, p2.y);
  if (picks.count != 1) d.lines[kL2] = LineRecord(p2.x, p2.y, p3.x, p3.y);
  if (picks.count != 1 && picks.count != 2)
    d.lines[kL3] = LineRecord(p3.x, p3.y, picks.anchor.x, picks.anchor.y);

  using exchange::Axis;
  const exchange::BarbOffsets o = exchange::AxisBarbOffsets(arrowLength * S, arrowAngle);
  auto barbs = [&](Axis toward) {
    const exchange::ArrowBarbs b = exchange::AxisBarbs(p1, toward, o.along, o.across);
    d.lines[kA1] = LineRecord(p1.x, p1.y, b.end1.x, b.end1.y);
    d.lines[kA2] = LineRecord(p1.x, p1.y, b.end2.x, b.end2.y);
  };
  if (picks.count == 2) {
    // The first segment is vertical: the barbs open toward the second point;
    // a second point level with the first gives no arrow.
    if (p2.y > p1.y) {
      barbs(Axis::kPlusY);
    } else if (p2.y < p1.y) {
      barbs(Axis::kMinusY);
    }
    return;
  }
  // The first segment is horizontal (one or three segments): the barbs open
  // toward the second point's side.
  barbs(p2.x < p1.x ? Axis::kMinusX : Axis::kPlusX);
}

namespace {

// The parameter line's numbers, the host's values, the leader's marks and
// the header records, each checked as it is read, in the order the run
// reads them.
struct Request {
  std::string direction;  // command-line word 1
  std::array<std::string, param::kFieldCount> f;
  double arrowLength = 0;
  double arrowAngle = 0;
  exchange::ToolStart start;
  LeaderMarks marks;
  exchange::LineAndTextRecords header;
};

// The request, read and checked before any point is.
Request Read(const exchange::ToolInput& input) {
  Request r;
  r.direction = exchange::Word(input.words, 1);
  const std::vector<std::string> fields = input.Fields();
  r.f = exchange::FirstFields<param::kFieldCount>(fields);
  const auto& f = r.f;
  r.arrowLength = exchange::Number(f[param::kArrowLength], FieldLabel("the arrow length", param::kArrowLength));
  r.arrowAngle = exchange::Number(f[param::kArrowAngle], FieldLabel("the arrow angle", param::kArrowAngle));
  r.start = exchange::StartTool(input.items, kKeys, fields);
  r.marks = ReadLeaderMarks(input.items);
  r.header = exchange::ReadLineAndTextRecords(r.start.host, fields,
                                              {param::kLineLayer, param::kLineColor, param::kTextLayer});
  return r;
}

// What the drawing is placed from: the picks, the direction they leave,
// the converted texts and the host's sizes of their text types.
struct Placement {
  std::string direction;
  Picks picks;
  Texts texts;
  TextSizes sizes;
};

// The picks first, so that a missing point fails before the full-width field.
Placement Place(const Request& r) {
  const auto& f = r.f;
  const exchange::HostValues& host = r.start.host;
  Placement pl;
  pl.direction = r.direction;
  pl.picks = ReadPicks(host, r.marks, pl.direction);

  Texts& texts = pl.texts;
  texts.fullWidth = exchange::IntegerField(f[param::kFullWidth],
                                           FieldLabel("the full-width field", param::kFullWidth)) == 1;
  texts.datum = Converted(f[param::kDatumLetter], texts.fullWidth);
  texts.value = Converted(f[param::kToleranceValue], texts.fullWidth);
  texts.upper = Converted(f[param::kUpperLimit], texts.fullWidth);
  texts.lower = Converted(f[param::kLowerLimit], texts.fullWidth);
  texts.limits = f[param::kValueForm] == "2";

  const std::vector<exchange::ToolTextType>& types = r.start.textTypes;
  pl.sizes.datumWidth = types[kDatumType].size.width;
  pl.sizes.datumHeight = types[kDatumType].size.height;
  pl.sizes.valueHeight = types[kValueType].size.height;
  pl.sizes.limitHeight = types[kLimitType].size.height;
  return pl;
}

// Whether the placed direction asks for a datum indicator rather than a
// tolerance frame.
bool IsDatumIndicator(const Placement& pl) { return pl.direction == "X" || pl.direction == "Y"; }

// The datum indicator, or the tolerance frame with its symbol and leader.
Drawing Draw(const Request& r, const Placement& pl) {
  const double S = r.start.host.scale;
  Drawing d;
  if (IsDatumIndicator(pl)) {
    // A one-segment leader reads no third point, and the box stands on it.
    if (r.marks.leader && pl.picks.count == 1)
      throw ToolError("a one-segment leader gives no third point, which the datum indicator needs for its box");
    DrawDatumIndicator(pl.direction[0], pl.picks, S, pl.sizes, pl.texts, d);
  } else {
    // Without a leader the frame would have no place to hang from.
    if (!r.marks.leader)
      throw ToolError("the tolerance frame needs a leader: point 1 was not picked with the \"-\" mark");
    const Point anchor = DrawToleranceFrame(pl.picks, S, pl.sizes, pl.texts, d);
    DrawSymbol(r.f[param::kCharacteristic], anchor, S, d);
    DrawLeader(pl.picks, r.arrowLength, r.arrowAngle, S, d);
  }
  return d;
}

// The line group with its header and, for a datum indicator, the filled
// triangle; then the text group, each text after its text type.
exchange::Output Emit(const Request& r, bool datumIndicator, const Drawing& d) {
  using exchange::StyleRecords;
  const std::vector<exchange::ToolTextType>& types = r.start.textTypes;
  exchange::Output out;
  out.Add(StyleRecords(r.start.host).LayerGroup());
  out.Add(r.header.lineLayer);
  out.Add(StyleRecords::SolidLineType());
  out.Add(r.header.colour);
  for (std::size_t i = kL1; i <= kB3; ++i) out.Add(d.lines[i]);
  if (datumIndicator) {
    // The lines after the triangle carry no colour record of their own.
    out.Add(StyleRecords::SolidFillColour());
    out.Add(d.solid);
  }
  for (std::size_t i = kB4; i < kLineSlots; ++i) out.Add(d.lines[i]);
  out.Add(r.header.textLayer);
  out.Add(types[kDatumType].record);
  out.Add(d.datumText);
  out.Add(types[kValueType].record);
  out.Add(d.valueText);
  out.Add(types[kLimitType].record);
  out.Add(d.upperText);
  out.Add(d.lowerText);
  return out;
}

}  // namespace

exchange::Output Compute(const exchange::ToolInput& input) {
  const Request request = Read(input);
  const Placement placement = Place(request);
  return Emit(request, IsDatumIndicator(placement), Draw(request, placement));
}

}  // namespace geomtol
