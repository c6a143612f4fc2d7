#pragma once
// The special changes of a chapter point: the changes of its four fields (characteristics,
// items, information, magic and skills) run in the order of their sequence numbers, which
// count across the four queues. A change may wait for a roll, a luck test, an item offer,
// or (at "Változás jelzés" 2) for the player to open its page; it then runs again under
// the same number. The end flag ends the adventure here, the skip flag drops the rest.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "pending_kind.h"

namespace zrx {

class Game;
struct GameState;

// What running one change did; the interpreter closes it accordingly.
struct ChangeRun {
  int queue = 0;            // 1..4
  std::size_t length = 0;   // the change's characters without its "#"
  bool endFlag = false;     // the adventure ends at this chapter point
  bool skipFlag = false;    // the remaining changes are dropped
  bool paused = false;      // the change waits and runs again later
};

// The chapter point visited before the current one (second-last of VisitedPath) is `chapter`.
bool PreviousChapterIs(const GameState& state, int chapter);

// Characters before the first "#" (the whole text when there is none): the length of a
// change whose command is unknown, so that the whole of it is dropped.
std::size_t WholeChangeLength(std::string_view change);

class SpecialChanges {
 public:
  explicit SpecialChanges(Game& game) : game_(game) {}

  // Runs the change at the front of queue 1..4, then the following ones in sequence
  // order, until all are done, one waits, or the end or skip flag stops them.
  void SpecialValtozasFeldolgozas(int queue);
  // The hand-back of a test or an offer: the queue named by ResumeQueue.
  void resume();
  // The next change is in this queue and waits for the player to open its page.
  bool waitsForPage(int queue) const;

  // For the commands: the change waits and runs again under the same number.
  void pause(ChangeRun& run);
  // Roll with `dice` dice: true once it has been made (RollResult1), false while waiting.
  bool awaitRoll(int dice, ChangeRun& run);
  // Luck test: true once it has been made (LuckTestLucky), false while waiting.
  bool awaitLuckTest(ChangeRun& run);
  // The limit check of a characteristic; a fatal limit sets the end flag.
  void check(int characteristic, ChangeRun& run);

 private:
  std::string& queueText(int queue);
  const std::string& queueText(int queue) const;
  void runChange(ChangeRun& run);
  void closeChange(ChangeRun& run);
  void checkAfterItemChange(ChangeRun& run);
  bool allQueuesEmpty() const;
  int nextQueue() const;
  void endEarly(const ChangeRun& run);
  void battleOrContinuations();

  Game& game_;
};

}  // namespace zrx
