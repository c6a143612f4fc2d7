#pragma once
// Installing an archive's package atomically: its files are written into a new temporary
// folder inside the program folder, checked there by the program's own loaders, and the
// package folder is renamed into place (exchanged with the old one when replacing). The
// temporary folder goes with the object, so a refused or abandoned import leaves nothing.
#include <filesystem>
#include <optional>

#include "archive_reader.h"
#include "package_review.h"

namespace zrx {

// A new temporary folder inside the program folder, never taken for a package; an import
// removes those that a killed program left behind. Empty when it cannot be made.
std::filesystem::path MakeStageRoot(const std::filesystem::path& programFolder);

class PackageStage {
 public:
  // Writes the files of an archive the reader accepted; the archive's bytes are let go.
  // Temporary folders of an import that a killed program left behind are removed first.
  PackageStage(std::filesystem::path programFolder, ArchiveContents contents);
  ~PackageStage();
  PackageStage(const PackageStage&) = delete;
  PackageStage& operator=(const PackageStage&) = delete;

  // The verdict on the staged files (Accepted, or why they are refused) and, when accepted,
  // the books and covers as the loaders read them.
  const PackageReview& review() const { return review_; }
  const PackageManifest& manifest() const { return manifest_; }
  // The installed package folder; present when a package of the same name is installed.
  std::filesystem::path target() const { return programFolder_ / manifest_.packageName; }
  bool replaces() const;

  // Checks the staged files again and renames them into place. Accepted, or the verdict
  // that stopped it (the program folder is then as it was).
  ImportVerdict install();

 private:
  std::filesystem::path programFolder_;
  std::filesystem::path stageRoot_;  // empty when it could not be made
  PackageManifest manifest_;
  PackageReview review_;
  bool installed_ = false;
};

}  // namespace zrx
