#include "program_folder.h"

#include <cstdlib>
#include <system_error>

#include "container_format.h"

namespace fs = std::filesystem;

namespace zrx {
namespace {

// The package folders of an installation: every folder of exactly six characters.
bool isPackageFolder(const fs::directory_entry& entry) {
  return entry.is_directory() && entry.path().filename().string().size() == 6;
}

// Copies the packages that the user's folder does not have yet, and makes the folders the
// program writes into. Packages already there stay as they are: they hold the player's names.
bool layOut(const fs::path& installed, const fs::path& user) {
  std::error_code ec;
  fs::create_directories(user, ec);
  if (ec) return false;
  for (const fs::directory_entry& entry : fs::directory_iterator(installed, ec)) {
    if (!isPackageFolder(entry)) continue;
    const fs::path target = user / entry.path().filename();
    if (fs::exists(target)) continue;
    fs::copy(entry.path(), target, fs::copy_options::recursive, ec);
    if (ec) return false;
    // Installed files may be read-only; the user's copies are the program's to rewrite.
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(target, ec))
      fs::permissions(file.path(), fs::perms::owner_write, fs::perm_options::add, ec);
  }
  fs::create_directories(user / "Save", ec);
  fs::create_directories(user / "Other", ec);
  return !ec;
}

}  // namespace

fs::path DecideProgramFolder(const ProgramFolderInputs& inputs) {
  if (inputs.option) return *inputs.option;
  std::error_code ec;
  if (fs::is_directory(inputs.executableFolder / kSourcePackage, ec)) return inputs.executableFolder;
  const fs::path installed = inputs.executableFolder.parent_path() / "share" / "zrx";
  if (!fs::is_directory(installed / kSourcePackage, ec)) return inputs.executableFolder;
  const fs::path user = inputs.userDataHome / "zrx";
  return layOut(installed, user) ? user : fs::path();
}

fs::path UserDataHome() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && fs::path(xdg).is_absolute()) return xdg;
  const char* home = std::getenv("HOME");
  return fs::path(home != nullptr ? home : "/tmp") / ".local" / "share";
}

fs::path ExecutableFolder(const char* argv0) {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) return self.parent_path();
  return fs::absolute(argv0).parent_path();
}

}  // namespace zrx
