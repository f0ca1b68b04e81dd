// MOKRAVG: the host runs it after the user has picked the leader's points
// or the line that carries a datum; it draws one tolerance frame or one
// datum indicator.
#include "exchange/toolrun.h"
#include "exchange/tools.h"
#include "tools/geomtol/geomtol.h"

int main(int argc, char** argv) {
  return exchange::RunTool(argc, argv, exchange::kGeomTolKeys.run, geomtol::Compute);
}
