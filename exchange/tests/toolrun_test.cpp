#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

#include "exchange/records.h"
#include "exchange/toolrun.h"
#include "platform/cp932.h"
#include "platform/textfile.h"
#include "tests/support/expect_throw.h"

namespace fs = std::filesystem;
using namespace exchange;
using namespace std::string_literals;

namespace {

class ToolRun : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("mokrav_run_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    old_ = fs::current_path();
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(old_);
    fs::remove_all(dir_);
  }
  fs::path dir_, old_;
};

const ToolSpec kSpec{"TEST", 100, 1};

// Echoes the parameter line and the layer back as records.
Output Echo(const ToolInput& in) {
  auto v = ReadHostValues(in.items, {{}, {{"hp1 ", 3, 1}}});
  Output out;
  out.Add("lg" + v.layerGroup);
  out.Add("ch 0 0 1 0 \"" + in.ParameterLine());
  out.Add(LineRecord(0, 0, v.At(1).x, v.At(1).y));
  return out;
}

}  // namespace

TEST_F(ToolRun, ReplacesTheExchangeFileWithTheOutput) {
  platform::ReplaceFile("jwc_temp.txt", "lg2\r\nhp1   3 4\r\n");
  platform::ReplaceFile("p.jyd", "old line\r\n溶接 a,b\r\n\r\n");
  RunToolWords({"jwc_temp.txt", "p.jyd"}, kSpec, Echo);
  // The last non-empty line, whole, the comma kept.
  EXPECT_EQ(platform::ReadBytes("jwc_temp.txt"),
            platform::ToCp932("lg2\r\nch 0 0 1 0 \"溶接 a,b\r\n0 0 3 4\r\n\r\n"));
  // A last line of blanks alone holds no record.
  platform::ReplaceFile("jwc_temp.txt", "lg2\r\nhp1   3 4\r\n");
  platform::ReplaceFile("p.jyd", "溶接 a,b\r\n   \r\n");
  RunToolWords({"jwc_temp.txt", "p.jyd"}, kSpec, Echo);
  EXPECT_EQ(platform::FromCp932(platform::ReadBytes("jwc_temp.txt")),
            "lg2\r\nch 0 0 1 0 \"溶接 a,b\r\n0 0 3 4\r\n\r\n");
  // An absolute path is used as it is.
  platform::ReplaceFile("jwc_temp.txt", "hp1   3 4\r\n");
  RunToolWords({(dir_ / "jwc_temp.txt").string(), (dir_ / "p.jyd").string()}, kSpec, Echo);
  EXPECT_EQ(platform::FromCp932(platform::ReadBytes("jwc_temp.txt")), "lg\r\nch 0 0 1 0 \"溶接 a,b\r\n0 0 3 4\r\n\r\n");
}

