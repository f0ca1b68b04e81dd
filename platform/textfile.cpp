#include "platform/textfile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <string_view>
#include <utility>

#include "platform/cp932.h"

namespace platform {
namespace {

using Doing = FileError::Doing;

// The failure of the system call just made, with the system's words for it.
FileError SystemError(Doing doing, const std::filesystem::path& path) {
  const int code = errno;
  return FileError(doing, path, std::strerror(code), code);
}

const char* Verb(Doing doing) {
  switch (doing) {
    case Doing::kOpen: return "cannot open ";
    case Doing::kRead: return "cannot read ";
    case Doing::kWrite: break;
  }
  return "cannot write ";
}

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

FileError::FileError(Doing doing, const std::filesystem::path& path, const std::string& reason, int code)
    : std::runtime_error(Verb(doing) + path.string() + ": " + reason), doing_(doing), reason_(reason), code_(code) {}

namespace {

// Why a pipe, a device or a socket in a file's place is refused.
constexpr const char* kNotRegular = "it is not a regular file (a pipe or a device)";

// An open regular file, or FileError. Opened without blocking, so that a
// pipe with no writer is refused at once instead of waited on for ever.
class RegularFile {
 public:
  explicit RegularFile(const std::filesystem::path& path) : path_(path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) throw SystemError(Doing::kOpen, path);
    struct stat st;
    if (::fstat(fd_, &st) != 0) Fail(std::strerror(errno), errno);
    if (S_ISDIR(st.st_mode)) Fail("it is a folder", EISDIR);
    if (!S_ISREG(st.st_mode)) Fail(kNotRegular);
    size_ = static_cast<std::uintmax_t>(st.st_size);
  }
  ~RegularFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;

  std::uintmax_t Size() const { return size_; }
  // Up to n bytes into buf; 0 at the end of the file.
  std::size_t Read(char* buf, std::size_t n) {
    while (true) {
      ssize_t got = ::read(fd_, buf, n);
      if (got >= 0) return static_cast<std::size_t>(got);
      if (errno != EINTR) Fail(std::strerror(errno), errno);
    }
  }
  // Reading goes on from the given offset.
  void SkipTo(std::uintmax_t offset) {
    if (::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) Fail(std::strerror(errno), errno);
  }
  [[noreturn]] void Fail(const std::string& why, int code = 0) {
    ::close(fd_);
    fd_ = -1;
    throw FileError(Doing::kRead, path_, why, code);
  }

 private:
  std::filesystem::path path_;
  int fd_ = -1;
  std::uintmax_t size_ = 0;
};

}  // namespace

std::string ReadBytes(const std::filesystem::path& path, std::size_t limit) {
  RegularFile file(path);
  const std::string tooLarge = "it is larger than " + std::to_string(limit / (1024 * 1024)) +
                               " MB, more than any file of the suite holds";
  if (file.Size() > limit) file.Fail(tooLarge);
  std::string bytes(static_cast<std::size_t>(file.Size()), '\0');
  std::size_t done = 0;
  while (true) {
    // Read one byte past the limit at most: a file that grows while it is
    // read is still held to the bound.
    if (done == bytes.size()) {
      if (bytes.size() > limit) file.Fail(tooLarge);
      bytes.resize(std::min(limit + 1, bytes.size() + 65536));
    }
    std::size_t n = file.Read(bytes.data() + done, bytes.size() - done);
    if (n == 0) break;
    done += n;
  }
  if (done > limit) file.Fail(tooLarge);
  bytes.resize(done);
  return bytes;
}

namespace {

// Splits bytes that come piece by piece into lines (see SplitLines),
// holding each line only up to a bound (see ReadFirstLines). The line ends
// are found with memchr, a piece at a time, so that a file of one line
// gigabytes long is read past at the speed of the disk.
class LineSplitter {
 public:
  explicit LineSplitter(std::size_t maxLine)
      : hold_(maxLine == static_cast<std::size_t>(-1) ? maxLine : maxLine + 1) {}

  // Gives `take` each line that ends within the piece; stops when `take`
  // returns false, and then returns false itself.
  template <typename Take>
  bool Feed(const char* p, std::size_t n, Take&& take) {
    const char* const end = p + n;
    // The next CR and LF at or after p, found once per piece and again
    // only when p has passed them: a piece of short lines is scanned once.
    const char* cr = nullptr;
    const char* lf = nullptr;
    auto next = [&](const char*& at, char c) {
      if (at == nullptr || at < p) {
        at = static_cast<const char*>(std::memchr(p, c, static_cast<std::size_t>(end - p)));
        if (at == nullptr) at = end;
      }
      return at;
    };
    while (p < end) {
      if (afterCr_) {
        // A CR ended the last line; an LF right after it belongs to it.
        afterCr_ = false;
        if (*p == '\n') {
          ++p;
          continue;
        }
      }
      const char* stop = std::min(next(cr, '\r'), next(lf, '\n'));
      Hold(p, static_cast<std::size_t>(stop - p));
      if (stop == end) break;
      afterCr_ = *stop == '\r';
      p = stop + 1;
      const bool more = take(std::move(line_));
      line_.clear();
      if (!more) return false;
    }
    return true;
  }

