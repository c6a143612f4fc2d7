#include "compressed_block.h"

#include <zlib.h>

#include "container_format.h"

namespace zrx {

namespace {

void allocate(std::vector<std::uint8_t>& out, std::size_t size) { out.resize(size); }
void allocate(ByteBuffer& out, std::size_t size) { out = ByteBuffer::ForOverwrite(size); }

// True when the stream inflates to exactly `size` bytes at `out`.
bool inflateExactly(std::span<const std::uint8_t> compressed, std::uint8_t* out, std::size_t size) {
  std::uint8_t spare = 0;  // zlib wants somewhere to write even when nothing is expected
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return false;
  stream.next_in = const_cast<Bytef*>(compressed.data());
  stream.avail_in = static_cast<uInt>(compressed.size());
  stream.next_out = size > 0 ? out : &spare;
  stream.avail_out = static_cast<uInt>(size);
  const int status = inflate(&stream, Z_FINISH);
  const bool exact = status == Z_STREAM_END && stream.avail_out == 0;
  inflateEnd(&stream);
  return exact;
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
