#include "screens/new_game_window.h"

namespace zrx {

// Until the new-game screen is built, no game can be chosen.
std::optional<NewGameChoice> RunNewGameScreen(Program&) { return std::nullopt; }

}  // namespace zrx
