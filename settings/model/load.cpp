// The load event of the settings window: runs once, before the window shows.
#include "settings/procedures.h"

namespace mokrav {

void Form_Load(Form& f, const std::string& folder) {
  // The exit button appends to the same memory file that start-up reads.
  f.startFolder = folder;
  f.MSG = "本ソフトの、バージョンは1.41です";
  // Remembered entries go in first, so that built-in rows follow them in an
  // unsorted box and the default positions count them.
  RestoreMemory(f, folder);
  LoadBuiltInLists(f);
  // A full memory file keeps its own message ("ファイルが一杯です"), set
  // by the restore step, so the user learns that entries were left out.
  if (!f.memoryFull) f.MSG = "データを読み込みました";
}

}  // namespace mokrav
