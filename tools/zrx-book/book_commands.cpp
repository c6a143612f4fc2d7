#include "book_commands.h"

#include "compiler.h"
#include "graph.h"
#include "linter.h"
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

}  // namespace

int RunCheck(const std::filesystem::path& packageFile, std::ostream& err, bool strict) {
  return checkedPackage(packageFile, err, strict) ? 0 : 1;
}

int RunBuild(const std::filesystem::path& packageFile, const std::filesystem::path& outDir, std::ostream& out,
             std::ostream& err, bool strict) {
  auto package = checkedPackage(packageFile, err, strict);
  if (!package) return 1;
  Diagnostics diags;
  auto content = CompilePackage(*package, diags);
  diags.print(err);
  if (!content) return 1;
  const std::filesystem::path folder = outDir / package->name;
  if (WritePackage(folder, *content) != kPackageWritten) {
    err << folder.string() << ": the package could not be written\n";
    return 1;
  }
  out << folder.string() << ": " << content->books.size() << " book(s) written\n";
  return 0;
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
