#include <functional>
#include <map>

#include "settings/procedures.h"

namespace mokrav {

bool Click(Form& f, const std::string& button) {
  static const std::map<std::string, std::function<void(Form&)>> procedures = {
      {"Co32", Co32_Click},         {"Co22", Co22_Click},         {"CO2", CO2_Click},
      {"Command6", Command6_Click}, {"Command2", Command2_Click}, {"Command4", Command4_Click},
      {"Command8", Command8_Click}, {"Command11", Command11_Click},
      {"Co31", Co31_Click},         {"Co21", Co21_Click},         {"CO1", CO1_Click},
      {"Command7", Command7_Click}, {"Command3", Command3_Click}, {"Command5", Command5_Click},
      {"Command9", Command9_Click}, {"Command12", Command12_Click},
      {"Command13", Command13_Click}, {"Command10", Command10_Click},
      {"Command1", Command1_Click},
  };
  auto it = procedures.find(button);
  if (it == procedures.end()) return false;
  it->second(f);
  return true;
}

}  // namespace mokrav
