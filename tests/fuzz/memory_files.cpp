#include "memory_files.h"

#include <algorithm>


namespace zrx::fuzz {
namespace fs = std::filesystem;

void MemoryFiles::put(const fs::path& file, std::span<const std::uint8_t> bytes) {
  files_[file].assign(bytes.begin(), bytes.end());
}

const std::vector<std::uint8_t>* MemoryFiles::find(const fs::path& file) const {
  const auto it = files_.find(file);
  return it == files_.end() ? nullptr : &it->second;
}

PackageFileReader MemoryFiles::packageReader() const {
  return [this](const fs::path& file, std::uintmax_t maxBytes, ByteBuffer& out) {
    const auto* bytes = find(file);
    if (!bytes) return ReadPackageFile(file, maxBytes, out);
    out.clear();
    if (bytes->size() > maxBytes) return false;
    out = ByteBuffer::ForOverwrite(bytes->size());
    std::copy(bytes->begin(), bytes->end(), out.data());
    return true;
  };
}

SaveFileReader MemoryFiles::saveReader() const {
  return [this](const fs::path& file, std::uintmax_t maxBytes, std::vector<std::uint8_t>& out) {
    const auto* bytes = find(file);
    if (!bytes) return ReadSaveFile(file, maxBytes, out);
    out.clear();
    if (bytes->size() > maxBytes) return false;
    out = *bytes;
    return true;
  };
}

}  // namespace zrx::fuzz
