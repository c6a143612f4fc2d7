#pragma once
// The player's way through the game window for the program's screenshots, as clicks would
// take it: each action goes through the window's dispatcher, then the page signal ticks.
#include <functional>
#include <string>

namespace zrx {

class Game;
class Program;
class TFormMain;

// The settings, resources and player name under which the screenshots play.
void PrepareScreenProgram(Program& program);

class ScreenPlayer {
 public:
  explicit ScreenPlayer(TFormMain& window);

  // Picks the offered continuation `entry` and moves on; false when it is not offered.
  bool go(const std::string& entry);
  void open(int page);
  void act(const std::function<void()>& action);
  void tick();

 private:
  TFormMain& window_;
  Game& game_;
};

}  // namespace zrx
