#pragma once
// The floor of a picture decode: one libjpeg decoder kept for every picture, RGB rows
// written in batches into a buffer that is reused and never zero-filled.
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include <jpeglib.h>

#include <memory>
#include <span>

namespace zrx::bench {

// libjpeg's default error handler calls exit(); this one jumps back to the caller.
struct JumpingJpegErrors {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};
void JumpOnJpegError(j_common_ptr cinfo);

class BareJpegDecoder {
 public:
  BareJpegDecoder();
  ~BareJpegDecoder();
  BareJpegDecoder(const BareJpegDecoder&) = delete;
  BareJpegDecoder& operator=(const BareJpegDecoder&) = delete;

  // Decodes into the reused buffer; the pixel count, 0 when the data is not a JPEG.
  std::size_t decode(std::span<const std::uint8_t> jpeg);
  const std::uint8_t* pixels() const { return buffer_.get(); }

 private:
  jpeg_decompress_struct cinfo_{};
  JumpingJpegErrors errors_{};
  std::unique_ptr<std::uint8_t[]> buffer_;
  std::size_t capacity_ = 0;
};

}  // namespace zrx::bench
