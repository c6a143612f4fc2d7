#include "atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace zrx {

namespace fs = std::filesystem;

namespace {

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The rename itself becomes durable once the folder is flushed too.
void syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

fs::path TemporaryPathFor(const fs::path& target) {
  fs::path temp = target;
  temp += ".tmp";
  return temp;
}

bool ReplaceFileAtomically(const fs::path& target, std::span<const std::uint8_t> bytes) {
  const fs::path temp = TemporaryPathFor(target);
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temp.c_str(), target.c_str()) != 0) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return false;
  }
  syncFolder(target.parent_path());
  return true;
}

}  // namespace zrx
