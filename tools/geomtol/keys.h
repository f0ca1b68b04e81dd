// The key set of MOKRAVG: what it reads of the host's items and where its
// parameter file is named (exchange::ToolKeys).
#pragma once

#include "exchange/params/geomtol.h"
#include "exchange/tools.h"

namespace geomtol {

inline const exchange::ToolKeys kKeys{
    .run = {.name = "MOKRAVG", .capacity = 100, .parameterWord = 4,
            .usage = "EXCHANGE-FILE DIRECTION X X mokrav3.jyd",
            .fields = paramfile::geomtol::kNames},
    .textTypeFields = {{paramfile::geomtol::kDatumTextType, "the datum text type"},
                       {paramfile::geomtol::kValueTextType, "the value text type"},
                       {paramfile::geomtol::kLimitTextType, "the limit text type"}},
    .points = {
        {.key = "hp1 ", .blanks = 3, .point = 1},
        {.key = "hp1-", .blanks = 2, .point = 1},
        {.key = "hp2-", .blanks = 2, .point = 2},
        {.key = "hp3-", .blanks = 2, .point = 3},
        {.key = "hp4-", .blanks = 2, .point = 4},
        {.key = "hp5-", .blanks = 2, .point = 5},
    },
};

}  // namespace geomtol
