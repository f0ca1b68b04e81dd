// RememberEntry and the settings button "設定完了": which texts join their
// list, which are queued for the memory file, and what is refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_test_util.h"
#include "settings/procedures.h"

namespace mokrav {
namespace {

using testing::TempFolder;
using Items = std::vector<std::string>;

class Remember : public ::testing::Test {
 protected:
  void SetUp() override { Form_Load(f, dir.Text()); }
  TempFolder dir;
  Form f;
};

TEST_F(Remember, NewTextJoinsListAndIsQueuedOnce) {
  f.Com(54).text = "d:\\work\\";
  EXPECT_TRUE(RememberEntry(f, "Com54"));
  EXPECT_EQ(f.Com(54).items, (Items{"b:\\jww\\", "c:\\jww\\", "d:\\work\\"}));
  EXPECT_EQ(f.pendingHistory, "54 d:\\work\\\r\n");
  EXPECT_TRUE(RememberEntry(f, "Com54"));
  EXPECT_EQ(f.pendingHistory, "54 d:\\work\\\r\n");
  EXPECT_EQ(f.Com(54).items.size(), 3u);
}

TEST_F(Remember, TextsThatAreNotNew) {
  f.Com(54).Select(1);  // a built-in row
  f.Com(59).text = "";
  EXPECT_TRUE(RememberEntry(f, "Com54"));
  EXPECT_TRUE(RememberEntry(f, "Com59"));
  EXPECT_TRUE(f.pendingHistory.empty());
  EXPECT_EQ(f.Com(54).items.size(), 2u);
  EXPECT_EQ(f.Com(59).items.size(), 9u);
}

TEST_F(Remember, ComparisonIsExact) {
  // Case, a trailing blank and full-width forms all make a new entry.
  f.Com(12).text = "m6";
  EXPECT_TRUE(RememberEntry(f, "Com12"));
  f.Com(12).text = "M6 ";
  EXPECT_TRUE(RememberEntry(f, "Com12"));
  f.Com(12).text = "Ｍ６";
  EXPECT_TRUE(RememberEntry(f, "Com12"));
  EXPECT_EQ(f.pendingHistory, "12 m6\r\n12 M6 \r\n12 Ｍ６\r\n");
}

// Writing stores a few characters that input methods give in place of code
// page 932 ones in their code-page form ("〜" U+301C is stored as "～"
// U+FF5E). The comparison sees the stored forms, so such an entry is queued
// once, not in every run in which it is typed.
TEST_F(Remember, FoldedCharactersAreTheSameEntry) {
  f.Com(32).text = "\u301C3";
  EXPECT_TRUE(RememberEntry(f, "Com32"));
  EXPECT_EQ(f.pendingHistory, "32 \u301C3\r\n");
  f.Com(32).text = "\uFF5E3";  // what the list shows after a restart
  EXPECT_TRUE(RememberEntry(f, "Com32"));
  f.Com(32).text = "\u301C3";
  EXPECT_TRUE(RememberEntry(f, "Com32"));
  EXPECT_EQ(f.pendingHistory, "32 \u301C3\r\n");
  // The minus sign U+2212 and the full-width hyphen-minus U+FF0D likewise;
  // texts that differ in any other way stay different entries.
  f.Com(33).text = "\uFF0D0.1";
  EXPECT_TRUE(RememberEntry(f, "Com33"));
  f.Com(33).text = "\u22120.1";
  EXPECT_TRUE(RememberEntry(f, "Com33"));
  f.Com(33).text = "-0.1";  // the half-width hyphen-minus is another character
  EXPECT_TRUE(RememberEntry(f, "Com33"));
  f.Com(33).text = "\u22120.10";
  EXPECT_TRUE(RememberEntry(f, "Com33"));
  EXPECT_EQ(f.pendingHistory,
            "32 \u301C3\r\n33 \uFF0D0.1\r\n33 -0.1\r\n33 \u22120.10\r\n");
}

// Across runs: typed with the wave dash, restored with the full-width tilde,
// typed again with the wave dash: one memory line in all.
TEST(RememberAcrossRuns, FoldedEntryIsQueuedOnce) {
  TempFolder dir;
  for (int run = 0; run < 3; ++run) {
    SCOPED_TRACE(run);
    Form f;
    Form_Load(f, dir.Text());
    f.Com(32).text = "\u301C3";
    ASSERT_TRUE(RememberEntry(f, "Com32"));
    if (run > 0) {
      EXPECT_GE(f.Com(32).Find("\uFF5E3"), 0);
      EXPECT_EQ(f.pendingHistory, "");
    }
    Command1_Click(f);
    ASSERT_TRUE(f.quitRequested);
  }
  EXPECT_EQ(dir.ReadMemoryBytes(), "32 \x81\x60" "3\r\n\r\n");
}

TEST_F(Remember, SortedBoxTakesTextAtItsPlace) {
  f.Com(25).text = "12";
  EXPECT_TRUE(RememberEntry(f, "Com25"));
  EXPECT_EQ(f.Com(25).items, (Items{"10", "12", "15", "20", "25", "30", "35", "40", "45"}));
  EXPECT_EQ(f.pendingHistory, "25 12\r\n");
}

TEST_F(Remember, BoxWithoutKeyOnlyJoinsList) {
  f.Com(151).text = "7.7";
  EXPECT_TRUE(RememberEntry(f, "Com151"));  // no memory key for this box
  f.Com(106).text = "2024/1/1";
  EXPECT_TRUE(RememberEntry(f, "Com106", false));
  f.Com(54).text = "e:\\";
  EXPECT_TRUE(RememberEntry(f, "Com54", false));
  EXPECT_EQ(f.Com(151).items.back(), "7.7");
  EXPECT_EQ(f.Com(106).items.back(), "2024/1/1");
  EXPECT_EQ(f.Com(54).items.back(), "e:\\");
  EXPECT_TRUE(f.pendingHistory.empty());
}

TEST_F(Remember, TextsTheMemoryFileCannotHoldAreRefused) {
  for (const std::string& text : {std::string("a\r\nb"), std::string("a\nb"),
                                  std::string("tab\x0D"), std::string("smile \xF0\x9F\x98\x80")}) {
    f.MSG = "";
    f.Com(54).text = text;
    EXPECT_FALSE(RememberEntry(f, "Com54")) << text;
    EXPECT_FALSE(f.MSG.empty()) << text;
    EXPECT_EQ(f.Com(54).items.size(), 2u) << text;
  }
  EXPECT_TRUE(f.pendingHistory.empty());
}

// A pasted tab or another control character would come back in the list
// looking like a blank; a full-width blank is an ordinary character.
TEST_F(Remember, ControlCharactersAreRefusedWithTheirOwnMessage) {
  for (const std::string& text : {std::string("d:\\a\tb\\"), std::string("d:\\a\vb\\"),
                                  std::string("d:\\a\x1B" "b\\"), std::string("d:\\a\x7F" "b\\")}) {
    f.MSG = "";
    f.Com(54).text = text;
    EXPECT_FALSE(RememberEntry(f, "Com54")) << text;
    EXPECT_EQ(f.MSG, "タブなどの制御文字を含む入力は記憶できません") << text;
    EXPECT_EQ(f.Com(54).items.size(), 2u) << text;
  }
  EXPECT_TRUE(f.pendingHistory.empty());
  f.Com(54).text = "d:\\図面　Ａ\\";
  EXPECT_TRUE(RememberEntry(f, "Com54"));
  EXPECT_EQ(f.pendingHistory, "54 d:\\図面　Ａ\\\r\n");
}

// The memory file gives "¥", "〜" and "−" back as other characters ("\",
// "～", "－"): a folder typed with one would be another folder at the next
// start. Such a folder is refused with the character named; one typed with
// the characters the file keeps is remembered, also beside a folder on
// offer whose name differs only in such a character.
TEST_F(Remember, HostFolderThatTheMemoryFileWouldChangeIsRefused) {
  for (const auto& [folder, ch] : {std::pair<std::string, std::string>{"/srv/¥/", "¥"},
                                    {"/srv/a〜b/", "〜"},
                                    {"/srv/−1/", "−"}}) {
    SCOPED_TRACE(folder);
    Form g;
    Form_Load(g, dir.Text());
    const Items folders = g.Com(54).items;
    g.Com(54).text = folder;
    Command10_Click(g);
    EXPECT_NE(g.MSG, "設定を記憶しました");
    EXPECT_NE(g.MSG.find("「" + ch + "」"), std::string::npos) << g.MSG;
    EXPECT_EQ(g.pendingHistory, "");
    EXPECT_EQ(g.Com(54).items, folders);
    EXPECT_EQ(g.Com(54).text, folder);  // still drawn into until changed
  }
  Form g;
  Form_Load(g, dir.Text(), "/srv/a〜b/");
  g.Com(54).text = "/srv/a～b/";
  Command10_Click(g);
  EXPECT_EQ(g.MSG, "設定を記憶しました");
  EXPECT_EQ(g.pendingHistory, "54 /srv/a～b/\r\n");
  // Picked again, the row on offer would be the setting, which the memory
  // file cannot keep.
  g.Com(54).text = "/srv/a〜b/";
  Command10_Click(g);
  EXPECT_NE(g.MSG.find("「〜」"), std::string::npos) << g.MSG;
  EXPECT_EQ(g.pendingHistory, "54 /srv/a～b/\r\n");
}

TEST_F(Remember, SettingsButton) {
  f.Com(54).text = "d:\\jww\\";
  f.Com(59).text = "3.5";
  // Com60 keeps its default, a built-in row.
  Command10_Click(f);
  EXPECT_EQ(f.MSG, "設定を記憶しました");
  EXPECT_EQ(f.pendingHistory, "54 d:\\jww\\\r\n59 3.5\r\n");
  Command10_Click(f);  // the texts are rows now
  EXPECT_EQ(f.pendingHistory, "54 d:\\jww\\\r\n59 3.5\r\n");
  EXPECT_EQ(f.MSG, "設定を記憶しました");
  EXPECT_EQ(f.Com(54).text, "d:\\jww\\");  // no selection changes
}

// A refused setting is named and keeps out of the memory file on its own;
// the others are remembered, and once it is put right the next press
// remembers it too.
TEST_F(Remember, SettingsButtonReportsARefusedEntry) {
  f.Com(54).text = "d:\\\xF0\x9F\x98\x80\\";
  f.Com(60).text = "12";
  Command10_Click(f);
  EXPECT_EQ(f.MSG, "記憶できない文字「\xF0\x9F\x98\x80」が含まれています");
  EXPECT_EQ(f.pendingHistory, "60 12\r\n");
  f.Com(54).text = "d:\\a\\";
  Command10_Click(f);
  EXPECT_EQ(f.MSG, "設定を記憶しました");
  EXPECT_EQ(f.pendingHistory, "60 12\r\n54 d:\\a\\\r\n");
}

// The arrow length and angle are remembered only as numbers: the tools of
// four tabs draw the arrow from them. A refused arrow keeps its list and
// its setting as they were; the folder is remembered all the same.
TEST_F(Remember, SettingsButtonRefusesAnArrowThatIsNoNumber) {
  const struct {
    const char* length;
    const char* angle;
    const char* message;
  } rows[] = {
      {"abc", "15", "矢印の長さの数値が入力されていません"},
      {"3", "１５度", "矢印の角度の数値が入力されていません"},
      {"3 5", "15", "矢印の長さの数値が入力されていません"},
      {"abc", "xyz", "矢印の長さの数値が入力されていません。矢印の角度の数値が入力されていません"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.length) + "|" + row.angle);
    Form g;
    Form_Load(g, dir.Text());
    g.Com(54).text = "d:\\jww\\";
    g.Com(59).text = row.length;
    g.Com(60).text = row.angle;
    const Items folders = g.Com(54).items, lengths = g.Com(59).items, angles = g.Com(60).items;
    Command10_Click(g);
    EXPECT_EQ(g.MSG, row.message);
    EXPECT_EQ(g.pendingHistory, "54 d:\\jww\\\r\n");
    EXPECT_EQ(g.Com(54).items.size(), folders.size() + 1);
    EXPECT_EQ(g.Com(59).items, lengths);
    EXPECT_EQ(g.Com(60).items, angles);
  }
}

// Blanks around a number carry no meaning; an empty box is simply not
// remembered, as before.
TEST_F(Remember, SettingsButtonTakesNumbersWithoutTheirOuterBlanks) {
  f.Com(59).text = " 3.5 ";
  f.Com(60).text = "";
  Command10_Click(f);
  EXPECT_EQ(f.MSG, "設定を記憶しました");
  EXPECT_EQ(f.Com(59).text, "3.5");
  EXPECT_EQ(f.pendingHistory, "59 3.5\r\n");
}

}  // namespace
}  // namespace mokrav