  // The last line, when the bytes end without a line end.
  template <typename Take>
  void Finish(Take&& take) {
    if (!line_.empty()) take(std::move(line_));
    line_.clear();
  }

 private:
  void Hold(const char* p, std::size_t n) {
    if (line_.size() < hold_) line_.append(p, std::min(n, hold_ - line_.size()));
  }

  std::size_t hold_;  // the most bytes of a line that are kept
  std::string line_;
  bool afterCr_ = false;
};

}  // namespace

std::vector<std::string> ReadFirstLines(const std::filesystem::path& path, std::size_t limit, std::size_t maxLine) {
  RegularFile file(path);
  std::vector<std::string> lines;
  if (limit == 0) return lines;
  LineSplitter splitter(maxLine);
  const auto take = [&](std::string&& line) {
    lines.push_back(std::move(line));
    return lines.size() < limit;
  };
  std::string chunk(64 * 1024, '\0');
  while (true) {
    const std::size_t n = file.Read(chunk.data(), chunk.size());
    if (n == 0) break;
    if (!splitter.Feed(chunk.data(), n, take)) return lines;
  }
  splitter.Finish(take);
  return lines;
}

void ReadLastLines(const std::filesystem::path& path, std::uintmax_t bytes, std::size_t maxLine,
                   const std::function<void(const std::string&)>& take) {
  RegularFile file(path);
  // One byte more, to see whether the first line begins at the start.
  const bool cut = file.Size() > bytes;
  if (cut) file.SkipTo(file.Size() - bytes - 1);
  bool first = true;
  const auto give = [&](std::string&& line) {
    if (!(first && cut)) take(line);
    first = false;
    return true;
  };
  LineSplitter splitter(maxLine);
  std::string chunk(64 * 1024, '\0');
  while (true) {
    const std::size_t n = file.Read(chunk.data(), chunk.size());
    if (n == 0) break;
    splitter.Feed(chunk.data(), n, give);
  }
  splitter.Finish(give);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  const auto take = [&](std::string&& line) {
    lines.push_back(std::move(line));
    return true;
  };
  LineSplitter splitter(static_cast<std::size_t>(-1));
  splitter.Feed(text.data(), text.size(), take);
  splitter.Finish(take);
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

namespace {

// The file a path stands for: a symbolic link is followed to its target
// (link by link, so a link to a file that does not exist yet still names
// where the file goes).
std::filesystem::path LinkTarget(const std::filesystem::path& path) {
  std::filesystem::path p = path;
  for (int hop = 0; hop < 40; ++hop) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(p, ec))) return p;
    std::filesystem::path to = std::filesystem::read_symlink(p, ec);
    if (ec) throw FileError(Doing::kWrite, path, "its link cannot be read: " + ec.message(), ec.value());
    p = to.is_absolute() ? to : p.parent_path() / to;
  }
  throw FileError(Doing::kWrite, path, "too many links", ELOOP);
}

