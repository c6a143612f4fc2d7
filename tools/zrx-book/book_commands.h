#pragma once
// The commands of zrx-book; each returns the process exit status.
#include <filesystem>
#include <ostream>

namespace zrx::book {

// With `strict`, every warning counts as an error.
int RunCheck(const std::filesystem::path& packageFile, std::ostream& err, bool strict = false);
// With `manifest`, the package folder also gets the manifest of its files (for installation).
int RunBuild(const std::filesystem::path& packageFile, const std::filesystem::path& outDir, std::ostream& out,
             std::ostream& err, bool strict = false, bool manifest = false);
// Checks and compiles a package and packs it into one archive file for sharing.
int RunPack(const std::filesystem::path& packageFile, const std::filesystem::path& archive, std::ostream& out,
            std::ostream& err);
// Lays "Save/Save.zrx" with no saved games in the program folder unless it is there.
int RunSaves(const std::filesystem::path& programDir, std::ostream& err);
int RunGraph(const std::filesystem::path& bookFile, std::ostream& out, std::ostream& err);

}  // namespace zrx::book
