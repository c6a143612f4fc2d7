#include "screen_player.h"

#include <QCoreApplication>
#include <QTabWidget>

#include "game.h"
#include "game/form_main.h"
#include "game/page_signal_ticker.h"
#include "navigation.h"
#include "resources/resources.h"
#include "start/program.h"

namespace zrx {

void PrepareScreenProgram(Program& program) {
  program.resources().load();
  program.applySettings(SettingsLine::Parse("1010000110"));
  program.setPlayerName("Kalandor");
}

ScreenPlayer::ScreenPlayer(TFormMain& window) : window_(window), game_(window.program().game()) {}

bool ScreenPlayer::go(const std::string& entry) {
  const auto& items = game_.screen.ListBoxNext.items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i] != entry) continue;
    window_.perform([this, i] { Navigation(game_).ListBoxNextClick(static_cast<int>(i)); });
    window_.perform([this] { Navigation(game_).KlikkFejezetPontKivalasztas(); });
    tick();
    return true;
  }
  return false;
}

void ScreenPlayer::open(int page) {
  window_.pages().setCurrentIndex(page);
  tick();
}

void ScreenPlayer::act(const std::function<void()>& action) {
  window_.perform(action);
  tick();
}

void ScreenPlayer::tick() {
  window_.signalTicker().TimerAlarmTimer();
  QCoreApplication::sendPostedEvents();
}

}  // namespace zrx
