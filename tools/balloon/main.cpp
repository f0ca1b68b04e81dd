// MOKRAVL: the host runs it after the user has picked the arrow tip and the
// leader's end (and, for a note, the note's start); it draws a leader with
// an underlined note or a numbered balloon.
#include "exchange/toolrun.h"
#include "tools/balloon/keys.h"
#include "tools/balloon/balloon.h"

int main(int argc, char** argv) {
  return exchange::RunTool(argc, argv, balloon::kKeys.run, balloon::Compute);
}
