#pragma once
// A picture of a package: kept as its compressed JPEG bytes and decoded only when shown.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace zrx {

class PictureLoad;

struct DecodedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // width * height * 3 bytes, rows top to bottom
};

// The JPEG bytes of a picture. A loaded picture is a view into the inflated block of its
// file, which every picture of the block keeps alive; a picture made in memory owns its bytes;
// a pending picture is a place in a book's picture load, which a worker may still be inflating.
// The bytes never change, so copies share them.
class Picture {
 public:
  // The two lists of a book's pictures file.
  enum class List { Chapter, Decor };

  Picture() = default;
  explicit Picture(std::vector<std::uint8_t> jpeg);
  // The bytes `jpeg` inside `block`.
  Picture(std::shared_ptr<const std::uint8_t[]> block, std::span<const std::uint8_t> jpeg)
      : owner_(std::move(block)), jpeg_(jpeg) {}
  // Picture `index` of `list` of a load; its bytes are there once the load is done.
  Picture(std::shared_ptr<PictureLoad> load, List list, int index)
      : load_(std::move(load)), list_(list), index_(index) {}

  // The JPEG bytes; a pending picture waits for its load, and is empty when the load failed.
  std::span<const std::uint8_t> jpeg() const;
  bool empty() const { return jpeg().empty(); }
  friend bool operator==(const Picture& a, const Picture& b) { return std::ranges::equal(a.jpeg(), b.jpeg()); }

 private:
  std::shared_ptr<const void> owner_;
  std::span<const std::uint8_t> jpeg_;
  std::shared_ptr<PictureLoad> load_;
  List list_ = List::Chapter;
  int index_ = 0;
};

// True when the bytes begin with a JPEG header that the decoder accepts.
bool HasValidJpegHeader(std::span<const std::uint8_t> jpeg);

// Decodes to RGB pixels; nullopt when the data is not a readable JPEG.
std::optional<DecodedImage> DecodeJpeg(std::span<const std::uint8_t> jpeg);

}  // namespace zrx
