#include "settings/model/file_reason.h"

#include <cerrno>
#include <cstring>

namespace mokrav {

namespace {

bool StartsWith(const std::string& text, const std::string& head) {
  return text.compare(0, head.size(), head) == 0;
}

}  // namespace

std::string FileFailureReason(const std::exception& failure, const std::filesystem::path& path) {
  const std::string what = failure.what();
  // The file layer says "cannot write <path>: <why>" (or read, open).
  const std::string named = path.string() + ": ";
  const std::size_t at = what.find(named);
  const std::string why = at == std::string::npos ? what : what.substr(at + named.size());
  const bool writing = StartsWith(what, "cannot write");

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
    if (StartsWith(why, std::strerror(k.code))) return writing ? k.onWrite : k.onRead;
  }
  if (why == "it is a folder") return "同じ名前のフォルダがあります";
  return why;
}

std::string InParentheses(const std::string& reason) {
  return reason.empty() ? std::string() : "（" + reason + "）";
}

}  // namespace mokrav
