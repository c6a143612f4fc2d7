#pragma once
// An owned block of bytes that is never zero-filled: files are read and blocks inflated
// straight into it. Its storage is shared, so that views into it (the pictures of an
// inflated block) keep it alive after the loader that made it has let go.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace zrx {

class ByteBuffer {
 public:
  ByteBuffer() = default;
  // Room for `size` bytes whose content is undefined until written.
  static ByteBuffer ForOverwrite(std::size_t size) {
    ByteBuffer buffer;
    if (size > 0) buffer.bytes_ = std::make_shared_for_overwrite<std::uint8_t[]>(size);
    buffer.size_ = size;
    return buffer;
  }

  std::uint8_t* data() { return bytes_.get(); }
  const std::uint8_t* data() const { return bytes_.get(); }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::span<const std::uint8_t> bytes() const { return {bytes_.get(), size_}; }
  operator std::span<const std::uint8_t>() const { return bytes(); }
  // The storage itself, for views that must outlive this buffer.
  std::shared_ptr<const std::uint8_t[]> storage() const { return bytes_; }
  void clear() {
    bytes_.reset();
    size_ = 0;
  }

 private:
  std::shared_ptr<std::uint8_t[]> bytes_;
  std::size_t size_ = 0;
};

}  // namespace zrx
