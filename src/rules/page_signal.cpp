#include "page_signal.h"

#include "game.h"
#include "navigation.h"
#include "special_changes.h"

namespace zrx {
namespace {

constexpr int kBattleWaits = 5;

}  // namespace

int SignalPage(int kind) {
  if (kind >= 0 && kind <= 5) return kTestsPage;
  if ((kind >= 6 && kind <= 11) || (kind >= 17 && kind <= 20)) return kEquipmentPage;
  if (kind == 12) return kSheetPage;
  if (kind == 13 || kind == 14) return kInformationPage;
  if (kind == kPendingChoice) return kStoryPage;
  if (kind == 16) return kMagicSkillsPage;
  return -1;
}

void PageSignal::PageControl1Change(int page) {
  game_.screen.PageControl1.setValue(page);
  TimerAlarmTimer();
}

void PageSignal::TimerAlarmTimer() {
  Control& timer = game_.screen.TimerAlarm;
  if (!timer.enabled()) return;
  const int kind = timer.value();
  if (!game_.state.GameLoaded) {
    timer.setEnabled(false);
    return;
  }
  if (game_.screen.PageControl1.value() != SignalPage(kind)) return;
  timer.setEnabled(false);
  handOver(kind);
}

void PageSignal::handOver(int kind) {
  const bool waitingLevel = game_.state.settings.ChangeSignalLevel == 2;
  switch (kind) {
    case kBattleWaits: game_.screen.BitBtn5.setEnabled(true); break;
    case 11: if (waitingLevel) processWaitingQueue(2); break;
    case 12: processWaitingQueue(1); break;
    case 13: if (waitingLevel) processWaitingQueue(3); break;
    case kPendingChoice: Navigation(game_).ValtasVizsgalat(); break;
    // Magic and skill changes wait for their page like the others, so that they never stall.
    case 16: if (waitingLevel) processWaitingQueue(4); break;
    default: break;
  }
}

void PageSignal::processWaitingQueue(int queue) {
  SpecialChanges changes(game_);
  // Only a change that waits for this page; an offer waits for its confirm instead.
  if (changes.waitsForPage(queue)) changes.SpecialValtozasFeldolgozas(queue);
}

}  // namespace zrx