TEST_F(ToolRun, AFailedRunLeavesTheExchangeFileAsTheHostWroteIt) {
  const std::string host = "lg2\r\nhp1   3 4\r\n";
  struct Case {
    const char* name;
    std::vector<std::string> words;
    std::string parameters;
    std::string exchange;
    const char* reason;
  } cases[] = {
      {"missing word", {"jwc_temp.txt"}, "x\r\n", host, "the command line has no word 1"},
      {"missing parameter file", {"jwc_temp.txt", "none.jyd"}, "", host, "the parameter file: cannot open none.jyd"},
      {"empty parameter file", {"jwc_temp.txt", "p.jyd"}, "\r\n", host, "the parameter file holds no parameter line"},
      {"point never came", {"jwc_temp.txt", "p.jyd"}, "x\r\n", "lg2\r\n", "point 1 was not picked"},
      {"bad layer group", {"jwc_temp.txt", "p.jyd"}, "x\r\n", "lgA\r\nhp1   3 4\r\n",
       "layer group \"A\" is not one of"},
  };
  for (const auto& c : cases) {
    platform::ReplaceFile("jwc_temp.txt", c.exchange);
    if (!c.parameters.empty()) platform::ReplaceFileBytes("p.jyd", c.parameters);
    EXPECT_THROW_SAYING(RunToolWords(c.words, kSpec, Echo), ToolError, c.reason) << c.name;
    EXPECT_EQ(platform::FromCp932(platform::ReadBytes("jwc_temp.txt")), c.exchange) << c.name;
  }
  // A record the code page cannot hold is never written half.
  platform::ReplaceFile("jwc_temp.txt", host);
  auto accented = [](const ToolInput&) {
    Output out;
    out.Add(std::string("ch 0 0 1 0 \"é"));
    return out;
  };
  EXPECT_THROW_SAYING(RunToolWords({"jwc_temp.txt", "p.jyd"}, kSpec, accented), ToolError,
                      "a text cannot be written to the exchange file: the character \"é\"");
  EXPECT_EQ(platform::FromCp932(platform::ReadBytes("jwc_temp.txt")), host);
  std::string many;
  for (int i = 0; i < 101; ++i) many += "ly1\r\n";
  platform::ReplaceFile("jwc_temp.txt", many);
  platform::ReplaceFile("p.jyd", "x\r\n");
  EXPECT_THROW_SAYING(RunToolWords({"jwc_temp.txt", "p.jyd"}, kSpec, Echo), ToolError, "holds more than 100 items");
  EXPECT_EQ(platform::FromCp932(platform::ReadBytes("jwc_temp.txt")), many);
}

TEST_F(ToolRun, NothingToDrawLeavesTheFileAlone) {
  platform::ReplaceFile("jwc_temp.txt", "lg2\r\n");
  platform::ReplaceFile("p.jyd", "x\r\n");
  EXPECT_FALSE(RunToolWords({"jwc_temp.txt", "p.jyd"}, kSpec,
                            [](const ToolInput&) -> Output { throw NoDrawing(); }));
  EXPECT_EQ(platform::FromCp932(platform::ReadBytes("jwc_temp.txt")), "lg2\r\n");
}

TEST_F(ToolRun, MainReportsOneLineAndExitsNonZero) {
  platform::ReplaceFile("jwc_temp.txt", "lg2\r\n");
  platform::ReplaceFile("p.jyd", "x\r\n");
  char a0[] = "TEST", a1[] = "jwc_temp.txt", a2[] = "p.jyd";
  char* argv[] = {a0, a1, a2};
  testing::internal::CaptureStderr();
  EXPECT_EQ(RunTool(3, argv, kSpec, Echo), 1);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(err, "TEST: point 1 was not picked\n");
  platform::ReplaceFile("jwc_temp.txt", "lg2\r\nhp1   3 4\r\n");
  EXPECT_EQ(RunTool(3, argv, kSpec, Echo), 0);
}

