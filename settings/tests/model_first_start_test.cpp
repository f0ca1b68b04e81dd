// The first start through scripts/run.sh: scripts/first-start.sh makes the
// run folder the host folder, so that the window draws into it at once and
// its tolerance tab finds the table beside it; a later start keeps what the
// window remembered.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "memory_test_util.h"
#include "platform/cp932.h"
#include "settings/form.h"
#include "settings/procedures.h"

namespace mokrav {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The script run on `folder`; its exit code.
int FirstStart(const fs::path& folder) {
  const fs::path script = fs::path(__FILE__).parent_path().parent_path().parent_path() / "scripts" / "first-start.sh";
  const std::string cmd = "bash '" + script.string() + "' '" + folder.string() + "'";
  return std::system(cmd.c_str());
}

TEST(FirstStart, TheRunFolderIsTheHostFolderAndALaterStartKeepsTheMemory) {
  TempFolder dir;
  const fs::path run = dir.Path() / "run";  // not there yet, as on a fresh clone
  ASSERT_EQ(FirstStart(run), 0);
  const std::string folder = fs::canonical(run).string() + "/";
  EXPECT_EQ(Bytes(run / "mokrav.mfg"), platform::ToCp932("54 " + folder + "\r\n\r\n"));

  Form f;
  Form_Load(f, run.string());
  EXPECT_EQ(f.MSG, "データを読み込みました");
  EXPECT_EQ(f.Com(54).text, folder);
  Co32_Click(f);
  EXPECT_EQ(f.MSG, "溶接記号データを出力しました");
  EXPECT_TRUE(fs::is_regular_file(run / "mokrav1.jyd"));
  Command4_Click(f);
  EXPECT_EQ(f.MSG, "公差記号作図データを出力しました");
  EXPECT_TRUE(fs::is_regular_file(run / "mokrav6.jyd"));
  // The table rows of the chosen class come from run/公差.dat.
  EXPECT_NE(Bytes(run / "mokrav6.jyd").find("\r\nH6/"), std::string::npos);

  f.Com(101).text = "ブラケット";
  Command11_Click(f);
  Command1_Click(f);  // exit: appends what this run remembered
  const std::string memory = Bytes(run / "mokrav.mfg");
  const std::string table = Bytes(run / "公差.dat");
  ASSERT_NE(memory.find(platform::ToCp932("101 ブラケット")), std::string::npos);
  ASSERT_EQ(FirstStart(run), 0);
  EXPECT_EQ(Bytes(run / "mokrav.mfg"), memory);
  EXPECT_EQ(Bytes(run / "公差.dat"), table);
}

TEST(FirstStart, FilesAlreadyThereAreNeverTouched) {
  TempFolder dir;
  const std::string memory = platform::ToCp932("54 d:\\jww\\\r\n\r\n");
  const std::string table = platform::ToCp932("H7/0/+0.010/0\r\n");
  dir.WriteMemoryBytes(memory);
  std::ofstream(dir.Path() / "公差.dat", std::ios::binary) << table;
  ASSERT_EQ(FirstStart(dir.Path()), 0);
  EXPECT_EQ(Bytes(dir.MemoryFile()), memory);
  EXPECT_EQ(Bytes(dir.Path() / "公差.dat"), table);
}

// The window reads its memory file item by item: a folder whose name holds
// a comma would come back cut. The window then starts with its own default
// folder, and the user sets one on the settings tab.
TEST(FirstStart, AFolderTheMemoryFileCannotHoldIsNotRemembered) {
  TempFolder dir;
  const fs::path run = dir.Path() / "a,b";
  ASSERT_EQ(FirstStart(run), 0);
  EXPECT_FALSE(fs::exists(run / "mokrav.mfg"));
  EXPECT_TRUE(fs::is_regular_file(run / "公差.dat"));
}

}  // namespace
}  // namespace mokrav
