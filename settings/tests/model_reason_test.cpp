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

// The reason for a failure with the system's error number and its words,
// on a path that itself holds ": ", so that nothing is read out of the
// message.
std::string Reason(Doing doing, int code) {
  return FileFailureReason(platform::FileError(doing, "/a: b/mokrav1.jyd", std::strerror(code), code));
}

TEST(FileReason, AMissingFileOrFolderNamesWhatIsMissing) {
  // Writing creates the file, so what is missing there is its folder.
  EXPECT_EQ(Reason(Doing::kWrite, ENOENT), "フォルダがありません");
  EXPECT_EQ(Reason(Doing::kOpen, ENOENT), "ファイルがありません");
}

TEST(FileReason, NoPermissionSaysForWhat) {
  EXPECT_EQ(Reason(Doing::kWrite, EACCES), "書き込む権限がありません");
  EXPECT_EQ(Reason(Doing::kOpen, EACCES), "読む権限がありません");
  EXPECT_EQ(Reason(Doing::kRead, EACCES), "読む権限がありません");
  // The system's other refusal reads the same to the user.
  EXPECT_EQ(Reason(Doing::kWrite, EPERM), "書き込む権限がありません");
  EXPECT_EQ(Reason(Doing::kOpen, EPERM), "読む権限がありません");
}

TEST(FileReason, TheMediumAndThePathSayTheSameEitherWay) {
  for (const Doing doing : {Doing::kOpen, Doing::kRead, Doing::kWrite}) {
    SCOPED_TRACE(static_cast<int>(doing));
    EXPECT_EQ(Reason(doing, ENOSPC), "ディスクがいっぱいです");
    EXPECT_EQ(Reason(doing, EDQUOT), "ディスクがいっぱいです");  // over the user's quota: full to them
    EXPECT_EQ(Reason(doing, EROFS), "読み取り専用です");
    EXPECT_EQ(Reason(doing, ENOTDIR), "保存先がフォルダではありません");
    EXPECT_EQ(Reason(doing, EISDIR), "同じ名前のフォルダがあります");
  }
}

TEST(FileReason, TheErrorNumberDecidesNotTheWords) {
  const std::string path = "/a: b/mokrav.mfg";
  // A partial append that could not be taken back is still a full disk.
  EXPECT_EQ(FileFailureReason(platform::FileError(
                Doing::kWrite, path,
                std::string(std::strerror(ENOSPC)) + " (and the partial line could not be taken back)", ENOSPC)),
            "ディスクがいっぱいです");
  EXPECT_EQ(FileFailureReason(platform::FileError(Doing::kWrite, path, "it is a folder", EISDIR)),
            "同じ名前のフォルダがあります");
}

TEST(FileReason, OtherCausesInTheSystemsWords) {
  EXPECT_EQ(Reason(Doing::kWrite, EIO), std::strerror(EIO));
  EXPECT_EQ(Reason(Doing::kRead, ENAMETOOLONG), std::strerror(ENAMETOOLONG));
  // A refusal of our own carries no error number and is given as it was worded.
  EXPECT_EQ(FileFailureReason(
                platform::FileError(Doing::kRead, "/x/f", "it is not a regular file (a pipe or a device)")),
            "it is not a regular file (a pipe or a device)");
  // A failure that is not the file layer's is given whole.
  EXPECT_EQ(FileFailureReason(std::runtime_error("odd")), "odd");
  EXPECT_EQ(InParentheses("理由"), "（理由）");
  EXPECT_EQ(InParentheses(""), "");
}

}  // namespace
}  // namespace mokrav
