#pragma once
// Pictures of the "Speciális" page for the program's screenshots: the map, odds and
// statistics in the middle of "A Holdárok árnyéka" and during one of its battles.
#include <QString>
#include <filesystem>
#include <functional>

namespace zrx {

class TFormZRXBase;

// Plays the start of "A Holdárok árnyéka" from the packages in `programFolder` with seeded
// dice and hands the game window to `write` during a battle and in the middle of the game.
void WriteSpecialPageScreens(const std::filesystem::path& programFolder,
                             const std::function<void(const QString& name, TFormZRXBase& window)>& write);

}  // namespace zrx
