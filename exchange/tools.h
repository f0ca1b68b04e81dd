// What a drawing tool reads: its item capacity, the word that names its
// parameter file, the parameter fields that hold text types and its
// picked-point tests. Each tool declares its own set in its folder
// (tools/<tool>/keys.h); one reader serves them all.
#pragma once

#include <string>
#include <vector>

#include "exchange/exchange.h"
#include "exchange/toolrun.h"

namespace exchange {

struct ToolKeys {
  ToolSpec run;
  std::vector<std::size_t> textTypeFields = {};  // parameter fields that name a text type
  std::vector<PointTest> points;
  bool hostText = true;           // tests "hcw", "hcd", "hch"
  double scaleWithoutHs = 0;      // the group scale when no "hs" item comes
};

// The key pass and the scale pass for a tool, with its text types taken
// from the parameter fields. A missing field is a ToolError; a field that is
// no number is one only when the host lists character sizes.
HostValues ReadToolHostValues(const ItemTable& table, const ToolKeys& tool,
                              const std::vector<std::string>& fields);

}  // namespace exchange
