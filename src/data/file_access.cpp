#include "file_access.h"

#include <fcntl.h>
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

void allocate(std::vector<std::uint8_t>& out, std::size_t size) { out.resize(size); }
void allocate(ByteBuffer& out, std::size_t size) { out = ByteBuffer::ForOverwrite(size); }

template <typename Buffer>
bool readWholeFile(const fs::path& path, std::uintmax_t maxBytes, Buffer& out) {
  out.clear();
  struct stat status{};
  const int fd = openRegular(path, status);
  if (fd < 0) return false;
  // The size is checked before a byte is allocated or read.
  const auto size = static_cast<std::uintmax_t>(status.st_size);
  bool ok = size <= maxBytes;
  if (ok) {
    allocate(out, static_cast<std::size_t>(size));
    ok = readAll(fd, out.data(), out.size());
  }
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
