#include "fuzz/tool_fuzz.h"

#include <stdlib.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "exchange/exchange.h"
#include "fuzz/input.h"

namespace fuzz {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void Violation(const exchange::ToolSpec& tool, const std::string& what) {
  std::fprintf(stderr, "%s fuzz: %s\n", tool.name, what.c_str());
  std::abort();
}

// A folder of this process's own under TMPDIR, which the caller removes
// (libFuzzer ends the process without running exit handlers).
const fs::path& Folder() {
  static const fs::path folder = [] {
    std::string pattern = (fs::temp_directory_path() / "mokrav_fuzz_XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
      std::perror("mkdtemp");
      std::abort();
    }
    return fs::path(pattern);
  }();
  return folder;
}

using Files = std::map<std::string, std::string>;

Files Snapshot() {
  Files files;
  for (const auto& entry : fs::directory_iterator(Folder())) {
    std::ifstream in(entry.path(), std::ios::binary);
    files[entry.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
  }
  return files;
}

// The first record field that names a number written as "inf" or "nan" in
// any spelling, or empty. Pen and layer records carry parameter texts, and a
// text record's text follows its double quote: neither is a number.
std::string NonFiniteField(const std::string& output) {
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    line = line.substr(0, line.find('"'));
    for (const char* key : {"lg", "ly", "lc", "lt", "cn", "msg"})
      if (line.rfind(key, 0) == 0) line.clear();
    std::istringstream fields(line);
    for (std::string field; fields >> field;) {
      std::string lower = field;
      std::transform(lower.begin(), lower.end(), lower.begin(),
                     [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
      if (lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos) return field;
    }
  }
  return "";
}

}  // namespace

int RunInput(const std::uint8_t* data, std::size_t size, const exchange::ToolSpec& tool,
             const exchange::Compute& compute) {
  const Input in = SplitInput(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const auto& entry : fs::directory_iterator(Folder())) fs::remove_all(entry.path());
  const fs::path exchangeFile = Folder() / "jwc_temp.txt";
  const fs::path parameterFile = Folder() / "param.jyd";
  std::ofstream(exchangeFile, std::ios::binary) << in.exchange;
  std::ofstream(parameterFile, std::ios::binary) << in.parameters;

  // Word 0 and the parameter word are always these two files, so that no
  // input makes the tool read or write anything outside the folder.
  std::vector<std::string> words = exchange::SplitWords(in.words);
  words.insert(words.begin(), exchangeFile.string());
  if (words.size() > tool.parameterWord) words[tool.parameterWord] = parameterFile.string();
  std::vector<char*> argv{const_cast<char*>(tool.name)};
  for (std::string& w : words) argv.push_back(w.data());

  const Files before = Snapshot();
  std::ostringstream err;
  std::streambuf* const stderrBuffer = std::cerr.rdbuf(err.rdbuf());
  const int code = exchange::RunTool(static_cast<int>(argv.size()), argv.data(), tool, compute);
  std::cerr.rdbuf(stderrBuffer);
  const Files after = Snapshot();
  const std::string message = err.str();

  if (code == 1) {
    if (message.rfind(std::string(tool.name) + ": ", 0) != 0 || message.back() != '\n' ||
        std::count(message.begin(), message.end(), '\n') != 1)
      Violation(tool, "a failure's stderr is not one line after the tool's name: " + message);
    if (after != before) Violation(tool, "a failure changed the files (" + message.substr(0, message.size() - 1) + ")");
    return 0;
  }
  if (code != 0) Violation(tool, "exit code " + std::to_string(code));
  if (!message.empty()) Violation(tool, "a success wrote to stderr: " + message);
  const std::string name = exchangeFile.filename().string();
  Files unchanged = after;
  unchanged[name] = before.at(name);
  if (unchanged != before) Violation(tool, "a success changed a file other than the exchange file");
  // A run with nothing to draw leaves the host's items there, which are no records.
  if (after.at(name) == before.at(name)) return 0;
  const std::string field = NonFiniteField(after.at(name));
  if (!field.empty()) Violation(tool, "a success wrote the number \"" + field + "\"");
  return 0;
}

}  // namespace fuzz
