// The memory file "mokrav.mfg" and the pending history: what the user typed
// into the remembered boxes comes back in later runs.
//
// The file holds one memory line per remembered entry: the memory key in
// decimal digits, one blank, the text exactly as it stood in the box, CR LF.
// It only ever grows: start-up reads it, the exit button appends the lines
// queued during the run, and nothing in the suite rewrites or shortens it.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <system_error>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/cp932.h"
#include "platform/textfile.h"
#include "settings/memory/memory_file.h"
#include "settings/model/file_reason.h"
#include "settings/params/frame.h"
#include "settings/procedures.h"

namespace mokrav {

namespace {

// The keys the restore step knows, in ascending order. Each names the combo
// box of the same number, except 41, whose lines go into the note box Com14.
constexpr int kMemoryKeys[] = {11,  12,  13,  14,  15,  16,  25,  26,  27,  28,  30,
                               31,  32,  33,  34,  35,  36,  37,  40,  41,  42,  43,
                               47,  48,  49,  51,  52,  53,  54,  59,  60,  70,  71,
                               72,  83,  84,  85,  86,  87,  88,  89,  101, 102, 103,
                               104, 105, 106, 107, 150, 157, 158, 159, 160};

bool IsMemoryKey(int key) {
  for (int k : kMemoryKeys) {
    if (k == key) return true;
  }
  return false;
}

// The number of the box that a memory line's key text restores into, if the
// key is one of the known keys written exactly as the exit button writes it.
std::optional<int> BoxOfKeyText(const std::string& keyText) {
  for (int k : kMemoryKeys) {
    if (keyText == std::to_string(k)) return k == 41 ? 14 : k;
  }
  return std::nullopt;
}

// What a memory line gives back: the box it restores into and its text.
struct Remembered {
  int box;
  std::string text;
};

// The longest memory line that start-up takes. A line holds one text typed
// into a box, so no line the exit button writes comes near it; a longer one
// (a file that is no memory file, or one damaged into a single line of
// gigabytes) is read past without being held and restores nothing, though
// it still counts toward the capacity.
constexpr std::size_t kMaxMemoryLine = 64 * 1024;

// A line of the memory file (raw bytes) as start-up reads it, if it
// remembers something. A line longer than the bound was held only in part
// and remembers nothing. Blanks before the key (a hand-edited file may have
// them) do not count: the key is the first word of the line. The text is
// everything after the first blank, so blanks and commas inside it come
// back as they were typed.
std::optional<Remembered> ReadMemoryLine(const std::string& raw) {
  if (raw.size() > kMaxMemoryLine) return std::nullopt;
  const std::size_t first = raw.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const std::string line = platform::FromCp932(raw.substr(first));
  const std::size_t blank = line.find(' ');
  if (blank == std::string::npos) return std::nullopt;  // a bare key remembers nothing
  std::string value = line.substr(blank + 1);
  if (value.empty()) return std::nullopt;  // an empty text is never remembered
  const std::optional<int> box = BoxOfKeyText(line.substr(0, blank));
  if (!box) return std::nullopt;
  return Remembered{*box, std::move(value)};
}

// Gives `take` each line of the file's last `bytes` bytes, as SplitLines
// splits them, held up to the bound; a line cut by that start is left out.
// Nothing more when the file cannot be read (start-up has just read its
// first lines, so it hardly happens).
void LastLines(const std::filesystem::path& path, std::uintmax_t bytes,
               const std::function<void(const std::string&)>& take) {
  try {
    platform::ReadLastLines(path, bytes, kMaxMemoryLine, take);
  } catch (const platform::FileError&) {
  }
}

// The memory key of a box: the number in its name, when that number is a
// known key ("Com37" -> 37). Boxes without a key give nothing.
std::optional<int> KeyOfBox(const std::string& comboName) {
  if (comboName.size() < 4 || comboName.compare(0, 3, "Com") != 0) return std::nullopt;
  int n = 0;
  for (std::size_t i = 3; i < comboName.size(); ++i) {
    char c = comboName[i];
    if (c < '0' || c > '9' || n > 10000) return std::nullopt;
    n = n * 10 + (c - '0');
  }
  // Key 41 belongs to no box of its own; nothing ever queues it.
  if (n == 41 || !IsMemoryKey(n)) return std::nullopt;
  return n;
}

// The text as the memory file gives it back: writing folds the few
// characters that input methods give in place of code-page-932 ones (the
// wave dash "〜" is stored as "～"), so a text and its folded form are the
// same entry. A text the code page cannot hold at all is taken as it is.
std::string AsStored(const std::string& text) {
  bool ascii = true;
  for (unsigned char c : text) ascii = ascii && c < 0x80;
  if (ascii) return text;  // nothing to fold
  try {
    return platform::FromCp932(platform::ToCp932(text));
  } catch (const std::exception&) {
    return text;
  }
}

// The host-folder box: its texts name folders, where a folded character
// names another folder.
constexpr const char* kHostFolderBox = "Com54";

// Whether the text is already an item of the box: exact and case-sensitive,
// after the folding that writing applies, so that an entry typed with a
// folded character is not queued again in every run. A folder is only the
// same folder when its text is the same.
bool Listed(const std::string& comboName, const ComboBox& box, const std::string& text) {
  if (box.Find(text) >= 0) return true;
  if (comboName == kHostFolderBox) return false;
  const std::string stored = AsStored(text);
  for (const std::string& item : box.items) {
    if (AsStored(item) == stored) return true;
  }
  return false;
}

// The first character of the text that the memory file would give back as
// another one, if any. The text is one that code page 932 can hold.
std::optional<std::string> FirstFolded(const std::string& text) {
  for (char32_t c : platform::Utf8ToU32(text)) {
    const std::string ch = platform::U32ToUtf8(std::u32string(1, c));
    if (AsStored(ch) != ch) return ch;
  }
  return std::nullopt;
}

// Why a text cannot be queued for the memory file under the box's key, or
// "" when it can. A queued line must survive the trip through the memory
// file: a line break would split it, and the file holds code page 932 only.
std::string MemoryRefusal(const std::string& comboName, const std::string& t) {
  if (t.find('\r') != std::string::npos || t.find('\n') != std::string::npos) {
    return "改行を含む入力は記憶できません";
  }
  // Any other control character would come back in the list looking
  // like a blank, and be refused on the day it is drawn.
  if (platform::FirstControl(t)) return "タブなどの制御文字を含む入力は記憶できません";
  if (std::optional<char32_t> ch = platform::FirstUnencodable(t)) {
    return "記憶できない文字「" + platform::U32ToUtf8(std::u32string(1, *ch)) + "」が含まれています";
  }
  // The memory file gives a folded character back as its code-page form
  // ("¥" as "\", which is a separator): the next start would offer
  // another folder than the one typed.
  if (comboName == kHostFolderBox) {
    if (std::optional<std::string> ch = FirstFolded(t)) {
      return "記憶すると「" + AsStored(*ch) + "」に変わる文字「" + *ch + "」が含まれています";
    }
  }
  return "";
}

}  // namespace

std::filesystem::path MemoryFilePath(const std::string& folder) {
  return std::filesystem::path(folder) / kMemoryFileName;
}

bool RestoreMemory(Form& f, const std::string& folder) {
  const std::filesystem::path path = MemoryFilePath(folder);

  // Before the first exit that had something to remember there is no
  // memory file yet: that is an empty memory, not an error.
  std::error_code ec;
  const bool present = std::filesystem::exists(path, ec);
  if (!present && !ec) return true;

  // Only the lines up to the capacity are read: the file only ever grows,
  // and the part beyond them is never restored anyway. The lines come as
  // raw bytes and each is decoded on its own, so one damaged line cannot
  // swallow the line end of the next.
  std::vector<std::string> lines;
  // A folder that cannot be searched hides the file.
  std::string why = ec ? "フォルダを読む権限がありません" : "";
  if (!ec) {
    try {
      lines = platform::ReadFirstLines(path, kMemoryCapacity, kMaxMemoryLine);
    } catch (const std::exception& e) {
      why = FileFailureReason(e);
      if (why.empty()) why = e.what();
    }
  }
  if (!why.empty()) {
    // The built-in lists still fill and the window stays usable; the user
    // learns that the remembered entries are missing, and why.
    f.MSG = kMemoryUnreadable + path.string() + InParentheses(why);
    return false;
  }
  if (lines.size() >= kMemoryCapacity) {
    // The oldest entries are kept; the newest lines, at the end, are the
    // ones left out. The file is left as it is.
    f.MSG = "ファイルが一杯です";
    f.memoryFull = true;
  }

  for (const std::string& raw : lines) {
    const std::optional<Remembered> entry = ReadMemoryLine(raw);
    if (!entry || !f.Has("Com" + std::to_string(entry->box))) continue;
    ComboBox& box = f.Com(entry->box);
    if (IsSettingBox(entry->box)) {
      // A setting is listed once, at the place of its first line; its
      // last line is the setting in force.
      if (box.Find(entry->text) < 0) box.AddItem(entry->text);
      f.settingInForce[entry->box] = entry->text;
      continue;
    }
    // A remembered text equal to a built-in row, or a line written twice,
    // simply gives the list two equal rows.
    box.AddItem(entry->text);
  }
  if (f.memoryFull) {
    // "設定完了" still remembers and the exit button still appends, so the
    // settings in force may stand beyond the capacity: they are looked for
    // in the file's end, as far back as any real memory file reaches.
    LastLines(path, platform::kMaxTextFileBytes, [&](const std::string& raw) {
      const std::optional<Remembered> entry = ReadMemoryLine(raw);
      if (entry && IsSettingBox(entry->box)) f.settingInForce[entry->box] = entry->text;
    });
    // Such a setting joins the remembered rows, so that the box's text is
    // one of its rows.
    for (const auto& [n, text] : f.settingInForce) {
      if (f.Com(n).Find(text) < 0) f.Com(n).AddItem(text);
    }
  }
  return true;
}

bool WouldQueue(Form& f, const std::string& comboName, bool withKey) {
  const ComboBox& box = f.Combo(comboName);
  return !box.text.empty() && !Listed(comboName, box, box.text) && withKey && KeyOfBox(comboName);
}

bool RememberEntry(Form& f, const std::string& comboName, bool withKey) {
  ComboBox& box = f.Combo(comboName);
  const std::string t = box.text;
  if (t.empty()) return true;
  if (Listed(comboName, box, t)) return true;

  const std::optional<int> key = withKey ? KeyOfBox(comboName) : std::nullopt;
  if (key) {
    // A text the memory file cannot hold is not taken into the list
    // either, so the next press reports it again instead of silently
    // skipping it.
    std::string refusal = MemoryRefusal(comboName, t);
    if (!refusal.empty()) {
      f.MSG = std::move(refusal);
      return false;
    }
  }

  box.AddItem(t);
  if (key) f.pendingHistory += std::to_string(*key) + " " + t + "\r\n";
  return true;
}

void Command10_Click(Form& f) {
  f.MSG.clear();
  // The arrow is drawn from these two as numbers by four tabs' tools: a
  // text that is none would be remembered only to be refused at every
  // draw. An empty box is no entry and is simply not remembered.
  const std::map<int, const char*> notANumber = {{59, params::kNoArrowLength}, {60, params::kNoArrowAngle}};
  // Each press makes the three texts the settings in force, a row picked
  // from a list as much as a text typed anew; a setting left as it stands
  // is not queued again. Each box is judged on its own: a text that cannot
  // be remembered keeps the setting in force as it was and has its reason
  // in the status line, while the other two are remembered all the same.
  std::string refusals;
  for (int box : kSettingBoxes) {
    ComboBox& combo = f.Com(box);
    std::string refusal;
    if (const auto arrow = notANumber.find(box); arrow != notANumber.end()) {
      combo.text = params::WithoutOuterBlanks(combo.text);
      if (!combo.text.empty() && !params::IsNumberField(combo.text)) refusal = arrow->second;
    }
    const auto inForce = f.settingInForce.find(box);
    if (refusal.empty()) {
      if (combo.text.empty() || (inForce != f.settingInForce.end() && inForce->second == combo.text)) continue;
      refusal = MemoryRefusal("Com" + std::to_string(box), combo.text);
    }
    if (!refusal.empty()) {
      refusals += (refusals.empty() ? "" : "。") + refusal;
      continue;
    }
    if (combo.Find(combo.text) < 0) combo.AddItem(combo.text);
    f.pendingHistory += std::to_string(box) + " " + combo.text + "\r\n";
    f.settingInForce[box] = combo.text;
  }
  f.MSG = refusals.empty() ? "設定を記憶しました" : refusals;
}

void Command1_Click(Form& f) {
  if (!f.pendingHistory.empty()) {
    const std::filesystem::path path = MemoryFilePath(f.startFolder);
    // One block per run: the queued lines, then an empty line. A last line
    // without its line end (a file edited by hand) is ended first by the
    // append, so the first queued line does not join it.
    const std::string block = f.pendingHistory + "\r\n";
    try {
      // A write cut short leaves the file as it was, so a second press
      // appends the whole block again without gluing it to a fragment. A
      // pipe or a device in the file's place is refused without waiting on
      // it, as a failed write: it would keep nothing.
      platform::AppendFile(path, block);
    } catch (const std::exception& e) {
      // Staying open keeps the queued entries; the user can free the disk
      // or fix the folder's rights and press the button again.
      f.MSG = "追加データを保存できません：" + path.string() +
              InParentheses(FileFailureReason(e)) + "。確認して、もう一度「終了」を押してください";
      return;
    }
    f.pendingHistory.clear();
  }
  f.quitRequested = true;
}

}  // namespace mokrav
