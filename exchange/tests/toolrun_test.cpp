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
  // A quoted item with line ends inside, quoted back in the message: still one line.
  platform::ReplaceFile("jwc_temp.txt", "\"hp1 x\r\ny\"\r\n");
  testing::internal::CaptureStderr();
  EXPECT_EQ(RunTool(3, argv, kSpec, Echo), 1);
  err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(err.find_first_of("\r\n"), err.size() - 1) << err;
  platform::ReplaceFile("jwc_temp.txt", "lg2\r\nhp1   3 4\r\n");
  EXPECT_EQ(RunTool(3, argv, kSpec, Echo), 0);
}
