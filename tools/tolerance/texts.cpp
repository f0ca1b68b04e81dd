// The texts of a dimension: their widths and where each record stands.
#include <algorithm>

#include "exchange/textwidth.h"
#include "platform/cp932.h"
#include "platform/widths.h"
#include "tools/tolerance/tolerance.h"

namespace tolerance {
namespace {

using exchange::HalfWidthCount;
using exchange::TextRecord;
using platform::CharCount;

const char* const kPhi = "Φ";

long long Chars(const std::string& text) { return static_cast<long long>(CharCount(text)); }

// Where the text group stands against the two picked points: between them
// (also exactly on one of them), beyond point 2, or before point 1.
enum Case { kBetween = 0, kBeyond = 1, kBefore = 2 };

Case TextCase(double a1, double a2, double a4) {
  if (a4 > a2) return kBeyond;
  if (a4 < a1) return kBefore;
  return kBetween;
}

// The direction literals of the linear kind, by record and case. The host
// reads each far point only as a direction; the digits are kept as they are.
struct Literals {
  const char* prefix[3];
  const char* value[3];
  const char* fit[3];
  const char* upper[3];
  const char* lower[3];
  const char* single[3];
};

const Literals kHorizontal = {
    {" 1000000000000000000 0 ", " 100000000000000000 0 ", " 100000000000000000 0 "},
    {" 1000000000000000000 0 ", " 100000000000000000 0 ", " 100000000000000000 0 "},
    {" 10000000000000000 0 ", " 1000000000000000000 0 ", " 10000000000000000000 0 "},
    {" 100000000000000000000 0 ", " 1000000000000000000 0 ", " 100000000000000000000 0 "},
    {" 10000000000000000 0 ", " 1000000000000000000 0 ", " 10000000000000000 0 "},
    {" 100000000000000000 0 ", " 1000000000000000000 0 ", " 10000000000000000000 0  "},
};

const Literals kVertical = {
    {" 0 1000000000000000000 ", " 0 100000000000000000 ", " 0 100000000000000000 "},
    {" 0 1000000000000000000 ", " 0 100000000000000000 ", " 0 100000000000000000 "},
    {" 0 10000000000000000 ", " 0 1000000000000000000 ", " 0 10000000000000000000 "},
    {" 0 100000000000000000000 ", " 0 1000000000000000000 ", " 0 100000000000000000000 "},
    {" 0 10000000000000000 ", " 0 1000000000000000000 ", " 0 10000000000000000 "},
    {" 0 100000000000000000 ", " 0 100000000000000000 ", " 0 10000000000000000000 "},
};

}  // namespace

double FitWidth(const std::string& fit, const Metrics& m) {
  // An empty fit text takes no room, whatever made it empty.
  if (fit.empty()) return 0;
  return HalfWidthCount(Chars(fit), m.W, m.D, m.S);
}

double DeviationWidth(const Tolerance& tol, const Metrics& m) {
  if (tol.none || (tol.upper.empty() && tol.lower.empty())) return 0;
  const double S = m.S, Wt = m.Wt, Dt = m.Dt;
  const long long lower = Chars(tol.lower);
  const long long upper = Chars(tol.upper);
  if (tol.single || lower == upper) {
    // The first character is counted at full width: a sign or "±".
    const double n = static_cast<double>(lower);
    return S * (Wt + (n - 1) * Wt / 2 + (n - 1) * Dt / 2);
  }
  return HalfWidthCount(std::max(lower, upper), Wt, Dt, S);
}

void LinearValueText(const std::string& value, const Params& p, const Metrics& m, TextGroup& g) {
  const bool phi = p.valuePrefix == kPhi;
  const bool measured = phi || p.valuePrefix.empty();
  g.prefixRecord = phi;
  g.value = value;
  if (!measured) return;
  if (p.fullWidth == 1) {
    g.value = platform::ToFullWidth(value);
    g.Vw = exchange::FullWidth(g.value, m.W, m.D, m.S);
  } else if (p.fullWidth == 0) {
    g.Vw = HalfWidthCount(Chars(value), m.W, m.D, m.S);
  } else {
    return;
  }
  if (phi) g.Pw = m.S * m.W;
}

void DiameterValueText(const std::string& countPrefix, const std::string& value, const Params& p,
                       const Metrics& m, TextGroup& g) {
  const double S = m.S, W = m.W, D = m.D;
  if (p.fullWidth == 0 && p.valuePrefix == kPhi) {
    // The "Φ" is one full-width character among half-width ones.
    g.value = countPrefix + kPhi + value;
    const double n = static_cast<double>(Chars(countPrefix + value));
    g.Vw = S * (n * W / 2 + (n - 1) * D / 2 + W + D);
  } else if (p.fullWidth == 0) {
    g.value = countPrefix + p.valuePrefix + value;
    g.Vw = HalfWidthCount(Chars(g.value), W, D, S);
  } else if (p.fullWidth == 1) {
    g.value = platform::ToFullWidth(countPrefix + p.valuePrefix + value);
    g.Vw = exchange::FullWidth(g.value, W, D, S);
  } else {
    g.value = value;
  }
}

void QuotedText(const Params& p, const Metrics& m, TextGroup& g) {
  g.quoted = p.quotedText;
  if (g.quoted.empty()) return;
  if (p.fullWidth == 1) {
    g.quoted = platform::ToFullWidth(g.quoted);
    g.Qw = exchange::FullWidth(g.quoted, m.W, m.D, m.S);
  } else if (p.fullWidth == 0) {
    g.Qw = exchange::MixedWidth(g.quoted, m.W, m.D, m.S, 1);
  }
}

void GroupWidths(const Metrics& m, TextGroup& g) {
  g.Fw = FitWidth(g.tol.fit, m);
  g.Dw = DeviationWidth(g.tol, m);
  g.T = g.Dw + g.Fw + g.Pw + g.Vw;
}

LinearTexts PlaceLinearTexts(const LinearPick& pick, const TextGroup& g, const Metrics& m, const Params& p) {
  const double S = m.S;
  const double to = p.textOffset;
  const double T = g.T;
  LinearTexts out;
  if (pick.horizontal) {
    const double x1 = pick.p1.x, x2 = pick.p2.x, x4 = pick.p4.x;
    const double L = x2 - x1;
    const double Y = pick.p3.y + S * to;
    const Case c = TextCase(x1, x2, x4);
    const double X0 = c == kBetween ? x1 + (L - T) / 2 : c == kBeyond ? x4 : x4 - T;
    const double Xd = X0 + g.Pw + g.Vw + g.Fw;
    const Literals& lit = kHorizontal;
    if (g.prefixRecord) out.prefix = TextRecord(X0, Y, lit.prefix[c], kPhi, 0, 0, "cs");
    out.value = TextRecord(X0 + g.Pw, Y, lit.value[c], g.value, 0, 0, "cs");
    out.fit = TextRecord(X0 + g.Pw + g.Vw, Y, lit.fit[c], g.tol.fit);
    if (g.tol.single) {
      out.lower = TextRecord(Xd, Y + S * (m.H - m.Ht) / 2, lit.single[c], g.tol.lower);
    } else {
      out.upper = TextRecord(Xd, Y + S * (m.Ht + 0.2), lit.upper[c], g.tol.upper);
      out.lower = TextRecord(Xd, Y, lit.lower[c], g.tol.lower);
    }
  } else {
    // The texts read upward, left of the dimension line's x.
    const double y1 = pick.p1.y, y2 = pick.p2.y, y4 = pick.p4.y;
    const double x3 = pick.p3.x;
    const double L = y2 - y1;
    const double X = x3 - S * to;
    const Case c = TextCase(y1, y2, y4);
    const double Y0 = c == kBetween ? y1 + (L - T) / 2 : c == kBeyond ? y4 : y4 - T;
    const double Yd = Y0 + g.Pw + g.Vw + g.Fw;
    const Literals& lit = kVertical;
    if (g.prefixRecord) out.prefix = TextRecord(X, Y0, lit.prefix[c], kPhi);
    out.value = TextRecord(X, Y0 + g.Pw, lit.value[c], g.value, 0, 0, "cs");
    out.fit = TextRecord(X, Y0 + g.Pw + g.Vw, lit.fit[c], g.tol.fit);
    if (g.tol.single) {
      out.lower = TextRecord(x3 - S * (to + (m.H - m.Ht) / 2), Yd, lit.single[c], g.tol.lower);
    } else {
      out.upper = TextRecord(x3 - S * (to + m.Ht + 0.2), Yd, lit.upper[c], g.tol.upper);
      out.lower = TextRecord(X, Yd, lit.lower[c], g.tol.lower);
    }
  }
  return out;
}

void PlaceDiameterTexts(const exchange::Point& p2, double x4, const TextGroup& g, const Metrics& m,
                        const Params& p, DiameterDrawing& out) {
  const double S = m.S;
  const double Y = p2.y + S * p.textOffset;
  // The shoulder carries the text group and the note below it, as wide as
  // the wider of the two. Point 4 on the leader's end counts as beyond it.
  const double T1 = std::max(g.T, g.Qw);
  const bool beyond = x4 >= p2.x;
  const double X0 = beyond ? x4 : x4 - T1;
  const double Xd = X0 + g.Vw + g.Fw;
  out.value = TextRecord(X0, Y, beyond ? " 1000000000000 0 " : " 100000000000000000 0 ", g.value);
  out.fit = TextRecord(X0 + g.Vw, Y, beyond ? " 1000000000000000000 0 " : " 100000000000000000 0 ", g.tol.fit);
  out.quoted = TextRecord(X0, p2.y - S * m.H, beyond ? " 1000000000000 0 " : " 100000000000000000 0 ", g.quoted);
  if (g.tol.single) {
    out.lower = TextRecord(Xd, Y + S * (m.H - m.Ht) / 2,
                           beyond ? " 1000000000000000 0 " : " 10000000000000000 0 ", g.tol.lower);
  } else if (beyond) {
    out.upper = TextRecord(Xd, Y + S * (m.Ht + 0.2), " 100000000000000000 0 ", g.tol.upper, 1);
    out.lower = TextRecord(Xd, Y, " 1000000000000000 0 ", g.tol.lower, 1);
  } else {
    out.upper = TextRecord(Xd, Y + S * (m.Ht + 0.2), " 1000000000000000 0 ", g.tol.upper);
    out.lower = TextRecord(Xd, Y, " 100000000000000 0 ", g.tol.lower);
  }
}

}  // namespace tolerance
