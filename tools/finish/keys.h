// The key set of MOKRAVF: what it reads of the host's items and where its
// parameter file is named (exchange::ToolKeys).
#pragma once

#include "exchange/params/finish.h"
#include "exchange/tools.h"

namespace finish {

inline const exchange::ToolKeys kKeys{
    .run = {.name = "MOKRAVF", .capacity = 100, .parameterWord = 3,
            .usage = "EXCHANGE-FILE N N mokrav2.jyd",
            .fields = paramfile::finish::kNames},
    .textTypeFields = {{paramfile::finish::kTextType, "the text type"}},
    .points = {
        {.key = "hp1 ", .blanks = 3, .point = 1},
        {.key = "hp1-", .blanks = 2, .point = 1},
        {.key = "hp2 ", .blanks = 3, .point = 2},
        {.key = "hp3 ", .blanks = 3, .point = 3},
        {.key = "hp4-", .blanks = 2, .point = 4},
        {.key = "hp5-", .blanks = 2, .point = 5},
    },
};

}  // namespace finish
