#pragma once
// The page signal: when a chapter point needs the player on another page, PendingKind
// names what waits and the signal runs (TimerAlarm). Once the player is on that page the
// signal stops and the chapter point's processing goes on there. Front ends call
// PageControl1Change when the player switches pages and TimerAlarmTimer on every tick
// of the signal; both hand over the same way, so a headless player needs only the first.
#include "pending_kind.h"

namespace zrx {

class Game;

class PageSignal {
 public:
  explicit PageSignal(Game& game) : game_(game) {}

  // The player makes page 0..6 the active page.
  void PageControl1Change(int page);
  // One tick of the signal: hands over when the active page is the signalled one.
  void TimerAlarmTimer();

 private:
  void handOver(int kind);
  void processWaitingQueue(int queue);

  Game& game_;
};

}  // namespace zrx
