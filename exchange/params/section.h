// The parameter line of "mokrav7.jyd", which the window writes and the section-indication tool
// reads: one declaration of where each field stands, so that the writer and
// the reader cannot drift apart. Header-only, so that the window includes it
// without linking the tools' library.
#pragma once

#include <array>
#include <cstddef>

namespace paramfile::section {

inline constexpr const char* kFileName = "mokrav7.jyd";

// The fields by their place in the line, counted from 0.
enum Field : std::size_t {
  kTextType = 0,
  kTextLayer = 1,
  kCutLineColor = 2,
  kCutLineType = 3,
  kCutLineLayer = 4,
  kArrowColor = 5,
  kArrowLineType = 6,
  kArrowLayer = 7,
  kLetter1 = 8,
  kLetter2 = 9,
  kLetter3 = 10,
  kLetter4 = 11,
  kFullWidth = 12,
  kArrowLength = 13,
  kArrowAngle = 14,
  kLabelSuffix = 15,
  kCutLineStyle = 16,
  kFieldCount = 17
};

// The names the window's writer gives the fields, in their order.
inline constexpr std::array<const char*, kFieldCount> kNames = {
    "SectionParams.textType",
    "SectionParams.textLayer",
    "SectionParams.cutLineColor",
    "SectionParams.cutLineType",
    "SectionParams.cutLineLayer",
    "SectionParams.arrowColor",
    "SectionParams.arrowLineType",
    "SectionParams.arrowLayer",
    "SectionParams.letter1",
    "SectionParams.letter2",
    "SectionParams.letter3",
    "SectionParams.letter4",
    "SectionParams.fullWidth",
    "SectionParams.arrowLength",
    "SectionParams.arrowAngle",
    "SectionParams.labelSuffix",
    "SectionParams.cutLineStyle",
};

}  // namespace paramfile::section
