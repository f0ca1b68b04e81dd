// Start-up with the memory file: what comes back into which list, the
// capacity, and damaged or odd files that must never stop the window.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

#include "memory_test_util.h"
#include "platform/cp932.h"
#include "settings/procedures.h"

namespace mokrav {
namespace {

using testing::TempFolder;
using Items = std::vector<std::string>;

// UTF-8 memory lines as the exit button writes them.
std::string MemoryBytes(const std::string& utf8) { return platform::ToCp932(utf8); }

TEST(MemoryRestore, MissingFileIsAnEmptyMemory) {
  TempFolder dir;
  Form f;
  Form_Load(f, dir.Text());
  EXPECT_FALSE(f.memoryFull);
  EXPECT_EQ(f.MSG, "データを読み込みました");
  EXPECT_EQ(f.Com(54).items, (Items{"b:\\jww\\", "c:\\jww\\"}));
  EXPECT_EQ(f.Com(54).text, "b:\\jww\\");
  EXPECT_FALSE(std::filesystem::exists(dir.MemoryFile()));
}

TEST(MemoryRestore, EmptyFileRestoresNothing) {
  TempFolder dir;
  dir.WriteMemoryBytes("");
  Form withFile;
  Form_Load(withFile, dir.Text());
  TempFolder none;
  Form without;
  Form_Load(without, none.Text());

  EXPECT_EQ(withFile.MSG, "データを読み込みました");
  EXPECT_FALSE(withFile.memoryFull);
  for (const auto& [name, box] : without.Combos()) {
    EXPECT_EQ(withFile.Combo(name).items, box.items) << name;
    EXPECT_EQ(withFile.Combo(name).text, box.text) << name;
  }
  EXPECT_TRUE(withFile.pendingHistory.empty());
}

TEST(MemoryRestore, RememberedFolderOpensSelected) {
  TempFolder dir;
  dir.WriteMemoryBytes("54 d:\\work\\\r\n\r\n");
  Form f;
  Form_Load(f, dir.Text());
  EXPECT_EQ(f.Com(54).items, (Items{"d:\\work\\", "b:\\jww\\", "c:\\jww\\"}));
  EXPECT_EQ(f.Com(54).text, "d:\\work\\");
  // The default position counts remembered rows: Com59 opens with its
  // third row whatever it is.
  EXPECT_EQ(f.MSG, "データを読み込みました");
  EXPECT_TRUE(f.pendingHistory.empty()) << "restored entries are never queued";
}

TEST(MemoryRestore, RememberedRowShiftsDefaultOfUnsortedBox) {
  TempFolder dir;
  dir.WriteMemoryBytes("87 0.5\r\n\r\n");
  Form f;
  Form_Load(f, dir.Text());
  EXPECT_EQ(f.Com(87).items.front(), "0.5");
  EXPECT_EQ(f.Com(87).text, "2");
}

TEST(MemoryRestore, SortedBoxMergesRememberedRow) {
  TempFolder dir;
  dir.WriteMemoryBytes("25 12\r\n\r\n");
  Form f;
  Form_Load(f, dir.Text());
  EXPECT_EQ(f.Com(25).items, (Items{"10", "12", "15", "20", "25", "30", "35", "40", "45"}));
  EXPECT_EQ(f.Com(25).text, "25");
}

TEST(MemoryRestore, LineEqualToBuiltInRowGivesTwoRows) {
  TempFolder dir;
  dir.WriteMemoryBytes("83 C\r\n83 C\r\n\r\n");
  Form f;
  Form_Load(f, dir.Text());
  EXPECT_EQ(f.Com(83).items.size(), 2u + 15u);
  EXPECT_EQ(f.Com(83).items[0], "C");
  EXPECT_EQ(f.Com(83).items[1], "C");
  EXPECT_EQ(f.Com(83).items[2], "A");
}

// The text is everything after the first blank: blanks, commas and quotes
// inside a remembered text come back exactly as they were typed.
TEST(MemoryRestore, TextComesBackWhole) {
  TempFolder dir;
  dir.WriteMemoryBytes(MemoryBytes(
      "101 製品 A\r\n"
      "12 a,13 b\r\n"
      "54  lead\r\n"
      "40 \"quoted\", text\r\n"
      "\r\n"));
  Form f;
  RestoreMemory(f, dir.Text());
  EXPECT_EQ(f.Com(101).items, (Items{"製品 A"}));
  EXPECT_EQ(f.Com(12).items, (Items{"a,13 b"}));
  EXPECT_TRUE(f.Com(13).items.empty());
  EXPECT_EQ(f.Com(54).items, (Items{" lead"}));
  EXPECT_EQ(f.Com(40).items, (Items{"\"quoted\", text"}));
}

TEST(MemoryRestore, KeysAndOddLines) {
  TempFolder dir;
  dir.WriteMemoryBytes(MemoryBytes(
      "41 note\r\n"      // key 41 restores into the note box
      "106 日付2\r\n"    // known to the restore step, never written
      "999 x\r\n"        // no such key
      "054 x\r\n"        // key text must match exactly
      "151 7.7\r\n"      // a box without a key
      "54\r\n"           // a bare key has nothing to restore
      "54 \r\n"          // nor has a key with an empty text
      "abc\r\n"
      "   \r\n"         // blanks only
      "  102 lower\r\n"  // blanks before the key are skipped
      "59 9.5\r\n"));
  Form f;
  RestoreMemory(f, dir.Text());
  EXPECT_EQ(f.Com(14).items, (Items{"note"}));
  EXPECT_EQ(f.Com(106).items, (Items{"日付2"}));
  EXPECT_TRUE(f.Com(54).items.empty());
  EXPECT_TRUE(f.Com(151).items.empty());
  EXPECT_EQ(f.Com(59).items, (Items{"9.5"}));
  EXPECT_EQ(f.Com(102).items, (Items{"lower"}));
}

TEST(MemoryRestore, AnyLineEndAndNoLastLineEnd) {
  TempFolder dir;
  dir.WriteMemoryBytes("54 a\n54 b\r54 c\r\n54 d");
  Form f;
  RestoreMemory(f, dir.Text());
  EXPECT_EQ(f.Com(54).items, (Items{"a", "b", "c", "d"}));
}

TEST(MemoryRestore, DamagedBytesDoNotStopStartUp) {
  TempFolder dir;
  // A lead byte with no trail byte before the line end, a stray trail-only
  // byte, and a good line after them.
  dir.WriteMemoryBytes(std::string("54 ab\x82\r\n") + "101 \xFD\xFD\r\n" + "59 7\r\n");
  Form f;
  Form_Load(f, dir.Text());
  EXPECT_EQ(f.MSG, "データを読み込みました");
  ASSERT_EQ(f.Com(54).items.size(), 3u);
  EXPECT_EQ(f.Com(54).items[0].substr(0, 2), "ab");
  EXPECT_NE(f.Com(54).items[0].find("\xEF\xBF\xBD"), std::string::npos);  // U+FFFD
  EXPECT_EQ(f.Com(59).items.front(), "7");
  EXPECT_EQ(f.Com(101).items.size(), 2u);
}

// A memory file that is there but cannot be read: the window opens with
// its built-in lists and says which file it could not read.
TEST(MemoryRestore, UnreadableFileIsReportedAndTheWindowStaysUsable) {
  TempFolder dir;
  std::filesystem::create_directory(dir.MemoryFile());  // a folder in its place
  Form f;
  Form_Load(f, dir.Text());
  EXPECT_EQ(f.MSG, kMemoryUnreadable + dir.MemoryFile().string() + "（同じ名前のフォルダがあります）");
  EXPECT_FALSE(f.memoryFull);
  EXPECT_EQ(f.Com(54).text, "b:\\jww\\");
  f.Com(54).text = "d:\\work\\";
  Command10_Click(f);
  EXPECT_EQ(f.MSG, "設定を記憶しました");
}

TEST(MemoryRestore, PipeInPlaceOfTheFileIsNotWaitedOn) {
  TempFolder dir;
  ASSERT_EQ(::mkfifo(dir.MemoryFile().c_str(), 0644), 0);
  Form f;
  Form_Load(f, dir.Text());  // would block for ever on a writer
  EXPECT_EQ(f.MSG.rfind(kMemoryUnreadable + dir.MemoryFile().string() + "（", 0), 0u) << f.MSG;
}

TEST(MemoryRestore, FileWithoutReadPermissionIsReported) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser reads every file";
  TempFolder dir;
  dir.WriteMemoryBytes("54 d:\\work\\\r\n\r\n");
  std::filesystem::permissions(dir.MemoryFile(), std::filesystem::perms::owner_write);
  Form f;
  Form_Load(f, dir.Text());
  EXPECT_EQ(f.MSG, kMemoryUnreadable + dir.MemoryFile().string() + "（読む権限がありません）");
  EXPECT_EQ(f.Com(54).items.size(), 2u);
}

// Start-up reads no further than the capacity: a memory file that has grown
// to gigabytes (here a sparse one, which costs no disk) opens at once.
TEST(MemoryRestore, HugeFileIsReadOnlyToTheCapacity) {
  TempFolder dir;
  std::string s;
  for (int i = 0; i < 3997; ++i) s += "59 " + std::to_string(i) + "\r\n";
  dir.WriteMemoryBytes(s);
  std::filesystem::resize_file(dir.MemoryFile(), std::uintmax_t{8} << 30);
  Form f;
  Form_Load(f, dir.Text());
  EXPECT_TRUE(f.memoryFull);
  EXPECT_EQ(f.MSG, "ファイルが一杯です");
  // "1" to "9" are remembered already; the last line read is in force.
  EXPECT_EQ(f.Com(59).items.size(), 3997u);
  EXPECT_EQ(f.Com(59).items[3996], "3996");
  EXPECT_EQ(f.Com(59).text, "3996");
}

// File of n lines, alternating between a remembered line and the empty line
// that ends each exit's block; every line counts toward the capacity.
std::string LinesFile(std::size_t n) {
  std::string s;
  for (std::size_t i = 0; i < n; ++i) {
    s += (i % 2 == 0) ? "54 f" + std::to_string(i) + "\r\n" : "\r\n";
  }
  return s;
}

// The host folder is a setting: its latest line counts also beyond the
// capacity and joins the rows read.
TEST(MemoryRestore, Capacity) {
  struct Case {
    std::size_t lines;
    bool full;
    std::size_t restored;  // Com54 rows from the file
    const char* last;      // the last of them
  };
  for (const Case& c : {Case{3996, false, 1998, "f3994"}, Case{3997, true, 1999, "f3996"},
                        Case{3998, true, 1999, "f3996"}, Case{5000, true, 2000, "f4998"}}) {
    TempFolder dir;
    dir.WriteMemoryBytes(LinesFile(c.lines));
    Form f;
    RestoreMemory(f, dir.Text());
    EXPECT_EQ(f.memoryFull, c.full) << c.lines;
    EXPECT_EQ(f.Com(54).items.size(), c.restored) << c.lines;
    EXPECT_EQ(f.Com(54).items.front(), "f0");
    EXPECT_EQ(f.Com(54).items.back(), c.last) << c.lines;
  }
}

TEST(MemoryRestore, FullFileKeepsItsMessageThroughStartUp) {
  TempFolder dir;
  std::string s;
  for (int i = 0; i < 3997; ++i) s += "150 m" + std::to_string(i) + ":1:ｍ\r\n";
  dir.WriteMemoryBytes(MemoryBytes(s));
  const std::string before = dir.ReadMemoryBytes();
  Form f;
  Form_Load(f, dir.Text());
  EXPECT_TRUE(f.memoryFull);
  EXPECT_EQ(f.MSG, "ファイルが一杯です");
  EXPECT_EQ(f.Com(150).items.size(), 3997u + 15u);  // all restored, built-ins after
  EXPECT_EQ(dir.ReadMemoryBytes(), before);
}

// A line far longer than any the exit button writes (a damaged file) is
// read past without being held: it restores nothing and counts as one line
// toward the capacity, and the lines after it come back as ever, also from
// the end of a full file.
TEST(MemoryRestore, OverLongLineRestoresNothing) {
  const std::string longLine = "54 d:\\" + std::string(3 << 20, 'x') + "\\\r\n";
  std::string s;
  for (int i = 0; i < 3995; ++i) s += "\r\n";
  TempFolder dir;
  // Lines 3996 and 3997 are read, 3998 is past the capacity, and the
  // latest host folder is looked for at the end.
  dir.WriteMemoryBytes(s + longLine + "59 5.5\r\n101 past\r\n54 d:\\newest\\\r\n" + longLine);
  Form f;
  Form_Load(f, dir.Text());
  EXPECT_EQ(f.MSG, "ファイルが一杯です");
  EXPECT_EQ(f.Com(59).items.front(), "5.5");
  EXPECT_EQ(f.Com(101).Find("past"), -1);
  EXPECT_TRUE(f.Com(54).text == "d:\\newest\\") << f.Com(54).text.size() << " bytes";
  for (const std::string& item : f.Com(54).items) EXPECT_LT(item.size(), 1000u);
}

}  // namespace
}  // namespace mokrav
