#pragma once
// The new-game screen: the packages and books to choose from, and the difficulty.
#include <optional>

#include "ui_port.h"

namespace zrx {

class Program;

// Opens the screen (window code 90); nullopt when the player cancelled it.
std::optional<NewGameChoice> RunNewGameScreen(Program& program);

}  // namespace zrx
