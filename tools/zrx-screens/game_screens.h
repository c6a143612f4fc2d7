#pragma once
// Pictures of the game window in a running game, for the program's screenshots: every
// page worth seeing and the windows of play.
#include <QString>
#include <filesystem>
#include <functional>

namespace zrx {

class TFormZRXBase;

// Plays the introductory adventure of the packages in `programFolder` with seeded dice and
// hands each window state to `write` under its name.
void WriteGameScreens(const std::filesystem::path& programFolder,
                      const std::function<void(const QString& name, TFormZRXBase& window)>& write);

}  // namespace zrx
