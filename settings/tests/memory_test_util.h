// Shared helpers of the memory, clear and weight tests: a temporary start-up
// folder and raw access to the memory file in it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "settings/memory/memory_file.h"

namespace mokrav::testing {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("mokrav-memory-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string Text() const { return path_.string(); }
  std::filesystem::path MemoryFile() const { return path_ / kMemoryFileName; }

  void WriteMemoryBytes(const std::string& bytes) const {
    std::ofstream out(MemoryFile(), std::ios::binary | std::ios::trunc);
    out << bytes;
  }
  std::string ReadMemoryBytes() const {
    std::ifstream in(MemoryFile(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::filesystem::path path_;
};

}  // namespace mokrav::testing
