#include "exchange/textwidth.h"

#include "platform/cp932.h"

namespace exchange {

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

double HalfWidthCount(long long n, double W, double D, double S) {
  double m = static_cast<double>(n);
  return (m * W / 2 + (m - 1) / 2 * D) * S;
}

}  // namespace exchange
