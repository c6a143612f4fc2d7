#include "book_commands.h"

#include <cstdlib>

#include "archive_writer.h"

#include "compiler.h"
#include "graph.h"
#include "linter.h"
#include "program_version.h"
#include "save_index.h"
#include "source_parser.h"

namespace zrx::book {
namespace {

// Parses and checks a package; prints the findings and a summary line.
std::optional<SourcePackage> checkedPackage(const std::filesystem::path& packageFile, std::ostream& err, bool strict) {
  Diagnostics diags;
  diags.setStrict(strict);
  auto package = ParsePackageFile(packageFile, diags);
  if (package) LintPackage(*package, diags);
  diags.print(err);
  err << packageFile.string() << ": " << diags.errorCount() << " error(s), " << diags.warningCount()
      << " warning(s)\n";
  if (diags.errorCount() != 0) return std::nullopt;
  return package;
}

// A folder of its own under the system's temporary folder, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zrx-book-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Compiles a checked package into <outDir>/<package name>; false (and a message) when it fails.
bool writeCompiled(const SourcePackage& package, const std::filesystem::path& outDir, std::ostream& err) {
  Diagnostics diags;
  auto content = CompilePackage(package, diags);
  diags.print(err);
  if (!content) return false;
  const std::filesystem::path folder = outDir / package.name;
  if (WritePackage(folder, *content) == kPackageWritten) return true;
  err << folder.string() << ": the package could not be written\n";
  return false;
}

}  // namespace

int RunCheck(const std::filesystem::path& packageFile, std::ostream& err, bool strict) {
  return checkedPackage(packageFile, err, strict) ? 0 : 1;
}

int RunBuild(const std::filesystem::path& packageFile, const std::filesystem::path& outDir, std::ostream& out,
             std::ostream& err, bool strict, bool manifest) {
  auto package = checkedPackage(packageFile, err, strict);
  if (!package || !writeCompiled(*package, outDir, err)) return 1;
  if (manifest && WriteFolderManifest(outDir / package->name, kProgramVersion) != kArchiveWritten) {
    err << (outDir / package->name).string() << ": the manifest could not be written\n";
    return 1;
  }
  out << (outDir / package->name).string() << ": " << package->books.size() << " book(s) written\n";
  return 0;
}

int RunPack(const std::filesystem::path& packageFile, const std::filesystem::path& archive, std::ostream& out,
            std::ostream& err) {
  auto package = checkedPackage(packageFile, err, false);
  if (!package) return 1;
  const ScratchFolder scratch;
  if (scratch.path().empty()) {
    err << "no temporary folder for the compiled package\n";
    return 1;
  }
  if (!writeCompiled(*package, scratch.path(), err)) return 1;
  switch (WritePackageArchive(scratch.path() / package->name, kProgramVersion, archive)) {
    case kArchiveWritten:
      out << archive.string() << ": package " << package->name << ", " << package->books.size() << " book(s)\n";
      return 0;
    case kArchiveNameRefused:
      err << package->name << ": a package of this name cannot be shared (it is the player's own, or no package name)\n";
      return 1;
    case kArchivePackageInvalid:
      err << package->name << ": the compiled package does not load\n";
      return 1;
    default:
      err << archive.string() << ": the archive could not be written\n";
      return 1;
  }
}

int RunGraph(const std::filesystem::path& bookFile, std::ostream& out, std::ostream& err) {
  Diagnostics diags;
  auto book = ParseBookFile(bookFile, 1, diags);
  diags.print(err);
  if (!book) return 1;
  WriteChapterGraph(*book, out);
  return 0;
}

int RunSaves(const std::filesystem::path& programDir, std::ostream& err) {
  if (LayEmptySaveIndex(programDir) == 0) return 0;
  err << programDir.string() << ": the save folder cannot be written\n";
  return 1;
}

}  // namespace zrx::book
