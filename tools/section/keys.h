// The key set of MOKRAVP: what it reads of the host's items and where its
// parameter file is named (exchange::ToolKeys).
#pragma once

#include "exchange/params/section.h"
#include "exchange/tools.h"

namespace section {

inline const exchange::ToolKeys kKeys{
    .run = {.name = "MOKRAVP", .capacity = 100, .parameterWord = 1,
            .usage = "EXCHANGE-FILE mokrav7.jyd KIND",
            .fields = paramfile::section::kNames},
    .textTypeFields = {{paramfile::section::kTextType, "the text type"}},
    .points = {
        {.key = "hp1-", .blanks = 2, .point = 1},
        {.key = "hp2-", .blanks = 2, .point = 2},
        {.key = "hp2 ", .blanks = 3, .point = 2},
        {.key = "hp3-", .blanks = 2, .point = 3},
        {.key = "hp3 ", .blanks = 3, .point = 3},
        {.key = "hp4", .blanks = 3, .point = 4},
        {.key = "hp5", .blanks = 3, .point = 5},
        {.key = "hp6", .blanks = 3, .point = 6},
        {.key = "hp7", .blanks = 3, .point = 7},
    },
};

}  // namespace section
