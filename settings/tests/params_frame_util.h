// Shared fixture of the draw-button tests: a freshly started window whose
// memory file is empty, with the host folder set to a temporary folder.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/cp932.h"
#include "settings/form.h"
#include "settings/params/frame.h"
#include "settings/procedures.h"

namespace mokrav::testing {

class DrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "mokrav-params-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    std::ofstream(dir_ / "mokrav.mfg", std::ios::binary);  // an empty memory file
    f_.startFolder = dir_.string();
    Form_Load(f_, dir_.string());
    f_.Com(54).text = dir_.string() + "/";
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }

  // The raw bytes of a file in the temporary folder; "<missing>" when absent.
  std::string Bytes(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  void Put(const std::string& name, const std::string& bytes) const {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  // The expected file: one record line in code page 932 with CR LF.
  static std::string Line(const std::string& utf8) { return platform::ToCp932(utf8) + "\r\n"; }

  // Every entry of the folder other than the memory file.
  int OtherEntries() const {
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir_))
      if (e.path().filename() != "mokrav.mfg") ++n;
    return n;
  }

  std::filesystem::path dir_;
  Form f_;
};

}  // namespace mokrav::testing
