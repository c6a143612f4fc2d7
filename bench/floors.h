#pragma once
// The floor programs: the least work that loading a book can be, written plainly beside
// the bench so that every figure has its floor measured in the same run.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>

namespace zrx::bench {

// A file read straight into a buffer that is never zero-filled.
struct FileBytes {
  std::unique_ptr<std::uint8_t[]> data;
  std::size_t size = 0;
  std::span<const std::uint8_t> bytes() const { return {data.get(), size}; }
};
FileBytes ReadFileFloor(const std::filesystem::path& file);

// The compressed block of a read container: where its stream is and its payload size.
struct BlockView {
  std::span<const std::uint8_t> stream;
  std::size_t payloadSize = 0;
};
BlockView FindBlock(std::span<const std::uint8_t> file, bool hasNamesBlock);

// zlib inflating a whole block into a fresh (not zero-filled) buffer; the byte count.
std::size_t InflateZlibFloor(const BlockView& block, std::unique_ptr<std::uint8_t[]>& out);

// Walks the picture entries of an inflated pictures payload and checks each JPEG header
// with one reused decoder; the number of good pictures.
int CheckPictureHeaders(std::span<const std::uint8_t> payload);

// Reads the three files of book 1, checks their headers, inflates them with zlib and checks
// every picture's JPEG header: what any game start must do at least.
std::size_t GameStartFloor(const std::filesystem::path& packageFolder);

// Reads and inflates one file: the floor of a single loader phase.
std::size_t FilePhaseFloor(const std::filesystem::path& file, bool hasNamesBlock);

}  // namespace zrx::bench
