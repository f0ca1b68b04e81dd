// The end-to-end fixture of the drawing tools' run tests: a fresh folder for
// each test, the exchange file and the parameter file written there as the
// host and the settings window write them, the built tool run there with
// the host's command line (stderr to err.txt), and the rewritten exchange
// file read back whole for a byte-for-byte comparison.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace exchange::test {

// UTF-8 text as code page 932 bytes, as every file of the suite holds it.
std::string Cp932(const std::string& utf8);

// Items of a file, each followed by CR LF.
std::string Items(const std::vector<std::string>& lines);

// A whole drawing output: the records (empty ones for unset slots), each
// followed by CR LF, then the empty line that ends the exchange file.
std::string Lines(const std::vector<std::string>& records);

// The text with the first `from` in it replaced by `to` (std::out_of_range
// when there is none): a host's file or a parameter line spoilt in one place.
std::string Replaced(std::string text, const std::string& from, const std::string& to);

// The exchange file filled up to `count` items with items of a key no tool
// reads, for the limit of the item table.
std::string FilledTo(std::string exchange, std::size_t count);

// What a tool's run test needs to know of its tool.
struct Tool {
  const char* path;           // the built executable
  const char* name;           // "MOKRAVF": how every stderr line starts
  const char* parameterFile;  // "mokrav2.jyd"
  std::string args;           // the host's usual command line
};

// One drawing run: the host's file and the parameter line (UTF-8), and the
// records the tool must write.
struct DrawCase {
  const char* name;
  std::string exchange;
  std::string params;
  std::vector<std::string> output;
};

// One run that must fail: the part of the stderr line that says why (after
// the tool's name), the host's file and the parameter file's whole text
// (UTF-8; none: no parameter file) and the command line (empty: the tool's
// usual one).
struct FailureCase {
  const char* name;
  std::string message;
  std::string exchange;
  std::optional<std::string> params;
  std::string args = "";
};

class ToolRunTest : public ::testing::Test {
 protected:
  explicit ToolRunTest(Tool tool) : tool_(std::move(tool)) {}

  void SetUp() override;
  void TearDown() override;

  // Files of the test's folder, bytes as they stand.
  void Write(const std::filesystem::path& name, const std::string& bytes);
  std::string Read(const std::filesystem::path& name) const;

  // Runs the tool in the folder; returns its exit code.
  int Run() { return Run(tool_.args); }
  int Run(const std::string& args);

  // The rewritten exchange file for the host's file and the parameter
  // file's whole text, both given in UTF-8 and written in code page 932.
  // The run must end normally without a word on stderr.
  std::string DrawFile(const std::string& exchange, const std::string& parameterFile) {
    return DrawFile(exchange, parameterFile, tool_.args);
  }
  std::string DrawFile(const std::string& exchange, const std::string& parameterFile,
                       const std::string& args);

  // The same for a parameter line as the settings window writes it: the
  // line and CR LF.
  std::string Draw(const std::string& exchange, const std::string& line) {
    return DrawFile(exchange, line + "\r\n");
  }
  std::string Draw(const std::string& exchange, const std::string& line, const std::string& args) {
    return DrawFile(exchange, line + "\r\n", args);
  }

  // The run writes exactly these records, in code page 932.
  void ExpectDraws(const std::string& exchange, const std::string& line,
                   const std::vector<std::string>& records) {
    EXPECT_EQ(Draw(exchange, line), Cp932(Lines(records)));
  }
  void ExpectDraws(const std::string& exchange, const std::string& line,
                   const std::vector<std::string>& records, const std::string& args) {
    EXPECT_EQ(Draw(exchange, line, args), Cp932(Lines(records)));
  }
  void ExpectDrawings(const std::vector<DrawCase>& cases);

  // A run that must fail: non-zero exit, one line on stderr that starts
  // with the tool's name and holds `message` after it, the host's file byte
  // for byte as it was. The bytes are written as given; without a parameter
  // text no parameter file is there (an empty text writes an empty file).
  void ExpectFailure(const std::string& exchange, const std::optional<std::string>& parameterFile,
                     const std::string& args, const std::string& message);

  // Each case as ExpectFailure, both files written in code page 932.
  void ExpectFailures(const std::vector<FailureCase>& cases);

  const Tool tool_;
  std::filesystem::path dir_;

 private:
  void KeepSeed(const std::string& args) const;
};

}  // namespace exchange::test
