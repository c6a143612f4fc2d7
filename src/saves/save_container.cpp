#include "save_container.h"

#include <zlib.h>

#include <array>

#include "container_format.h"
#include "key_coding.h"

namespace zrx {
namespace {

void appendFiller(std::vector<std::uint8_t>& out, std::size_t count, const FillerSource& filler) {
  for (std::size_t i = 0; i < count; ++i) out.push_back(filler());
}

void appendLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
  const auto coded = EncodeInt32(CodingKey::kShort, 0, static_cast<std::int32_t>(value));
  out.insert(out.end(), coded.begin(), coded.end());
}

std::uint32_t readLength(std::span<const std::uint8_t> file, std::size_t at) {
  return static_cast<std::uint32_t>(DecodeInt32(CodingKey::kShort, 0, file.subspan(at).first<4>()));
}

// Inflates exactly `size` bytes from one zlib stream that must end there.
bool inflateExactly(std::span<const std::uint8_t> compressed, std::size_t size, std::string& out) {
  out.assign(size, '\0');
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return false;
  stream.next_in = const_cast<Bytef*>(compressed.data());
  stream.avail_in = static_cast<uInt>(compressed.size());
  std::array<char, 1> spare{};  // room for one byte too many, to notice overlong streams
  stream.next_out = reinterpret_cast<Bytef*>(size > 0 ? out.data() : spare.data());
  stream.avail_out = static_cast<uInt>(size > 0 ? size : spare.size());
  int rc = inflate(&stream, Z_FINISH);
  if (rc == Z_BUF_ERROR && stream.avail_out == 0 && size > 0) {
    stream.next_out = reinterpret_cast<Bytef*>(spare.data());
    stream.avail_out = static_cast<uInt>(spare.size());
    rc = inflate(&stream, Z_FINISH);
  }
  const bool ok = rc == Z_STREAM_END && stream.total_out == size;
  inflateEnd(&stream);
  if (!ok) out.clear();
  return ok;
}

}  // namespace

std::vector<std::uint8_t> PackSaveContainer(std::string_view text, const FillerSource& filler) {
  uLongf compressedSize = compressBound(static_cast<uLong>(text.size()));
  std::vector<std::uint8_t> compressed(compressedSize);
  compress2(compressed.data(), &compressedSize, reinterpret_cast<const Bytef*>(text.data()),
            static_cast<uLong>(text.size()), Z_BEST_COMPRESSION);
  compressed.resize(compressedSize);

  std::vector<std::uint8_t> out;
  out.reserve(kSaveHeaderBytes + compressed.size() + kSaveTrailerBytes);
  appendFiller(out, 16, filler);
  appendLength(out, static_cast<std::uint32_t>(compressed.size()));
  appendFiller(out, kBlockSizesGap, filler);
  appendLength(out, static_cast<std::uint32_t>(text.size()));
  out.insert(out.end(), compressed.begin(), compressed.end());
  appendFiller(out, kSaveTrailerBytes, filler);
  return out;
}

int UnpackSaveContainer(std::span<const std::uint8_t> file, std::string& text) {
  text.clear();
  if (file.size() < kSaveHeaderBytes) return -3;
  const std::uint32_t compressedSize = readLength(file, 16);
  const std::uint32_t textSize = readLength(file, 16 + 4 + kBlockSizesGap);
  // Both sizes are untrusted: bound them by the bytes present and by the cap before allocating.
  if (compressedSize > file.size() - kSaveHeaderBytes || textSize > kMaxSaveTextBytes) return -3;
  if (textSize > std::uint64_t{compressedSize} * kMaxInflateRatio + 64) return -3;
  if (!inflateExactly(file.subspan(kSaveHeaderBytes, compressedSize), textSize, text)) return -4;
  return 0;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

}  // namespace zrx