// What a message quotes from the exchange file, the parameter file or the
// command line can hold any byte. The line must show each control character
// (and each byte that is no UTF-8, or that code page 932 cannot read) as
// \xNN, and each character that reorders or hides text as \uNNNN, so that
// none retitles or clears the terminal, hides text written before it or
// turns it around, cuts the line short or breaks it in two; all else it
// quotes, the backslash of a Windows folder and Japanese included, stays as
// it is.
TEST_F(ToolRun, MainShowsEveryControlCharacterItQuotes) {
  struct Case {
    const char* name;
    std::string exchange;  // bytes
    std::vector<std::string> words;
    std::string line;  // the whole stderr line
    std::string parameters = "x\r\n";  // bytes
  } cases[] = {
      {"terminal controls in an item", "lg2\r\nhp1 \x1B]0;pwned\x07\x1B[2J 10 0\r\n",
       {"jwc_temp.txt", "p.jyd"},
       "TEST: point 1 \"hp1 \\x1B]0;pwned\\x07\\x1B[2J 10 0\" does not have its coordinates where expected\n"},
      {"backspaces over a number", "lg2\r\nhp1   1\b\b\b\bOK 0\r\n", {"jwc_temp.txt", "p.jyd"},
       "TEST: the x of point 1 \"1\\x08\\x08\\x08\\x08OK\" is not a number\n"},
      // what() is a C string: the text after the NUL must still be there.
      {"a NUL", "lg0\0\r\nhp1   3 4\r\n"s, {"jwc_temp.txt", "p.jyd"},
       "TEST: the current layer group \"\\x00\" is not one of 0 to 9 and a to f\n"},
      {"line ends inside a quoted item", "\"hp1 x\r\ny\"\r\n", {"jwc_temp.txt", "p.jyd"},
       "TEST: point 1 \"hp1 x\\x0D\\x0Ay\" does not have its coordinates where expected\n"},
      {"the parameter file's name", "lg2\r\n", {"jwc_temp.txt", "p\x1B[2J.jyd"},
       "TEST: the parameter file: cannot open p\\x1B[2J.jyd: No such file or directory\n"},
      // U+0085 is a control character; a lone 0x9B is none, but a terminal
      // may take it for one.
      {"a C1 control and a byte that is no UTF-8", "lg2\r\n", {"jwc_temp.txt", "p\xC2\x85\x9B\x7F.jyd"},
       "TEST: the parameter file: cannot open p\\x85\\x9B\\x7F.jyd: No such file or directory\n"},
      {"a command-line word", "lg2\r\n", {"jwc_temp.txt", "p.jyd", "\x1B[31m1"},
       "TEST: command-line word 2 \"\\x1B[31m1\" is not a number\n"},
      {"a Windows folder and Japanese", "lg2\r\n", {"jwc_temp.txt", "p.jyd", "c:\\jww\\溶接"},
       "TEST: command-line word 2 \"c:\\jww\\溶接\" is not a number\n"},
      // U+202E would show the rest of the line backwards ("rebmun a ton si").
      {"a right-to-left override", "lg2\r\n", {"jwc_temp.txt", "p.jyd", "1\u202E2"},
       "TEST: command-line word 2 \"1\\u202E2\" is not a number\n"},
      {"a byte order mark and a zero-width space", "lg2\r\n", {"jwc_temp.txt", "\uFEFFp\u200B.jyd"},
       "TEST: the parameter file: cannot open \\uFEFFp\\u200B.jyd: No such file or directory\n"},
      {"Japanese from the exchange file", platform::ToCp932("lg2\r\nhp1   寸法ｱ① 0\r\n"),
       {"jwc_temp.txt", "p.jyd"}, "TEST: the x of point 1 \"寸法ｱ①\" is not a number\n"},
      {"a byte that is no character in an item", "lg2\r\nhp1   3\x80 4\r\n",
       {"jwc_temp.txt", "p.jyd"}, "TEST: the x of point 1 \"3\\x80\" is not a number\n"},
      // 0x81 opens a pair that the file's end cuts off.
      {"a lead byte at the exchange file's end", "lg2\r\nhp1   3 4\x81", {"jwc_temp.txt", "p.jyd"},
       "TEST: the y of point 1 \"4\\x81\" is not a number\n"},
      // 0x85 0x40 is a lead and a trail byte that make no character.
      {"bytes code page 932 cannot read in the parameter line", "lg2\r\nhp1   3 4\r\n",
       {"jwc_temp.txt", "p.jyd"},
       "TEST: a text cannot be written to the exchange file: the character \"\\x85\\x40\" (U+FFFD) has no code "
       "page 932 form\n",
       platform::ToCp932("溶接") + "\x85\x40\r\n"},
  };
  auto wordTwo = [](const ToolInput& in) {
    if (in.words.size() > 2) Number(in.words[2], "command-line word 2");
    return Echo(in);
  };
  for (const auto& c : cases) {
    platform::ReplaceFileBytes("p.jyd", c.parameters);
    platform::ReplaceFileBytes("jwc_temp.txt", c.exchange);
    std::vector<std::string> args{"TEST"};
    args.insert(args.end(), c.words.begin(), c.words.end());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    testing::internal::CaptureStderr();
    EXPECT_EQ(RunTool(static_cast<int>(argv.size()), argv.data(), kSpec, wordTwo), 1) << c.name;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.line) << c.name;
    EXPECT_EQ(platform::ReadBytes("jwc_temp.txt"), c.exchange) << c.name;
  }
}
