#pragma once
// The page signal in the window: TimerAlarmTimer (350 ms) blinks the tab of the page where
// something waits and shows its name beside the arrow; TimerAlarm2Timer blinks the active
// page's tab while the player is elsewhere. The engine decides when a signal starts and
// what opening the page does; this only times and paints it.
#include <QObject>
#include <QTimer>
#include <functional>

#include "game/control_views.h"
#include "game.h"
#include "player_actions.h"

namespace zrx {

class SignalTabBar;
class LinkLabel;
class ArrowButton;

class PageSignalTicker : public QObject {
  Q_OBJECT
 public:
  static constexpr int kIntervalMs = 350;

  struct Hints {
    LinkLabel* first;   // LabelNext1
    LinkLabel* second;  // LabelNext2
    ArrowButton* arrow;  // NyilRajz
  };
  PageSignalTicker(PlayerActions& actions, SignalTabBar* tabs, Hints hints, ControlViews& views, QObject* parent);

  // After every repaint: starts a signal the engine raised, stops one it ended.
  void sync();
  // The player opened page `page` (after the engine was told).
  void pageOpened(int page);
  // Called when a signal hands over on its page, with its PendingKind.
  void setOnHandOver(std::function<void(int kind)> onHandOver) { onHandOver_ = std::move(onHandOver); }

  QTimer* TimerAlarm() { return &alarm_; }
  QTimer* TimerAlarm2() { return &alarm2_; }
  int tick() const { return tick_; }
  int activePage() const { return activePage_; }

  // One tick of each timer (the timers call these every 350 ms).
  void TimerAlarmTimer();
  void TimerAlarm2Timer();

 private:
  void start(int kind);
  void stop();
  void showHints(int kind);

  Game& game_;
  SignalTabBar* tabs_;
  Hints hints_;
  ControlViews& views_;
  PlayerActions& actions_;
  std::function<void(int)> onHandOver_;
  QTimer alarm_;
  QTimer alarm2_;
  int kind_ = -1;      // the kind being signalled, -1 for none
  int tick_ = 0;
  int activePage_ = -1;
  int tick2_ = 0;
};

}  // namespace zrx
