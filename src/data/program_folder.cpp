#include "program_folder.h"

#include <cstdlib>
#include <system_error>

#include "container_format.h"

namespace fs = std::filesystem;

namespace zrx {
namespace {

// Copies a package under a name that is no package folder and renames it into place, so
// that a copy cut short (a full disk) is done again at the next start, not kept half.
bool copyPackage(const fs::path& from, const fs::path& to) {
  const fs::path partial = fs::path(to).concat(".part");
  std::error_code ec;
  fs::remove_all(partial, ec);
  fs::copy(from, partial, fs::copy_options::recursive, ec);
  if (!ec) MakeWritable(partial);
  if (!ec) fs::rename(partial, to, ec);
  return !ec;
}

// Copies the packages that the user's folder does not have yet, and makes the folders the
// program writes into. Packages already there stay as they are: they hold the player's names.
// The installed save folder brings the empty index, which the save and load screen needs;
// an index and saved games already there are kept.
bool layOut(const fs::path& installed, const fs::path& user) {
  std::error_code ec;
  fs::create_directories(user, ec);
  if (ec) return false;
  for (const fs::directory_entry& entry : fs::directory_iterator(installed, ec)) {
    if (!IsPackageFolder(entry)) continue;
    const fs::path target = user / entry.path().filename();
    if (std::error_code probe; fs::exists(target, probe) || probe) continue;
    if (!copyPackage(entry.path(), target)) return false;
  }
  if (ec) return false;
  fs::create_directories(user / "Save", ec);
  // A missing installed save folder is no error: the user's folder just starts empty.
  if (std::error_code probe; !ec && fs::is_directory(installed / "Save", probe)) {
    fs::copy(installed / "Save", user / "Save", fs::copy_options::recursive | fs::copy_options::skip_existing, ec);
    MakeWritable(user / "Save");
  }
  if (!ec) fs::create_directories(user / "Other", ec);
  return !ec;
}

}  // namespace

bool IsPackageFolder(const fs::directory_entry& entry) {
  return entry.is_directory() && entry.path().filename().string().size() == 6;
}

void MakeWritable(const fs::path& folder) {
  std::error_code ec;
  for (const fs::directory_entry& file : fs::recursive_directory_iterator(folder, ec))
    fs::permissions(file.path(), fs::perms::owner_write, fs::perm_options::add, ec);
}

fs::path InstalledPackages(const ProgramFolderInputs& inputs) {
  if (inputs.option) return {};
  std::error_code ec;
  if (fs::is_directory(inputs.executableFolder / kSourcePackage, ec)) return {};
  const fs::path installed = inputs.executableFolder.parent_path() / "share" / "zrx";
  return fs::is_directory(installed / kSourcePackage, ec) ? installed : fs::path();
}

ProgramFolderPlan PlanProgramFolder(const ProgramFolderInputs& inputs) {
  if (inputs.option) return {*inputs.option, {}};
  const fs::path installed = InstalledPackages(inputs);
  if (installed.empty()) return {inputs.executableFolder, {}};
  return {inputs.userDataHome / "zrx", installed};
}

bool LayOutProgramFolder(const ProgramFolderPlan& plan) {
  if (plan.installed.empty()) return true;
  return layOut(plan.installed, plan.folder);
}

fs::path DecideProgramFolder(const ProgramFolderInputs& inputs) {
  const ProgramFolderPlan plan = PlanProgramFolder(inputs);
  return LayOutProgramFolder(plan) ? plan.folder : fs::path();
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
