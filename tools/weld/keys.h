// The key set of MOKRAVW: what it reads of the host's items and where its
// parameter file is named (exchange::ToolKeys).
#pragma once

#include "exchange/params/weld.h"
#include "exchange/tools.h"

namespace weld {

inline const exchange::ToolKeys kKeys{
    .run = {.name = "MOKRAVW", .capacity = 100, .parameterWord = 6,
            .usage = "EXCHANGE-FILE X X N X X mokrav1.jyd",
            .fields = paramfile::weld::kNames},
    .textTypeFields = {{paramfile::weld::kTextType, "the text type"}},
    .points = {
        {.key = "hp1", .blanks = 2, .point = 1},
        {.key = "hp2", .blanks = 2, .point = 2},
        {.key = "hp3-", .blanks = 2, .point = 3},
        {.key = "hp3 ", .blanks = 3, .point = 3},
        {.key = "hp4", .blanks = 3, .point = 4},
        {.key = "hp5", .blanks = 3, .point = 5},
    },
};

}  // namespace weld
