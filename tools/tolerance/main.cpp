// MOKRAVT: the host runs it after the user has picked the points of a
// dimension (and, for a diameter, selected the circles); it draws one
// dimension with its value, deviations and fit symbol.
#include "exchange/toolrun.h"
#include "tools/tolerance/keys.h"
#include "tools/tolerance/tolerance.h"

int main(int argc, char** argv) {
  return exchange::RunTool(argc, argv, tolerance::kKeys.run, tolerance::Compute);
}
