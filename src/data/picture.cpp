#include "picture.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace zrx {
namespace {

// A decoded picture larger than this is refused rather than allocated.
constexpr unsigned long long kMaxPixels = 64ULL * 1024 * 1024;

// libjpeg's default error handler calls exit(); ours jumps back to the caller.
struct JumpingErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void jumpOnError(j_common_ptr cinfo) {
  auto* manager = reinterpret_cast<JumpingErrorManager*>(cinfo->err);
  std::longjmp(manager->jump, 1);
}

void ignoreMessage(j_common_ptr, int) {}

// Runs the header read and, when `out` is given, the full decode. No object
// with a destructor lives in this frame across setjmp.
bool runDecoder(std::span<const std::uint8_t> jpeg, DecodedImage* out) {
  if (jpeg.empty()) return false;
  jpeg_decompress_struct cinfo{};
  JumpingErrorManager errors{};
  cinfo.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = jumpOnError;
  errors.base.emit_message = ignoreMessage;
  if (setjmp(errors.jump) != 0) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  if (out != nullptr) {
    const unsigned long long pixels = 1ULL * cinfo.image_width * cinfo.image_height;
    if (pixels == 0 || pixels > kMaxPixels) {
      jpeg_destroy_decompress(&cinfo);
      return false;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    out->width = static_cast<int>(cinfo.output_width);
    out->height = static_cast<int>(cinfo.output_height);
    const std::size_t stride = static_cast<std::size_t>(cinfo.output_width) * 3;
    out->rgb.assign(stride * cinfo.output_height, 0);
    while (cinfo.output_scanline < cinfo.output_height) {
      JSAMPROW row = out->rgb.data() + stride * cinfo.output_scanline;
      jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
  }
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace

Picture::Picture(std::vector<std::uint8_t> jpeg) {
  auto owned = std::make_shared<const std::vector<std::uint8_t>>(std::move(jpeg));
  jpeg_ = *owned;
  owner_ = std::move(owned);
}

bool HasValidJpegHeader(std::span<const std::uint8_t> jpeg) { return runDecoder(jpeg, nullptr); }

std::optional<DecodedImage> DecodeJpeg(std::span<const std::uint8_t> jpeg) {
  DecodedImage image;
  if (!runDecoder(jpeg, &image)) return std::nullopt;
  return image;
}

}  // namespace zrx
