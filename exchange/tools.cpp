#include "exchange/tools.h"

namespace exchange {

const ToolKeys kSectionKeys{{"MOKRAVP", 100, 1},
                            {0},
                            {{"hp1-", 2, 1}, {"hp2-", 2, 2}, {"hp2 ", 3, 2}, {"hp3-", 2, 3}, {"hp3 ", 3, 3},
                             {"hp4", 3, 4}, {"hp5", 3, 5}, {"hp6", 3, 6}, {"hp7", 3, 7}}};
const ToolKeys kHoleKeys{{"MOKRAVR", 100, 1}, {}, {{"hp1 ", 3, 1}, {"hp2 ", 3, 2}}, false, 1};
const ToolKeys kWeldKeys{{"MOKRAVW", 100, 6},
                         {0},
                         {{"hp1", 2, 1}, {"hp2", 2, 2}, {"hp3-", 2, 3}, {"hp3 ", 3, 3}, {"hp4", 3, 4},
                          {"hp5", 3, 5}}};
const ToolKeys kFinishKeys{{"MOKRAVF", 100, 3},
                           {0},
                           {{"hp1 ", 3, 1}, {"hp1-", 2, 1}, {"hp2 ", 3, 2}, {"hp3 ", 3, 3}, {"hp4-", 2, 4},
                            {"hp5-", 2, 5}}};
const ToolKeys kToleranceKeys{{"MOKRAVT", 300, 4},
                              {0, 12},
                              {{"hp1 ", 3, 1}, {"hp1-", 2, 1}, {"hp2 ", 3, 2}, {"hp2-", 2, 2}, {"hp3", 3, 3},
                               {"hp4", 3, 4}}};
const ToolKeys kGeomTolKeys{{"MOKRAVG", 100, 4},
                            {0, 1, 2},
                            {{"hp1 ", 3, 1}, {"hp1-", 2, 1}, {"hp2-", 2, 2}, {"hp3-", 2, 3}, {"hp4-", 2, 4},
                             {"hp5-", 2, 5}}};
const ToolKeys kBalloonKeys{{"MOKRAVL", 100, 1},
                            {0},
                            {{"hp1-", 2, 1}, {"hp2-", 2, 2}, {"hp2 ", 3, 2}, {"hp3", 3, 3}, {"hp4", 3, 4}}};
const ToolKeys kTitleBlockKeys{{"MOKRAVB", 100, 1}, {1}, {{"hp1-", 2, 1}, {"hp2-", 2, 2}, {"hp2 ", 3, 2}}};

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
