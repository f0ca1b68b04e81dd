// The parameter line of "mokrav1.jyd", which the window writes and the welding tool
// reads: one declaration of where each field stands, so that the writer and
// the reader cannot drift apart. Header-only, so that the window includes it
// without linking the tools' library.
#pragma once

#include <array>
#include <cstddef>

namespace paramfile::weld {

inline constexpr const char* kFileName = "mokrav1.jyd";

// The fields by their place in the line, counted from 0.
enum Field : std::size_t {
  kTextType = 0,
  kLineColor = 1,
  kWeldKind = 2,
  kBackDepth = 3,
  kBackLengthPitch = 4,
  kBackGrooveAngle = 5,
  kBackFinish = 6,
  kWeldSide = 7,
  kNearDepth = 8,
  kNearLengthPitch = 9,
  kNearGrooveAngle = 10,
  kNearFinish = 11,
  kProcessCode = 12,
  kAllAround = 13,
  kFieldWeld = 14,
  kStaggered = 15,
  kFullWidth = 16,
  kLineLayer = 17,
  kTextLayer = 18,
  kArrowLength = 19,
  kArrowAngle = 20,
  kBackRootGap = 21,
  kNearRootGap = 22,
  kBackContour = 23,
  kNearContour = 24,
  kFieldCount = 25
};

// The names the window's writer gives the fields, in their order.
inline constexpr std::array<const char*, kFieldCount> kNames = {
    "WeldParams.textType",
    "WeldParams.lineColor",
    "WeldParams.weldKind",
    "WeldParams.backDepth",
    "WeldParams.backLengthPitch",
    "WeldParams.backGrooveAngle",
    "WeldParams.backFinish",
    "WeldParams.weldSide",
    "WeldParams.nearDepth",
    "WeldParams.nearLengthPitch",
    "WeldParams.nearGrooveAngle",
    "WeldParams.nearFinish",
    "WeldParams.processCode",
    "WeldParams.allAround",
    "WeldParams.fieldWeld",
    "WeldParams.staggered",
    "WeldParams.fullWidth",
    "WeldParams.lineLayer",
    "WeldParams.textLayer",
    "WeldParams.arrowLength",
    "WeldParams.arrowAngle",
    "WeldParams.backRootGap",
    "WeldParams.nearRootGap",
    "WeldParams.backContour",
    "WeldParams.nearContour",
};

}  // namespace paramfile::weld
