// The key set of MOKRAVB: what it reads of the host's items and where its
// parameter file is named (exchange::ToolKeys).
#pragma once

#include "exchange/params/titleblock.h"
#include "exchange/tools.h"

namespace titleblock {

inline const exchange::ToolKeys kKeys{
    .run = {.name = "MOKRAVB", .capacity = 100, .parameterWord = 1,
            .usage = "EXCHANGE-FILE mokrav8.jyd",
            .fields = paramfile::titleblock::kNames},
    .textTypeFields = {{paramfile::titleblock::kTextType, "the text type"}},
    .points = {
        {.key = "hp1-", .blanks = 2, .point = 1},
        {.key = "hp2-", .blanks = 2, .point = 2},
        {.key = "hp2 ", .blanks = 3, .point = 2},
    },
};

}  // namespace titleblock
