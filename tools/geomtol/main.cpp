// MOKRAVG: the host runs it after the user has picked the leader's points
// or the line that carries a datum; it draws one tolerance frame or one
// datum indicator.
#include "exchange/toolrun.h"
#include "tools/geomtol/keys.h"
#include "tools/geomtol/geomtol.h"

int main(int argc, char** argv) {
  return exchange::RunTool(argc, argv, geomtol::kKeys.run, geomtol::Compute);
}
