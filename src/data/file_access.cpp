#include "file_access.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zrx {

namespace fs = std::filesystem;

namespace {

// Opens the entry itself, never the target of a link; -1 for a link or a missing file.
int openRegular(const fs::path& path, struct stat& status) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return -1;
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

bool readAll(int fd, std::uint8_t* out, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::read(fd, out + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// A file from this size on is mapped rather than copied: its pages come when they are read,
// straight from the system's cache, and a reader can give back those it is done with.
constexpr std::uintmax_t kMapFromSize = 1024 * 1024;

bool fill(int fd, std::size_t size, std::vector<std::uint8_t>& out) {
  out.resize(size);
  return readAll(fd, out.data(), size);
}

bool fill(int fd, std::size_t size, ByteBuffer& out) {
  if (size >= kMapFromSize) {
    void* mapped = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE, fd, 0);
    if (mapped != MAP_FAILED) {
      out = ByteBuffer::Mapped(static_cast<std::uint8_t*>(mapped), size);
      return true;
    }
  }
  out = ByteBuffer::ForOverwrite(size);
  return readAll(fd, out.data(), size);
}

template <typename Buffer>
bool readWholeFile(const fs::path& path, std::uintmax_t maxBytes, Buffer& out) {
  out.clear();
  struct stat status{};
  const int fd = openRegular(path, status);
  if (fd < 0) return false;
  // The size is checked before a byte is allocated or read.
  const auto size = static_cast<std::uintmax_t>(status.st_size);
  const bool ok = size <= maxBytes && fill(fd, static_cast<std::size_t>(size), out);
  ::close(fd);
  if (!ok) out.clear();
  return ok;
}

}  // namespace

bool ReadWholeFile(const fs::path& path, std::uintmax_t maxBytes, std::vector<std::uint8_t>& out) {
  return readWholeFile(path, maxBytes, out);
}

bool ReadWholeFile(const fs::path& path, std::uintmax_t maxBytes, ByteBuffer& out) {
  return readWholeFile(path, maxBytes, out);
}

bool IsReadOnly(const fs::path& path) {
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(path, ec);
  return !ec && fs::is_regular_file(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

bool RemoveReadOnlyMark(const fs::path& file) {
  struct stat status{};
  const int fd = openRegular(file, status);
  if (fd < 0) return false;
  const bool changed = ::fchmod(fd, status.st_mode | S_IWUSR) == 0;
  ::close(fd);
  return changed;
}

}  // namespace zrx
