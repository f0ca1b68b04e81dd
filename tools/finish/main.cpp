// MOKRAVF: the host runs it after the user has picked the surface line and
// the side point; it draws one surface-finish symbol.
#include "exchange/toolrun.h"
#include "tools/finish/keys.h"
#include "tools/finish/finish.h"

int main(int argc, char** argv) {
  return exchange::RunTool(argc, argv, finish::kKeys.run, finish::Compute);
}
