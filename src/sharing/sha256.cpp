#include "sha256.h"

namespace zrx {

Sha256::Sha256() { sha256_init(&context_); }

void Sha256::add(std::span<const std::uint8_t> bytes) { sha256_update(&context_, bytes.size(), bytes.data()); }

std::string Sha256::hex() {
  std::uint8_t digest[SHA256_DIGEST_SIZE];
  sha256_digest(&context_, sizeof digest, digest);
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (const std::uint8_t byte : digest) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 15];
  }
  return text;
}

std::string Sha256Hex(std::span<const std::uint8_t> bytes) {
  Sha256 hash;
  hash.add(bytes);
  return hash.hex();
}

}  // namespace zrx
