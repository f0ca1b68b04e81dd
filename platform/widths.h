// Full-width and half-width forms of a text.
#pragma once

#include <string>

namespace platform {

// U+0021..U+007E to U+FF01..U+FF5E, the blank to U+3000, half-width
// katakana (and their punctuation) to full-width katakana, a following
// voiced or semi-voiced mark joined into one character. Everything else
// stays as it is.
std::string ToFullWidth(const std::string& utf8);

// The inverse: full-width ASCII forms to ASCII, U+3000 to a blank, U+FFE5
// to "\", full-width katakana to half-width (voiced ones split in two).
std::string ToHalfWidth(const std::string& utf8);

}  // namespace platform
