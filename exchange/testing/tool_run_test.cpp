#include "exchange/testing/tool_run_test.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>

#include "fuzz/input.h"
#include "platform/cp932.h"

namespace fs = std::filesystem;

namespace exchange::test {

std::string Cp932(const std::string& utf8) { return platform::ToCp932(utf8); }

std::string Items(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

std::string Lines(const std::vector<std::string>& records) { return Items(records) + "\r\n"; }

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

std::string FilledTo(std::string exchange, std::size_t count) {
  while (static_cast<std::size_t>(std::count(exchange.begin(), exchange.end(), '\n')) < count) exchange += "hq\r\n";
  return exchange;
}

void ToolRunTest::SetUp() {
  std::string prefix = tool_.name;
  for (char& c : prefix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  dir_ = fs::temp_directory_path() /
         (prefix + "_test_" + std::to_string(::getpid()) + "_" +
          std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  fs::create_directories(dir_);
}

void ToolRunTest::TearDown() { fs::remove_all(dir_); }

void ToolRunTest::Write(const fs::path& name, const std::string& bytes) {
  std::ofstream(dir_ / name, std::ios::binary) << bytes;
}

std::string ToolRunTest::Read(const fs::path& name) const {
  std::ifstream in(dir_ / name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// With MOKRAV_FUZZ_SEEDS set, each run is kept as a seed of its tool's
// fuzz harness (fuzz/input.h) in that folder's subfolder named after the tool.
void ToolRunTest::KeepSeed(const std::string& args) const {
  const char* seeds = std::getenv("MOKRAV_FUZZ_SEEDS");
  if (!seeds || !*seeds) return;
  const std::size_t blank = args.find(' ');
  const std::string input = fuzz::JoinInput({Read("jwc_temp.txt"), Read(tool_.parameterFile),
                                             blank == std::string::npos ? "" : args.substr(blank + 1)});
  const fs::path folder = fs::path(seeds) / tool_.name;
  fs::create_directories(folder);
  std::ofstream(folder / std::to_string(std::hash<std::string>()(input)), std::ios::binary) << input;
}

int ToolRunTest::Run(const std::string& args) {
  KeepSeed(args);
  const std::string cmd = "cd '" + dir_.string() + "' && '" + tool_.path + "' " + args + " 2>err.txt";
  const int status = std::system(cmd.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ToolRunTest::DrawFile(const std::string& exchange, const std::string& parameterFile,
                                  const std::string& args) {
  Write("jwc_temp.txt", Cp932(exchange));
  Write(tool_.parameterFile, Cp932(parameterFile));
  EXPECT_EQ(Run(args), 0) << Read("err.txt");
  EXPECT_EQ(Read("err.txt"), "");
  return Read("jwc_temp.txt");
}

void ToolRunTest::ExpectDrawings(const std::vector<DrawCase>& cases) {
  for (const DrawCase& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectDraws(c.exchange, c.params, c.output);
  }
}

void ToolRunTest::ExpectFailure(const std::string& exchange, const std::optional<std::string>& parameterFile,
                                const std::string& args, const std::string& message) {
  ASSERT_FALSE(message.empty()) << "a failure case names the message it expects";
  fs::remove(dir_ / tool_.parameterFile);
  Write("jwc_temp.txt", exchange);
  if (parameterFile) Write(tool_.parameterFile, *parameterFile);
  EXPECT_NE(Run(args), 0);
  const std::string err = Read("err.txt");
  const std::string start = std::string(tool_.name) + ": ";
  EXPECT_EQ(err.rfind(start, 0), 0u) << err;
  EXPECT_NE(err.find(message, start.size()), std::string::npos) << "expected \"" << message << "\" in: " << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_EQ(Read("jwc_temp.txt"), exchange);
}

void ToolRunTest::ExpectFailures(const std::vector<FailureCase>& cases) {
  for (const FailureCase& f : cases) {
    SCOPED_TRACE(f.name);
    ExpectFailure(Cp932(f.exchange), f.params ? std::optional(Cp932(*f.params)) : std::nullopt,
                  f.args.empty() ? tool_.args : f.args, f.message);
  }
}

}  // namespace exchange::test
