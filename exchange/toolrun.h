// One run of a drawing tool, as every tool's main() does it.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "exchange/exchange.h"
#include "exchange/records.h"

namespace exchange {

struct ToolInput {
  std::vector<std::string> words;  // the command line split at single blanks
  ItemTable items;                 // the exchange file
  std::vector<std::string> parameterLines;  // the parameter file's lines that are not empty or blank
  // The parameter record: the last such line, whole. ToolError if none.
  const std::string& ParameterLine() const;
  std::vector<std::string> Fields() const;  // ParameterLine split at single blanks
};

// Thrown by a computation whose picks give nothing to draw: the run ends
// as a success without touching the exchange file, so the host draws nothing.
class NoDrawing : public std::exception {
 public:
  const char* what() const noexcept override { return "nothing to draw"; }
};

struct ToolSpec {
  const char* name;          // for the stderr line, "MOKRAVF"
  std::size_t capacity;      // item table capacity: 100, or 300
  std::size_t parameterWord; // the word that names the parameter file
  // The words after the tool's name as the host passes them, shown to a
  // user who runs the tool by hand: "EXCHANGE-FILE N N mokrav2.jyd".
  const char* usage = "";
  // The record's field names in their order (the layout's kNames), by
  // which a refused field is named.
  std::span<const char* const> fields = {};
  // The dimension-tolerance file's form: the record is the first parameter
  // line, its last field runs to the end of the line, and every later line
  // is a table row. Otherwise the record is the last line, the only one read.
  bool tableRows = false;
};

// "usage: MOKRAVF EXCHANGE-FILE N N mokrav2.jyd"
std::string Usage(const ToolSpec& tool);

using Compute = std::function<Output(const ToolInput&)>;

// Reads word 0's exchange file and the parameter file, runs the computation
// and replaces the exchange file with its output. On any failure: one line
// on stderr (made Visible), exit code 1, the exchange file untouched; a
// missing word also shows the usage. The one word "--help" prints the usage
// alone on stdout and reads nothing. Returns the exit code.
int RunTool(int argc, char** argv, const ToolSpec& tool, const Compute& compute);

// The same run on given words, for tests: the files are taken relative to
// the current directory. Throws on failure instead of printing; false when
// there was nothing to draw and the exchange file was left alone.
bool RunToolWords(const std::vector<std::string>& words, const ToolSpec& tool,
                  const Compute& compute);

}  // namespace exchange
