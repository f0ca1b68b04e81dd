// How a tool treats the host's files, tried as a host or a user would: a
// run killed at any moment, an exchange file that is a link, parameter
// words that name a pipe, a device or a huge file, a NUL in a field.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "exchange/testing/tool_run_test.h"
#include "tests/support/file_age.h"

namespace fs = std::filesystem;

namespace {

const std::string kHost =
    "ly3\r\nlg0\r\nhcw 1 2 3\r\nhcd 0.1 0.2 0.5\r\nhch 1 2 2.5\r\nhs 1\r\n"
    "hp1   10 0\r\nhp2   10 50\r\nhp3   16 20\r\n";
const std::string kParams = "3 4 6 0 0 GE - 3.2 6.4 -- --\r\n";

class FinishFiles : public exchange::test::ToolRunTest {
 protected:
  FinishFiles() : ToolRunTest({MOKRAVF_PATH, "MOKRAVF", "mokrav2.jyd", "jwc_temp.txt 1 2 mokrav2.jyd"}) {}

  // Starts the tool in the folder with the host's command line; stderr goes
  // to err.txt there.
  pid_t Start(const std::string& parameterWord = "mokrav2.jyd") {
    pid_t child = ::fork();
    if (child == 0) {
      if (::chdir(dir_.c_str()) != 0) ::_exit(127);
      FILE* err = std::freopen("err.txt", "w", stderr);
      (void)err;
      ::execl(tool_.path, tool_.name, "jwc_temp.txt", "1", "2", parameterWord.c_str(),
              static_cast<char*>(nullptr));
      ::_exit(127);
    }
    return child;
  }
  int Finish(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  // A run that must fail within a few seconds: exit 1, one stderr line,
  // the exchange file as it was.
  void ExpectRefused(const std::string& parameterWord, const std::string& reason) {
    Write("jwc_temp.txt", kHost);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = Start(parameterWord);
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() - start > std::chrono::seconds(10)) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        FAIL() << "the run hung on " << parameterWord;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    const std::string err = Read("err.txt");
    EXPECT_NE(err.find(reason), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
    EXPECT_EQ(Read("jwc_temp.txt"), kHost);
  }
};

TEST_F(FinishFiles, ARunKilledAtAnyMomentLeavesTheOldOrTheNewDrawingAndNothingElse) {
  Write("mokrav2.jyd", kParams);
  Write("jwc_temp.txt", kHost);
  // Only a kill near the replace at the end of a run can catch the file
  // half-written or a name left beside it; a kill before that finds the
  // host's file untouched. So the kills hunt for that moment: the delay
  // grows after a kill that left the host's file and shrinks after one
  // that left the drawing, and a spread around it covers the steps of the
  // replace however long a run takes on a busy machine. Every fourth kill
  // lands anywhere in the time a whole run takes, early steps included.
  const auto begin = std::chrono::steady_clock::now();
  ASSERT_EQ(Finish(Start()), 0) << Read("err.txt");
  const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::steady_clock::now() - begin).count();
  const long long span = std::max<long long>(whole, 1000) * 3 / 2;
  const long long step = std::max<long long>(span / 30, 20);
  long long delay = span / 2;
  const std::string drawn = Read("jwc_temp.txt");
  ASSERT_NE(drawn, kHost);
  std::mt19937 rng(2026);
  int finished = 0;
  std::set<std::string> staging;  // the hidden names the runs' bytes pass through
  std::set<std::string> leftovers;
  const int runs = 64;
  for (int run = 0; run < runs; ++run) {
    Write("jwc_temp.txt", kHost);
    const long long spread = static_cast<long long>(rng() % static_cast<unsigned>(4 * step + 1)) - 2 * step;
    const long long wait = run % 4 == 3 ? static_cast<long long>(rng() % static_cast<unsigned>(span))
                                        : std::max<long long>(delay + spread, 0);
    pid_t child = Start();
    staging.insert(".mokrav." + std::to_string(child) + "-0.tmp");
    std::this_thread::sleep_for(std::chrono::microseconds(wait));
    ::kill(child, SIGKILL);
    finished += Finish(child) == 0;
    const std::string now = Read("jwc_temp.txt");
    ASSERT_TRUE(now == kHost || now == drawn) << "run " << run << " left " << now.size() << " bytes";
    if (run % 4 != 3) delay = std::max<long long>(delay + (now == kHost ? step : -step), 0);
    for (auto& e : fs::directory_iterator(dir_)) {
      const std::string name = e.path().filename().string();
      // Only a kill in the instant between linking the new bytes under
      // their run's hidden name and the rename leaves that name; the first
      // run after it is an hour old removes it, the killed run being gone.
      if (staging.count(name)) {
        leftovers.insert(name);
        ASSERT_TRUE(mokrav::test::AgeTwoHours(e.path()));
        continue;
      }
      ASSERT_TRUE(name == "jwc_temp.txt" || name == "mokrav2.jyd" || name == "err.txt")
          << "run " << run << " left " << name;
    }
  }
  // Most kills cut a run short; the rest come after it ended.
  EXPECT_LT(finished, runs);
  // A busy machine may stop the run between the two calls now and then;
  // a temporary file made and written under its name, as before, is left
  // by a kill anywhere in the whole replace, which is where the kills go.
  EXPECT_LE(leftovers.size(), static_cast<std::size_t>(runs / 16));
  Write("jwc_temp.txt", kHost);
  ASSERT_EQ(Finish(Start()), 0) << Read("err.txt");
  std::set<std::string> left;
  for (auto& e : fs::directory_iterator(dir_)) left.insert(e.path().filename().string());
  EXPECT_EQ(left, (std::set<std::string>{"err.txt", "jwc_temp.txt", "mokrav2.jyd"}));
}

// Runs `words` in the folder with stderr to err.txt; its exit code, or -1
// when it did not exit (or could not be started: 127).
int RunIn(const fs::path& dir, const std::vector<std::string>& words) {
  pid_t child = ::fork();
  if (child == 0) {
    if (::chdir(dir.c_str()) != 0) ::_exit(127);
    FILE* err = std::freopen("err.txt", "w", stderr);
    (void)err;
    std::vector<char*> argv;
    for (const auto& w : words) argv.push_back(const_cast<char*>(w.c_str()));
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Each step of the replace that can fail made to fail, one at a time, in the
// built tool (strace makes the system call return an I/O error): the run
// exits 0 exactly when the exchange file holds the new drawing; otherwise
// it exits 1, the host's file is as it was and nothing is left beside it.
// Both ways of staging are taken: the unnamed file, and the hidden name a
// system without /proc leaves the tool (its /proc made unreachable).
TEST_F(FinishFiles, AStepOfTheReplaceThatFailsLeavesTheOldDrawingOrTheRunSucceeds) {
  Write("mokrav2.jyd", kParams);
  if (RunIn(dir_, {"strace", "-o", "/dev/null", "true"}) != 0)
    GTEST_SKIP() << "strace is not installed or may not trace here: " << Read("err.txt");
  const std::vector<std::string> tool = {tool_.path, "jwc_temp.txt", "1", "2", "mokrav2.jyd"};
  // The lines of a trace that are calls of `call`.
  const auto calls = [](const std::string& trace, const std::string& call) {
    int n = 0;
    for (std::size_t at = trace.find(call + "("); at != std::string::npos; at = trace.find(call + "(", at + 1))
      n += at == 0 || trace[at - 1] == '\n';
    return n;
  };
  for (const bool withProc : {true, false}) {
    SCOPED_TRACE(withProc ? "unnamed staging" : "named staging, no /proc");
    const auto traced = [&](const std::string& inject) {
      std::vector<std::string> words = {"strace", "-o", "trace.txt"};
      if (!inject.empty()) words.insert(words.end(), {"-e", inject});
      if (!withProc) words.insert(words.end(), {"-e", "inject=access:error=ENOENT"});
      words.push_back("--");
      words.insert(words.end(), tool.begin(), tool.end());
      Write("jwc_temp.txt", kHost);
      return RunIn(dir_, words);
    };
    // A run with nothing made to fail: the drawing, and the calls the run
    // makes. Those the loader makes before the tool opens the exchange file
    // are not the tool's and are left alone.
    ASSERT_EQ(traced(""), 0) << Read("err.txt");
    const std::string drawn = Read("jwc_temp.txt");
    ASSERT_NE(drawn, kHost);
    const std::string whole = Read("trace.txt");
    const std::size_t toolStart = whole.find("\"jwc_temp.txt\", O_RDONLY");
    ASSERT_NE(toolStart, std::string::npos) << whole;
    for (const std::string call : {"write", "fsync", "linkat", "rename", "close"}) {
      const int first = calls(whole.substr(0, toolStart), call) + 1;
      const int made = calls(whole.substr(toolStart), call);
      // A link only where the staged file is unnamed; every other call is
      // one the replace makes.
      EXPECT_EQ(made > 0, call != "linkat" || withProc) << whole;
      int refused = 0;
      for (int when = first; when < first + made; ++when) {
        SCOPED_TRACE(call + " number " + std::to_string(when));
        const int code = traced("inject=" + call + ":error=EIO:when=" + std::to_string(when));
        const std::string now = Read("jwc_temp.txt");
        if (code == 0) {
          EXPECT_EQ(now, drawn);
        } else {
          EXPECT_EQ(code, 1) << Read("err.txt");
          EXPECT_EQ(now, kHost);
          ++refused;
        }
        std::set<std::string> left;
        for (auto& e : fs::directory_iterator(dir_)) left.insert(e.path().filename().string());
        EXPECT_EQ(left, (std::set<std::string>{"err.txt", "jwc_temp.txt", "mokrav2.jyd", "trace.txt"}));
        const std::string trace = Read("trace.txt");
        EXPECT_NE(trace.find("= -1 EIO (Input/output error) (INJECTED)"), std::string::npos) << trace;
        if (HasFailure()) return;
      }
      // Each call but a close comes before the new bytes are in place at
      // least once, where failing it refuses the run.
      if (call != "close" && made > 0) {
        EXPECT_GT(refused, 0);
      }
    }
  }
}

// Another pid namespace sharing the folder (a container with the folder
// mounted) runs the tool on another file, over and over, while a run here
// waits a second before its rename (strace holds the call back): the
// waiting run's hidden name carries a pid that does not exist over there,
// and the run still puts its drawing in place.
TEST_F(FinishFiles, ARunWaitingBeforeItsRenameKeepsItsNameWhileAnotherNamespaceReplacesAnotherFile) {
  Write("mokrav2.jyd", kParams);
  Write("host.txt", kHost);
  if (RunIn(dir_, {"unshare", "--pid", "--fork", "--mount-proc", "true"}) != 0)
    GTEST_SKIP() << "no pid namespace can be made here: " << Read("err.txt");
  const std::string delay = "inject=rename:delay_enter=1000000";
  if (RunIn(dir_, {"strace", "-o", "/dev/null", "-e", delay, "true"}) != 0)
    GTEST_SKIP() << "strace cannot hold a call back here: " << Read("err.txt");
  pid_t other = ::fork();
  if (other == 0) {
    if (::chdir(dir_.c_str()) != 0) ::_exit(127);
    ::execlp("unshare", "unshare", "--pid", "--fork", "--mount-proc", "sh", "-c",
             "while [ ! -e stop ]; do cp host.txt y.txt && \"$0\" y.txt 1 2 mokrav2.jyd 2>>y-err.txt || exit 1; done",
             tool_.path, static_cast<char*>(nullptr));
    ::_exit(127);
  }
  // The other side has replaced its file once before the run here starts.
  bool going = false;
  for (const auto start = std::chrono::steady_clock::now();
       !going && std::chrono::steady_clock::now() - start < std::chrono::seconds(10);) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    going = fs::exists(dir_ / "y.txt") && Read("y.txt") != kHost;
  }
  int code = -1;
  if (going) {
    Write("jwc_temp.txt", kHost);
    code = RunIn(dir_, {"strace", "-o", "/dev/null", "-e", delay, "--", tool_.path, "jwc_temp.txt", "1", "2",
                        "mokrav2.jyd"});
  }
  Write("stop", "");
  EXPECT_EQ(Finish(other), 0) << Read("y-err.txt");
  ASSERT_TRUE(going) << "the other namespace never replaced its file";
  EXPECT_EQ(code, 0) << Read("err.txt");
  EXPECT_EQ(Read("jwc_temp.txt"), Read("y.txt"));
  EXPECT_NE(Read("jwc_temp.txt"), kHost);
}

TEST_F(FinishFiles, AnExchangeFileThatIsALinkHasItsTargetReplaced) {
  Write("mokrav2.jyd", kParams);
  fs::create_directories(dir_ / "host");
  Write("host/jwc_temp.txt", kHost);
  fs::create_symlink("host/jwc_temp.txt", dir_ / "jwc_temp.txt");
  ASSERT_EQ(Finish(Start()), 0) << Read("err.txt");
  EXPECT_TRUE(fs::is_symlink(dir_ / "jwc_temp.txt"));
  const std::string drawn = Read("host/jwc_temp.txt");
  EXPECT_EQ(drawn.rfind("lg0\r\nly3\r\nlt1\r\nlc4\r\n", 0), 0u) << drawn;
  EXPECT_EQ(Read("jwc_temp.txt"), drawn);
}

TEST_F(FinishFiles, APipeADeviceOrAHugeFileIsRefusedWithoutWaiting) {
  ASSERT_EQ(::mkfifo((dir_ / "pipe.jyd").c_str(), 0644), 0);
  ExpectRefused("pipe.jyd", "not a regular file");
  ExpectRefused("/dev/zero", "not a regular file");
  Write("huge.jyd", kParams);
  fs::resize_file(dir_ / "huge.jyd", 17 * 1024 * 1024);
  ExpectRefused("huge.jyd", "larger than 16 MB");
}

TEST_F(FinishFiles, ANulInALayerOrTextFieldIsRefused) {
  Write("nul_layer.jyd", std::string("3 4 6 0 0 GE - 3.2 6.4 -\0- --\r\n", 31));
  ExpectRefused("nul_layer.jyd", "NUL");
  Write("nul_text.jyd", std::string("3 4 6 0 0 G\0E - 3.2 6.4 -- --\r\n", 31));
  ExpectRefused("nul_text.jyd", "NUL");
}

}  // namespace
