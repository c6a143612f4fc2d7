#pragma once
// Hostile files for the tests: compressed blocks that declare and hold far more than any
// real file, built as streams so that making them costs little memory, and a child
// process that measures how much memory reading one costs.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

namespace zrx::test {

// A zlib stream of `prefix` followed by `count` copies of `fill`, deflated piece by piece.
std::vector<std::uint8_t> DeflateRepeated(std::string_view prefix, char fill, std::size_t count);

// A compressed block: the coded sizes (the stream's own and `declaredSize`), then the stream.
std::vector<std::uint8_t> BlockOf(const std::vector<std::uint8_t>& stream, std::int32_t declaredSize);

// Replaces the compressed block of a package file, which starts at `blockOffset`.
void ReplacePackageBlock(const std::filesystem::path& file, std::size_t blockOffset,
                         const std::vector<std::uint8_t>& block);

// A save container around the block: 16 lead bytes, the block, 78 trailing bytes.
std::vector<std::uint8_t> SaveFileOf(const std::vector<std::uint8_t>& block);

struct MeasuredRun {
  int result = 0;
  long peakGrowthKiB = 0;  // the child's peak resident memory above its level before the call
};

// Runs `action` in a child process and reports its result and memory growth.
MeasuredRun RunInChild(const std::function<int()>& action);

}  // namespace zrx::test
