// The texts of a welding symbol: their preparation and widths, the axis
// stacks of both sides, the depth and length-pitch texts beside the symbol,
// the process text and the tail.
#include "exchange/exchange.h"
#include "exchange/records.h"
#include "exchange/textwidth.h"
#include "platform/widths.h"
#include "tools/weld/steps.h"

namespace weld {
namespace {

// The far points of the texts' direction, all along +x. Each carries a blank
// on both sides; one more blank follows before the quote.
const char* const kBackDepthDirection = " 10000000000000 0 ";
const char* const kAxisDirection = " 1000000000000000 0 ";  // near depth and every axis text
const char* const kLongDirection = " 10000000000000000 0 ";  // length-pitch and process texts

std::string Text(double x, double y, const char* direction, const std::string& text) {
  return exchange::TextRecord(x, y, direction, text, 0, 1);
}

// How a text is measured.
enum class Measure {
  kLength,   // depth, length-pitch, groove angle: by its characters
  kFinish,   // one character, whatever the text
  kRootGap,  // one half-width character in mixed mode, by its characters in full width
  kNone,     // the process text
};

Measure MeasureOf(TextId id) {
  switch (id) {
    case TextId::kProcess: return Measure::kNone;
    case TextId::kNearFinish:
    case TextId::kBackFinish: return Measure::kFinish;
    case TextId::kNearRootGap:
    case TextId::kBackRootGap: return Measure::kRootGap;
    case TextId::kBackDepth:
    case TextId::kNearDepth:
    case TextId::kBackLengthPitch:
    case TextId::kNearLengthPitch:
    case TextId::kBackGrooveAngle:
    case TextId::kNearGrooveAngle: break;
  }
  return Measure::kLength;
}

double MixedModeWidth(const std::string& text, Measure how, double W, double D, double S) {
  switch (how) {
    case Measure::kLength: return exchange::MixedWidth(text, W, D, S, 2);
    case Measure::kFinish:
    case Measure::kRootGap: return S * W / 2;
    case Measure::kNone: break;
  }
  return 0;
}

double FullModeWidth(const std::string& text, Measure how, double W, double D, double S) {
  switch (how) {
    case Measure::kLength:
    case Measure::kRootGap: return exchange::FullWidth(text, W, D, S);
    case Measure::kFinish: return S * W;
    case Measure::kNone: break;
  }
  return 0;
}

// Text `id` centred on the axis `a`, at the height y.
void OnAxis(Drawing& d, const WeldTexts& t, TextId id, double a, double y) {
  d.Text(id) = Text(a - t.width[id] / 2, y, kAxisDirection, t.text[id]);
}

void CommonNearStack(const Frame& f, Drawing& d, double r) {
  const WeldTexts& t = f.texts;
  const double a = f.X + f.shift;
  const double h = f.h;
  const double S = f.S;
  double m = 0;
  if (!t.text[TextId::kNearRootGap].empty()) {
    OnAxis(d, t, TextId::kNearRootGap, a, f.Y - (h + r) * S);
    m = r + 2 * h;
  } else {
    m = r + h;
  }
  double c = 0;
  if (!t.text[TextId::kNearGrooveAngle].empty()) {
    OnAxis(d, t, TextId::kNearGrooveAngle, a, f.Y - m * S);
    c = m + 0.5;
  } else {
    c = m - h + 0.5;
  }
  Contour(f, d, Side::kNear, c);
  // Any contour code moves the finish one more millimetre away, drawn or not.
  const double y = f.nearContour == 0 ? f.Y - (c + h) * S : f.Y - (c + 1 + h) * S;
  OnAxis(d, t, TextId::kNearFinish, a, y);
}

void CommonBackStack(const Frame& f, Drawing& d, double r) {
  const WeldTexts& t = f.texts;
  const double a = f.X;
  const double h = f.h;
  const double S = f.S;
  double m = 0;
  if (!t.text[TextId::kBackRootGap].empty()) {
    OnAxis(d, t, TextId::kBackRootGap, a, f.Y + r * S);
    m = r + h;
  } else {
    m = r;
  }
  double c = 0;
  if (!t.text[TextId::kBackGrooveAngle].empty()) {
    OnAxis(d, t, TextId::kBackGrooveAngle, a, f.Y + m * S);
    c = m + h + 0.5;
  } else {
    c = m + 0.5;
  }
  Contour(f, d, Side::kBack, c);
  const double y = f.backContour == 0 ? f.Y + c * S : f.Y + (c + 1) * S;
  OnAxis(d, t, TextId::kBackFinish, a, y);
}

// Kind 4: all three texts, empty or not; the root-gap row always counts.
void VeeStack(const Frame& f, Drawing& d, Side side, double r) {
  const WeldTexts& t = f.texts;
  const double h = f.h;
  const double S = f.S;
  const bool near = side == Side::kNear;
  const TextId root = near ? TextId::kNearRootGap : TextId::kBackRootGap;
  const TextId groove = near ? TextId::kNearGrooveAngle : TextId::kBackGrooveAngle;
  const TextId finish = near ? TextId::kNearFinish : TextId::kBackFinish;
  const double a = near ? f.X + f.shift : f.X;
  const double m = t.text[groove].empty() ? h : 2 * h;
  if (near) {
    OnAxis(d, t, root, a, f.Y - (h + r) * S);
    OnAxis(d, t, groove, a, f.Y - (2 * h + r) * S);
  } else {
    OnAxis(d, t, root, a, f.Y + r * S);
    OnAxis(d, t, groove, a, f.Y + (h + r) * S);
  }
  Contour(f, d, side, m + r + 0.5);
  double y = 0;
  if (near) {
    y = f.nearContour == 0 ? f.Y - (m + r + h) * S : f.Y - (m + r + h + 1) * S;
  } else {
    y = f.backContour == 0 ? f.Y + (m + r) * S : f.Y + (m + r + 1) * S;
  }
  OnAxis(d, t, finish, a, y);
}

// Kind 10: its own contour, the finish starting at the axis, the root gap
// below or above it, never a groove angle.
void FilletStack(const Frame& f, Drawing& d, Side side) {
  const WeldTexts& t = f.texts;
  const double h = f.h;
  const double S = f.S;
  FilletContour(f, d, side);
  if (side == Side::kNear) {
    const double a = f.X + f.shift;
    d.Text(TextId::kNearFinish) = Text(a, f.Y - (h + 1.52) * S, kAxisDirection, t.text[TextId::kNearFinish]);
    OnAxis(d, t, TextId::kNearRootGap, a, f.Y - (2 * h + 1.5) * S);
  } else {
    d.Text(TextId::kBackFinish) = Text(f.X, f.Y + 1.52 * S, kAxisDirection, t.text[TextId::kBackFinish]);
    OnAxis(d, t, TextId::kBackRootGap, f.X, f.Y + (h + 1.5) * S);
  }
}

}  // namespace

WeldTexts PrepareTexts(const std::array<std::string, kTextCount>& fields, bool fullWidth, double W,
                       double D, double S) {
  WeldTexts t;
  for (std::size_t i = 0; i < kTextCount; ++i) {
    if (!exchange::TextGiven(fields[i])) continue;
    const auto id = static_cast<TextId>(i);
    if (fullWidth) {
      t.text[id] = platform::ToFullWidth(fields[i]);
      t.width[id] = FullModeWidth(t.text[id], MeasureOf(id), W, D, S);
    } else {
      t.text[id] = fields[i];
      t.width[id] = MixedModeWidth(t.text[id], MeasureOf(id), W, D, S);
    }
  }
  return t;
}

void AxisStack(const Frame& f, Drawing& d, Side side, Stack stack, double rise) {
  switch (stack) {
    case Stack::kCommon:
      if (side == Side::kNear) {
        CommonNearStack(f, d, rise);
      } else {
        CommonBackStack(f, d, rise);
      }
      break;
    case Stack::kVee: VeeStack(f, d, side, rise); break;
    case Stack::kFillet: FilletStack(f, d, side); break;
  }
}

void SideTexts(const Frame& f, Drawing& d) {
  const WeldTexts& t = f.texts;
  const double S = f.S;
  // The near depth text stays where it is when the near side is staggered.
  if (f.side == 1 || f.side == 3) {
    d.Text(TextId::kNearDepth) = Text(f.X - (t.width[TextId::kNearDepth] + d.leftGap * S), f.Y - f.h * S,
                                      kAxisDirection, t.text[TextId::kNearDepth]);
    d.Text(TextId::kNearLengthPitch) = Text(f.X + d.rightGap * S + f.shift, f.Y - f.h * S, kLongDirection,
                                            t.text[TextId::kNearLengthPitch]);
  }
  if (f.side == 2 || f.side == 3) {
    d.Text(TextId::kBackDepth) = Text(f.X - (t.width[TextId::kBackDepth] + d.leftGap * S), f.Y,
                                      kBackDepthDirection, t.text[TextId::kBackDepth]);
    d.Text(TextId::kBackLengthPitch) =
        Text(f.X + d.rightGap * S, f.Y, kLongDirection, t.text[TextId::kBackLengthPitch]);
  }
  d.Text(TextId::kProcess) = Text(f.X + (3.5 + 2 * f.W / 3) * S + f.Lp, f.Y - f.h * S / 2, kLongDirection,
                                  t.text[TextId::kProcess]);
}

void TailLines(const Frame& f, Drawing& d) {
  const double S = f.S;
  const double xt = f.X + 6 * S + f.Lp;
  d.Geometry(11) = exchange::LineRecord(f.Xe, f.Y, xt, f.Y + 2.5 * S);
  d.Geometry(12) = exchange::LineRecord(f.Xe, f.Y, xt, f.Y - 2.5 * S);
}

}  // namespace weld
