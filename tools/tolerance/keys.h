// The key set of MOKRAVT: what it reads of the host's items and where its
// parameter file is named (exchange::ToolKeys).
#pragma once

#include "exchange/params/tolerance.h"
#include "exchange/tools.h"

namespace tolerance {

inline const exchange::ToolKeys kKeys{
    .run = {.name = "MOKRAVT", .capacity = 300, .parameterWord = 4,
            .usage = "EXCHANGE-FILE X X KIND mokrav6.jyd AXIS",
            .fields = paramfile::tolerance::kNames,
            .tableRows = true},
    .textTypeFields = {{paramfile::tolerance::kTextType, "the text type"},
                       {paramfile::tolerance::kToleranceTextType, "the tolerance text type"}},
    // The tolerance text type's record is checked first: when both fields
    // would break their records, the run names that one.
    .textTypeCheckOrder = {1, 0},
    .points = {
        {.key = "hp1 ", .blanks = 3, .point = 1},
        {.key = "hp1-", .blanks = 2, .point = 1},
        {.key = "hp2 ", .blanks = 3, .point = 2},
        {.key = "hp2-", .blanks = 2, .point = 2},
        {.key = "hp3", .blanks = 3, .point = 3},
        {.key = "hp4", .blanks = 3, .point = 4},
    },
};

}  // namespace tolerance
