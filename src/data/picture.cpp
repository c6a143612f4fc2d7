#include "picture.h"

#include "jpeg_decoder.h"
#include "picture_load.h"

namespace zrx {

Picture::Picture(std::vector<std::uint8_t> jpeg) {
  auto owned = std::make_shared<const std::vector<std::uint8_t>>(std::move(jpeg));
  jpeg_ = *owned;
  owner_ = std::move(owned);
}

std::span<const std::uint8_t> Picture::jpeg() const { return load_ ? load_->jpeg(list_, index_) : jpeg_; }

bool HasValidJpegHeader(std::span<const std::uint8_t> jpeg) { return JpegDecoder().hasValidHeader(jpeg); }

std::optional<DecodedImage> DecodeJpeg(std::span<const std::uint8_t> jpeg) {
  DecodedImage image;
  if (!JpegDecoder().decode(jpeg, image)) return std::nullopt;
  return image;
}

}  // namespace zrx
