#pragma once
// The whole engine connected once after a Game is created: every subsystem's entry points
// (rules, dice tests, special changes, offers, battle), in the order they rely on.
namespace zrx {

class Game;

void InstallEngine(Game& game);

}  // namespace zrx
