#pragma once
// Whether the player throws the dice: one key file of the installation, "Other/zrxkocka.txt",
// kept apart from the ten-digit settings line that other installations read.
#include <filesystem>

namespace zrx {

// The key file under the program folder.
std::filesystem::path OwnDiceSettingFile(const std::filesystem::path& programFolder);

// On only when the file holds exactly "1" (a line break after it allowed); a missing,
// unreadable or damaged file reads as off.
bool LoadOwnDiceSetting(const std::filesystem::path& programFolder);

// Writes the switch; false when the file could not be written.
bool SaveOwnDiceSetting(const std::filesystem::path& programFolder, bool on);

}  // namespace zrx
