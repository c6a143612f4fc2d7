#pragma once
// The play-tester's player: it looks at the screen model, lists what a player could do
// there (the commands of zrx-text), and does one of them at random. Each action is run
// through the engine exactly as zrx-text runs that command, so the commands written into
// the replay script play the same game in zrx-text with the same dice seed.
#include <array>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "game.h"
#include "offers.h"
#include "save_random.h"

namespace zrx::playtest {

struct PlayerAction {
  std::string command;           // the zrx-text command line
  std::function<void()> run;     // the engine calls of that command
  int weight = 1;                // relative chance of being picked
  bool progress = false;         // moves the game on (a continuation, a test, a round, an answer)
};

class RandomPlayer {
 public:
  RandomPlayer(Game& game, SaveRandom& saveRandom, std::mt19937& choices, std::vector<std::string>& script);

  // Forgets the saves of the previous run; `saving` says whether this run saves and loads.
  void reset(bool saving) {
    saved_.clear();
    saving_ = saving;
  }
  bool savedAny() const { return !saved_.empty(); }
  // What can be done now.
  std::vector<PlayerAction> offered();
  // Picks one of the actions and runs it through the dispatcher (after it, the page
  // signal ticks as in zrx-text). True when it was meant to move the game on.
  bool play(const std::vector<PlayerAction>& actions);
  // The marks and quantities of the offer being filled in, as one text.
  std::string offerMarks() const;

 private:
  void addPageAction(std::vector<PlayerAction>& actions);
  void addContinuations(std::vector<PlayerAction>& actions);
  void addTests(std::vector<PlayerAction>& actions);
  void addOffers(std::vector<PlayerAction>& actions);
  void addPossessions(std::vector<PlayerAction>& actions);
  void addSaveAndLoad(std::vector<PlayerAction>& actions);
  int uniform(int count) { return std::uniform_int_distribution<int>(0, count - 1)(choices_); }

  Game& game_;
  SaveRandom& saveRandom_;
  std::mt19937& choices_;
  std::vector<std::string>& script_;
  // The offer's numbered controls, looked up by name once: the player reads them at every step.
  std::array<Control*, kChoiceBoxes> boxes_{};
  std::array<Control*, kQuantityRows> rows_{}, counts_{};
  std::vector<std::string> saved_;  // names saved in this run
  bool saving_ = false;
};

}  // namespace zrx::playtest