// Flushes the folder, so that the rename survives a power cut as well.
void SyncFolder(const std::filesystem::path& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The names the new bytes pass through on their way into place:
// ".mokrav.<pid>-<n>.tmp", one per run and per replace within it, so that
// runs started at once never share one (a shared name lets one run rename
// the other's bytes into place and leaves the other nothing to rename). The
// name does not grow with the file's: a file whose name is as long as the
// file system allows can still be replaced.
class StagingNames {
 public:
  StagingNames(const std::filesystem::path& folder, const std::string& file)
      : folder_(folder), file_(file), earlierPrefix_("." + file + ".") {}

  // A name no run of this process has used yet.
  std::filesystem::path Next() const {
    static std::atomic<unsigned long> counter{0};
    return folder_ / (kPrefix + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp");
  }

  // Removes what killed runs left. The folder may be shared with runs this
  // machine cannot see (another pid namespace, another machine on a network
  // folder), whose pids mean nothing here, so a pid that is not alive here
  // is not enough: a name goes only when all of these hold.
  // - It is a name a run writes: ".mokrav.<pid>-<n>.tmp", or what earlier
  //   versions wrote for this file only, ".<file>.<pid>-<n>.tmp" and, before
  //   that, ".<file>.tmp"; both numbers plain decimal, the pid within this
  //   system's range.
  // - It is a regular file: a run never stages a link, a pipe or a folder.
  // - Its pid (where the name has one) is not alive here.
  // - It was last changed more than an hour ago. A run holds its name for
  //   milliseconds, so one that old belongs to no run still going, here or
  //   elsewhere.
  // - It is neither the file being replaced (`given`) nor the file its link
  //   leads to (`target`), whatever they are named.
  // So a killed run's leftover stays until it is an hour old and goes with
  // the first replace in its folder after that. Best effort: a folder that
  // cannot be read or written is refused later, by the replace.
  void ClearLeftovers(const std::filesystem::path& given, const std::filesystem::path& target) const {
    struct stat st;
    std::vector<std::pair<dev_t, ino_t>> keep;
    for (const auto& p : {given, target}) {
      if (::lstat(p.c_str(), &st) == 0) keep.emplace_back(st.st_dev, st.st_ino);
      if (::stat(p.c_str(), &st) == 0) keep.emplace_back(st.st_dev, st.st_ino);
    }
    const time_t hourAgo = ::time(nullptr) - 3600;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
      const std::string name = it->path().filename().string();
      if (name == file_ || !OfDeadRun(name)) continue;
      if (::lstat(it->path().c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_mtime >= hourAgo) continue;
      if (std::find(keep.begin(), keep.end(), std::pair(st.st_dev, st.st_ino)) != keep.end()) continue;
      ::unlink(it->path().c_str());
    }
  }

 private:
  static constexpr char kPrefix[] = ".mokrav.";

  // Whether the name is one a run writes, without a pid or with the pid of
  // a process that is not alive here.
  bool OfDeadRun(const std::string& name) const {
    if (name == earlierPrefix_ + "tmp") return true;
    for (std::string_view prefix : {std::string_view(kPrefix), std::string_view(earlierPrefix_)}) {
      pid_t pid = 0;
      if (CountedName(name, prefix, pid)) return ::kill(pid, 0) != 0 && errno == ESRCH;
    }
    return false;
  }

  // Whether the name is "<prefix><pid>-<n>.tmp" as a run writes it: both
  // numbers in plain decimal without leading zeros (n may be a lone 0), the
  // pid above 0 and below this system's largest.
  static bool CountedName(std::string_view name, std::string_view prefix, pid_t& pid) {
    if (!name.starts_with(prefix) || !name.ends_with(".tmp")) return false;
    name = name.substr(prefix.size(), name.size() - prefix.size() - 4);
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos) return false;
    const std::string_view pidText = name.substr(0, dash), countText = name.substr(dash + 1);
    unsigned long long p = 0, n = 0;
    if (!PlainNumber(pidText, p) || !PlainNumber(countText, n) || p == 0 || p >= PidLimit()) return false;
    pid = static_cast<pid_t>(p);
    return true;
  }

  // Digits only (no sign), no leading zero but in "0" itself, and no
  // overflow.
  static bool PlainNumber(std::string_view text, unsigned long long& value) {
    if (text.size() > 1 && text[0] == '0') return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
  }

  // One more than the largest pid this system gives: its pid_max where
  // /proc tells it, otherwise 4194304, the most any Linux system allows.
  static unsigned long long PidLimit() {
    static const unsigned long long limit = [] {
      unsigned long long value = 4194304;
      const int fd = ::open("/proc/sys/kernel/pid_max", O_RDONLY | O_CLOEXEC);
      if (fd < 0) return value;
      char text[32];
      const ssize_t n = ::read(fd, text, sizeof text);
      ::close(fd);
      std::string_view digits(text, n > 0 ? static_cast<std::size_t>(n) : 0);
      while (!digits.empty() && (digits.back() == '\n' || digits.back() == ' ')) digits.remove_suffix(1);
      unsigned long long fromProc = 0;
      return PlainNumber(digits, fromProc) && fromProc > 1 ? fromProc : value;
    }();
    return limit;
  }

  std::filesystem::path folder_;
  std::string file_;
  std::string earlierPrefix_;
};

// Puts the staged bytes under a fresh staging name: `take` makes the name
// (creating or linking it so that it fails with EEXIST where the name is
// already there) and is tried again with the next name while a leftover of
// an earlier process with our pid is in the way. False with errno set, and
// `name` empty, when no name could be taken.
template <typename Take>
bool TakeStagingName(const StagingNames& names, std::filesystem::path& name, Take take) {
  for (int tries = 0; tries < 100; ++tries) {
    name = names.Next();
    if (take(name)) return true;
    if (errno != EEXIST) break;
  }
  const int code = errno;
  name.clear();
  errno = code;
  return false;
}

}  // namespace

