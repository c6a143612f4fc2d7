#include "edited_check.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

#include "linter.h"
#include "source_parser.h"

namespace zrx::book {
namespace {

namespace fs = std::filesystem;

// The edited files laid out under a temporary folder as they lie around the package file,
// so that the parser, which reads files, reads the edited bytes. Removed with the object.
class Mirror {
 public:
  Mirror(const fs::path& packageFile, const std::map<fs::path, std::string>& edited) : home_(packageFile.parent_path()) {
    std::string pattern = (fs::temp_directory_path() / "zrx-edit-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return;
    root_ = pattern;
    std::error_code ignored;
    fs::copy_file(packageFile, inside(packageFile), ignored);
    for (const auto& [file, bytes] : edited) {
      const fs::path relative = file.lexically_relative(home_);
      if (relative.empty() || *relative.begin() == "..") continue;  // read from disk as saved
      fs::create_directories(inside(file).parent_path(), ignored);
      std::ofstream(inside(file), std::ios::binary | std::ios::trunc) << bytes;
    }
  }
  ~Mirror() {
    std::error_code ignored;
    if (!root_.empty()) fs::remove_all(root_, ignored);
  }
  Mirror(const Mirror&) = delete;
  Mirror& operator=(const Mirror&) = delete;

  bool ready() const { return !root_.empty(); }
  fs::path inside(const fs::path& file) const { return root_ / file.lexically_relative(home_); }
  // `file` as the package names it, when it lies in the mirror.
  std::string outside(const std::string& file) const {
    const std::string prefix = root_.string() + "/";
    if (!file.starts_with(prefix)) return file;
    return (home_ / file.substr(prefix.size())).string();
  }

 private:
  fs::path home_;
  fs::path root_;
};

}  // namespace

Diagnostics CheckEditedPackage(const fs::path& packageFile, const std::map<fs::path, std::string>& edited) {
  Diagnostics found;
  found.setStrict(true);
  const Mirror mirror(packageFile, edited);
  if (!mirror.ready()) {
    found.error(packageFile.string(), 0, "no temporary folder for checking the edited files");
    return found;
  }
  auto package = ParsePackageFile(mirror.inside(packageFile), found);
  if (package) {
    // Pictures and every later finding belong to the real files.
    package->file = packageFile;
    for (SourceBook& book : package->books) book.file = mirror.outside(book.file.string());
    LintPackage(*package, found);
  }
  Diagnostics named;
  named.setStrict(true);
  for (const Diagnostic& d : found.all()) named.error(mirror.outside(d.file), d.line, d.message);
  return named;
}

}  // namespace zrx::book
