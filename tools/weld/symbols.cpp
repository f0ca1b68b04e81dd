// The weld symbols of the thirteen kinds, drawn on the reference line.
#include <array>
#include <vector>

#include "exchange/records.h"
#include "tools/weld/steps.h"

namespace weld {
namespace {

// One record of a symbol in paper millimetres about the axis, as it is drawn
// on the near side (b < 0 below the line). The back side is its reflection
// in the reference line; its arc angles are given with it, as they are not
// all the negated near ones.
struct Mark {
  bool arc;
  double a1, b1;  // a line's start, or an arc's centre
  double a2, b2;  // a line's end
  double r;
  double nearStart, nearEnd, backStart, backEnd;
};

constexpr Mark Line(double a1, double b1, double a2, double b2) {
  return {false, a1, b1, a2, b2, 0, 0, 0, 0, 0};
}
constexpr Mark Arc(double a, double b, double r, double nearStart, double nearEnd, double backStart,
                   double backEnd) {
  return {true, a, b, 0, 0, r, nearStart, nearEnd, backStart, backEnd};
}

struct KindShape {
  std::vector<Mark> marks;  // into slots 4, 5, 8 (near) or 6, 7, 9 (back)
  double rise;              // paper mm; ignored when riseHalfHeight
  bool riseHalfHeight;      // the rise is half the character height
  double leftGap;
  double rightGap;
  Stack stack;
};

const std::array<KindShape, 13>& Shapes() {
  static const std::array<KindShape, 13> kShapes = {{
      // 1 両フランジ形溶接
      {{Arc(-3.25, -3, 3, 0, 90, -90, 0), Arc(3.25, -3, 3, 90, 180, 180, 270)},
       3, false, 3.5, 3.5, Stack::kCommon},
      // 2 片フランジ形溶接
      {{Line(-1.75, -3, -1.75, 0), Arc(1.75, -3, 3, 90, 180, 180, 270)}, 3, false, 2.25, 2.25, Stack::kCommon},
      // 3 I形溶接
      {{Line(-1.5, 0, -1.5, -3), Line(1.5, 0, 1.5, -3)}, 3, false, 2, 2, Stack::kCommon},
      // 4 V形溶接: the rise of half a character puts the root gap inside the V
      {{Line(-3, -3, 0, 0), Line(3, -3, 0, 0)}, 0, true, 3.5, 3.5, Stack::kVee},
      // 5 レ溶接
      {{Line(-1.5, 0, -1.5, -3), Line(-1.5, 0, 1.5, -3)}, 3, false, 2, 2, Stack::kCommon},
      // 6 J形溶接
      {{Arc(-1.5, -3.5, 3, 0, 90, -90, 0), Line(-1.5, -3.5, -1.5, 0)}, 3.5, false, 2, 2, Stack::kCommon},
      // 7 Ｕ形溶接
      {{Arc(0, -3.5, 3, 0, 180, -180, 0), Line(0, -0.5, 0, 0)}, 0, true, 2, 2, Stack::kCommon},
      // 8 フレアＶ形溶接
      {{Arc(-3.25, 0, 3, -90, 0, 0, 90), Arc(3.25, 0, 3, 180, 270, 90, 180)}, 3, false, 3.5, 3.5, Stack::kCommon},
      // 9 片フレアＶ形溶接
      {{Line(-1.75, -3, -1.75, 0), Arc(1.75, 0, 3, 180, 270, 90, 180)}, 3, false, 2.25, 2.25, Stack::kCommon},
      // 10 隅肉溶接: the only kind whose gaps differ
      {{Line(-1.5, 0, -1.5, -3), Line(-1.5, -3, 1.5, 0)}, 3, false, 2, 3, Stack::kFillet},
      // 11 プラグ・スロット溶接
      {{Line(-2, -3, 2, -3), Line(-2, -3, -2, 0), Line(2, -3, 2, 0)}, 3, false, 2.5, 2.5, Stack::kCommon},
      // 12 ビード・肉盛溶接
      {{Arc(-1.5, 0.625, 1.625, -157.381, -22.62, 22.62, 157.381),
        Arc(1.5, 0.625, 1.625, -157.381, -22.62, 22.62, 157.381)},
       1.5, false, 3.5, 3.5, Stack::kCommon},
      // 13 スポット溶接: the mark itself stands across the line (SpotMark)
      {{}, 3.5, false, 3.5, 3.5, Stack::kCommon},
  }};
  return kShapes;
}

// The record of a mark on a side whose axis is `axis` (the shifted one on
// the near side): points (axis + a S, Y + b S), b reflected on the back side.
std::string MarkRecord(const Mark& m, Side side, double axis, double Y, double S) {
  const bool near = side == Side::kNear;
  const double b1 = near ? m.b1 : -m.b1;
  const double b2 = near ? m.b2 : -m.b2;
  if (m.arc) {
    return exchange::ArcRecord(axis + m.a1 * S, Y + b1 * S, m.r * S, near ? m.nearStart : m.backStart,
                               near ? m.nearEnd : m.backEnd);
  }
  return exchange::LineRecord(axis + m.a1 * S, Y + b1 * S, axis + m.a2 * S, Y + b2 * S);
}

// The spot mark of kind 13 across the reference line, never shifted: its two
// diagonals and the vertical stroke.
void SpotMark(const Frame& f, Drawing& d) {
  static const Mark kStrokes[] = {Line(-3, 3, 3, -3), Line(-3, -3, 3, 3), Line(0, 3.5, 0, -3.5)};
  static const int kSlots[] = {4, 5, 8};
  for (int i = 0; i < 3; ++i) d.Geometry(kSlots[i]) = MarkRecord(kStrokes[i], Side::kNear, f.X, f.Y, f.S);
  d.leftGap = 3.5;
  d.rightGap = 3.5;
}

void DrawSide(const Frame& f, Drawing& d, const KindShape& shape, Side side) {
  const bool near = side == Side::kNear;
  static const int kNearSlots[] = {4, 5, 8};
  static const int kBackSlots[] = {6, 7, 9};
  const double axis = near ? f.X + f.shift : f.X;
  for (std::size_t i = 0; i < shape.marks.size(); ++i)
    d.Geometry(near ? kNearSlots[i] : kBackSlots[i]) = MarkRecord(shape.marks[i], side, axis, f.Y, f.S);
  AxisStack(f, d, side, shape.stack, d.rise);
  d.leftGap = shape.leftGap;
  d.rightGap = shape.rightGap;
}

}  // namespace

int KindNumber(double kind) {
  for (int k = 1; k <= 13; ++k)
    if (kind == k) return k;
  return 0;
}

void DrawSymbols(const Frame& f, Drawing& d) {
  const int k = KindNumber(f.kind);
  if (k == 13) SpotMark(f, d);
  if (k == 0) return;  // an unknown kind draws nothing and leaves its values at 0
  const KindShape& shape = Shapes()[static_cast<std::size_t>(k - 1)];
  const double rise = shape.riseHalfHeight ? f.h / 2 : shape.rise;
  if (f.side != 2) {
    d.rise = rise;
    DrawSide(f, d, shape, Side::kNear);
  }
  if (f.side != 1) {
    d.rise = rise;
    DrawSide(f, d, shape, Side::kBack);
  }
}

}  // namespace weld
