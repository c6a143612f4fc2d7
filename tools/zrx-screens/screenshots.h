#pragma once
// A developer's aid: writes a picture of every window into a folder.
#include <filesystem>

namespace zrx {

// Builds the windows over the packages of `programFolder` and writes one PNG per window
// and state into `target`. Returns 0, or 1 when a picture could not be written.
int WriteScreens(const std::filesystem::path& programFolder, const std::filesystem::path& target);

}  // namespace zrx
