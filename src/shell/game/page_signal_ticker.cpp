#include "game/page_signal_ticker.h"

#include "game/arrow_button.h"
#include "game/control_render.h"
#include "style/link_label.h"
#include "style/look_colours.h"
#include "game/page_signal_view.h"
#include "game/signal_tab_bar.h"
#include "pending_kind.h"

namespace zrx {
namespace {

// Pages whose signal makes them the active page.
bool becomesActivePage(int page) {
  return page == kSheetPage || page == kEquipmentPage || page == kTestsPage || page == kInformationPage;
}

}  // namespace

PageSignalTicker::PageSignalTicker(PlayerActions& actions, SignalTabBar* tabs, Hints hints, ControlViews& views,
                                   QObject* parent)
    : QObject(parent), game_(actions.game()), tabs_(tabs), hints_(hints), views_(views), actions_(actions) {
  alarm_.setInterval(kIntervalMs);
  alarm2_.setInterval(kIntervalMs);
  connect(&alarm_, &QTimer::timeout, this, &PageSignalTicker::TimerAlarmTimer);
  connect(&alarm2_, &QTimer::timeout, this, &PageSignalTicker::TimerAlarm2Timer);
}

void PageSignalTicker::sync() {
  const Control& timer = game_.screen.TimerAlarm;
  if (timer.enabled() && (kind_ != timer.value() || !alarm_.isActive())) start(timer.value());
  else if (!timer.enabled() && kind_ >= 0) stop();
  if (!game_.state.GameLoaded && activePage_ >= 0) {
    alarm2_.stop();
    tabs_->setTabColour(activePage_, {});
    activePage_ = -1;
  }
}

void PageSignalTicker::start(int kind) {
  if (kind_ >= 0 && kind_ != kind) tabs_->setTabColour(SignalPage(kind_), {});
  kind_ = kind;
  tick_ = 0;
  // A new signal replaces the active page's reminder.
  if (activePage_ >= 0) {
    alarm2_.stop();
    tabs_->setTabColour(activePage_, {});
    activePage_ = -1;
  }
  alarm_.start();
}

void PageSignalTicker::stop() {
  const int kind = kind_;
  const int page = SignalPage(kind);
  alarm_.stop();
  kind_ = -1;
  tick_ = 0;
  if (page >= 0) tabs_->setTabColour(page, {});
  // The hints showed the page's name; the model says again what they show now.
  for (const char* name : {"LabelNext1", "LabelNext2", "NyilRajz"}) views_.invalidate(name);
  views_.renderChanged();
  if (game_.state.GameLoaded && page == game_.screen.PageControl1.value()) {
    if (becomesActivePage(page)) activePage_ = page;
    if (onHandOver_) onHandOver_(kind);
  }
}

void PageSignalTicker::TimerAlarmTimer() {
  if (kind_ < 0) return;
  // Without a game a signal only goes back to the normal colour.
  if (!game_.state.GameLoaded) {
    actions_.TimerAlarmTimer();
    return;
  }
  actions_.TimerAlarmTimer();
  if (kind_ < 0) return;  // handed over on the page already open
  tick_ = NextTick(tick_);
  if (tick_ == 1) showHints(kind_);
  const std::optional<SignalView> view = SignalViewOfKind(kind_);
  if (view && view->blinksTab) tabs_->setTabColour(view->page, TickColour(tick_));
}

void PageSignalTicker::showHints(int kind) {
  const std::optional<SignalView> view = SignalViewOfKind(kind);
  if (!view || (view->labels[0].empty() && view->labels[1].empty())) return;
  const std::pair<LinkLabel*, const std::string*> lines[] = {{hints_.first, &view->labels[0]},
                                                              {hints_.second, &view->labels[1]}};
  for (const auto& [hint, text] : lines) {
    hint->setText(ToQString(*text));
    hint->setColours(Look().command, Look().hover);
    hint->setEnabled(true);
    hint->setVisible(!text->empty());
  }
  hints_.arrow->setVisible(true);
}

void PageSignalTicker::pageOpened(int page) {
  if (activePage_ < 0) return;
  if (page == activePage_) {
    alarm2_.stop();
    tabs_->setTabColour(activePage_, {});
  } else if (!alarm2_.isActive()) {
    tick2_ = 0;
    alarm2_.start();
  }
}

void PageSignalTicker::TimerAlarm2Timer() {
  if (activePage_ < 0) {
    alarm2_.stop();
    return;
  }
  tick2_ = NextTick(tick2_);
  tabs_->setTabColour(activePage_, TickColour(tick2_));
}

}  // namespace zrx
