#pragma once
// Bounds-checked reading and plain writing of the packed structures of the
// package, names and save files: little-endian int32, bytes, and short strings
// (one length byte, then room for N Windows-1250 characters).
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "filler_source.h"
#include "key_coding.h"

namespace zrx {

std::int32_t LoadInt32(std::span<const std::uint8_t, 4> bytes);
std::array<std::uint8_t, 4> StoreInt32(std::int32_t value);

// Reads from a byte span that it does not own. A read that would pass the end
// fails, consumes nothing, and marks the reader failed for good.
class ByteReader {
 public:
  ByteReader() = default;
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool ok() const { return !failed_; }
  std::size_t pos() const { return pos_; }
  std::size_t size() const { return bytes_.size(); }
  std::size_t remaining() const { return bytes_.size() - pos_; }

  bool seek(std::size_t pos);
  bool skip(std::size_t count);
  bool readU8(std::uint8_t& value);
  bool readInt32(std::int32_t& value);
  // A coded int32 (see key_coding.h).
  bool readCodedInt32(CodingKey key, long long offset, std::int32_t& value);
  // A view of the next `count` bytes; valid while the underlying bytes live.
  bool take(std::size_t count, std::span<const std::uint8_t>& out);
  bool readBytes(std::size_t count, std::vector<std::uint8_t>& out);
  // A short string of at most `maxChars` characters (maxChars + 1 bytes), as UTF-8.
  // A length byte above the room is cut to the room.
  bool readShortString(std::size_t maxChars, std::string& out);

 private:
  bool fail() { failed_ = true; return false; }

  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

// Appends to a growing byte buffer. A string that Windows-1250 cannot hold
// marks the writer failed (it is written as '?' so that offsets stay right).
class ByteWriter {
 public:
  bool ok() const { return !failed_; }
  std::size_t size() const { return bytes_.size(); }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  std::vector<std::uint8_t> release() { return std::move(bytes_); }

  void writeU8(std::uint8_t value) { bytes_.push_back(value); }
  void writeInt32(std::int32_t value);
  void writeCodedInt32(CodingKey key, long long offset, std::int32_t value);
  void writeBytes(std::span<const std::uint8_t> bytes);
  void writeZeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }
  void writeFiller(std::size_t count, const FillerSource& filler) {
    for (std::size_t i = 0; i < count; ++i) bytes_.push_back(filler());
  }
  // UTF-8 text cut to `maxChars` characters, in maxChars + 1 bytes.
  void writeShortString(std::string_view utf8, std::size_t maxChars);

 private:
  std::vector<std::uint8_t> bytes_;
  bool failed_ = false;
};

}  // namespace zrx
