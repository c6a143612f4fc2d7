#include "special_changes.h"

#include <algorithm>

#include "book_code.h"
#include "chapter_codes.h"
#include "change_commands.h"
#include "characteristics.h"
#include "dice_tests.h"
#include "game.h"
#include "navigation.h"
#include "offers.h"
#include "battle.h"

namespace zrx {
namespace {

std::string twoDigitNumber(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// ChangeQueue1..4 by number, for the state and for a read-only view of it.
template <typename ChangeState>
auto& queueOf(ChangeState& c, int queue) {
  switch (queue) {
    case 1: return c.ChangeQueue1;
    case 2: return c.ChangeQueue2;
    case 3: return c.ChangeQueue3;
    default: return c.ChangeQueue4;
  }
}

}  // namespace

bool PreviousChapterIs(const GameState& state, int chapter) {
  const TextList& path = state.navigation.VisitedPath;
  return path.size() >= 2 && numberOf(path[path.size() - 2]) == chapter;
}

std::size_t WholeChangeLength(std::string_view change) {
  const std::size_t separator = change.find('#');
  return separator == std::string_view::npos ? change.size() : separator;
}

std::string& SpecialChanges::queueText(int queue) { return queueOf(game_.state.changes, queue); }

const std::string& SpecialChanges::queueText(int queue) const { return queueOf(game_.state.changes, queue); }

void SpecialChanges::SpecialValtozasFeldolgozas(int queue) {
  SpecialChangeState& changes = game_.state.changes;
  NavigationState& nav = game_.state.navigation;
  while (queue >= 1 && queue <= 4 && !queueText(queue).empty()) {
    ChangeRun run{.queue = queue};
    runChange(run);
    // A waiting change has handed over; a test started at once has already run the rest.
    if (run.paused) return;
    closeChange(run);
    if (!changes.ChangesActive) {
      if (run.endFlag || run.skipFlag) endEarly(run);
      return;
    }
    if (allQueuesEmpty()) {
      changes.ChangesActive = false;
      Navigation(game_).ValtasBeallitas();
      battleOrContinuations();
      return;
    }
    // No queue holding the next number leaves the chapter point without continuations.
    queue = nextQueue();
    if (queue == 0) return;
    nav.PageMarks[static_cast<std::size_t>(queue - 1)] = '1';
    if (game_.state.settings.ChangeSignalLevel >= 2) {
      nav.PendingKind = ToInt(kWaitingQueueKinds[static_cast<std::size_t>(queue - 1)]);
      Navigation(game_).OldalValtasJelzes(nav.PendingKind, true);
      return;
    }
  }
}

void SpecialChanges::resume() {
  const std::string& text = game_.state.changes.ResumeQueue;
  if (text.size() != 1 || text[0] < '1' || text[0] > '4') return;
  SpecialValtozasFeldolgozas(text[0] - '0');
}

bool SpecialChanges::waitsForPage(int queue) const {
  const SpecialChangeState& changes = game_.state.changes;
  return changes.ChangesActive && queue >= 1 && queue <= 4 &&
         queueText(queue).starts_with(twoDigitNumber(changes.ChangeSequence + 1));
}

void SpecialChanges::runChange(ChangeRun& run) {
  ++game_.state.changes.ChangeSequence;
  // A copy: a test made at once processes (and removes) this change before we return.
  const std::string change = queueText(run.queue);
  switch (run.queue) {
    case 1: CharacteristicCommands(game_, *this).Run(change, run); break;
    case 2: ItemChanges(game_, *this).Run(change, run); break;
    case 3: InformationCommands(game_).Run(change, run); break;
    default: MagicSkillCommands(game_).Run(change, run); break;
  }
}

void SpecialChanges::closeChange(ChangeRun& run) {
  SpecialChangeState& changes = game_.state.changes;
  if (!changes.ChangesActive) return;
  if (run.queue == 2) checkAfterItemChange(run);
  if (run.endFlag || run.skipFlag) {
    changes.ChangesActive = false;
  } else {
    std::string& queue = queueText(run.queue);
    queue.erase(0, std::min(queue.size(), run.length + 1));
  }
  if (run.queue == 1) {
    Characteristics characteristics(game_);
    characteristics.FoAlapErtekVisszaIras();
    characteristics.SpecAlapErtekVisszaIras();
  }
}

void SpecialChanges::checkAfterItemChange(ChangeRun& run) {
  SpecialChangeState& changes = game_.state.changes;
  if (!changes.CharacteristicsChanged) return;
  changes.CharacteristicsChanged = false;
  Characteristics characteristics(game_);
  for (int number = 1; number <= 3; ++number) check(number, run);
  for (int slot = 1; slot <= game_.state.CurrentBook.SpecialValueCount && slot <= 4; ++slot) {
    check(characteristics.specialSlotNumber(slot), run);
  }
  characteristics.FoAlapErtekVisszaIras();
  characteristics.SpecAlapErtekVisszaIras();
}

bool SpecialChanges::allQueuesEmpty() const {
  for (int queue = 1; queue <= 4; ++queue) {
    if (!queueText(queue).empty()) return false;
  }
  return true;
}

int SpecialChanges::nextQueue() const {
  const std::string next = twoDigitNumber(game_.state.changes.ChangeSequence + 1);
  for (int queue = 1; queue <= 4; ++queue) {
    if (queueText(queue).starts_with(next)) return queue;
  }
  return 0;
}

void SpecialChanges::endEarly(const ChangeRun& run) {
  ScreenModel& screen = game_.screen;
  Navigation navigation(game_);
  Offers(game_).FelszTargyAlaphelyzet();
  screen.LabelNext1.setVisible(false);
  screen.LabelNext2.setVisible(false);
  screen.NyilRajz.setVisible(false);
  if (run.endFlag) {
    NavigationState& nav = game_.state.navigation;
    nav.NextChapterList = {std::string(kEndFailureEntry)};
    navigation.ShowContinuations();
    nav.PendingKind = ToInt(PendingKind::Choice);
    navigation.OldalValtasJelzes(ToInt(PendingKind::Choice), true);
  } else {
    navigation.ValtasBeallitas();
    navigation.TovabbLepesValasztas();
  }
}

void SpecialChanges::battleOrContinuations() {
  // The battle set-up builds the continuations itself when the declaration is empty.
  Battle(game_).CsataElokeszites();
}

void SpecialChanges::pause(ChangeRun& run) {
  SpecialChangeState& changes = game_.state.changes;
  changes.ResumeQueue = std::to_string(run.queue);
  --changes.ChangeSequence;
  changes.ChangesActive = false;
  run.paused = true;
}

bool SpecialChanges::awaitRoll(int dice, ChangeRun& run) {
  TestState& tests = game_.state.tests;
  if (tests.ChangeRollDone) {
    tests.ChangeRollDone = false;
    game_.state.changes.ChangesActive = true;
    return true;
  }
  tests.ChangeRollPending = true;
  pause(run);
  // Another number of dice has no roll action: nothing starts and nothing is marked.
  if (dice < 1 || dice > 4) return false;
  if (game_.state.settings.ChangeSignalLevel == 0) {
    DiceTests(game_).DobasProba(dice);
  } else {
    game_.state.navigation.PendingKind = ToInt(RollKind(dice));
    Navigation(game_).OldalValtasJelzes(dice, true);
  }
  return false;
}

bool SpecialChanges::awaitLuckTest(ChangeRun& run) {
  TestState& tests = game_.state.tests;
  if (tests.ChangeLuckTestDone) {
    tests.ChangeLuckTestDone = false;
    game_.state.changes.ChangesActive = true;
    return true;
  }
  const TBaseValueRec luck = game_.stores.baseValues.Find(3);
  game_.state.values.Luck = luck.Current;
  game_.state.values.LuckMin = luck.Minimum;
  tests.ChangeLuckTestPending = true;
  pause(run);
  if (game_.state.settings.ChangeSignalLevel == 0) {
    DiceTests(game_).SzerencseProba();
  } else {
    game_.state.navigation.PendingKind = ToInt(PendingKind::LuckTest);
    Navigation(game_).OldalValtasJelzes(ToInt(PendingKind::LuckTest), true);
  }
  return false;
}

void SpecialChanges::check(int characteristic, ChangeRun& run) {
  if (!Characteristics(game_).AlapErtekEllenorzes(characteristic)) run.endFlag = true;
}

}  // namespace zrx
