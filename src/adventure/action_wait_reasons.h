#pragma once
// Why an action of the game window cannot be used now, in the player's words: what a front
// end tells beside a greyed control.
#include <string>

namespace zrx {

class Game;

// The reason why the action of control `name` ("BitBtn3", "BitBtn5", "LabelMenekules",
// "LabelTargyFelvetel", "ListBoxNext") waits; empty when it does not wait or there is
// nothing to say.
std::string ActionWaitReason(const Game& game, const std::string& name);

}  // namespace zrx
