#pragma once
// Replacing a file so that a crash or a failed write never leaves it half written.
#include <cstdint>
#include <filesystem>
#include <span>

namespace zrx {

// Writes the bytes to "<target>.tmp" in the same folder, flushes it to disk
// and renames it over the target. On failure the old target is untouched,
// the temporary file is removed, and the result is false.
bool ReplaceFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

// The temporary file that ReplaceFileAtomically writes first.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& target);

}  // namespace zrx
