#pragma once
// Reading the program's own files: whole files into memory, and their read-only mark.
// A link is never followed: a file of the program is a regular file in its folder.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "byte_buffer.h"

namespace zrx {

// Reads a regular file (not a link) of at most `maxBytes` bytes whole; false when it is
// missing, a link or anything but a regular file, larger than that, or unreadable.
bool ReadWholeFile(const std::filesystem::path& path, std::uintmax_t maxBytes, std::vector<std::uint8_t>& out);
// The same, straight into a buffer that is not zero-filled first (package files); a large
// file is mapped privately instead of copied, so it must not shrink while it is read.
bool ReadWholeFile(const std::filesystem::path& path, std::uintmax_t maxBytes, ByteBuffer& out);

// A regular file without the owner's write permission counts as read-only; a link never does.
bool IsReadOnly(const std::filesystem::path& path);

// Gives a regular file the owner's write permission; false for a link or anything else.
bool RemoveReadOnlyMark(const std::filesystem::path& file);

}  // namespace zrx
