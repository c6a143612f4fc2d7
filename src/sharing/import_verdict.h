#pragma once
// What the importer says of a package archive: installable, or the one reason it is refused.
#include <string>
#include <string_view>

namespace zrx {

enum class ImportVerdict {
  Accepted,
  Unreadable,       // not a readable archive of ours
  BadManifest,      // the manifest is missing, not first, or malformed
  TooManyFiles,     // more than kMaxArchiveFiles files
  UnsafePath,       // an absolute path, "..", or a file in a sub-folder
  Link,             // a symbolic or hard link
  NotRegularFile,   // a device, a folder, a pipe
  Duplicate,        // the same name twice
  CaseCollision,    // two names that differ only in letter case
  UnknownFile,      // a name that is no package file
  UndeclaredFile,   // a file the manifest does not name
  MissingFile,      // a file the manifest names is not there
  TooLarge,         // a file or the whole above its cap
  SizeMismatch,     // a file's size is not the manifest's
  HashMismatch,     // a file's SHA-256 is not the manifest's
  BadPackageName,   // not six characters a folder name can hold
  ReservedName,     // "Source", "Save" or "Other"
  PackageRefused,   // the program's loaders refuse the package files
  BooksMismatch,    // the manifest's books are not the package's
  InstallFailed,    // writing, the second check or the rename failed
};

// The notice shown to the player.
std::string_view VerdictNotice(ImportVerdict verdict);

}  // namespace zrx
