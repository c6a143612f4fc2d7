#pragma once
// An owned block of bytes that is never zero-filled: files are read and blocks inflated
// straight into it. Its storage is shared, so that views into it (the pictures of an
// inflated block) keep it alive after the loader that made it has let go. A large file is
// mapped into memory instead of copied (file_access.h).
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
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
  // `size` bytes of a private mapping of a file, unmapped when the last holder goes.
  static ByteBuffer Mapped(std::uint8_t* bytes, std::size_t size) {
    ByteBuffer buffer;
    buffer.bytes_ = std::shared_ptr<std::uint8_t[]>(bytes, [size](std::uint8_t* p) { ::munmap(p, size); });
    buffer.size_ = size;
    buffer.mapped_ = true;
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
    mapped_ = false;
  }
  // Lets the memory of bytes [0, end) go while the rest is still read: the pages of a mapped
  // file are dropped (read again from the file if touched); other memory is kept.
  void releaseUpTo(std::size_t end) const {
    static const auto kPage = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    const std::size_t whole = std::min(end, size_) / kPage * kPage;
    if (mapped_ && whole > 0) ::madvise(bytes_.get(), whole, MADV_DONTNEED);
  }

 private:
  std::shared_ptr<std::uint8_t[]> bytes_;
  std::size_t size_ = 0;
  bool mapped_ = false;
};

}  // namespace zrx
