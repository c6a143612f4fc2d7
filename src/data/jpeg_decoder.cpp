#include "jpeg_decoder.h"

#include <algorithm>

namespace zrx {
namespace {

// A decoded picture larger than this is refused rather than allocated.
constexpr unsigned long long kMaxPixels = 64ULL * 1024 * 1024;
// Rows handed to libjpeg per call: enough to cover its largest block row.
constexpr JDIMENSION kRowBatch = 16;

void ignoreMessage(j_common_ptr, int) {}

}  // namespace

void JpegDecoder::jumpOnError(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<JumpingErrors*>(cinfo->err)->jump, 1);
}

JpegDecoder::JpegDecoder() {
  cinfo_.err = jpeg_std_error(&errors_.base);
  errors_.base.error_exit = jumpOnError;
  errors_.base.emit_message = ignoreMessage;
  jpeg_create_decompress(&cinfo_);
}

JpegDecoder::~JpegDecoder() { jpeg_destroy_decompress(&cinfo_); }

bool JpegDecoder::hasValidHeader(std::span<const std::uint8_t> jpeg) { return run(jpeg, nullptr); }

bool JpegDecoder::decode(std::span<const std::uint8_t> jpeg, DecodedImage& image) { return run(jpeg, &image); }

// No object with a destructor lives in this frame across setjmp; after a jump the decoder
// is reset for the next picture.
bool JpegDecoder::run(std::span<const std::uint8_t> jpeg, DecodedImage* out) {
  if (jpeg.empty()) return false;
  if (setjmp(errors_.jump) != 0) {
    jpeg_abort_decompress(&cinfo_);
    return false;
  }
  jpeg_mem_src(&cinfo_, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  bool ok = jpeg_read_header(&cinfo_, TRUE) == JPEG_HEADER_OK;
  const unsigned long long pixels = 1ULL * cinfo_.image_width * cinfo_.image_height;
  if (ok && out != nullptr) ok = pixels > 0 && pixels <= kMaxPixels;
  if (ok && out != nullptr) {
    cinfo_.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo_);
    out->width = static_cast<int>(cinfo_.output_width);
    out->height = static_cast<int>(cinfo_.output_height);
    const std::size_t stride = std::size_t{cinfo_.output_width} * 3;
    out->rgb.resize(stride * cinfo_.output_height);
    JSAMPROW rows[kRowBatch];
    while (cinfo_.output_scanline < cinfo_.output_height) {
      const JDIMENSION first = cinfo_.output_scanline;
      const JDIMENSION batch = std::min(kRowBatch, cinfo_.output_height - first);
      for (JDIMENSION i = 0; i < batch; ++i) rows[i] = out->rgb.data() + stride * (first + i);
      jpeg_read_scanlines(&cinfo_, rows, batch);
    }
    jpeg_finish_decompress(&cinfo_);
    return true;
  }
  jpeg_abort_decompress(&cinfo_);
  return ok;
}

}  // namespace zrx
