#pragma once
// "Visszalépés" ("vissza" in the text player): the player steps back to the previous
// chapter point. The door (PlayerActions) keeps it after every action. Where the rules allow a
// save, the game is kept as a save would write it (the lines of a game file, in memory);
// stepping back restores the one before the chapter point now shown, as loading would.
// As with saving, there is none on "Normál" and none where the chapter point forbids it.
#include <string>
#include <vector>

#include "game.h"

namespace zrx {

class UndoHistory {
 public:
  // After every action: a chapter point newly entered that allows saving is kept.
  void record(Game& game);
  // Restores the kept chapter point before the one shown. False (nothing changed) when
  // there is none; then `why` says so in the player's words.
  bool stepBack(Game& game, std::string& why);
  // Why there is no step back now, in the player's words; empty when there is one.
  std::string refusal(const Game& game) const;
  // A new game, a load or the end of a game starts the history anew.
  void clear() { kept_.clear(); }

 private:
  struct Kept {
    std::size_t pathLength = 0;  // the visited path's length when it was kept
    std::vector<std::string> lines;
  };
  std::vector<Kept> kept_;
};

}  // namespace zrx
