#pragma once
// The book checker over sources being edited: the findings `zrx-book check --strict`
// would print if the edited bytes were saved, without saving them.
#include <filesystem>
#include <map>
#include <string>

#include "diagnostics.h"

namespace zrx::book {

// Checks the package `packageFile` as if each file in `edited` (beside or below the package
// file, named as the package names it) held the bytes given there; the findings name the
// files at their own paths. The package file is read from disk unless `edited` holds it;
// every book file it names must be in `edited` (one outside the package's folder is
// reported as unreadable).
Diagnostics CheckEditedPackage(const std::filesystem::path& packageFile,
                               const std::map<std::filesystem::path, std::string>& edited);

}  // namespace zrx::book
