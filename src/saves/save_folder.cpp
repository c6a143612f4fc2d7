#include "save_folder.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "atomic_file.h"
#include "save_container.h"
#include "win1250.h"

namespace zrx {
namespace fs = std::filesystem;

namespace {

// Clears a read-only mark (no owner write permission) the way the program always did
// before reading its files; false when the mark stays.
bool clearReadOnlyMark(const fs::path& path) {
  std::error_code ec;
  const auto perms = fs::status(path, ec).permissions();
  if (ec) return false;
  if ((perms & fs::perms::owner_write) != fs::perms::none) return true;
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
  return !ec;
}

bool readWhole(const fs::path& path, std::vector<std::uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

SaveFolder::SaveFolder(const fs::path& programFolder, FillerSource filler)
    : folder_(programFolder / kSaveFolderName), filler_(std::move(filler)) {}

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
  return ReplaceFileAtomically(filePath(name, extension), bytes) ? 0 : -2;
}

int SaveFolder::Read(std::vector<std::string>& lines, std::string_view name,
                     std::string_view extension) const {
  lines.clear();
  const fs::path path = filePath(name, extension);
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return -11;
  if (!clearReadOnlyMark(path)) return -10;
  std::vector<std::uint8_t> bytes;
  if (!readWhole(path, bytes)) return -2;
  std::string text;
  const int rc = UnpackSaveContainer(bytes, text);
  if (rc != 0) return rc;
  lines = SplitLines(Win1250ToUtf8(text));
  return 0;
}

bool SaveFolder::Remove(std::string_view name, std::string_view extension) const {
  std::error_code ec;
  fs::remove(filePath(name, extension), ec);
  return !ec;
}

}  // namespace zrx
