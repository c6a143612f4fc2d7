#pragma once
// The byte coding of package, names and save files: a run of k bytes coded
// with a key at offset o has its i-th byte (i = 1..k) at key position o + i;
// plain = coded - K[p] and coded = plain + K[p], both modulo 256.
#include <array>
#include <cstdint>
#include <span>

namespace zrx {

enum class CodingKey {
  kShort,  // 26 bytes, used at positions 1..26 only; never wraps
  kLong,   // 333 bytes, wraps every 333 positions
};

// Byte of the key at a 1-based position (wrapped for the long key).
std::uint8_t KeyByte(CodingKey key, long long position);

void DecodeRun(CodingKey key, long long offset, std::span<std::uint8_t> run);
void EncodeRun(CodingKey key, long long offset, std::span<std::uint8_t> run);

// A coded little-endian int32.
std::int32_t DecodeInt32(CodingKey key, long long offset, std::span<const std::uint8_t, 4> coded);
std::array<std::uint8_t, 4> EncodeInt32(CodingKey key, long long offset, std::int32_t value);

}  // namespace zrx
