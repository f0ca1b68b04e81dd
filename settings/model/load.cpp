// The load event of the settings window: runs once, before the window shows.
#include <exception>
#include <optional>
#include <string>

#include "platform/cp932.h"
#include "settings/params/frame.h"
#include "settings/procedures.h"

namespace mokrav {

namespace {

constexpr const char* kStartFolderRefused = "起動時に指定された保存先は使えません";

// Why the host-folder box cannot offer the folder the window was started
// with, or "" when it can. The box would not take such a folder as typed
// text either: the draw buttons would write somewhere else than it names.
// As in a failed write's message, the folder follows the "：" and the
// reason ends the message, where the status line keeps both in view.
std::string StartFolderRefusal(const std::string& folder) {
  const std::string head = kStartFolderRefused;
  if (folder.empty()) return head + "（フォルダ名が空です）";
  try {
    platform::Utf8ToU32(folder);
  } catch (const std::exception&) {
    // Its bytes cannot be shown, and a file name made from its text would
    // not be the folder's.
    return head + "（フォルダ名が UTF-8 の文字ではありません）";
  }
  // A line break would make it another folder on the way into a file
  // name; any control character is refused as in a typed text.
  if (platform::FirstControl(folder)) {
    return head + "：「" + params::ControlsShown(folder) + "」（制御文字を含みます）";
  }
  // The path of a parameter file turns every "\" into "/".
  if (folder.find('\\') != std::string::npos) {
    return head + "：「" + folder + "」（「\\」はフォルダの区切りと読まれます）";
  }
  return "";
}

// Puts the start-up folder into the host-folder box's list, after the
// remembered folders and before the built-in ones; "" or why it was left out.
std::string OfferStartFolder(Form& f, const std::string& folder) {
  std::string refusal = StartFolderRefusal(folder);
  if (!refusal.empty()) return refusal;
  // Folder texts of the box end with the separator; the file name follows
  // them directly.
  const std::string text = folder.back() == '/' ? folder : folder + "/";
  ComboBox& box = f.Com(54);
  // A folder remembered by an earlier start is already there, in front.
  if (box.Find(text) < 0) box.AddItem(text);
  return "";
}

}  // namespace

void Form_Load(Form& f, const std::string& folder, const std::optional<std::string>& hostFolder) {
  // The exit button appends to the same memory file that start-up reads.
  f.startFolder = folder;
  f.MSG = "本ソフトの、バージョンは1.41です";
  // Remembered entries go in first, so that built-in rows follow them in an
  // unsorted box and the default positions count them.
  const bool read = RestoreMemory(f, folder);
  const std::string refused = hostFolder ? OfferStartFolder(f, *hostFolder) : "";
  LoadBuiltInLists(f);
  // A full or unreadable memory file keeps the restore step's message, so
  // the user learns that remembered entries were left out; a refused
  // start-up folder is said after it.
  if (read && !f.memoryFull) {
    f.MSG = refused.empty() ? "データを読み込みました" : refused;
  } else if (!refused.empty()) {
    f.MSG += "。" + refused;
  }
}

}  // namespace mokrav
