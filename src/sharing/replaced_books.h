#pragma once
// Which saved games a replacement of an installed package touches: those that play a book
// the new version drops, or one whose files it changes.
#include <filesystem>
#include <string>
#include <vector>

#include "package_manifest.h"
#include "records.h"

namespace zrx {

struct AffectedSave {
  std::string player;
  std::string saveName;
  std::string title;
  bool bookDropped = false;  // otherwise the book changes
};

// The saved games of every player (by the save index of `programFolder`) that play a book of
// the installed package named as `incoming`'s whose title `incomingBooks` lacks, or whose
// texts, pictures or the package's records differ from `incoming`'s. Empty when the index
// or the installed package cannot be read: then no save can be named.
std::vector<AffectedSave> SavesAffectedByReplacing(const std::filesystem::path& programFolder,
                                                   const PackageManifest& incoming,
                                                   const std::vector<TBookRec>& incomingBooks);

}  // namespace zrx
