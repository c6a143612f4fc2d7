#pragma once
// The program's start: the program folder, the single instance, the three start-up
// windows and the message loop.
#include <filesystem>
#include <optional>

class QApplication;

namespace zrx {

struct LaunchOptions {
  std::optional<std::filesystem::path> folder;      // --folder DIR
  std::optional<std::filesystem::path> importFile;  // --import FILE: a package archive to import
  std::filesystem::path executableFolder;
};

// Runs the program; returns the process's exit status.
int Launch(QApplication& app, const LaunchOptions& options);

}  // namespace zrx