void ReplaceFileBytes(const std::filesystem::path& path, const std::string& bytes, Staging staging) {
  const std::filesystem::path target = LinkTarget(path);
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::error_code ec;
  if (std::filesystem::is_directory(target, ec))
    throw FileError(Doing::kWrite, path, "it is a folder", EISDIR);
  // Keep the permissions of the file being replaced.
  struct stat st;
  const bool exists = ::stat(target.c_str(), &st) == 0;
  const mode_t mode = exists ? (st.st_mode & 07777) : 0644;
  const StagingNames names(folder, target.filename().string());
  names.ClearLeftovers(path, target);

  // An unnamed file: until it is linked, a killed run leaves nothing.
  // It is linked through /proc, so it needs /proc.
  bool unnamed = staging == Staging::kUnnamedWherePossible && ::access("/proc/self/fd", X_OK) == 0;
  int fd = unnamed ? ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode) : -1;
  std::filesystem::path staged;  // the staging name while it holds our bytes
  if (fd < 0) {
    if (unnamed && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) throw SystemError(Doing::kWrite, path);
    unnamed = false;
    const bool created = TakeStagingName(names, staged, [&](const std::filesystem::path& name) {
      fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
      return fd >= 0;
    });
    if (!created) throw SystemError(Doing::kWrite, path);
  }
  if (exists) ::fchmod(fd, mode);
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  int code = ok ? 0 : errno;  // of the first step that failed
  bool placed = false;
  if (ok && unnamed) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    const auto linkTo = [&](const std::filesystem::path& name) {
      return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
    };
    // A file that does not exist yet is linked straight into place.
    if (!exists && linkTo(target)) {
      placed = true;
    } else if (!TakeStagingName(names, staged, linkTo)) {
      ok = false;
      code = errno;
    }
  }
  // The rename follows the link at once (the file is closed only after it),
  // so a kill between the two is as unlikely as it can be made; a name left
  // by a kill is cleared by the first replace after it is an hour old.
  if (ok && !placed) {
    if (::rename(staged.c_str(), target.c_str()) == 0) {
      staged.clear();  // the name is the file's now
      placed = true;
    } else {
      ok = false;
      code = errno;
    }
  }
  // Once the bytes are in place the replace has been done, and nothing
  // after it can take that back: the bytes were flushed before they were
  // put there, so a close or a flush of the folder that fails now is no
  // failure of the replace. Before that, the first failure is the one told.
  ::close(fd);
  if (!placed) {
    if (!staged.empty()) ::unlink(staged.c_str());
    throw FileError(Doing::kWrite, path, std::strerror(code), code);
  }
  SyncFolder(folder);
}

void ReplaceFile(const std::filesystem::path& path, const std::string& utf8) {
  ReplaceFileBytes(path, ToCp932(utf8));
}

void AppendFile(const std::filesystem::path& path, const std::string& utf8) {
  std::string bytes = ToCp932(utf8);
  // Opened without waiting: a pipe in the file's place would hold the
  // open until something read it. Read access as well, where there is
  // one, to see the file's last byte on the same descriptor.
  const int flags = O_CREAT | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  int fd = ::open(path.c_str(), O_RDWR | flags, 0644);
  const bool readable = fd >= 0;
  if (fd < 0 && errno == EACCES) fd = ::open(path.c_str(), O_WRONLY | flags, 0644);
  // A pipe that nothing reads, or a device that is not there.
  if (fd < 0 && errno == ENXIO) throw FileError(Doing::kWrite, path, kNotRegular);
  if (fd < 0) throw SystemError(Doing::kWrite, path);
  struct stat st;
  if (::fstat(fd, &st) != 0) {
    const int code = errno;
    ::close(fd);
    throw FileError(Doing::kWrite, path, std::strerror(code), code);
  }
  // A device (a link to /dev/zero takes every byte and keeps none) or a
  // pipe that something happens to read: neither keeps the memory.
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    throw FileError(Doing::kWrite, path, kNotRegular);
  }
  const off_t oldEnd = st.st_size;
  // A last line without its line end (a file edited by hand) is ended
  // first, so the text does not join it.
  if (oldEnd > 0) {
    char last = 0;
    if (!readable || ::pread(fd, &last, 1, oldEnd - 1) != 1 || (last != '\r' && last != '\n')) {
      bytes.insert(0, "\r\n");
    }
  }
  bool ok = WriteAll(fd, bytes);
  int code = ok ? 0 : errno;
  std::string why = ok ? "" : std::strerror(code);
  if (!ok && ::ftruncate(fd, oldEnd) != 0) why += " (and the partial line could not be taken back)";
  if (::close(fd) != 0 && ok) {
    ok = false;
    code = errno;
    why = std::strerror(code);
  }
  if (!ok) throw FileError(Doing::kWrite, path, why, code);
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
