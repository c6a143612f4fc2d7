#include "page_signal.h"

#include "game.h"
#include "navigation.h"
#include "special_changes.h"

namespace zrx {

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
  const PendingKindInfo* info = PendingKindInfoOf(kind);
  if (!info) return;
  const bool waitingLevel = game_.state.settings.ChangeSignalLevel == 2;
  switch (info->opening) {
    case PageOpening::EnableFight: game_.screen.BitBtn5.setEnabled(true); break;
    case PageOpening::ProcessQueue: processWaitingQueue(info->queue); break;
    case PageOpening::ProcessQueueAtTwo: if (waitingLevel) processWaitingQueue(info->queue); break;
    case PageOpening::StoryChecks: Navigation(game_).ValtasVizsgalat(); break;
    case PageOpening::Nothing: break;
  }
}

void PageSignal::processWaitingQueue(int queue) {
  SpecialChanges changes(game_);
  // Only a change that waits for this page; an offer waits for its confirm instead.
  if (changes.waitsForPage(queue)) changes.SpecialValtozasFeldolgozas(queue);
}

}  // namespace zrx
