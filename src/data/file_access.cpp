#include "file_access.h"

#include <fstream>

namespace zrx {

namespace fs = std::filesystem;

bool ReadWholeFile(const fs::path& path, std::uintmax_t maxBytes, std::vector<std::uint8_t>& out) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec || size > maxBytes) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.resize(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(size));
  return in.gcount() == static_cast<std::streamsize>(size);
}

bool IsReadOnly(const fs::path& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  return !ec && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

}  // namespace zrx
