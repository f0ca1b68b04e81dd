// The parameter line of "mokrav2.jyd", which the window writes and the surface-finish tool
// reads: one declaration of where each field stands, so that the writer and
// the reader cannot drift apart. Header-only, so that the window includes it
// without linking the tools' library.
#pragma once

#include <array>
#include <cstddef>

namespace paramfile::finish {

inline constexpr const char* kFileName = "mokrav2.jyd";

// The fields by their place in the line, counted from 0.
enum Field : std::size_t {
  kTextType = 0,
  kLineColor = 1,
  kFinishKind = 2,
  kGrindingMark = 3,
  kFullWidth = 4,
  kProcessCode = 5,
  kExtraSymbol = 6,
  kLowerValue = 7,
  kUpperValue = 8,
  kLineLayer = 9,
  kTextLayer = 10,
  kFieldCount = 11
};

// The names the window's writer gives the fields, in their order.
inline constexpr std::array<const char*, kFieldCount> kNames = {
    "FinishParams.textType",
    "FinishParams.lineColor",
    "FinishParams.finishKind",
    "FinishParams.grindingMark",
    "FinishParams.fullWidth",
    "FinishParams.processCode",
    "FinishParams.extraSymbol",
    "FinishParams.lowerValue",
    "FinishParams.upperValue",
    "FinishParams.lineLayer",
    "FinishParams.textLayer",
};

}  // namespace paramfile::finish
