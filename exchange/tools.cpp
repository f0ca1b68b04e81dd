#include "exchange/tools.h"

namespace exchange {

HostValues ReadToolHostValues(const ItemTable& table, const ToolKeys& tool,
                              const std::vector<std::string>& fields) {
  KeySet keys;
  keys.points = tool.points;
  keys.hostText = tool.hostText;
  keys.scaleWithoutHs = tool.scaleWithoutHs;
  for (std::size_t f : tool.textTypeFields)
    keys.textTypes.push_back(Field(fields, f));
  return ReadHostValues(table, keys);
}

}  // namespace exchange
