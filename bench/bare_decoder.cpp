#include "bare_decoder.h"

#include <algorithm>

namespace zrx::bench {

void JumpOnJpegError(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<JumpingJpegErrors*>(cinfo->err)->jump, 1); }

BareJpegDecoder::BareJpegDecoder() {
  cinfo_.err = jpeg_std_error(&errors_.base);
  errors_.base.error_exit = JumpOnJpegError;
  jpeg_create_decompress(&cinfo_);
}

BareJpegDecoder::~BareJpegDecoder() { jpeg_destroy_decompress(&cinfo_); }

std::size_t BareJpegDecoder::decode(std::span<const std::uint8_t> jpeg) {
  if (setjmp(errors_.jump) != 0) {
    jpeg_abort_decompress(&cinfo_);
    return 0;
  }
  jpeg_mem_src(&cinfo_, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&cinfo_, TRUE);
  cinfo_.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo_);
  const std::size_t stride = std::size_t{cinfo_.output_width} * 3;
  const std::size_t size = stride * cinfo_.output_height;
  if (size > capacity_) {
    buffer_ = std::make_unique_for_overwrite<std::uint8_t[]>(size);
    capacity_ = size;
  }
  JSAMPROW rows[16];
  while (cinfo_.output_scanline < cinfo_.output_height) {
    const JDIMENSION first = cinfo_.output_scanline;
    const JDIMENSION batch = std::min<JDIMENSION>(16, cinfo_.output_height - first);
    for (JDIMENSION i = 0; i < batch; ++i) rows[i] = buffer_.get() + stride * (first + i);
    jpeg_read_scanlines(&cinfo_, rows, batch);
  }
  jpeg_finish_decompress(&cinfo_);
  return size / 3;
}

}  // namespace zrx::bench
