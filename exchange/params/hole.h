// The parameter line of "mokrav4.jyd", which the window writes and the hole and thread tool
// reads: one declaration of where each field stands, so that the writer and
// the reader cannot drift apart. Header-only, so that the window includes it
// without linking the tools' library.
#pragma once

#include <array>
#include <cstddef>

namespace paramfile::hole {

inline constexpr const char* kFileName = "mokrav4.jyd";

// The fields by their place in the line, counted from 0.
enum Field : std::size_t {
  kOutlineColor = 0,
  kOutlineLineType = 1,
  kThinColor = 2,
  kThinLineType = 3,
  kCenterColor = 4,
  kCenterLineType = 5,
  kCenterOvershoot = 6,
  kPitchX = 7,
  kPitchY = 8,
  kPattern = 9,
  kHoleSize = 10,
  kHoleCount = 11,
  kRowPitch = 12,
  kArrangement = 13,
  kHoleKind = 14,
  kOutlineLayer = 15,
  kThinLayer = 16,
  kCenterLayer = 17,
  kFieldCount = 18
};

// The names the window's writer gives the fields, in their order.
inline constexpr std::array<const char*, kFieldCount> kNames = {
    "HoleParams.outlineColor",
    "HoleParams.outlineLineType",
    "HoleParams.thinColor",
    "HoleParams.thinLineType",
    "HoleParams.centerColor",
    "HoleParams.centerLineType",
    "HoleParams.centerOvershoot",
    "HoleParams.pitchX",
    "HoleParams.pitchY",
    "HoleParams.pattern",
    "HoleParams.holeSize",
    "HoleParams.holeCount",
    "HoleParams.rowPitch",
    "HoleParams.arrangement",
    "HoleParams.holeKind",
    "HoleParams.outlineLayer",
    "HoleParams.thinLayer",
    "HoleParams.centerLayer",
};

}  // namespace paramfile::hole
