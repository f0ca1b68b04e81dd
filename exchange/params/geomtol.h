// The parameter line of "mokrav3.jyd", which the window writes and the geometric-tolerance tool
// reads: one declaration of where each field stands, so that the writer and
// the reader cannot drift apart. Header-only, so that the window includes it
// without linking the tools' library.
#pragma once

#include <array>
#include <cstddef>

namespace paramfile::geomtol {

inline constexpr const char* kFileName = "mokrav3.jyd";

// The fields by their place in the line, counted from 0.
enum Field : std::size_t {
  kDatumTextType = 0,
  kValueTextType = 1,
  kLimitTextType = 2,
  kLineColor = 3,
  kCharacteristic = 4,
  kValueForm = 5,
  kDatumLetter = 6,
  kToleranceValue = 7,
  kUpperLimit = 8,
  kLowerLimit = 9,
  kFullWidth = 10,
  kLineLayer = 11,
  kTextLayer = 12,
  kArrowLength = 13,
  kArrowAngle = 14,
  kFieldCount = 15
};

// The names the window's writer gives the fields, in their order.
inline constexpr std::array<const char*, kFieldCount> kNames = {
    "GeomTolParams.datumTextType",
    "GeomTolParams.valueTextType",
    "GeomTolParams.limitTextType",
    "GeomTolParams.lineColor",
    "GeomTolParams.characteristic",
    "GeomTolParams.valueForm",
    "GeomTolParams.datumLetter",
    "GeomTolParams.toleranceValue",
    "GeomTolParams.upperLimit",
    "GeomTolParams.lowerLimit",
    "GeomTolParams.fullWidth",
    "GeomTolParams.lineLayer",
    "GeomTolParams.textLayer",
    "GeomTolParams.arrowLength",
    "GeomTolParams.arrowAngle",
};

}  // namespace paramfile::geomtol
