// What MOKRAVL reads: its item capacity, the command-line word that names its
// parameter file, the parameter fields that name text types and its
// picked-point tests (exchange::ReadToolHostValues).
#pragma once

#include "exchange/tools.h"

namespace balloon {

inline const exchange::ToolKeys kKeys{
    .run = {.name = "MOKRAVL", .capacity = 100, .parameterWord = 1},
    .textTypeFields = {0},
    .points = {
        {.key = "hp1-", .blanks = 2, .point = 1},
        {.key = "hp2-", .blanks = 2, .point = 2},
        {.key = "hp2 ", .blanks = 3, .point = 2},
        {.key = "hp3", .blanks = 3, .point = 3},
        {.key = "hp4", .blanks = 3, .point = 4},
    },
};

}  // namespace balloon
