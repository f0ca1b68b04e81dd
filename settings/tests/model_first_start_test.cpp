// The first start through scripts/run.sh: scripts/first-start.sh readies the
// run folder (the tolerance table, an empty memory file) and the window is
// given that folder with --host-folder. It is offered as the host folder
// without ever being remembered, so a folder the user remembers comes first
// at every later start.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "memory_test_util.h"
#include "platform/cp932.h"
#include "settings/form.h"
#include "settings/procedures.h"

namespace mokrav {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using Items = std::vector<std::string>;

const fs::path kSource = fs::path(__FILE__).parent_path().parent_path().parent_path();

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The script run in `cwd` with `folder` as its one word, handed over as it
// is (no shell between); its exit status. A run that has not ended after
// a minute is stopped and fails (124). With `firstBin`, the programs there
// are found before the system's.
int FirstStart(const fs::path& cwd, const std::string& folder, const fs::path& firstBin = {}) {
  const std::string script = (kSource / "scripts" / "first-start.sh").string();
  const char* const path = getenv("PATH");
  const std::string searched = firstBin.string() + ":" + (path ? path : "/usr/bin:/bin");
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(cwd.c_str()) != 0) _exit(126);
    if (!firstBin.empty() && setenv("PATH", searched.c_str(), 1) != 0) _exit(126);
    execlp("timeout", "timeout", "60", "bash", script.c_str(), folder.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The host-folder box's rows after a start without the option: the
// built-in folders.
Items BuiltInFolders() {
  TempFolder none;
  Form f;
  Form_Load(f, none.Text());
  return f.Com(54).items;
}

Items Joined(Items front, const Items& back) {
  front.insert(front.end(), back.begin(), back.end());
  return front;
}

TEST(HostFolderOption, AFreshRunFolderIsSelectedDrawnIntoAndNeverRemembered) {
  TempFolder dir;
  const fs::path run = dir.Path() / "run";  // not there yet, as on a fresh clone
  ASSERT_EQ(FirstStart(dir.Path(), "run"), 0);
  const std::string folder = run.string() + "/";  // as run.sh passes it

  Form f;
  Form_Load(f, run.string(), folder);
  EXPECT_EQ(f.MSG, "データを読み込みました");
  EXPECT_EQ(f.Com(54).text, folder);
  EXPECT_EQ(f.Com(54).items, Joined({folder}, BuiltInFolders()));
  Co32_Click(f);
  EXPECT_EQ(f.MSG, "溶接記号データを出力しました");
  EXPECT_TRUE(fs::is_regular_file(run / "mokrav1.jyd"));
  // The tolerance tab reads the table that the script put beside it.
  Command4_Click(f);
  EXPECT_EQ(f.MSG, "公差記号作図データを出力しました");
  EXPECT_NE(Bytes(run / "mokrav6.jyd").find("\r\nH6/"), std::string::npos);

  // The folder is a row of its box: "設定完了" queues nothing for it and
  // "終了" leaves the memory file as the script made it.
  Command10_Click(f);
  EXPECT_EQ(f.MSG, "設定を記憶しました");
  EXPECT_EQ(f.pendingHistory, "");
  Command1_Click(f);
  EXPECT_TRUE(f.quitRequested);
  EXPECT_EQ(Bytes(run / "mokrav.mfg"), "");
}

TEST(HostFolderOption, IsTakenAsGivenWithTheSeparatorAddedOnce) {
  TempFolder dir;
  for (const auto& [given, offered] :
       {std::pair<std::string, std::string>{"/srv/jww", "/srv/jww/"},
        {"/srv/jww/", "/srv/jww/"},
        {"-", "-/"},
        {"図面 /作業", "図面 /作業/"},
        {"../host", "../host/"},
        {"/srv/〜¥−", "/srv/〜¥−/"}}) {
    SCOPED_TRACE(given);
    Form f;
    Form_Load(f, dir.Text(), given);
    EXPECT_EQ(f.Com(54).text, offered);
    EXPECT_EQ(f.MSG, "データを読み込みました");
  }
  // Never remembered, such a name needs no code-page form: the draw
  // buttons write into the folder it names.
  const fs::path odd = dir.Path() / "〜¥− a";
  fs::create_directory(odd);
  Form f;
  Form_Load(f, dir.Text(), odd.string());
  Co22_Click(f);
  EXPECT_TRUE(fs::is_regular_file(odd / "mokrav2.jyd")) << f.MSG;
}

// Folders remembered on the settings tab come first, the latest selected;
// the run folder stays on offer after them, before the built-in folders. A
// run folder that an earlier version wrote into the memory file is listed
// once.
TEST(HostFolderOption, ARememberedFolderComesFirst) {
  TempFolder dir;
  dir.WriteMemoryBytes(platform::ToCp932("54 /srv/jww/\r\n\r\n54 d:\\jww\\\r\n\r\n"));
  Form f;
  Form_Load(f, dir.Text(), "/home/u/run/");
  EXPECT_EQ(f.Com(54).text, "d:\\jww\\");
  EXPECT_EQ(f.Com(54).items,
            Joined({"/srv/jww/", "d:\\jww\\", "/home/u/run/"}, BuiltInFolders()));

  dir.WriteMemoryBytes(platform::ToCp932("54 /home/u/run/\r\n\r\n"));
  Form old;
  Form_Load(old, dir.Text(), "/home/u/run/");
  EXPECT_EQ(old.Com(54).items, Joined({"/home/u/run/"}, BuiltInFolders()));
}

// A folder the box would refuse as typed text is not offered: the window
// starts as without the option, says why, and remembers nothing of it.
TEST(HostFolderOption, AFolderTheBoxCannotUseIsLeftOutAndSaidSo) {
  TempFolder plainDir;
  Form plain;
  Form_Load(plain, plainDir.Text());
  const struct {
    std::string folder;
    std::string shown;  // how the message quotes it; "" when it does not
  } rows[] = {
      {"/home/u/a\nb/", "「/home/u/a□b/」"},
      {"/home/u/run\n", "「/home/u/run□」"},
      {"/home/u/a\rb/", "「/home/u/a□b/」"},
      {"/home/u/a\tb/", "「/home/u/a□b/」"},
      {"/home/u/\x1B[0m/", "「/home/u/□[0m/」"},
      {"/home/u/a\x7F/", "「/home/u/a□/」"},
      {"/home/u/a\xC2\x85/", "「/home/u/a□/」"},
      {"/home/u/a\\b/", "「/home/u/a\\b/」"},
      {"", ""},
      {"/home/u/\xFF\xFE/", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.folder);
    TempFolder dir;
    Form f;
    Form_Load(f, dir.Text(), row.folder);
    EXPECT_NE(f.MSG, plain.MSG);
    EXPECT_NE(f.MSG.find(row.shown), std::string::npos) << f.MSG;
    EXPECT_EQ(f.Com(54).items, plain.Com(54).items);
    EXPECT_EQ(f.Com(54).text, plain.Com(54).text);
    Command10_Click(f);
    EXPECT_EQ(f.pendingHistory, "");
    Command1_Click(f);
    EXPECT_FALSE(fs::exists(dir.MemoryFile()));
  }
}

// A memory file that cannot be read, or holds more than start-up reads,
// keeps its message; a refused folder is said besides.
TEST(HostFolderOption, ARefusedFolderIsSaidBesideAMemoryProblem) {
  TempFolder fine;
  Form refused;
  Form_Load(refused, fine.Text(), "a\tb");

  TempFolder unreadable;
  fs::create_directory(unreadable.MemoryFile());  // a folder in its place
  Form memoryOnly;
  Form_Load(memoryOnly, unreadable.Text());
  Form both;
  Form_Load(both, unreadable.Text(), "a\tb");
  EXPECT_NE(both.MSG.find(memoryOnly.MSG), std::string::npos) << both.MSG;
  EXPECT_NE(both.MSG.find(refused.MSG), std::string::npos) << both.MSG;

  TempFolder full;
  std::string lines;
  for (int i = 0; i < 4000; ++i) lines += "59 " + std::to_string(i) + "\r\n";
  full.WriteMemoryBytes(lines);
  Form fullOnly;
  Form_Load(fullOnly, full.Text());
  ASSERT_TRUE(fullOnly.memoryFull);
  Form fullBoth;
  Form_Load(fullBoth, full.Text(), "a\tb");
  EXPECT_NE(fullBoth.MSG.find(fullOnly.MSG), std::string::npos) << fullBoth.MSG;
  EXPECT_NE(fullBoth.MSG.find(refused.MSG), std::string::npos) << fullBoth.MSG;
}

TEST(FirstStartScript, ReadiesAFolderAndNeverTouchesFilesThere) {
  TempFolder dir;
  const std::string table = Bytes(kSource / "data" / "公差.dat");
  ASSERT_FALSE(table.empty());
  ASSERT_EQ(FirstStart(dir.Path(), "run"), 0);
  EXPECT_EQ(Bytes(dir.Path() / "run" / "公差.dat"), table);
  EXPECT_TRUE(fs::is_regular_file(dir.Path() / "run" / "mokrav.mfg"));
  EXPECT_EQ(Bytes(dir.Path() / "run" / "mokrav.mfg"), "");
  EXPECT_FALSE(fs::exists(dir.Path() / "run" / "公差.dat.new"));

  // An earlier version's memory file with the run folder in it, and a
  // table of the user's own, stay as they are.
  const fs::path old = dir.Path() / "old";
  fs::create_directory(old);
  const std::string memory = platform::ToCp932("54 " + old.string() + "/\r\n\r\n");
  const std::string own = platform::ToCp932("H7/0/+0.010/0\r\n");
  std::ofstream(old / "mokrav.mfg", std::ios::binary) << memory;
  std::ofstream(old / "公差.dat", std::ios::binary) << own;
  ASSERT_EQ(FirstStart(dir.Path(), old.string()), 0);
  EXPECT_EQ(Bytes(old / "mokrav.mfg"), memory);
  EXPECT_EQ(Bytes(old / "公差.dat"), own);

  // Either one alone: the missing one is made, the other left.
  fs::remove(old / "公差.dat");
  ASSERT_EQ(FirstStart(dir.Path(), old.string()), 0);
  EXPECT_EQ(Bytes(old / "mokrav.mfg"), memory);
  EXPECT_EQ(Bytes(old / "公差.dat"), table);
}

// What stands at the name an older version staged the table under, or at
// any name but the two it makes, is never opened or followed: a link's
// target outside the folder keeps its bytes, a pipe does not hold the
// script up, and the table is a file of its own.
TEST(FirstStartScript, NeverWritesThroughWhatStandsBesideTheTable) {
  const std::string table = Bytes(kSource / "data" / "公差.dat");
  const fs::path staged = "公差.dat.new";
  for (const std::string kind : {"link", "pipe", "folder"}) {
    SCOPED_TRACE(kind);
    TempFolder dir;
    const fs::path run = dir.Path() / "run";
    fs::create_directory(run);
    const fs::path outside = dir.Path() / "outside";
    std::ofstream(outside, std::ios::binary) << "outside";
    if (kind == "link") fs::create_symlink(outside, run / staged);
    if (kind == "pipe") {
      ASSERT_EQ(mkfifo((run / staged).c_str(), 0644), 0);
    }
    if (kind == "folder") fs::create_directory(run / staged);
    const fs::file_type before = fs::symlink_status(run / staged).type();

    ASSERT_EQ(FirstStart(dir.Path(), "run"), 0);
    // Compared as truths: a table in the wrong place would fill the log.
    EXPECT_TRUE(Bytes(outside) == "outside");
    EXPECT_EQ(fs::symlink_status(run / "公差.dat").type(), fs::file_type::regular);
    EXPECT_TRUE(Bytes(run / "公差.dat") == table);
    EXPECT_EQ(Bytes(run / "mokrav.mfg"), "");
    EXPECT_EQ(fs::symlink_status(run / staged).type(), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(run), {}), 3);
  }
}

// A small program of the test's own, put first on the script's search path
// in place of the system's `name`.
void StandIn(const fs::path& bin, const std::string& name, const std::string& body) {
  fs::create_directories(bin);
  std::ofstream(bin / name) << "#!/bin/sh\n" << body;
  fs::permissions(bin / name, fs::perms::owner_all, fs::perm_options::add);
}

// A copy that fails part way (a full disk) leaves nothing half-written in
// the folder and says so; the next start readies the folder.
TEST(FirstStartScript, AFailedCopyLeavesNothingBehind) {
  TempFolder dir;
  const fs::path bin = dir.Path() / "bin";
  StandIn(bin, "cp",
          "for last; do :; done\n"
          "head -c 16384 /dev/zero >\"$last\"\n"
          "echo 'cp: No space left on device' >&2\n"
          "exit 1\n");
  EXPECT_NE(FirstStart(dir.Path(), "run", bin), 0);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path() / "run"), {}), 0);

  ASSERT_EQ(FirstStart(dir.Path(), "run"), 0);
  EXPECT_TRUE(Bytes(dir.Path() / "run" / "公差.dat") == Bytes(kSource / "data" / "公差.dat"));
}

