#include "tools/balloon/balloon.h"

#include <array>
#include <cmath>

#include "exchange/geometry.h"
#include "exchange/params/balloon.h"
#include "exchange/textwidth.h"
#include "tools/balloon/keys.h"

namespace balloon {
namespace {

using exchange::FieldLabel;
using exchange::Point;
using exchange::TextRecord;
namespace param = paramfile::balloon;

// The twelve record slots of the drawing output, in their written order.
enum SlotIndex : std::size_t {
  kGroup,
  kLineLayer,
  kLineType,
  kColour,
  kLeader,
  kBarb1,
  kBarb2,
  kUnderlineOrCircle,
  kTextLayer,
  kTextType,
  kText1,
  kText2,
  kSlotCount
};
using Slots = std::array<exchange::Slot, kSlotCount>;

// The direction literals of the texts. Each carries its own blanks; the
// texts to the right of point 2 and the balloon number have one blank more
// before theirs.
const char* const kRightUpper = " 100000000000000000 0 ";
const char* const kRightLower = " 1000000000000000 0 ";
const char* const kLeftUpper = " 1000000000000000 0 ";
const char* const kLeftLower = " 100000000000000 0 ";
const char* const kBalloonNumber = " 100000000000000000 0 ";

// The text as the width mode writes it: 1 in full width, 2 in half width,
// any other mode as typed.
std::string Converted(const std::string& text, long long widthMode) {
  if (widthMode == 1) return exchange::InWidth(text, exchange::Width::kFull);
  if (widthMode == 2) return exchange::InWidth(text, exchange::Width::kHalf);
  return text;
}

// The underline and the two lines of the note at the end of the leader.
// The note lies to the right of point 2 when x4 is beyond it, to the left
// when x4 is before it; with x4 on point 2 the note has no side and only the
// leader and the arrowhead are drawn.
void DrawNote(const Point& p2, double x4, const BalloonParams& p, const TextMetrics& m, double H,
              Slots& slots) {
  const MeasuredText t1 = MeasureNoteText(p.text1, p.widthMode, m);
  const MeasuredText t2 = MeasureNoteText(p.text2, p.widthMode, m);
  const double M = t1.width > t2.width ? t1.width : t2.width;
  const double lowerY = p2.y - m.S * H;
  if (p2.x < x4) {
    slots[kUnderlineOrCircle] = exchange::LineRecord(p2.x, p2.y, x4 + M, p2.y);
    slots[kText1] = TextRecord(x4, p2.y, kRightUpper, t1.text, 1);
    slots[kText2] = TextRecord(x4, lowerY, kRightLower, t2.text, 1);
  } else if (p2.x > x4) {
    // Both lines begin where the longer one must begin to end at x4.
    const double start = exchange::StartBefore(x4, M);
    slots[kUnderlineOrCircle] = exchange::LineRecord(start, p2.y, p2.x, p2.y);
    slots[kText1] = TextRecord(start, p2.y, kLeftUpper, t1.text);
    slots[kText2] = TextRecord(start, lowerY, kLeftLower, t2.text);
  }
}

// The balloon: a circle about point 2 of the diameter's integer part, the
// leader ending on the circle on the tip's side, the number centred on the
// circle's centre.
void DrawBalloon(const Point& p1, const Point& p2, const BalloonParams& p, const TextMetrics& m,
                 double H, Slots& slots) {
  const double diameter =
      std::floor(exchange::Number(p.diameter, FieldLabel("the balloon diameter", param::kText2)));
  const double R = m.S * diameter / 2;
  const double dx = p2.x - p1.x;
  const double dy = p2.y - p1.y;
  const double d = std::sqrt(dx * dx + dy * dy);
  if (d == 0)
    throw exchange::ToolError("the balloon's centre is the arrow tip, so the leader has no direction");
  const double ex = p2.x - R * dx / d;
  const double ey = p2.y - R * dy / d;
  slots[kLeader] = exchange::LineRecord(p1.x, p1.y, ex, ey);
  slots[kUnderlineOrCircle] = exchange::CircleRecord(p2.x, p2.y, R);
  const MeasuredText number = MeasureBalloonNumber(p.text1, p.widthMode, m);
  slots[kText1] =
      TextRecord(exchange::CentredStart(p2.x, number.width), p2.y - m.S * H / 2, kBalloonNumber,
                 number.text, 1);
}

// The arrowhead at the tip of the leader toward `towards`: two barbs of
// arrowLength x S, or the tip's point record when the arrow length is 0.
void DrawArrowhead(const Point& tip, const Point& towards, const BalloonParams& p, double S,
                   Slots& slots) {
  // The leader's direction is needed with the dot too: a leader whose two
  // ends coincide is no leader.
  const exchange::ArrowBarbs barbs = exchange::LeaderBarbs(tip, towards, p.arrowAngle, p.arrowLength * S);
  if (p.arrowLength == 0) {
    slots[kBarb1] = exchange::PointRecord(tip.x, tip.y);
    return;
  }
  slots[kBarb1] = exchange::LineRecord(tip.x, tip.y, barbs.end1.x, barbs.end1.y);
  slots[kBarb2] = exchange::LineRecord(tip.x, tip.y, barbs.end2.x, barbs.end2.y);
}

}  // namespace

BalloonParams ReadParams(const std::vector<std::string>& fields) {
  using exchange::Field;
  BalloonParams p;
  // The last field first: a short line fails before anything is converted.
  Field(fields, param::kFieldCount - 1);
  p.textType = Field(fields, param::kTextType);
  p.lineColor = Field(fields, param::kLineColor);
  p.style = exchange::IntegerField(Field(fields, param::kLeaderStyle),
                                   FieldLabel("the leader style", param::kLeaderStyle));
  p.text1 = exchange::TextField(Field(fields, param::kText1));
  // The second line's field carries the diameter when the style draws a balloon.
  p.diameter = Field(fields, param::kText2);
  p.text2 = exchange::TextField(p.diameter);
  p.widthMode = exchange::IntegerField(Field(fields, param::kWidthMode),
                                       FieldLabel("the width mode", param::kWidthMode));
  p.lineLayer = Field(fields, param::kLineLayer);
  p.textLayer = Field(fields, param::kTextLayer);
  p.arrowLength = exchange::Number(Field(fields, param::kArrowLength),
                                   FieldLabel("the arrow length", param::kArrowLength));
  p.arrowAngle =
      exchange::Number(Field(fields, param::kArrowAngle), FieldLabel("the arrow angle", param::kArrowAngle));
  return p;
}

MeasuredText MeasureNoteText(const std::string& text, long long widthMode, const TextMetrics& m) {
  std::string written = Converted(text, widthMode);
  double width = 0;
  if (widthMode == 1) {
    width = exchange::FullWidth(written, m.W, m.D, m.S);
  } else if (widthMode == 0 || widthMode == 2) {
    width = exchange::MixedWidth(written, m.W, m.D, m.S, 2);
  }
  return {std::move(written), width};
}

MeasuredText MeasureBalloonNumber(const std::string& text, long long widthMode, const TextMetrics& m) {
  // A half-width number is measured as one typed in half width, so it stays
  // centred in the circle.
  std::string written = Converted(text, widthMode);
  double width = 0;
  if (widthMode == 1) {
    width = exchange::FullWidth(written, m.W, m.D, m.S);
  } else if (widthMode == 0 || widthMode == 2) {
    // Each character counts as half a character width, with a whole
    // spacing between characters.
    width = exchange::HalfCharWidth(written, m.W, m.D, m.S);
  }
  return {std::move(written), width};
}

exchange::Output Compute(const exchange::ToolInput& input) {
  const std::vector<std::string> fields = input.Fields();
  const BalloonParams p = ReadParams(fields);

  using exchange::StyleRecords;
  const exchange::ToolStart start = exchange::StartTool(input.items, kKeys, fields);
  const exchange::HostValues& host = start.host;
  const exchange::TextSize& size = start.textTypes[0].size;
  const TextMetrics m{size.width, size.spacing, host.scale};
  const bool balloon = p.style == kBalloonStyle;

  const Point p1 = host.At(1);
  const Point p2 = host.At(2);
  double x4 = 0;
  if (!balloon) {
    // Point 3 places nothing, but the note needs it to be a point.
    host.At(3);
    x4 = host.At(4).x;
  }

  Slots slots;
  const StyleRecords style(host);
  slots[kGroup] = style.LayerGroup();
  slots[kLineLayer] = style.Layer(p.lineLayer, FieldLabel("the line layer", param::kLineLayer));
  slots[kLineType] = StyleRecords::SolidLineType();
  slots[kColour] = StyleRecords::Colour(p.lineColor, FieldLabel("the line colour", param::kLineColor));
  slots[kTextLayer] = style.Layer(p.textLayer, FieldLabel("the text layer", param::kTextLayer));
  slots[kTextType] = start.textTypes[0].record;

  if (balloon) {
    DrawBalloon(p1, p2, p, m, size.height, slots);
  } else {
    slots[kLeader] = exchange::LineRecord(p1.x, p1.y, p2.x, p2.y);
    DrawNote(p2, x4, p, m, size.height, slots);
  }
  DrawArrowhead(p1, p2, p, host.scale, slots);

  exchange::Output out;
  for (const exchange::Slot& slot : slots) out.Add(slot);
  return out;
}

}  // namespace balloon
