// How each tool tells a user who runs it by hand what its command line is:
// "--help" alone prints the line the host passes, and a missing word fails
// the run with that line after the reason.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::map<std::string, std::string> kPaths = {
#include "tool_paths.inc"
};

// Each tool's usage: its parameter file's own name stands at the word the
// tool reads it from.
const std::map<std::string, std::string> kUsage = {
    {"MOKRAVF", "usage: MOKRAVF EXCHANGE-FILE N N mokrav2.jyd"},
    {"MOKRAVW", "usage: MOKRAVW EXCHANGE-FILE X X N X X mokrav1.jyd"},
    {"MOKRAVG", "usage: MOKRAVG EXCHANGE-FILE DIRECTION X X mokrav3.jyd"},
    {"MOKRAVR", "usage: MOKRAVR EXCHANGE-FILE mokrav4.jyd"},
    {"MOKRAVL", "usage: MOKRAVL EXCHANGE-FILE mokrav5.jyd"},
    {"MOKRAVT", "usage: MOKRAVT EXCHANGE-FILE X X KIND mokrav6.jyd AXIS"},
    {"MOKRAVP", "usage: MOKRAVP EXCHANGE-FILE mokrav7.jyd KIND"},
    {"MOKRAVB", "usage: MOKRAVB EXCHANGE-FILE mokrav8.jyd"},
};

struct Ran {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The tool run with `args` in an empty folder of its own.
Ran RunTool(const std::string& path, const std::string& args) {
  const fs::path folder = fs::temp_directory_path() / ("mokrav-usage-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string cmd = "cd '" + folder.string() + "' && '" + path + "' " + args + " >out.txt 2>err.txt";
  const int status = std::system(cmd.c_str());
  Ran ran{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(folder / "out.txt"), ReadAll(folder / "err.txt")};
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2)
      << "the tool wrote a file of its own";
  fs::remove_all(folder);
  return ran;
}

TEST(ToolUsage, HelpPrintsTheCommandLineTheHostPasses) {
  ASSERT_EQ(kPaths.size(), kUsage.size());
  for (const auto& [tool, path] : kPaths) {
    SCOPED_TRACE(tool);
    const Ran ran = RunTool(path, "--help");
    EXPECT_EQ(ran.exitCode, 0);
    EXPECT_EQ(ran.out, kUsage.at(tool) + "\n");
    EXPECT_EQ(ran.err, "");
  }
}

TEST(ToolUsage, NoWordsFailsWithTheReasonAndTheUsage) {
  for (const auto& [tool, path] : kPaths) {
    SCOPED_TRACE(tool);
    const Ran ran = RunTool(path, "");
    EXPECT_EQ(ran.exitCode, 1);
    EXPECT_EQ(ran.out, "");
    EXPECT_EQ(ran.err, tool + ": the command line names no file where one is expected; " + kUsage.at(tool) + "\n");
  }
}

// "--help" among other words is no request for help: the words are a run's.
TEST(ToolUsage, HelpAmongOtherWordsIsAnOrdinaryWord) {
  const Ran ran = RunTool(kPaths.at("MOKRAVR"), "--help mokrav4.jyd");
  EXPECT_EQ(ran.exitCode, 1);
  EXPECT_EQ(ran.out, "");
  EXPECT_EQ(ran.err.rfind("MOKRAVR: the exchange file: ", 0), 0u) << ran.err;
}

}  // namespace
