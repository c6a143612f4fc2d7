#pragma once
// Connects the rules to the game: the entry points that other subsystems call.

namespace zrx {

class Game;

// Fills the chapter-entry, condition-resume and path-export slots of game.hooks.
void InstallRulesHooks(Game& game);

}  // namespace zrx
