// The parameter line of "mokrav5.jyd", which the window writes and the balloon and leader-note tool
// reads: one declaration of where each field stands, so that the writer and
// the reader cannot drift apart. Header-only, so that the window includes it
// without linking the tools' library.
#pragma once

#include <array>
#include <cstddef>

namespace paramfile::balloon {

inline constexpr const char* kFileName = "mokrav5.jyd";

// The fields by their place in the line, counted from 0.
enum Field : std::size_t {
  kTextType = 0,
  kLineColor = 1,
  kLeaderStyle = 2,
  kText1 = 3,
  kText2 = 4,
  kWidthMode = 5,
  kLineLayer = 6,
  kTextLayer = 7,
  kArrowLength = 8,
  kArrowAngle = 9,
  kFieldCount = 10
};

// The names the window's writer gives the fields, in their order.
inline constexpr std::array<const char*, kFieldCount> kNames = {
    "BalloonParams.textType",
    "BalloonParams.lineColor",
    "BalloonParams.leaderStyle",
    "BalloonParams.text1",
    "BalloonParams.text2",
    "BalloonParams.widthMode",
    "BalloonParams.lineLayer",
    "BalloonParams.textLayer",
    "BalloonParams.arrowLength",
    "BalloonParams.arrowAngle",
};

}  // namespace paramfile::balloon