// Another program that makes the table or the memory file, or a folder,
// at either name just as the script would name its own (stood in for by a
// link command that makes them first) keeps what it made: a file keeps its
// bytes, a folder is not written into (a plain link would put the file
// inside it). The script ends well, so that run.sh goes on to start the
// window.
TEST(FirstStartScript, WhatIsMadeMeanwhileIsLeftAsItIs) {
  for (const bool folder : {false, true}) {
    SCOPED_TRACE(folder ? "a folder" : "a file");
    TempFolder dir;
    const fs::path bin = dir.Path() / "bin";
    StandIn(bin, "ln",
            std::string("for last; do :; done\n") +
                (folder ? "mkdir -- \"$last\"\n" : "printf 'theirs' >\"$last\"\n") +
                "PATH=${PATH#*:} exec ln \"$@\"\n");
    ASSERT_EQ(FirstStart(dir.Path(), "run", bin), 0);
    const fs::path run = dir.Path() / "run";
    for (const char* name : {"公差.dat", "mokrav.mfg"}) {
      SCOPED_TRACE(name);
      if (folder) {
        EXPECT_TRUE(fs::is_directory(run / name));
        EXPECT_EQ(std::distance(fs::directory_iterator(run / name), {}), 0);
      } else {
        EXPECT_EQ(Bytes(run / name), "theirs");
      }
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(run), {}), 2);
  }
}

// The files land in the folder named, whatever its name holds, and nowhere
// beside it.
TEST(FirstStartScript, AnyFolderNameGetsTheFilesInThatFolder) {
  for (const std::string name : {"run\n", "a\nb", "a\rb", "a\\b", "-", "-x", "a'b\"c $(x)"}) {
    SCOPED_TRACE(name);
    TempFolder dir;
    ASSERT_EQ(FirstStart(dir.Path(), name), 0);
    Items made;
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
      made.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(made, Items{name});
    EXPECT_TRUE(fs::is_regular_file(dir.Path() / name / "公差.dat"));
    EXPECT_EQ(Bytes(dir.Path() / name / "mokrav.mfg"), "");
  }
}

}  // namespace
}  // namespace mokrav
