// The parameter line of "mokrav8.jyd", which the window writes and the title-block tool
// reads: one declaration of where each field stands, so that the writer and
// the reader cannot drift apart. Header-only, so that the window includes it
// without linking the tools' library.
#pragma once

#include <array>
#include <cstddef>

namespace paramfile::titleblock {

inline constexpr const char* kFileName = "mokrav8.jyd";

// The fields by their place in the line, counted from 0.
enum Field : std::size_t {
  kCellKind = 0,
  kTextType = 1,
  kTextLayer = 2,
  kText1 = 3,
  kText2 = 4,
  kAlign = 5,
  kFieldCount = 6
};

// The names the window's writer gives the fields, in their order.
inline constexpr std::array<const char*, kFieldCount> kNames = {
    "TitleBlockParams.cellKind",
    "TitleBlockParams.textType",
    "TitleBlockParams.textLayer",
    "TitleBlockParams.text1",
    "TitleBlockParams.text2",
    "TitleBlockParams.align",
};

}  // namespace paramfile::titleblock
