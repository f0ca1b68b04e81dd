#include "exchange/toolrun.h"

#include <exception>
#include <filesystem>
#include <iostream>

#include "platform/cp932.h"
#include "platform/numtext.h"
#include "platform/textfile.h"

namespace exchange {

const std::string& ToolInput::ParameterLine() const {
  for (auto it = parameterLines.rbegin(); it != parameterLines.rend(); ++it)
    if (!it->empty()) return *it;
  throw ToolError("the parameter file holds no parameter line");
}

std::vector<std::string> ToolInput::Fields() const { return SplitWords(ParameterLine()); }

namespace {

// A command-line word names a file relative to the current directory; a
// word that is already an absolute path is taken as it is.
std::filesystem::path FilePath(const std::string& word) {
  if (word.empty()) throw ToolError("the command line names no file where one is expected");
  return platform::HostPath(word);
}

std::string ReadText(const std::filesystem::path& path, const char* what) {
  try {
    return platform::FromCp932(platform::ReadBytes(path));
  } catch (const platform::FileError& e) {
    throw ToolError(std::string(what) + ": " + e.what());
  }
}

}  // namespace

bool RunToolWords(const std::vector<std::string>& words, const ToolSpec& tool, const Compute& compute) {
  ToolInput input;
  input.words = words;
  auto exchangePath = FilePath(Word(words, 0));
  const std::string& parameterWord = Word(words, tool.parameterWord);
  input.items = ItemsFromText(ReadText(exchangePath, "the exchange file"), tool.capacity);
  std::string parameters = ReadText(FilePath(parameterWord), "the parameter file");
  // Every line with something on it, whole: a comma inside the record is
  // part of it. A line of blanks alone (an edited file's last line) holds
  // no record and must not stand in for the one above it.
  for (auto& line : platform::SplitLines(parameters))
    if (line.find_first_not_of(" \t") != std::string::npos) input.parameterLines.push_back(std::move(line));
  Output out;
  try {
    out = compute(input);
  } catch (const NoDrawing&) {
    return false;
  }
  std::string bytes;
  try {
    bytes = platform::ToCp932(out.Text());
  } catch (const platform::EncodeError& e) {
    throw ToolError(std::string("a text cannot be written to the exchange file: ") + e.what());
  }
  try {
    platform::ReplaceFileBytes(exchangePath, bytes);
  } catch (const platform::FileError& e) {
    throw ToolError(e.what());
  }
  return true;
}

int RunTool(int argc, char** argv, const ToolSpec& tool, const Compute& compute) {
  // The host hands over one command line; joined and split again at single
  // blanks, the words are those it meant, empty ones included.
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += ' ';
    line += argv[i];
  }
  try {
    RunToolWords(SplitWords(line), tool, compute);
    return 0;
  } catch (const std::exception& e) {
    // One line, whatever the message quotes: a quoted exchange item may
    // hold line ends of its own.
    std::string why = e.what();
    for (char& c : why)
      if (c == '\r' || c == '\n') c = ' ';
    std::cerr << tool.name << ": " << why << "\n";
  } catch (...) {
    std::cerr << tool.name << ": the run failed\n";
  }
  return 1;
}

}  // namespace exchange
