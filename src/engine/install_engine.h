#pragma once
// Connects every subsystem's entry points to a game context, as a program does once at start.
namespace zrx {

class Game;

void InstallEngine(Game& game);

}  // namespace zrx
