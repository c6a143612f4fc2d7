#pragma once
// Why an action of the game window cannot be used now, in the player's words: what a front
// end tells beside a greyed control.
#include <string>
#include <vector>

namespace zrx {

class Game;

// The controls whose waiting has a reason to tell.
const std::vector<std::string>& ActionsWithReasons();

// The reason why the action of control `name` (one of ActionsWithReasons) waits; empty when
// it does not wait or there is nothing to say.
std::string ActionWaitReason(const Game& game, const std::string& name);

}  // namespace zrx
