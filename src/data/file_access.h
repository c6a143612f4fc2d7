#pragma once
// Reading the program's own files: whole files into memory, and their read-only mark.
#include <cstdint>
#include <filesystem>
#include <vector>

namespace zrx {

// Reads a regular file of at most `maxBytes` bytes whole; false when it is missing,
// larger than that, or cannot be read completely.
bool ReadWholeFile(const std::filesystem::path& path, std::uintmax_t maxBytes, std::vector<std::uint8_t>& out);

// A file without the owner's write permission counts as read-only.
bool IsReadOnly(const std::filesystem::path& path);

}  // namespace zrx
