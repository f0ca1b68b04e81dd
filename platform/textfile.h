// Text files in code page 932: item-wise input, whole-file replace, append.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

// A file that cannot be opened, read or written. The message names the
// path and says why; the system's error number (0 where the refusal is our
// own, as for a pipe) and the words after the path are kept besides, so
// that a caller can tell the user why in its own words without taking the
// message apart.
class FileError : public std::runtime_error {
 public:
  enum class Doing { kOpen, kRead, kWrite };
  FileError(Doing doing, const std::filesystem::path& path, const std::string& reason, int code = 0);
  bool Writing() const { return doing_ == Doing::kWrite; }
  int Code() const { return code_; }
  const std::string& Reason() const { return reason_; }

 private:
  Doing doing_;
  std::string reason_;
  int code_;
};

// No exchange, parameter or table file comes near this size; anything
// larger is not one of them.
constexpr std::size_t kMaxTextFileBytes = 16 * 1024 * 1024;

// The whole file as raw bytes. Only a regular file (or a link to one) is
// read: a folder, a pipe or a device is refused without waiting on it, and
// so is a file larger than `limit` bytes. Throws FileError naming the path
// when the file cannot be opened or read, or is refused.
std::string ReadBytes(const std::filesystem::path& path, std::size_t limit = kMaxTextFileBytes);

// The lines of a text, without their line ends (CR LF, LF or a lone CR end
// a line); empty lines are kept, and a last line without a line end still
// counts. CR and LF never occur inside a code-page-932 character, so this
// also splits undecoded bytes safely.
std::vector<std::string> SplitLines(const std::string& text);

// At most `limit` lines of a file as raw bytes, split as SplitLines splits
// them, read piece by piece: reading stops at the limit and the rest of the
// file is never read, however large it has grown. A line is held only up
// to `maxLine` bytes: a longer one is given as its first maxLine + 1 bytes,
// so that the caller can tell it from every line it gets whole, and the
// rest of it is read past without being held. Only a regular file is read,
// as for ReadBytes, but there is no bound on its size. Throws FileError
// naming the path when the file is refused or cannot be read.
std::vector<std::string> ReadFirstLines(const std::filesystem::path& path, std::size_t limit,
                                        std::size_t maxLine = static_cast<std::size_t>(-1));

// The lines of a file's last `bytes` bytes, given one at a time to `take`,
// split and held as ReadFirstLines splits and holds them; a line cut by
// that start is left out. Only a regular file is read. Throws FileError
// naming the path when the file is refused or cannot be read.
void ReadLastLines(const std::filesystem::path& path, std::uintmax_t bytes, std::size_t maxLine,
                   const std::function<void(const std::string&)>& take);


// Split decoded text into list-input items: leading blanks are skipped, an
// item ends at a comma or a line end, an item that begins with a double
// quote runs to the next double quote and the quotes are dropped. An empty
// line gives no item.
std::vector<std::string> SplitItems(const std::string& text);

// ReadBytes, FromCp932 and SplitItems together.
std::vector<std::string> ReadItems(const std::filesystem::path& path);

// Replace a file whole with the given UTF-8 text encoded in code page 932:
// written to an unnamed temporary file in the same folder, flushed, then
// put in place by a rename, so the file always holds its old or its new
// bytes and a run killed on the way leaves no temporary file behind (where
// the file system has no unnamed files, a hidden name beside the file is
// used). The hidden name a file passes through is its run's own, so runs
// started at once on one file never take each other's bytes: each that
// returns has put its own in place, the last of them stays; the name is
// short whatever the file's, so the longest name a folder takes can be
// replaced. Such a name left by a run that was killed stays until it is an
// hour old and goes with the first replace in its folder after that (a
// younger one may be a live run's on another machine sharing the folder);
// the file being replaced is never taken for one. A symbolic link is
// followed: its target is replaced and the link kept. Throws EncodeError
// before touching anything when the text cannot be encoded, and FileError
// naming the path when the file cannot be written: then the file holds its
// old bytes and no hidden name is left.
// Once the new bytes are in place the call returns normally; nothing that
// fails after that (a close, the flush of the folder) is reported.
void ReplaceFile(const std::filesystem::path& path, const std::string& utf8);

// How the new bytes are held before they are put in place. The suite
// always takes the first; tests choose the second to go the way a file
// system without unnamed files (or a system without /proc) makes it go.
enum class Staging { kUnnamedWherePossible, kNamedOnly };

// As ReplaceFile, with bytes that are written unchanged.
void ReplaceFileBytes(const std::filesystem::path& path, const std::string& bytes,
                      Staging staging = Staging::kUnnamedWherePossible);

// Append UTF-8 text encoded in code page 932 in one write; creates the file
// when it does not exist. Only a regular file (or a link to one) is written:
// the file is opened without waiting, so a pipe or a device is refused at
// once instead of waited on or written into. A file whose last byte is
// neither CR nor LF, or cannot be read, gets CR LF before the text, in the
// same write. Throws EncodeError before writing anything when
// the text cannot be encoded, FileError when the file is refused or cannot
// be written; a write cut short (a full disk) is taken back, so the file
// keeps its old end.
void AppendFile(const std::filesystem::path& path, const std::string& utf8);

// A path built from a folder text as the user typed it (Windows "\" turned
// into "/" for the file system) and a file name joined to it unchanged.
std::filesystem::path HostPath(const std::string& folderAndName);

}  // namespace platform
