#pragma once
// A picture of a package: kept as its compressed JPEG bytes and decoded only when shown.
#include <cstdint>
#include <optional>
#include <vector>

namespace zrx {

struct DecodedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // width * height * 3 bytes, rows top to bottom
};

struct Picture {
  std::vector<std::uint8_t> jpeg;
  bool operator==(const Picture&) const = default;
};

// True when the bytes begin with a JPEG header that the decoder accepts.
bool HasValidJpegHeader(const std::vector<std::uint8_t>& jpeg);

// Decodes to RGB pixels; nullopt when the data is not a readable JPEG.
std::optional<DecodedImage> DecodeJpeg(const std::vector<std::uint8_t>& jpeg);

}  // namespace zrx
