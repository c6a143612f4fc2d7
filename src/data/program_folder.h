#pragma once
// Where the program keeps its packages, "Save/" and "Other/".
#include <filesystem>
#include <optional>

namespace zrx {

struct ProgramFolderInputs {
  std::optional<std::filesystem::path> option;  // --folder DIR: a developer's choice, taken as it is
  std::filesystem::path executableFolder;       // the folder of the running program
  std::filesystem::path userDataHome;           // $XDG_DATA_HOME, or ~/.local/share
};

// The program folder. A folder given by option wins. A program whose "Source" package lies
// beside it (the build tree, a copied folder) uses its own folder. An installed program
// (packages in <prefix>/share/zrx beside <prefix>/bin) uses the per-user folder
// <userDataHome>/zrx, which the first start lays out from the installed packages: the
// installed files are never written. Empty when no folder can be laid out.
std::filesystem::path DecideProgramFolder(const ProgramFolderInputs& inputs);

// The installed packages (<prefix>/share/zrx) when the program folder is the per-user folder
// laid out from them; empty otherwise.
std::filesystem::path InstalledPackages(const ProgramFolderInputs& inputs);

// The package folders of an installation: every folder of exactly six characters.
bool IsPackageFolder(const std::filesystem::directory_entry& entry);

// Installed files may be read-only; the user's copies are the program's to rewrite.
void MakeWritable(const std::filesystem::path& folder);

// The same decision in two steps, so that a single-instance lock can be taken in the
// folder before the first start lays it out: `folder` is the program folder, `installed`
// the installed packages to copy into it (empty when nothing is laid out).
struct ProgramFolderPlan {
  std::filesystem::path folder;
  std::filesystem::path installed;
};
ProgramFolderPlan PlanProgramFolder(const ProgramFolderInputs& inputs);
// For a per-user folder, copies what it lacks; false when that fails.
bool LayOutProgramFolder(const ProgramFolderPlan& plan);

// The user's data home from the environment: $XDG_DATA_HOME when set and absolute, else
// $HOME/.local/share.
std::filesystem::path UserDataHome();

// The folder of the running executable.
std::filesystem::path ExecutableFolder(const char* argv0);

}  // namespace zrx
