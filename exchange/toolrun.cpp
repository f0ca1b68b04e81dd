#include "exchange/toolrun.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>

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
  if (word.empty()) throw CommandLineError("the command line names no file where one is expected");
  return platform::HostPath(word);
}

// A file's text. Bytes that code page 932 cannot read come as stand-ins
// that every step reads as U+FFFD and a message shows as the bytes they were.
std::string ReadText(const std::filesystem::path& path, const char* what) {
  try {
    return platform::FromCp932KeepingStrays(platform::ReadBytes(path));
  } catch (const platform::FileError& e) {
    throw ToolError(std::string(what) + ": " + e.what());
  }
}

// A control character in a parameter text would be drawn as it stands (a
// tab inside an annotation's text) or break the host's item. Checked before
// the tool reads a field, so that no message echoes one.
void CheckNoControl(const ToolInput& input, const ToolSpec& tool) {
  if (input.parameterLines.empty()) return;
  const std::string& record = tool.tableRows ? input.parameterLines.front() : input.ParameterLine();
  const std::vector<std::string> fields = SplitWords(record);
  const std::size_t count = tool.fields.size();
  // Fields past the record's last are never read, unless that last one
  // runs to the end of the line.
  const std::size_t read = tool.tableRows && count > 0 ? fields.size() : std::min(fields.size(), count);
  for (std::size_t n = 0; n < read; ++n) {
    const std::optional<char32_t> c = platform::FirstControl(fields[n]);
    if (!c) continue;
    const std::size_t field = std::min(n, count - 1);
    throw ToolError("field " + std::to_string(field) + " of the parameter line (" + tool.fields[field] +
                    ") holds " + ControlName(*c) + ", which no parameter text may hold");
  }
  if (!tool.tableRows) return;
  for (std::size_t row = 1; row < input.parameterLines.size(); ++row) {
    if (const std::optional<char32_t> c = platform::FirstControl(input.parameterLines[row]))
      throw ToolError("table row " + std::to_string(row) + " of the parameter file holds " + ControlName(*c) +
                      ", which no table row may hold");
  }
}

}  // namespace

std::string Usage(const ToolSpec& tool) { return std::string("usage: ") + tool.name + " " + tool.usage; }

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
  CheckNoControl(input, tool);
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
  if (argc == 2 && std::string(argv[1]) == "--help") {
    std::cout << Usage(tool) << "\n";
    return 0;
  }
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
    std::string why = e.what();
    if (dynamic_cast<const CommandLineError*>(&e)) why += "; " + Usage(tool);
    // One whole line that only shows, whatever the message quotes: an
    // exchange item or a file name may hold line ends, terminal controls
    // or bytes that are no text.
    std::cerr << Visible(std::string(tool.name) + ": " + why) << "\n";
  } catch (...) {
    std::cerr << tool.name << ": the run failed\n";
  }
  return 1;
}

}  // namespace exchange
