#include "settings/model/file_reason.h"

#include <cerrno>

#include "platform/textfile.h"

namespace mokrav {

std::string FileFailureReason(const std::exception& failure) {
  const auto* file = dynamic_cast<const platform::FileError*>(&failure);
  if (file == nullptr) return failure.what();
  const struct {
    int code;
    const char* onWrite;
    const char* onRead;
  } known[] = {
      {ENOENT, "フォルダがありません", "ファイルがありません"},
      {EACCES, "書き込む権限がありません", "読む権限がありません"},
      {EPERM, "書き込む権限がありません", "読む権限がありません"},
      {ENOSPC, "ディスクがいっぱいです", "ディスクがいっぱいです"},
      {EDQUOT, "ディスクがいっぱいです", "ディスクがいっぱいです"},
      {EROFS, "読み取り専用です", "読み取り専用です"},
      {ENOTDIR, "保存先がフォルダではありません", "保存先がフォルダではありません"},
      {EISDIR, "同じ名前のフォルダがあります", "同じ名前のフォルダがあります"},
  };
  for (const auto& k : known) {
    if (file->Code() == k.code) return file->Writing() ? k.onWrite : k.onRead;
  }
  return file->Reason();
}

std::string InParentheses(const std::string& reason) {
  return reason.empty() ? std::string() : "（" + reason + "）";
}

}  // namespace mokrav
