// How a text is written and how wide it is on paper, from the host's
// character width W and spacing D of its text type and the group scale S.
#pragma once

#include <string>

namespace exchange {

// The form a tool writes a text in. Each tool turns its own width field
// into one of these by its own rule.
enum class Width { kAsTyped, kFull, kHalf };

// The text converted to full width or half width, or unchanged.
std::string InWidth(const std::string& text, Width width);

// Bytes of a text in code page 932: half-width 1, full-width 2.
long long LenMbcs(const std::string& text);

// W per full-width and W/2 per half-width character, with the tool's
// spacing offset k (2 or 1) in the spacing term.
double MixedWidth(const std::string& text, double W, double D, double S, int k);

// Width of a text already converted to full width: (W n + D (n-1)) S.
double FullWidth(const std::string& text, double W, double D, double S);

// W/2 per character with a whole D between characters:
// (W n / 2 + D (n - 1)) S, the width of a text counted as half-width
// characters without telling full-width ones apart.
double HalfCharWidth(const std::string& text, double W, double D, double S);

// n half-width characters without measuring: (n W/2 + (n-1) D/2) S.
double HalfWidthCount(long long n, double W, double D, double S);

}  // namespace exchange
