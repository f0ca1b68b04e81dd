#include "exchange/textwidth.h"

#include "platform/cp932.h"
#include "platform/widths.h"

namespace exchange {

std::string InWidth(const std::string& text, Width width) {
  switch (width) {
    case Width::kFull: return platform::ToFullWidth(text);
    case Width::kHalf: return platform::ToHalfWidth(text);
    case Width::kAsTyped: break;
  }
  return text;
}

long long LenMbcs(const std::string& text) { return static_cast<long long>(platform::Cp932Length(text)); }

double MixedWidth(const std::string& text, double W, double D, double S, int k) {
  double B = static_cast<double>(LenMbcs(text));
  double L = static_cast<double>(platform::CharCount(text));
  double F = B - L;
  double H = L - F;
  // Evaluated in this order, so the last digits match the host's own sums.
  double t1 = W * F;
  double t2 = D * (B - (L + k));
  double t3 = H * (W / 2);
  double t4 = (D * (L - (F - 1))) / 2;
  return (((t1 + t2) + t3) + t4) * S;
}

double FullWidth(const std::string& text, double W, double D, double S) {
  double n = static_cast<double>(platform::CharCount(text));
  return (W * n + D * (n - 1)) * S;
}

double HalfCharWidth(const std::string& text, double W, double D, double S) {
  const double n = static_cast<double>(platform::CharCount(text));
  return (W * n / 2 + D * (n - 1)) * S;
}

double HalfWidthCount(long long n, double W, double D, double S) {
  double m = static_cast<double>(n);
  return (m * W / 2 + (m - 1) / 2 * D) * S;
}

}  // namespace exchange
