#pragma once
// One libjpeg decoder kept for many pictures: creating a decoder costs more than reading a
// header, so a loader checking hundreds of pictures and a window showing one after another
// each keep one. Rows are decoded in batches straight into the caller's image, whose buffer
// is reused: a picture of the size of the last one is written over it without zero-filling.
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>

#include <jpeglib.h>

#include "picture.h"

namespace zrx {

class JpegDecoder {
 public:
  JpegDecoder();
  ~JpegDecoder();
  JpegDecoder(const JpegDecoder&) = delete;
  JpegDecoder& operator=(const JpegDecoder&) = delete;

  // True when the bytes begin with a JPEG header that the decoder accepts.
  bool hasValidHeader(std::span<const std::uint8_t> jpeg);
  // RGB pixels into `image`; false when the data is not a readable JPEG or too large a picture.
  bool decode(std::span<const std::uint8_t> jpeg, DecodedImage& image);

 private:
  // libjpeg's default error handler calls exit(); ours jumps back to the caller.
  struct JumpingErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
  };
  static void jumpOnError(j_common_ptr cinfo);

  bool run(std::span<const std::uint8_t> jpeg, DecodedImage* out);

  jpeg_decompress_struct cinfo_{};
  JumpingErrors errors_{};
};

}  // namespace zrx
