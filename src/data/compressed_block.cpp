#include "compressed_block.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>

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

// Streams of this much input are inflated between two releases of the file's memory.
constexpr std::size_t kInflatePiece = 4 * 1024 * 1024;

// True when the stream inflates to exactly `size` bytes at `out`, read a piece at a time;
// `release` is told how far the input has been read.
template <typename Release>
bool inflateInPieces(std::span<const std::uint8_t> compressed, std::uint8_t* out, std::size_t size,
                     Release&& release) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return false;
  std::uint8_t spare = 0;
  stream.next_out = size > 0 ? out : &spare;
  stream.avail_out = static_cast<uInt>(size);
  std::size_t fed = 0;
  int status = Z_OK;
  while (status == Z_OK) {
    if (stream.avail_in == 0 && fed < compressed.size()) {
      const std::size_t piece = std::min(kInflatePiece, compressed.size() - fed);
      stream.next_in = const_cast<Bytef*>(compressed.data() + fed);
      stream.avail_in = static_cast<uInt>(piece);
      fed += piece;
    }
    status = inflate(&stream, Z_NO_FLUSH);
    release(compressed.data() + (fed - stream.avail_in));
    if (status == Z_BUF_ERROR) break;  // no room left, or no input left: not the declared size
  }
  const bool whole = status == Z_STREAM_END && stream.total_out == size;
  inflateEnd(&stream);
  return whole;
}

// Reads the sizes and takes the compressed bytes: kBlockRead or kBlockUnreadable.
int takeBlock(ByteReader& in, std::int32_t maxPayload, std::span<const std::uint8_t>& compressed,
              std::int32_t& size) {
  std::int32_t compressedSize = 0;
  if (!in.readCodedInt32(CodingKey::kShort, 0, compressedSize) || !in.skip(kBlockSizesGap) ||
      !in.readCodedInt32(CodingKey::kShort, 0, size))
    return kBlockUnreadable;
  if (compressedSize <= 0 || size < 0 || size > maxPayload ||
      size > static_cast<std::int64_t>(compressedSize) * kMaxInflateRatio)
    return kBlockUnreadable;
  return in.take(static_cast<std::size_t>(compressedSize), compressed) ? kBlockRead : kBlockUnreadable;
}

template <typename Buffer>
int readCompressedBlock(ByteReader& in, Buffer& payload, std::int32_t maxPayload) {
  payload.clear();
  std::span<const std::uint8_t> compressed;
  std::int32_t size = 0;
  if (takeBlock(in, maxPayload, compressed, size) != kBlockRead) return kBlockUnreadable;
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

int ReadCompressedBlock(ByteReader& in, const ByteBuffer& file, ByteBuffer& payload, std::int32_t maxPayload) {
  payload.clear();
  std::span<const std::uint8_t> compressed;
  std::int32_t size = 0;
  if (takeBlock(in, maxPayload, compressed, size) != kBlockRead) return kBlockUnreadable;
  payload = ByteBuffer::ForOverwrite(static_cast<std::size_t>(size));
  const auto release = [&file](const std::uint8_t* readUpTo) {
    file.releaseUpTo(static_cast<std::size_t>(readUpTo - file.data()));
  };
  if (!inflateInPieces(compressed, payload.data(), payload.size(), release)) {
    payload.clear();
    return kBlockInflateFailed;
  }
  return kBlockRead;
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
