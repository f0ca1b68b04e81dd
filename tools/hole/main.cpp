// MOKRAVR: the host runs it after the user has picked the hole's point (or
// the two ends of a section, or selected circles); it draws holes, tapped
// and stepped holes in plan or in section, and their centre lines.
#include "exchange/toolrun.h"
#include "tools/hole/keys.h"
#include "tools/hole/hole.h"

int main(int argc, char** argv) {
  return exchange::RunTool(argc, argv, hole::kKeys.run, hole::Compute);
}
