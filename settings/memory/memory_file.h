// The memory file of the settings window: its name, its capacity and where
// start-up and the exit button find it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "settings/form.h"

namespace mokrav {

inline constexpr const char* kMemoryFileName = "mokrav.mfg";
// Start-up reads at most this many lines of the memory file.
inline constexpr std::size_t kMemoryCapacity = 3997;

// Start-up's message for a memory file that is there but cannot be read,
// followed by its path.
inline constexpr const char* kMemoryUnreadable = "記憶データを読み込めませんでした：";

// The memory file in the given folder (the folder the application started in).
std::filesystem::path MemoryFilePath(const std::string& folder);

// Whether RememberEntry would queue the box's text for the memory file: the
// text is not empty, not yet an item of its list, and the box is remembered
// with a memory key.
bool WouldQueue(Form& f, const std::string& comboName, bool withKey);

}  // namespace mokrav
