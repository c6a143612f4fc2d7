#include "bundled_update.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include "container_format.h"
#include "file_access.h"
#include "names_block.h"
#include "package_manifest.h"
#include "package_stage.h"
#include "atomic_file.h"

namespace zrx {
namespace fs = std::filesystem;
namespace {

std::optional<PackageManifest> readFolderManifest(const fs::path& folder) {
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(folder / kManifestEntryName, kMaxManifestSize, bytes)) return std::nullopt;
  return ParseManifest(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// A copy is outdated when it was laid out from a package of another build. A copy without a
// readable manifest is the player's own (imported or copied by hand), except "Source", which
// is never imported: an earlier program laid it out before copies carried manifests.
bool isOutdated(const fs::path& copy, const PackageManifest& installed) {
  if (const auto laidOut = readFolderManifest(copy))
    return laidOut->programVersion != installed.programVersion || laidOut->files != installed.files;
  return copy.filename() == kSourcePackage;
}

// The player's names live in the names block of "Source"'s data file; the new file gets it.
bool carryNames(const fs::path& copy, const fs::path& fresh) {
  const std::string data = PackageFileName(kDataKind, 0);
  const std::uintmax_t cap = MaxPackageFileSize(kDataKind);
  std::vector<std::uint8_t> old, ours;
  if (!ReadWholeFile(copy / data, cap, old) || !ReadWholeFile(fresh / data, cap, ours)) return false;
  const auto carried = CarryNamesBlock(ours, old);
  return carried && ReplaceFileAtomically(fresh / data, *carried);
}

// The new copy is on disk before it takes the old one's place, so a crash never leaves the
// player with empty files instead of the names.
bool flushFileSystem(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::syncfs(fd) == 0;
  return ::close(fd) == 0 && synced;
}

bool replaceCopy(const fs::path& installedPackage, const fs::path& copy) {
  const fs::path stage = MakeStageRoot(copy.parent_path());
  if (stage.empty()) return false;
  const fs::path fresh = stage / copy.filename();
  std::error_code ec;
  fs::copy(installedPackage, fresh, fs::copy_options::recursive, ec);
  if (!ec) MakeWritable(fresh);
  const bool replaced = !ec && (copy.filename() != kSourcePackage || carryNames(copy, fresh)) &&
                        flushFileSystem(stage) &&
                        ::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, copy.c_str(), RENAME_EXCHANGE) == 0;
  fs::remove_all(stage, ec);
  return replaced;
}

}  // namespace

std::vector<std::string> UpdateBundledPackages(const fs::path& installed, const fs::path& programFolder) {
  std::vector<std::string> replaced;
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(installed, ec)) {
    if (!IsPackageFolder(entry)) continue;
    const auto manifest = readFolderManifest(entry.path());
    const fs::path copy = programFolder / entry.path().filename();
    std::error_code probe;
    // Only a real folder is replaced; a link or a file of that name is the player's.
    if (!manifest || !fs::is_directory(fs::symlink_status(copy, probe)) || !isOutdated(copy, *manifest)) continue;
    if (replaceCopy(entry.path(), copy)) replaced.push_back(entry.path().filename().string());
  }
  return replaced;
}

void UpdateBundledCopies(const ProgramFolderInputs& inputs, const fs::path& programFolder) {
  const fs::path installed = InstalledPackages(inputs);
  if (!programFolder.empty() && !installed.empty()) UpdateBundledPackages(installed, programFolder);
}

}  // namespace zrx
