// MOKRAVB: the host runs it after the user has picked two opposite corners
// of a title-block cell; it writes one or two texts into the cell.
#include "exchange/toolrun.h"
#include "tools/titleblock/keys.h"
#include "tools/titleblock/titleblock.h"

int main(int argc, char** argv) {
  return exchange::RunTool(argc, argv, titleblock::kKeys.run, titleblock::Compute);
}
