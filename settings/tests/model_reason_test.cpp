// The reason a failed read or write gives in the status line: Japanese for
// the everyday causes, the system's words for the rest.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/textfile.h"
#include "settings/model/file_reason.h"

namespace mokrav {
namespace {

std::string ReasonFor(const std::string& verb, const std::string& path, const std::string& why) {
  return FileFailureReason(platform::FileError(verb + " " + path + ": " + why), path);
}

TEST(FileReason, EverydayCausesInJapanese) {
  const std::string path = "/a: b/mokrav1.jyd";  // the path itself may hold ": "
  const struct {
    int code;
    const char* write;
    const char* read;
  } rows[] = {
      {ENOENT, "フォルダがありません", "ファイルがありません"},
      {EACCES, "書き込む権限がありません", "読む権限がありません"},
      {EPERM, "書き込む権限がありません", "読む権限がありません"},
      {ENOSPC, "ディスクがいっぱいです", "ディスクがいっぱいです"},
      {EDQUOT, "ディスクがいっぱいです", "ディスクがいっぱいです"},
      {EROFS, "読み取り専用です", "読み取り専用です"},
      {ENOTDIR, "保存先がフォルダではありません", "保存先がフォルダではありません"},
      {EISDIR, "同じ名前のフォルダがあります", "同じ名前のフォルダがあります"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.code);
    EXPECT_EQ(ReasonFor("cannot write", path, std::strerror(row.code)), row.write);
    EXPECT_EQ(ReasonFor("cannot open", path, std::strerror(row.code)), row.read);
  }
  // A partial append that could not be taken back is still a full disk.
  EXPECT_EQ(ReasonFor("cannot write", path,
                      std::string(std::strerror(ENOSPC)) + " (and the partial line could not be taken back)"),
            "ディスクがいっぱいです");
  EXPECT_EQ(ReasonFor("cannot write", path, "it is a folder"), "同じ名前のフォルダがあります");
}

TEST(FileReason, OtherCausesInTheSystemsWords) {
  EXPECT_EQ(ReasonFor("cannot write", "/x/f", std::strerror(EIO)), std::strerror(EIO));
  EXPECT_EQ(ReasonFor("cannot read", "/x/f", "it is not a regular file (a pipe or a device)"),
            "it is not a regular file (a pipe or a device)");
  // A message that names another path is given whole.
  EXPECT_EQ(FileFailureReason(platform::FileError("odd"), "/x/f"), "odd");
  EXPECT_EQ(InParentheses("理由"), "（理由）");
  EXPECT_EQ(InParentheses(""), "");
}

}  // namespace
}  // namespace mokrav
