#include "byte_io.h"

#include <algorithm>

#include "win1250.h"

namespace zrx {

std::int32_t LoadInt32(std::span<const std::uint8_t, 4> bytes) {
  const std::uint32_t u = static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
                          (static_cast<std::uint32_t>(bytes[2]) << 16) |
                          (static_cast<std::uint32_t>(bytes[3]) << 24);
  return static_cast<std::int32_t>(u);
}

std::array<std::uint8_t, 4> StoreInt32(std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8), static_cast<std::uint8_t>(u >> 16),
          static_cast<std::uint8_t>(u >> 24)};
}

bool ByteReader::seek(std::size_t pos) {
  if (failed_ || pos > bytes_.size()) return fail();
  pos_ = pos;
  return true;
}

bool ByteReader::skip(std::size_t count) {
  if (failed_ || count > remaining()) return fail();
  pos_ += count;
  return true;
}

bool ByteReader::take(std::size_t count, std::span<const std::uint8_t>& out) {
  if (failed_ || count > remaining()) return fail();
  out = bytes_.subspan(pos_, count);
  pos_ += count;
  return true;
}

bool ByteReader::readU8(std::uint8_t& value) {
  std::span<const std::uint8_t> b;
  if (!take(1, b)) return false;
  value = b[0];
  return true;
}

bool ByteReader::readInt32(std::int32_t& value) {
  std::span<const std::uint8_t> b;
  if (!take(4, b)) return false;
  value = LoadInt32(b.first<4>());
  return true;
}

bool ByteReader::readCodedInt32(CodingKey key, long long offset, std::int32_t& value) {
  std::span<const std::uint8_t> b;
  if (!take(4, b)) return false;
  value = DecodeInt32(key, offset, b.first<4>());
  return true;
}

bool ByteReader::readBytes(std::size_t count, std::vector<std::uint8_t>& out) {
  std::span<const std::uint8_t> b;
  if (!take(count, b)) return false;
  out.assign(b.begin(), b.end());
  return true;
}

bool ByteReader::readShortString(std::size_t maxChars, std::string& out) {
  std::span<const std::uint8_t> b;
  if (!take(maxChars + 1, b)) return false;
  const std::size_t length = std::min<std::size_t>(b[0], maxChars);
  out = Win1250ToUtf8(std::string_view(reinterpret_cast<const char*>(b.data()) + 1, length));
  return true;
}

void ByteWriter::writeInt32(std::int32_t value) { writeBytes(StoreInt32(value)); }

void ByteWriter::writeCodedInt32(CodingKey key, long long offset, std::int32_t value) {
  writeBytes(EncodeInt32(key, offset, value));
}

void ByteWriter::writeBytes(std::span<const std::uint8_t> bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void ByteWriter::writeShortString(std::string_view utf8, std::size_t maxChars) {
  const std::string cut = Utf8Cut(utf8, maxChars);
  auto text = Utf8ToWin1250(cut);
  if (!text) {
    failed_ = true;
    text = Utf8ToWin1250Lossy(cut);
    if (text->size() > maxChars) text->resize(maxChars);
  }
  writeU8(static_cast<std::uint8_t>(text->size()));
  bytes_.insert(bytes_.end(), text->begin(), text->end());
  writeZeros(maxChars - text->size());
}

}  // namespace zrx
