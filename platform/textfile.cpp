#include "platform/textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

#include "platform/cp932.h"

namespace platform {
namespace {

std::string Reason() { return std::strerror(errno); }

std::string Shown(const std::filesystem::path& path) { return path.string(); }

// Write all bytes to an open descriptor; false on any failure.
bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::string ReadBytes(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec))
    throw FileError("cannot read " + Shown(path) + ": it is a folder");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw FileError("cannot open " + Shown(path) + ": " + Reason());
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) throw FileError("cannot read " + Shown(path));
  return ss.str();
}

std::vector<std::string> ReadLines(const std::filesystem::path& path) {
  return SplitLines(FromCp932(ReadBytes(path)));
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::vector<std::string> SplitItems(const std::string& text) {
  std::vector<std::string> items;
  std::size_t i = 0, n = text.size();
  auto lineEnd = [&](std::size_t k) { return text[k] == '\r' || text[k] == '\n'; };
  while (i < n) {
    // Skip the blanks before an item.
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i >= n) break;
    if (lineEnd(i)) {
      // An empty line (or the end of a line after a comma): no item.
      if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
      ++i;
      continue;
    }
    std::string item;
    if (text[i] == '"') {
      std::size_t close = text.find('"', i + 1);
      if (close == std::string::npos) close = n;
      item = text.substr(i + 1, close - i - 1);
      i = close < n ? close + 1 : n;
      // What follows the closing quote up to the separator is dropped.
      while (i < n && text[i] != ',' && !lineEnd(i)) ++i;
    } else {
      std::size_t k = i;
      while (k < n && text[k] != ',' && !lineEnd(k)) ++k;
      item = text.substr(i, k - i);
      i = k;
    }
    items.push_back(item);
    if (i < n && text[i] == ',') {
      ++i;
    } else if (i < n) {
      if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
      ++i;
    }
  }
  return items;
}

std::vector<std::string> ReadItems(const std::filesystem::path& path) {
  return SplitItems(FromCp932(ReadBytes(path)));
}

void ReplaceFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec))
    throw FileError("cannot write " + Shown(path) + ": it is a folder");
  static std::mt19937_64 rng{std::random_device{}()};
  std::filesystem::path temp;
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    temp = folder / ("." + path.filename().string() + "." + std::to_string(rng() % 1000000000) + ".tmp");
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) throw FileError("cannot write " + Shown(path) + ": " + Reason());
  // Keep the permissions of the file being replaced.
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) ::fchmod(fd, st.st_mode & 07777);
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  std::string why = ok ? "" : Reason();
  if (::close(fd) != 0 && ok) {
    ok = false;
    why = Reason();
  }
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    why = Reason();
  }
  if (!ok) {
    ::unlink(temp.c_str());
    throw FileError("cannot write " + Shown(path) + ": " + why);
  }
}

void ReplaceFile(const std::filesystem::path& path, const std::string& utf8) {
  ReplaceFileBytes(path, ToCp932(utf8));
}

void AppendFile(const std::filesystem::path& path, const std::string& utf8) {
  std::string bytes = ToCp932(utf8);
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  if (fd < 0) throw FileError("cannot write " + Shown(path) + ": " + Reason());
  struct stat st;
  off_t oldEnd = ::fstat(fd, &st) == 0 ? st.st_size : -1;
  bool ok = WriteAll(fd, bytes);
  std::string why = ok ? "" : Reason();
  if (!ok && oldEnd >= 0 && ::ftruncate(fd, oldEnd) != 0) why += " (and the partial line could not be taken back)";
  if (::close(fd) != 0 && ok) {
    ok = false;
    why = Reason();
  }
  if (!ok) throw FileError("cannot write " + Shown(path) + ": " + why);
}

std::filesystem::path HostPath(const std::string& folderAndName) {
  std::string s = folderAndName;
  // In UTF-8 the byte of "\" only ever stands for itself, so this never
  // touches a part of a Japanese character.
  for (char& c : s)
    if (c == '\\') c = '/';
  return std::filesystem::path(s);
}

}  // namespace platform
