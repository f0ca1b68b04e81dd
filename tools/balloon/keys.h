// The key set of MOKRAVL: what it reads of the host's items and where its
// parameter file is named (exchange::ToolKeys).
#pragma once

#include "exchange/params/balloon.h"
#include "exchange/tools.h"

namespace balloon {

inline const exchange::ToolKeys kKeys{
    .run = {.name = "MOKRAVL", .capacity = 100, .parameterWord = 1,
            .usage = "EXCHANGE-FILE mokrav5.jyd",
            .fields = paramfile::balloon::kNames},
    .textTypeFields = {{paramfile::balloon::kTextType, "the text type"}},
    .points = {
        {.key = "hp1-", .blanks = 2, .point = 1},
        {.key = "hp2-", .blanks = 2, .point = 2},
        {.key = "hp2 ", .blanks = 3, .point = 2},
        {.key = "hp3", .blanks = 3, .point = 3},
        {.key = "hp4", .blanks = 3, .point = 4},
    },
};

}  // namespace balloon
