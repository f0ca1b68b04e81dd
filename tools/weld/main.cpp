// MOKRAVW: the host runs it after the user has picked the arrow tip, the
// leader's points and the reference line; it draws one welding symbol.
#include "exchange/toolrun.h"
#include "tools/weld/keys.h"
#include "tools/weld/weld.h"

int main(int argc, char** argv) {
  return exchange::RunTool(argc, argv, weld::kKeys.run, weld::Compute);
}
