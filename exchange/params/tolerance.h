// The parameter line of "mokrav6.jyd", which the window writes and the dimension-tolerance tool
// reads: one declaration of where each field stands, so that the writer and
// the reader cannot drift apart. Header-only, so that the window includes it
// without linking the tools' library.
#pragma once

#include <array>
#include <cstddef>

namespace paramfile::tolerance {

inline constexpr const char* kFileName = "mokrav6.jyd";

// A fit class, deviation or quoted note that is not given. This file alone
// marks such a value so; an empty text elsewhere is paramfile::kEmptyText.
inline constexpr const char* kNotGiven = "--";

// The fields by their place in the line, counted from 0.
enum Field : std::size_t {
  kTextType = 0,
  kLineColor = 1,
  kFullWidth = 2,
  kReserved1 = 3,
  kExtensionGap = 4,
  kExtensionOvershoot = 5,
  kTextOffset = 6,
  kDecimals = 7,
  kValuePrefix = 8,
  kOutsideOffset = 9,
  kReserved2 = 10,
  kFitClass = 11,
  kToleranceTextType = 12,
  kToleranceKind = 13,
  kLineLayer = 14,
  kTextLayer = 15,
  kArrowLength = 16,
  kArrowAngle = 17,
  kDotArrow = 18,
  kOwnTolerance = 19,
  kUpperDeviation = 20,
  kLowerDeviation = 21,
  kQuotedText = 22,
  kFieldCount = 23
};

// The names the window's writer gives the fields, in their order.
inline constexpr std::array<const char*, kFieldCount> kNames = {
    "ToleranceParams.textType",
    "ToleranceParams.lineColor",
    "ToleranceParams.fullWidth",
    "ToleranceParams.reserved1",
    "ToleranceParams.extensionGap",
    "ToleranceParams.extensionOvershoot",
    "ToleranceParams.textOffset",
    "ToleranceParams.decimals",
    "ToleranceParams.valuePrefix",
    "ToleranceParams.outsideOffset",
    "ToleranceParams.reserved2",
    "ToleranceParams.fitClass",
    "ToleranceParams.toleranceTextType",
    "ToleranceParams.toleranceKind",
    "ToleranceParams.lineLayer",
    "ToleranceParams.textLayer",
    "ToleranceParams.arrowLength",
    "ToleranceParams.arrowAngle",
    "ToleranceParams.dotArrow",
    "ToleranceParams.ownTolerance",
    "ToleranceParams.upperDeviation",
    "ToleranceParams.lowerDeviation",
    "ToleranceParams.quotedText",
};

}  // namespace paramfile::tolerance
