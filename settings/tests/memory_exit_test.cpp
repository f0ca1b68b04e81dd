// The exit button "終了": the queued memory lines are appended to the memory
// file in one block, and a failed write never costs the user an entry.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <future>
#include <string>

#include "memory_test_util.h"
#include "platform/cp932.h"
#include "settings/procedures.h"

namespace mokrav {
namespace {

using testing::TempFolder;

TEST(Exit, NothingQueuedLeavesNoFile) {
  TempFolder dir;
  Form f;
  Form_Load(f, dir.Text());
  Command1_Click(f);
  EXPECT_TRUE(f.quitRequested);
  EXPECT_FALSE(std::filesystem::exists(dir.MemoryFile()));
}

TEST(Exit, CreatesMissingFileWithQueuedLines) {
  TempFolder dir;
  Form f;
  Form_Load(f, dir.Text());
  f.Com(54).text = "d:\\work\\";
  Command10_Click(f);
  f.Com(101).text = "製品 A";
  RememberEntry(f, "Com101");
  Command1_Click(f);
  EXPECT_TRUE(f.quitRequested);
  EXPECT_EQ(dir.ReadMemoryBytes(), platform::ToCp932("54 d:\\work\\\r\n101 製品 A\r\n\r\n"));
}

TEST(Exit, AppendsAfterWhatIsThere) {
  TempFolder dir;
  const std::string old = platform::ToCp932("59 4.5\r\n\r\n12 M7\r\n\r\n");
  dir.WriteMemoryBytes(old);
  Form f;
  Form_Load(f, dir.Text());
  f.Com(12).text = "M7";  // restored: not new
  RememberEntry(f, "Com12");
  f.Com(13).text = "ザグリ";
  RememberEntry(f, "Com13");
  Command1_Click(f);
  EXPECT_EQ(dir.ReadMemoryBytes(), old + platform::ToCp932("13 ザグリ\r\n\r\n"));
}

// A memory file whose last line has no line end (edited by hand): the exit
// ends that line first, so neither entry is spoilt.
TEST(Exit, EndsAnOpenLastLineFirst) {
  struct Case {
    const char* old;
    const char* want;
  };
  const Case cases[] = {
      {"40 x", "40 x\r\n54 e:\\cad\\\r\n\r\n"},
      {"40 x\r\n", "40 x\r\n54 e:\\cad\\\r\n\r\n"},
      {"40 x\n", "40 x\n54 e:\\cad\\\r\n\r\n"},
      {"40 x\r", "40 x\r54 e:\\cad\\\r\n\r\n"},
      {"", "54 e:\\cad\\\r\n\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.old);
    TempFolder dir;
    dir.WriteMemoryBytes(c.old);
    {
      Form f;
      Form_Load(f, dir.Text());
      f.Com(54).text = "e:\\cad\\";
      Command10_Click(f);
      Command1_Click(f);
      ASSERT_TRUE(f.quitRequested);
    }
    EXPECT_EQ(dir.ReadMemoryBytes(), c.want);
    Form next;
    Form_Load(next, dir.Text());
    if (*c.old) {
      ASSERT_FALSE(next.Com(40).items.empty());
      EXPECT_EQ(next.Com(40).items.front(), "x");
    }
    EXPECT_EQ(next.Com(54).items.front(), "e:\\cad\\");
    EXPECT_EQ(next.Com(54).text, "e:\\cad\\");
  }
}

// What one run remembers, the next run offers again, exactly as typed.
TEST(Exit, RoundTripThroughTheMemoryFile) {
  TempFolder dir;
  const std::string texts[] = {"製品 A", "a,13 b", " lead", "\"q\"", "ｼﾞｭﾗﾙﾐﾝ"};
  {
    Form f;
    Form_Load(f, dir.Text());
    for (const std::string& t : texts) {
      f.Com(101).text = t;
      ASSERT_TRUE(RememberEntry(f, "Com101")) << t;
    }
    Command1_Click(f);
    ASSERT_TRUE(f.quitRequested);
  }
  Form g;
  Form_Load(g, dir.Text());
  for (const std::string& t : texts) {
    EXPECT_GE(g.Com(101).Find(t), 0) << t;
    g.Com(101).text = t;
    RememberEntry(g, "Com101");
  }
  EXPECT_TRUE(g.pendingHistory.empty()) << "nothing typed again is queued again";
}

TEST(Exit, FailedAppendKeepsHistoryAndStaysOpen) {
  TempFolder dir;
  Form f;
  Form_Load(f, dir.Text());
  f.Com(54).text = "d:\\work\\";
  Command10_Click(f);
  const std::string queued = f.pendingHistory;

  // The memory file's place is taken by a folder: the append must fail.
  std::filesystem::create_directory(dir.MemoryFile());
  Command1_Click(f);
  EXPECT_FALSE(f.quitRequested);
  EXPECT_EQ(f.pendingHistory, queued);
  EXPECT_NE(f.MSG.find("終了"), std::string::npos) << f.MSG;
  EXPECT_EQ(f.MSG, "追加データを保存できません：" + dir.MemoryFile().string() +
                       "（同じ名前のフォルダがあります）。確認して、もう一度「終了」を押してください");

  // Once the user has put things right, the same press saves everything.
  std::filesystem::remove(dir.MemoryFile());
  Command1_Click(f);
  EXPECT_TRUE(f.quitRequested);
  EXPECT_EQ(dir.ReadMemoryBytes(), "54 d:\\work\\\r\n\r\n");
}

// A disk that fills up half-way through the block: the part already written
// is taken back, so the next press appends the block whole and clean.
TEST(Exit, WriteCutShortLeavesTheFileAsItWas) {
  TempFolder dir;
  const std::string old = "59 4.5\r\n\r\n";
  dir.WriteMemoryBytes(old);
  Form f;
  Form_Load(f, dir.Text());
  f.Com(54).text = "d:\\a-long-folder-name\\";
  Command10_Click(f);

  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit tight = saved;
  tight.rlim_cur = old.size() + 6;  // room for part of the first line only
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
  Command1_Click(f);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);

  EXPECT_FALSE(f.quitRequested);
  EXPECT_EQ(dir.ReadMemoryBytes(), old);
  Command1_Click(f);
  EXPECT_TRUE(f.quitRequested);
  EXPECT_EQ(dir.ReadMemoryBytes(), old + "54 d:\\a-long-folder-name\\\r\n\r\n");
}

// Whether the step ends within seconds. One still waiting on the pipe then
// is let go by opening the pipe's other ends, so that it fails the test
// instead of hanging it.
bool EndsPromptly(const std::filesystem::path& pipe, const std::function<void()>& step) {
  std::future<void> done = std::async(std::launch::async, step);
  if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) return true;
  const int both = ::open(pipe.c_str(), O_RDWR | O_NONBLOCK);
  done.wait();
  ::close(both);
  return false;
}

// A pipe in the memory file's place would hold the exit for good and a
// device would swallow the entries: neither is waited on or written, and the
// exit stays open with the entries kept, as for any failed write.
TEST(Exit, OnlyARegularFileIsAppendedTo) {
  for (const bool pipe : {true, false}) {
    TempFolder dir;
    if (pipe) {
      ASSERT_EQ(::mkfifo(dir.MemoryFile().c_str(), 0644), 0);
    } else {
      std::filesystem::create_symlink("/dev/zero", dir.MemoryFile());
    }
    Form f;
    ASSERT_TRUE(EndsPromptly(dir.MemoryFile(), [&] { Form_Load(f, dir.Text()); }));
    EXPECT_EQ(f.MSG.rfind(kMemoryUnreadable, 0), 0u) << f.MSG;
    f.Com(59).text = "5.5";
    Command10_Click(f);
    ASSERT_TRUE(EndsPromptly(dir.MemoryFile(), [&] { Command1_Click(f); })) << "the exit waited on the pipe";
    EXPECT_FALSE(f.quitRequested);
    EXPECT_EQ(f.pendingHistory, "59 5.5\r\n");
    EXPECT_EQ(f.MSG.rfind("追加データを保存できません：" + dir.MemoryFile().string() + "（", 0), 0u) << f.MSG;
  }
}

}  // namespace
}  // namespace mokrav
