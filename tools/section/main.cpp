// MOKRAVP: the host runs it after the user has picked the cutting-plane
// line, its two end points and the label point; it draws one section
// indication.
#include "exchange/toolrun.h"
#include "tools/section/keys.h"
#include "tools/section/section.h"

int main(int argc, char** argv) {
  return exchange::RunTool(argc, argv, section::kKeys.run, section::Compute);
}
