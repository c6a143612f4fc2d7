#pragma once
// The ways a package archive reaches the import window: the "Importálás" command, a file
// given on the command line or passed on by a later start, and a file dropped on the game
// window. None opens it while a game runs.
#include <filesystem>
#include <optional>

class QWidget;

namespace zrx {

class Program;

// Opens the import window, with `file` read at once when given; while a game runs, the
// notice of the "Importálás" command instead.
void OpenImportWindow(Program& program, const std::optional<std::filesystem::path>& file = std::nullopt);

// Lets `window` take a dropped archive file: dropping it opens the import window on it.
void AcceptArchiveDrops(Program& program, QWidget& window);

}  // namespace zrx
