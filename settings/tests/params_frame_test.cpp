// The common frame of the draw buttons: field forms, the record line, the
// path in the host folder, the single safe write, and the refusals.
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <array>
#include <functional>
#include <stdexcept>
#include <string>

#include "settings/tests/params_frame_util.h"
#include "tests/support/expect_throw.h"

namespace mokrav::testing {
namespace {

using params::ColonPart;
using params::WithMarker;

TEST(FieldForms, ColonParts) {
  struct Case { std::string entry; int n; std::string part; };
  const Case cases[] = {
      {"GE:円筒研削", 0, "GE"}, {"無し　　　:0", 1, "0"}, {"a:b:c", 1, "b"},
      {"a:b:c", 2, "c"},        {"abc", 0, "abc"},        {"abc", 1, ""},
      {"a:", 1, ""},            {":x", 0, ""},            {"r=12:ﾙｰﾄ半径", 0, "r=12"},
      {"a：b", 0, "a：b"},  // a full-width colon is another character
  };
  for (const Case& c : cases) EXPECT_EQ(ColonPart(c.entry, c.n), c.part) << c.entry << c.n;
}

TEST(FieldForms, MarkersOnlyForEmptyTexts) {
  EXPECT_EQ(WithMarker("", "-"), "-");
  EXPECT_EQ(WithMarker("", "0"), "0");
  EXPECT_EQ(WithMarker("", "--"), "--");
  EXPECT_EQ(WithMarker(" ", "-"), " ");
  EXPECT_EQ(WithMarker("x", "-"), "x");
  EXPECT_EQ(WithMarker("", nullptr), "");
}

TEST(FieldForms, RecordLineJoinsWithSingleBlanks) {
  EXPECT_EQ(params::RecordLine({{"a", "1"}, {"b", ""}, {"c", "x y"}}), "1  x y");
  EXPECT_EQ(params::RecordLine({{"a", ""}, {"b", "2"}}), " 2");
  EXPECT_EQ(params::RecordLine({}), "");
}

using FrameTest = DrawTest;

TEST_F(FrameTest, SecondClickReplacesTheFile) {
  Put("mokrav1.jyd", std::string(300, 'x') + "\r\n");
  Co32_Click(f_);
  Co32_Click(f_);
  EXPECT_EQ(Bytes("mokrav1.jyd"), "3 4 10 - - - - 1 - - - - - 0 0 0 0 -- -- 3 15 - - 0 0\r\n");
  EXPECT_EQ(OtherEntries(), 1);  // no temporary file left behind
}

// A writer whose record drifted from its file's layout is stopped before
// anything is checked, shown, written or remembered.
TEST_F(FrameTest, RecordOffItsLayoutIsAProgrammingError) {
  static constexpr std::array<const char*, 3> kNames = {"T.a", "T.b", "T.c"};
  const params::OutputSpec out = {
      {"test.jyd", kNames}, "written", params::SuccessAt::BeforeWrite, {{"Com30"}}};
  const struct {
    params::Record record;
    const char* drift;
  } drifted[] = {
      {{{"T.a", "1"}, {"T.b", "2"}}, "has nothing as field 2 where its layout has T.c"},
      {{{"T.a", "1"}, {"T.c", "3"}, {"T.b", "2"}}, "has T.c as field 1 where its layout has T.b"},
      {{{"T.a", "1"}, {"T.b", "2"}, {"T.c", "3"}, {"T.d", "4"}}, "has T.d as field 3 where its layout has nothing"},
  };
  f_.Com(30).text = "new";
  f_.MSG = "before";
  for (const auto& d : drifted) {
    EXPECT_THROW_SAYING(params::WriteRecord(f_, out, d.record), std::logic_error,
                        std::string("the record of test.jyd ") + d.drift);
  }
  EXPECT_EQ(f_.MSG, "before");
  EXPECT_EQ(OtherEntries(), 0);
  EXPECT_TRUE(f_.pendingHistory.empty());
  EXPECT_TRUE(params::WriteRecord(f_, out, {{"T.a", "1"}, {"T.b", "2"}, {"T.c", "3"}}));
  EXPECT_EQ(Bytes("test.jyd"), "1 2 3\r\n");
}

// A folder typed without its closing separator is that folder, for the
// file written and for the path a failure names; the text stays as typed.
TEST_F(FrameTest, FolderWithoutClosingSeparatorIsThatFolder) {
  std::filesystem::create_directory(dir_ / "sub");
  const std::string folder = (dir_ / "sub").string();
  f_.Com(54).text = folder;
  Co22_Click(f_);
  EXPECT_EQ(Bytes("sub/mokrav2.jyd"), "4 4 6 0 0 - - 12.5 25 -- --\r\n");
  Co32_Click(f_);
  EXPECT_EQ(f_.MSG, "溶接記号データを出力しました");
  EXPECT_NE(Bytes("sub/mokrav1.jyd"), "<missing>");
  EXPECT_EQ(OtherEntries(), 1);  // nothing beside the folder
  EXPECT_EQ(f_.Com(54).text, folder);

  f_.Com(54).text = (dir_ / "missing").string();
  Co32_Click(f_);
  EXPECT_EQ(f_.MSG, std::string(params::kWriteFailed) + f_.Com(54).text + "/mokrav1.jyd" +
                        "（フォルダがありません）");
}

TEST_F(FrameTest, BackslashesServeAsSeparators) {
  std::string folder = dir_.string() + "/";
  for (char& c : folder)
    if (c == '/') c = '\\';
  f_.Com(54).text = folder;
  CO2_Click(f_);
  EXPECT_NE(Bytes("mokrav3.jyd"), "<missing>");
  EXPECT_EQ(f_.MSG, "幾何公差記号データを出力しました");
}

TEST_F(FrameTest, EmptyFolderWritesIntoTheCurrentDirectory) {
  auto here = std::filesystem::current_path();
  std::filesystem::current_path(dir_);
  f_.Com(54).text = "";
  Command8_Click(f_);
  std::filesystem::current_path(here);
  EXPECT_EQ(Bytes("mokrav7.jyd"), Line("4 -- 3 5 -- 2 1 -- A B C D 0 3 15 断面 1"));
}

// The start-up default host folder does not exist here: the click fails,
// says so with the path, and leaves no stray file in the current directory.
TEST_F(FrameTest, DefaultHostFolderFailsCleanly) {
  auto here = std::filesystem::current_path();
  std::filesystem::current_path(dir_);
  f_.Com(54).Select(0);
  ASSERT_EQ(f_.Com(54).text, "b:\\jww\\");
  f_.Com(42).text = "new";
  Co32_Click(f_);
  std::filesystem::current_path(here);
  EXPECT_EQ(f_.MSG, std::string(params::kWriteFailed) + "b:\\jww\\mokrav1.jyd" + "（フォルダがありません）");
  EXPECT_EQ(OtherEntries(), 0);
  EXPECT_EQ(f_.pendingHistory, "");
  EXPECT_LT(f_.Com(42).Find("new"), 0);
}

// Every draw button of this tab set, with a new entry in one remembered box.
struct Button {
  const char* name;
  std::function<void(Form&)> click;
  const char* file;
  const char* box;   // a remembered box
  const char* done;  // success message
};
const Button kButtons[] = {
    {"weld", Co32_Click, "mokrav1.jyd", "Com42", "溶接記号データを出力しました"},
    {"finish", Co22_Click, "mokrav2.jyd", "Com31", "仕上げ記号データを出力しました"},
    {"geomtol", CO2_Click, "mokrav3.jyd", "Com34", "幾何公差記号データを出力しました"},
    {"section", Command8_Click, "mokrav7.jyd", "Com89", "断面作図データを出力しました"},
};

TEST_F(FrameTest, MissingFolderWritesAndRemembersNothing) {
  f_.Com(54).text = (dir_ / "missing" / "").string();
  for (const Button& b : kButtons) {
    f_.pendingHistory = "59 4\r\n";
    f_.Combo(b.box).text = "新しい";
    int items = static_cast<int>(f_.Combo(b.box).items.size());
    b.click(f_);
    EXPECT_EQ(f_.MSG, std::string(params::kWriteFailed) + f_.Com(54).text + b.file + "（フォルダがありません）")
        << b.name;
    EXPECT_EQ(f_.pendingHistory, "59 4\r\n") << b.name;
    EXPECT_EQ(static_cast<int>(f_.Combo(b.box).items.size()), items) << b.name;
    EXPECT_EQ(f_.Combo(b.box).text, "新しい") << b.name;
  }
  EXPECT_EQ(OtherEntries(), 0);
}

TEST_F(FrameTest, FolderTextNamingAFileFails) {
  Put("plain", "keep");
  f_.Com(54).text = (dir_ / "plain" / "").string();
  Co32_Click(f_);
  EXPECT_EQ(f_.MSG, std::string(params::kWriteFailed) + f_.Com(54).text + "mokrav1.jyd" + "（保存先がフォルダではありません）");
  EXPECT_EQ(Bytes("plain"), "keep");
}

// A write that fails half-way (here: the file-size limit, as on a full disk)
// leaves the old file exactly as it was.
TEST_F(FrameTest, FailedWriteKeepsTheOldFile) {
  for (const Button& b : kButtons) {
    Put(b.file, "old\r\n");
    f_.pendingHistory = "";
    f_.Combo(b.box).text = "新しい";
    struct rlimit saved;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    b.click(f_);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(Bytes(b.file), "old\r\n") << b.name;
    // A cause without words of its own is given in the system's.
    EXPECT_EQ(f_.MSG, std::string(params::kWriteFailed) + f_.Com(54).text + b.file + "（" +
                          std::strerror(EFBIG) + "）")
        << b.name;
    EXPECT_EQ(f_.pendingHistory, "") << b.name;
    EXPECT_LT(f_.Combo(b.box).Find("新しい"), 0) << b.name;
  }
  EXPECT_EQ(OtherEntries(), 4);  // the four old files, no temporary one
}

// Entries that the tools would misread, or the code page cannot hold, are
// refused before anything is written or remembered.
TEST_F(FrameTest, RefusedEntries) {
  struct Case { const char* box; std::string text; std::string message; };
  const Case cases[] = {
      {"Com42", "50,3", std::string(params::kCommaRefused) + "「50,3」"},
      {"Com42", "a\r\nb", params::kLineBreakRefused},
      {"Com42", "a\nb", params::kLineBreakRefused},
      {"Com157", "x😀", std::string(params::kUnencodableRefused) + "「😀」"},
      {"Com37", "WA,x:ｱｰｸ", std::string(params::kCommaRefused) + "「WA,x」"},
      {"Com161", "Ω😀:x", std::string(params::kUnencodableRefused) + "「😀」"},
  };
  for (const Case& c : cases) {
    Put("mokrav1.jyd", "old\r\n");
    f_.pendingHistory = "60 20\r\n";
    f_.Com(43).text = "10(1)-10";
    f_.Combo(c.box).text = c.text;
    Co32_Click(f_);
    EXPECT_EQ(f_.MSG, c.message) << c.box;
    EXPECT_EQ(Bytes("mokrav1.jyd"), "old\r\n") << c.box;
    EXPECT_EQ(f_.pendingHistory, "60 20\r\n") << c.box;
    EXPECT_LT(f_.Com(43).Find("10(1)-10"), 0);
    EXPECT_LT(f_.Combo(c.box).Find(c.text), 0);
    f_.Combo(c.box).text = "";
  }
}

TEST_F(FrameTest, RefusalsInEveryTab) {
  struct Case { const Button& button; const char* box; const char* text; };
  const Case cases[] = {
      {kButtons[1], "Com33", "1,6"},
      {kButtons[2], "Com72", "A,B"},
      {kButtons[2], "Com34", "±😀"},
      {kButtons[3], "Com89", "断,面"},
      {kButtons[3], "Com87", "😀"},
  };
  for (const Case& c : cases) {
    f_.MSG = "前の表示";
    f_.Combo(c.box).text = c.text;
    c.button.click(f_);
    EXPECT_NE(f_.MSG, c.button.done) << c.box;
    EXPECT_NE(f_.MSG, "前の表示") << c.box;
    EXPECT_EQ(Bytes(c.button.file), "<missing>") << c.box;
    EXPECT_EQ(f_.pendingHistory, "") << c.box;
    f_.Combo(c.box).text = "";
  }
}

// The finish kinds 1 to 5 write "-" for the texts but still remember them:
// a text the memory file cannot hold stops the click before the write.
TEST_F(FrameTest, RememberedBoxOutsideTheLineIsCheckedToo) {
  f_.Option("C23").selected = 1;
  f_.Com(31).text = "😀";
  Co22_Click(f_);
  EXPECT_EQ(f_.MSG, std::string(params::kUnencodableRefused) + "「😀」");
  EXPECT_EQ(Bytes("mokrav2.jyd"), "<missing>");
  // A comma there reaches no tool: the click goes through.
  f_.Com(31).text = "a,b";
  Co22_Click(f_);
  EXPECT_EQ(Bytes("mokrav2.jyd"), "4 4 2 0 0 - - - - -- --\r\n");
  EXPECT_EQ(f_.pendingHistory, "31 a,b\r\n");
}

TEST_F(FrameTest, WaveDashFoldsToTheCodePage) {
  f_.Com(42).text = "1\u301c2";  // the wave dash a Linux input method gives
  Co32_Click(f_);
  EXPECT_EQ(f_.MSG, "溶接記号データを出力しました");
  EXPECT_EQ(Bytes("mokrav1.jyd"), "3 4 10 - 1\x81`2 - - 1 - - - - - 0 0 0 0 -- -- 3 15 - - 0 0\r\n");
}

}  // namespace
}  // namespace mokrav::testing
