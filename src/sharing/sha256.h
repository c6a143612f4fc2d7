#pragma once
// SHA-256 of package files, written as 64 lower-case hexadecimal digits.
#include <nettle/sha2.h>

#include <cstdint>
#include <span>
#include <string>

namespace zrx {

class Sha256 {
 public:
  Sha256();
  void add(std::span<const std::uint8_t> bytes);
  // The digest of everything added; the hash starts again empty.
  std::string hex();

 private:
  sha256_ctx context_;
};

std::string Sha256Hex(std::span<const std::uint8_t> bytes);

}  // namespace zrx
