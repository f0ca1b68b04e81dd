// The load event of the settings window: runs once, before the window shows.
#include "settings/procedures.h"

namespace mokrav {

void Form_Load(Form& f, const std::string& folder) {
  // The exit button appends to the same memory file that start-up reads.
  f.startFolder = folder;
  f.MSG = "本ソフトの、バージョンは1.41です";
  // Remembered entries go in first, so that built-in rows follow them in an
  // unsorted box and the default positions count them.
  const bool read = RestoreMemory(f, folder);
  LoadBuiltInLists(f);
  // A full or unreadable memory file keeps the restore step's message, so
  // the user learns that remembered entries were left out.
  if (read && !f.memoryFull) f.MSG = "データを読み込みました";
}

}  // namespace mokrav
