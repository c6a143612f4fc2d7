#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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

// Whatever lies at the temporary name (a file left by a crash, or a link planted
// there) is unlinked, never followed; false when something stays there.
bool removeStale(const fs::path& temp) {
  return ::unlink(temp.c_str()) == 0 || errno == ENOENT;
}

}  // namespace

fs::path TemporaryPathFor(const fs::path& target) {
  fs::path temp = target;
  temp += ".tmp";
  return temp;
}

bool ReplaceFileAtomically(const fs::path& target, std::span<const std::uint8_t> bytes) {
  const fs::path temp = TemporaryPathFor(target);
  if (!removeStale(temp)) return false;
  // O_EXCL with O_NOFOLLOW: a link planted after the unlink makes the write fail
  // instead of redirecting it.
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  // rename replaces a link at the target by the new file; it never writes through it.
  if (!written || !closed || ::rename(temp.c_str(), target.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  syncFolder(target.parent_path());
  return true;
}

}  // namespace zrx
