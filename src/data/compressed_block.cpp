#include "compressed_block.h"

#include <libdeflate.h>
#include <zlib.h>

#include "container_format.h"

namespace zrx {

namespace {

void allocate(std::vector<std::uint8_t>& out, std::size_t size) { out.resize(size); }
void allocate(ByteBuffer& out, std::size_t size) { out = ByteBuffer::ForOverwrite(size); }

// True when the stream inflates to exactly `size` bytes at `out`. The whole stream and the
// whole payload are in memory, so a whole-buffer inflater does it in one call, faster than
// zlib's streaming one; it checks the stream's checksum as zlib does.
bool inflateExactly(std::span<const std::uint8_t> compressed, std::uint8_t* out, std::size_t size) {
  std::uint8_t spare = 0;  // somewhere to point when nothing is expected
  libdeflate_decompressor* inflater = libdeflate_alloc_decompressor();
  if (inflater == nullptr) return false;
  std::size_t produced = 0;
  const libdeflate_result status = libdeflate_zlib_decompress(inflater, compressed.data(), compressed.size(),
                                                              size > 0 ? out : &spare, size, &produced);
  libdeflate_free_decompressor(inflater);
  return status == LIBDEFLATE_SUCCESS && produced == size;
}

template <typename Buffer>
int readCompressedBlock(ByteReader& in, Buffer& payload, std::int32_t maxPayload) {
  payload.clear();
  std::int32_t compressedSize = 0, size = 0;
  if (!in.readCodedInt32(CodingKey::kShort, 0, compressedSize) || !in.skip(kBlockSizesGap) ||
      !in.readCodedInt32(CodingKey::kShort, 0, size))
    return kBlockUnreadable;
  if (compressedSize <= 0 || size < 0 || size > maxPayload ||
      size > static_cast<std::int64_t>(compressedSize) * kMaxInflateRatio)
    return kBlockUnreadable;
  std::span<const std::uint8_t> compressed;
  if (!in.take(static_cast<std::size_t>(compressedSize), compressed)) return kBlockUnreadable;

  allocate(payload, static_cast<std::size_t>(size));
  if (!inflateExactly(compressed, payload.data(), payload.size())) {
    payload.clear();
    return kBlockInflateFailed;
  }
  return kBlockRead;
}

}  // namespace

int ReadCompressedBlock(ByteReader& in, std::vector<std::uint8_t>& payload, std::int32_t maxPayload) {
  return readCompressedBlock(in, payload, maxPayload);
}

int ReadCompressedBlock(ByteReader& in, ByteBuffer& payload, std::int32_t maxPayload) {
  return readCompressedBlock(in, payload, maxPayload);
}

bool AppendCompressedBlock(ByteWriter& out, std::span<const std::uint8_t> payload, const FillerSource& filler) {
  uLongf compressedSize = compressBound(static_cast<uLong>(payload.size()));
  std::vector<std::uint8_t> compressed(compressedSize);
  if (compress2(compressed.data(), &compressedSize, payload.data(), static_cast<uLong>(payload.size()),
                Z_BEST_COMPRESSION) != Z_OK)
    return false;
  compressed.resize(compressedSize);
  out.writeCodedInt32(CodingKey::kShort, 0, static_cast<std::int32_t>(compressed.size()));
  out.writeFiller(kBlockSizesGap, filler);
  out.writeCodedInt32(CodingKey::kShort, 0, static_cast<std::int32_t>(payload.size()));
  out.writeBytes(compressed);
  return true;
}

}  // namespace zrx
