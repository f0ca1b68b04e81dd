// Text files in code page 932: item-wise input, whole-file replace, append.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The whole file as raw bytes. Throws FileError naming the path when it
// cannot be opened or read.
std::string ReadBytes(const std::filesystem::path& path);

// The lines of a text, without their line ends (CR LF, LF or a lone CR end
// a line); empty lines are kept, and a last line without a line end still
// counts. CR and LF never occur inside a code-page-932 character, so this
// also splits undecoded bytes safely.
std::vector<std::string> SplitLines(const std::string& text);

// The file's lines decoded to UTF-8 (SplitLines of the decoded text).
std::vector<std::string> ReadLines(const std::filesystem::path& path);

// Split decoded text into list-input items: leading blanks are skipped, an
// item ends at a comma or a line end, an item that begins with a double
// quote runs to the next double quote and the quotes are dropped. An empty
// line gives no item.
std::vector<std::string> SplitItems(const std::string& text);

// ReadBytes, FromCp932 and SplitItems together.
std::vector<std::string> ReadItems(const std::filesystem::path& path);

// Replace a file whole with the given UTF-8 text encoded in code page 932:
// written to a temporary file in the same folder, flushed, then renamed over
// the old one, so a failed run leaves the old file as it was. Throws
// EncodeError before touching anything when the text cannot be encoded, and
// FileError naming the path when the file cannot be written.
void ReplaceFile(const std::filesystem::path& path, const std::string& utf8);

// As ReplaceFile, with bytes that are written unchanged.
void ReplaceFileBytes(const std::filesystem::path& path, const std::string& bytes);

// Append UTF-8 text encoded in code page 932 in one write; creates the file
// when it does not exist. Throws EncodeError before writing anything when the
// text cannot be encoded, FileError when the file cannot be written; a write
// cut short (a full disk) is taken back, so the file keeps its old end.
void AppendFile(const std::filesystem::path& path, const std::string& utf8);

// A path built from a folder text as the user typed it (Windows "\" turned
// into "/" for the file system) and a file name joined to it unchanged.
std::filesystem::path HostPath(const std::string& folderAndName);

}  // namespace platform
