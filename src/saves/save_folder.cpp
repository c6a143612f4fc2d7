#include "save_folder.h"

#include <system_error>

#include "atomic_file.h"
#include "file_access.h"
#include "save_container.h"
#include "win1250.h"

namespace zrx {
namespace fs = std::filesystem;

bool ReadSaveFile(const fs::path& path, std::uintmax_t maxBytes, std::vector<std::uint8_t>& out) {
  return ReadWholeFile(path, maxBytes, out);
}

SaveFolder::SaveFolder(const fs::path& programFolder, FillerSource filler,
                       ReadOnlyMarkRemover removeReadOnlyMark, SaveFileReader readFile)
    : folder_(programFolder / kSaveFolderName),
      filler_(std::move(filler)),
      removeReadOnlyMark_(std::move(removeReadOnlyMark)),
      readFile_(std::move(readFile)) {}

fs::path SaveFolder::filePath(std::string_view name, std::string_view extension) const {
  return folder_ / (std::string(name) + "." + std::string(extension));
}

bool SaveFolder::folderExists() const {
  std::error_code ec;
  return fs::is_directory(folder_, ec);
}

bool SaveFolder::indexExists() const {
  std::error_code ec;
  return fs::is_regular_file(filePath(kIndexName, kIndexExtension), ec);
}

int SaveFolder::Write(const std::vector<std::string>& lines, std::string_view name,
                      std::string_view extension) const {
  const auto text = Utf8ToWin1250(JoinLines(lines));
  if (!text) return -1;
  const auto bytes = PackSaveContainer(*text, filler_);
  if (bytes.empty()) return -2;
  return WriteBytes(bytes, name, extension) ? 0 : -2;
}

bool SaveFolder::ReadBytes(std::string_view name, std::string_view extension,
                           std::vector<std::uint8_t>& bytes) const {
  return readFile_(filePath(name, extension), kMaxSaveFileBytes, bytes);
}

bool SaveFolder::WriteBytes(const std::vector<std::uint8_t>& bytes, std::string_view name,
                            std::string_view extension) const {
  return ReplaceFileAtomically(filePath(name, extension), bytes);
}

int SaveFolder::Read(std::vector<std::string>& lines, std::string_view name,
                     std::string_view extension) const {
  lines.clear();
  const fs::path path = filePath(name, extension);
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return -11;
  if (IsReadOnly(path) && !removeReadOnlyMark_(path)) return -10;
  // A file larger than any save is refused before it is read into memory.
  const auto size = fs::file_size(path, ec);
  if (ec) return -2;
  if (size > kMaxSaveFileBytes) return -3;
  std::vector<std::uint8_t> bytes;
  if (!readFile_(path, kMaxSaveFileBytes, bytes)) return -2;
  std::string text;
  const int rc = UnpackSaveContainer(bytes, text);
  if (rc != 0) return rc;
  lines = SplitLines(Win1250ToUtf8(text));
  return 0;
}

void SaveFolder::RemoveStaleTemporaries() const {
  std::error_code ec;
  std::vector<fs::path> stale;
  for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().extension() == ".tmp") stale.push_back(it->path());
  }
  // A link is removed itself, never what it points to.
  for (const fs::path& file : stale) fs::remove(file, ec);
}

bool SaveFolder::Remove(std::string_view name, std::string_view extension) const {
  std::error_code ec;
  fs::remove(filePath(name, extension), ec);
  return !ec;
}

}  // namespace zrx
