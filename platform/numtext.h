// Numbers to text and text to numbers, as every file of the suite writes
// and reads them: independent of the locale.
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

class NumberError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A double as the standard conversion prints it: rounded to 15 significant
// digits, trailing zeros dropped, no decimal point for an integral value,
// "-" before a negative value, "-0" as "0"; the exponent form
// ("2.67948965850286E-08", "1E+15") when the decimal exponent is below -4
// or at least 15. Throws NumberError for a value that is not finite.
std::string NumberText(double v);

// NumberText with one blank before a value that is not negative.
std::string PaddedNumberText(double v);

// Strict text to double: optional blanks around, an optional sign, digits
// with an optional point and exponent. Throws NumberError for an empty text,
// trailing junk, "nan", "inf" or anything else that is not a number.
double ParseNumber(const std::string& text);

// As ParseNumber, but an empty answer instead of an exception.
bool TryParseNumber(const std::string& text, double& out);

// The integer part, rounding toward minus infinity. Throws NumberError for
// a value that is not a number.
long long IntPart(double v);

// Round to the nearest integer, a half to the even neighbour.
double RoundHalfEven(double v);

}  // namespace platform
