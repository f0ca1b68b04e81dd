// The reason a failed read or write gives in the status line: Japanese for
// the everyday causes, the system's words for the rest.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

#include "platform/textfile.h"
#include "settings/model/file_reason.h"

namespace mokrav {
namespace {

using Doing = platform::FileError::Doing;

std::string ReasonFor(Doing doing, const std::string& path, const std::string& why, int code = 0) {
  return FileFailureReason(platform::FileError(doing, path, why, code));
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
    EXPECT_EQ(ReasonFor(Doing::kWrite, path, std::strerror(row.code), row.code), row.write);
    EXPECT_EQ(ReasonFor(Doing::kOpen, path, std::strerror(row.code), row.code), row.read);
  }
  // A partial append that could not be taken back is still a full disk.
  EXPECT_EQ(ReasonFor(Doing::kWrite, path,
                      std::string(std::strerror(ENOSPC)) + " (and the partial line could not be taken back)", ENOSPC),
            "ディスクがいっぱいです");
  EXPECT_EQ(ReasonFor(Doing::kWrite, path, "it is a folder", EISDIR), "同じ名前のフォルダがあります");
}

TEST(FileReason, OtherCausesInTheSystemsWords) {
  EXPECT_EQ(ReasonFor(Doing::kWrite, "/x/f", std::strerror(EIO), EIO), std::strerror(EIO));
  EXPECT_EQ(ReasonFor(Doing::kRead, "/x/f", "it is not a regular file (a pipe or a device)"),
            "it is not a regular file (a pipe or a device)");
  // A failure that is not the file layer's is given whole.
  EXPECT_EQ(FileFailureReason(std::runtime_error("odd")), "odd");
  EXPECT_EQ(InParentheses("理由"), "（理由）");
  EXPECT_EQ(InParentheses(""), "");
}

}  // namespace
}  // namespace mokrav
