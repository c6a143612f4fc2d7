#include "package_stage.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cstdlib>

namespace zrx {
namespace fs = std::filesystem;
namespace {

// A name that is never a package folder (those have six characters).
constexpr char kStagePrefix[] = ".zrx-import-";
constexpr char kStagePattern[] = ".zrx-import-XXXXXX";

// Stages that a program ended mid-import left behind. One program runs per folder and one
// import at a time, so none of them is in use.
void removeStaleStages(const fs::path& programFolder) {
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(programFolder, ec)) {
    std::error_code ignored;
    if (entry.path().filename().string().starts_with(kStagePrefix) && entry.is_directory(ignored) &&
        !entry.is_symlink(ignored))
      fs::remove_all(entry.path(), ignored);
  }
}

// Creates the file anew (never through a link or over another file) and flushes it to disk.
bool writeNewFile(const fs::path& path, std::span<const std::uint8_t> bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote <= 0) break;
    done += static_cast<std::size_t>(wrote);
  }
  const bool ok = done == bytes.size() && ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

bool writeFiles(const fs::path& folder, ArchiveContents& contents) {
  std::error_code ec;
  if (!fs::create_directory(folder, ec)) return false;
  for (auto it = contents.files.begin(); it != contents.files.end(); it = contents.files.erase(it)) {
    if (!writeNewFile(folder / it->first, it->second)) return false;
  }
  return true;
}

}  // namespace

fs::path MakeStageRoot(const fs::path& programFolder) {
  std::string pattern = (programFolder / kStagePattern).string();
  if (mkdtemp(pattern.data()) == nullptr) return {};
  return pattern;
}

PackageStage::PackageStage(fs::path programFolder, ArchiveContents contents)
    : programFolder_(std::move(programFolder)), manifest_(contents.manifest) {
  review_ = CheckPayloadCaps(contents);
  if (review_.verdict != ImportVerdict::Accepted) return;
  removeStaleStages(programFolder_);
  stageRoot_ = MakeStageRoot(programFolder_);
  if (stageRoot_.empty() || !writeFiles(stageRoot_ / manifest_.packageName, contents)) {
    review_ = {.verdict = ImportVerdict::InstallFailed};
    return;
  }
  review_ = ReviewPackageFolder(stageRoot_, manifest_);
}

PackageStage::~PackageStage() {
  std::error_code ignored;
  if (!stageRoot_.empty()) fs::remove_all(stageRoot_, ignored);
}

bool PackageStage::replaces() const {
  std::error_code ec;
  return fs::exists(fs::symlink_status(target(), ec));
}

ImportVerdict PackageStage::install() {
  if (installed_ || review_.verdict != ImportVerdict::Accepted) return ImportVerdict::InstallFailed;
  const PackageReview again = ReviewPackageFolder(stageRoot_, manifest_);
  if (again.verdict != ImportVerdict::Accepted) return again.verdict;
  const fs::path staged = stageRoot_ / manifest_.packageName;
  std::error_code ec;
  const fs::file_status old = fs::symlink_status(target(), ec);
  // Only a real folder is replaced; anything else of that name is left for the player.
  if (fs::exists(old) && !fs::is_directory(old)) return ImportVerdict::InstallFailed;
  // Exchanging swaps the two folders in one step: the old package lands in the stage and
  // goes with it.
  const unsigned flags = fs::exists(old) ? RENAME_EXCHANGE : RENAME_NOREPLACE;
  if (::renameat2(AT_FDCWD, staged.c_str(), AT_FDCWD, target().c_str(), flags) != 0)
    return ImportVerdict::InstallFailed;
  installed_ = true;
  return ImportVerdict::Accepted;
}

}  // namespace zrx
