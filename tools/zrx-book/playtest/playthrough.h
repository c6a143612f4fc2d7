#pragma once
// One play-through of a book through the engine: a new game at a difficulty, then the
// random player's actions until victory, death, the end, a stall or the step bound.
#include <filesystem>
#include <map>
#include <random>
#include <utility>

#include "book_loader.h"
#include "clock.h"
#include "game.h"
#include "playtest_ui.h"
#include "random_player.h"
#include "run_result.h"
#include "run_sources.h"
#include "run_watch.h"

namespace zrx::playtest {

struct PlaythroughLimits {
  int maxSteps = 20000;           // past it the run is a loop
  // This many tries in a row to move on that change nothing make a stall. A random player
  // may need dozens of tries to pick the one acceptable line of an offer and confirm it, so
  // the bound sits far above that: a real stall fails every try, however many.
  int idleSteps = 400;
  bool predictOdds = true;        // note each battle's odds when it comes to hand
  int simulatedPredictions = 10;  // battles whose odds are simulated, per battle of the book
  int simulationRuns = 300;
};

class Playthrough {
 public:
  // `choice` names the package and book; its difficulty is set per run. `settingsLine` is
  // the installation's settings line that the game reads (the package's names block).
  Playthrough(const std::filesystem::path& programFolder, BookLoader& loader, const NewGameChoice& choice,
              const std::string& settingsLine, const PlaythroughLimits& limits);
  // Plays one run with `seed` into `result` (cleared first).
  void run(std::uint32_t seed, int difficulty, RunResult& result);
  // Starts counting simulated odds afresh, as a new play-tester would.
  void forgetSimulations() { simulated_.clear(); }

 private:
  bool finished(RunResult& result, bool inBattleBefore, const std::string& opponentBefore);
  void followBattle(RunResult& result);
  void predict(BattleRecord& record);
  void noteEntries(RunResult& result);

  NewGameChoice choice_;
  PlaythroughLimits limits_;
  SystemClock clock_;
  std::mt19937 choices_;
  RunDice dice_;
  RunSaveRandom saveRandom_;
  std::vector<std::string> script_;
  PlaytestUi ui_;
  Game game_;
  RandomPlayer player_;
  RunWatch watch_;
  std::map<std::pair<int, int>, int> simulated_;  // simulated predictions per (chapter, opponent)
  std::size_t visited_ = 0;  // length of the visited path after the last action
  int chapter_ = -1;         // the chapter point after the last action
  bool tracking_ = false;  // a battle of this run is being followed
  bool limitReached_ = false;  // a characteristic that kills at its limit stood there after the last action
};

}  // namespace zrx::playtest
