#include "platform/numtext.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace platform {

std::string NumberText(double v) {
  if (!std::isfinite(v)) throw NumberError("a number that is not finite cannot be written");
  if (v == 0) return "0";  // also "-0"
  // 15 significant digits, correctly rounded: d.dddddddddddddde±x
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
  std::string sci(buf, res.ptr);
  bool negative = sci[0] == '-';
  if (negative) sci.erase(0, 1);
  std::size_t e = sci.find('e');
  int exponent = std::atoi(sci.c_str() + e + 1);
  std::string digits = sci.substr(0, 1) + sci.substr(2, e - 2);  // 15 digits
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out;
  if (exponent < -4 || exponent >= 15) {
    out = digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    int mag = std::abs(exponent);
    out += exponent < 0 ? "E-" : "E+";
    if (mag < 10) out += '0';
    out += std::to_string(mag);
  } else if (exponent < 0) {
    out = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else {
    std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
      out = digits + std::string(intDigits - digits.size(), '0');
    } else {
      out = digits.substr(0, intDigits) + "." + digits.substr(intDigits);
    }
  }
  return negative ? "-" + out : out;
}

std::string PaddedNumberText(double v) {
  std::string s = NumberText(v);
  return s[0] == '-' ? s : " " + s;
}

bool TryParseNumber(const std::string& text, double& out) {
  std::size_t b = text.find_first_not_of(' ');
  if (b == std::string::npos) return false;
  std::size_t e = text.find_last_not_of(' ');
  std::string t = text.substr(b, e - b + 1);
  std::size_t start = 0;
  bool negative = false;
  if (t[0] == '+' || t[0] == '-') {
    negative = t[0] == '-';
    start = 1;
  }
  if (start >= t.size()) return false;
  // Only digits, a point and an exponent: from_chars alone would also take
  // "inf", "nan" and hexadecimal forms.
  char first = t[start];
  if (!((first >= '0' && first <= '9') || first == '.')) return false;
  for (std::size_t i = start; i < t.size(); ++i) {
    char c = t[i];
    if (!((c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-')) return false;
  }
  double v = 0;
  auto res = std::from_chars(t.data() + start, t.data() + t.size(), v, std::chars_format::general);
  if (res.ec != std::errc() || res.ptr != t.data() + t.size() || !std::isfinite(v)) return false;
  out = negative ? -v : v;
  return true;
}

double ParseNumber(const std::string& text) {
  double v = 0;
  if (!TryParseNumber(text, v)) throw NumberError("\"" + text + "\" is not a number");
  return v;
}

long long IntPart(double v) {
  // Beyond the range of a long long the value is held at its end: such a
  // field only ever selects "beyond every list", never a real entry.
  constexpr double kLimit = 4611686018427387904.0;  // 2^62
  // A value that is no number has no integer part: converting it would give
  // an arbitrary integer that might select a real entry.
  if (std::isnan(v)) throw NumberError("a value that is not a number has no integer part");
  double f = std::floor(v);
  if (f >= kLimit) return static_cast<long long>(kLimit);
  if (f <= -kLimit) return -static_cast<long long>(kLimit);
  return static_cast<long long>(f);
}

double RoundHalfEven(double v) {
  double r = std::floor(v);
  double diff = v - r;
  if (diff > 0.5) return r + 1;
  if (diff < 0.5) return r;
  return std::fmod(r, 2) == 0 ? r : r + 1;
}

}  // namespace platform
