#pragma once
// The compressed block shared by package and save files: the coded compressed
// size C, 123 filler bytes, the coded size U, then C bytes of a zlib stream
// that inflates to exactly U bytes.
#include <cstdint>
#include <span>
#include <vector>

#include "byte_buffer.h"
#include "byte_io.h"
#include "filler_source.h"

namespace zrx {

enum BlockReadResult {
  kBlockRead = 0,
  kBlockUnreadable = 1,     // sizes missing, implausible, or more than the bytes present
  kBlockInflateFailed = 2,  // the stream is damaged or inflates to another size
};

// Reads the block at the reader's position into `payload`. Declared sizes are
// checked against the bytes present, `maxPayload` and the best deflate ratio before
// anything is allocated.
int ReadCompressedBlock(ByteReader& in, std::vector<std::uint8_t>& payload, std::int32_t maxPayload);
// The same, inflated straight into a buffer that is not zero-filled first.
int ReadCompressedBlock(ByteReader& in, ByteBuffer& payload, std::int32_t maxPayload);

// The same from `file`, whose bytes `in` reads: the stream is inflated piece by piece and the
// file's memory before the piece in hand is let go (ByteBuffer::releaseUpTo), so that a large
// file and its payload are never both whole in memory.
int ReadCompressedBlock(ByteReader& in, const ByteBuffer& file, ByteBuffer& payload, std::int32_t maxPayload);

// Appends the block of `payload`, deflated at level 9; false when zlib fails.
bool AppendCompressedBlock(ByteWriter& out, std::span<const std::uint8_t> payload, const FillerSource& filler);

}  // namespace zrx
