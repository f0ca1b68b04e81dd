// The memory file of the settings window: its name, its capacity and where
// start-up and the exit button find it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace mokrav {

inline constexpr const char* kMemoryFileName = "mokrav.mfg";
// Start-up reads at most this many lines of the memory file.
inline constexpr std::size_t kMemoryCapacity = 3997;

// The memory file in the given folder (the folder the application started in).
std::filesystem::path MemoryFilePath(const std::string& folder);

}  // namespace mokrav
