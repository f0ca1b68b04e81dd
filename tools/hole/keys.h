// The key set of MOKRAVR: what it reads of the host's items and where its
// parameter file is named (exchange::ToolKeys).
#pragma once

#include "exchange/params/hole.h"
#include "exchange/tools.h"

namespace hole {

inline const exchange::ToolKeys kKeys{
    .run = {.name = "MOKRAVR", .capacity = 100, .parameterWord = 1,
            .usage = "EXCHANGE-FILE mokrav4.jyd",
            .fields = paramfile::hole::kNames},
    .points = {
        {.key = "hp1 ", .blanks = 3, .point = 1},
        {.key = "hp2 ", .blanks = 3, .point = 2},
    },
    // It writes no text, so it asks for no character sizes; a drawing
    // without an "hs" item is drawn at scale 1.
    .hostText = false,
    .scaleWithoutHs = 1,
};

}  // namespace hole
