// What MOKRAVB reads: its item capacity, the command-line word that names its
// parameter file, the parameter fields that name text types and its
// picked-point tests (exchange::ReadToolHostValues).
#pragma once

#include "exchange/tools.h"

namespace titleblock {

inline const exchange::ToolKeys kKeys{
    .run = {.name = "MOKRAVB", .capacity = 100, .parameterWord = 1},
    .textTypeFields = {1},
    .points = {
        {.key = "hp1-", .blanks = 2, .point = 1},
        {.key = "hp2-", .blanks = 2, .point = 2},
        {.key = "hp2 ", .blanks = 3, .point = 2},
    },
};

}  // namespace titleblock
