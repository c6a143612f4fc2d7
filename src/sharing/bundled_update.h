#pragma once
// Bringing the player's copies of the installed packages up to date at start. Each installed
// package folder holds the manifest the build wrote, and the player's copy carries the one it
// was laid out from; a copy whose manifest differs from the installed one (version or hashes)
// is laid out anew with the player's names carried over. "Save/" and "Other/" are never
// touched, and a package the player brought (no manifest) is left alone.
#include <filesystem>
#include <string>
#include <vector>

#include "program_folder.h"

namespace zrx {

// Replaces each outdated copy in `programFolder` of a package in `installed` atomically: the
// new copy is made in a temporary folder inside the program folder and exchanged with the old
// one. The names of the packages replaced; a copy that could not be replaced stays as it was
// and is tried again at the next start.
std::vector<std::string> UpdateBundledPackages(const std::filesystem::path& installed,
                                               const std::filesystem::path& programFolder);

// Updates the copies in `programFolder` (as DecideProgramFolder gave it for `inputs`) when it is
// the per-user folder of an installed program; a folder given by option or beside the program
// is a developer's and stays as it is.
void UpdateBundledCopies(const ProgramFolderInputs& inputs, const std::filesystem::path& programFolder);

}  // namespace zrx
