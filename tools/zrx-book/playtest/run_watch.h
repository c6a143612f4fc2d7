#pragma once
// What a run is watched for beyond its path: rewards that come again when a chapter point
// is entered again, the continuations offered when a chapter point is left (a loop with no
// way out), and what the player held at some time.
#include <map>
#include <string>
#include <vector>

#include "game.h"
#include "run_result.h"

namespace zrx::playtest {

class RunWatch {
 public:
  void reset();
  // Before an action: what is held, what is offered, where the run stands.
  void beforeAction(const Game& game, const RunResult& result);
  // After the action whose zrx-text command is `command` (its entries already in result.path).
  void afterAction(const Game& game, const std::string& command, RunResult& result);
  // At the end of the run: the last entry's rewards and the loop it may have died in.
  void finish(RunResult& result);

 private:
  // Amounts that a reward raises, by name: characteristics (a counter that kills at its
  // limit counted downwards), their start values, item pieces.
  using Holdings = std::map<std::string, int>;
  static Holdings holdingsOf(const Game& game);
  void flushEntry(RunResult& result);

  Holdings before_;
  bool rewardAction_ = false;    // the action about to run can bring the entry's rewards
  int pendingKind_ = 0;
  std::vector<int> offered_;     // continuations offered before the action; -1 for an end or a typed answer
  std::size_t pathBefore_ = 0;
  std::vector<std::vector<int>> leaving_;  // per path entry: what was offered when the run left it
  std::map<int, int> entries_;             // entries per chapter point since the start or the last load
  int entryChapter_ = -1;
  std::map<std::string, int> entryGains_;  // gains of the current entry
  bool entryPaid_ = false;                 // the current entry cost money
};

}  // namespace zrx::playtest
