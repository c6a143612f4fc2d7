#include "window_test_support.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "game/page_signal_ticker.h"
#include "page_signal.h"
#include "game/signal_tab_bar.h"
#include "filler_source.h"
#include "fixed_clock.h"
#include "lifecycle.h"
#include "names_block.h"
#include "resources/resources.h"
#include "settings_line.h"
#include "shell_fixture.h"
#include "welcome/form_welcome.h"

namespace zrx::test {

int PipQueue::roll(std::string_view) {
  if (pips_.empty()) {
    ranDry_ = true;
    return 1;
  }
  const int pip = pips_.front();
  pips_.pop_front();
  return pip;
}

GameWindowRig::GameWindowRig(std::unique_ptr<Dice> dice, RigStart start) {
  for (const char* package : {"Source", "Mondak", "Save"}) {
    std::filesystem::copy(std::filesystem::path(ZRX_PACKAGE_DIR) / package, temp_.path() / package,
                          std::filesystem::copy_options::recursive);
  }
  if (start == RigStart::AtWelcome) {
    // The welcome window applies the settings stored in the package: the quiet ones here too.
    const test::FixedClock clock;
    if (NamesBlock(temp_.path(), clock, RandomFillerSource()).WriteName(nullptr, "", kWriteSettingsOnly, kQuietSettings) < 0)
      qFatal("the settings line could not be stored");
  }
  program_ = std::make_unique<Program>(temp_.path(), std::move(dice));
  program_->resources().load();
  program_->applySettings(SettingsLine::Parse(kQuietSettings));
  program_->createStartWindows();
  if (start == RigStart::AtWelcome) {
    program_->welcome()->start();
    return;
  }
  program_->setPlayerName("Teszt");
  window().show();
}

GameWindowRig::~GameWindowRig() = default;

void GameWindowRig::startGame(const std::string& package, int book, int difficulty) {
  const NewGameChoice choice{.package = package, .bookNumber = book, .bookCount = 1, .difficulty = difficulty};
  window().perform([this, &choice] { Lifecycle(game()).Indit(choice); });
  tick();
}

void GameWindowRig::tick() { window().signalTicker().TimerAlarmTimer(); }

void GameWindowRig::settleLayout() {
  // Widgets the model just showed get their geometry from posted layout requests; the
  // window's timers stay out of it, the test ticks them itself.
  QCoreApplication::sendPostedEvents();
}

bool GameWindowRig::reachFirstBattleOfMondak() {
  startGame("Mondak", 1, 1);
  if (!chooseContinuation("0") || !chooseContinuation("1")) return false;
  openPage(kEquipmentPage);
  click("LabelTargyFelvetel");
  openPage(kStoryPage);
  if (!chooseContinuation("2")) return false;
  openPage(kTestsPage);
  return true;
}

bool GameWindowRig::chooseContinuation(const std::string& entry) {
  settleLayout();
  auto* list = find<QListWidget>("ListBoxNext");
  const QList<QListWidgetItem*> found = list->findItems(QString::fromStdString(entry), Qt::MatchExactly);
  if (found.isEmpty()) return false;
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
  click("NyilRajz");
  return true;
}

void GameWindowRig::openPage(int page) {
  settleLayout();
  SignalTabBar& tabs = window().tabRow();
  QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(page).center());
  tick();
  settleLayout();
}

void GameWindowRig::click(const QString& name) {
  settleLayout();
  auto* button = find<QAbstractButton>(name);
  if (button == nullptr) qFatal("no button named %s", qPrintable(name));
  QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  tick();
}

void GameWindowRig::tickBox(const QString& name) {
  settleLayout();
  auto* box = find<QCheckBox>(name);
  // The box and its text take the click, not the empty rest of the row.
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  tick();
}

bool GameWindowRig::clickListRow(const QString& name, int row, bool doubleClick) {
  settleLayout();
  auto* list = find<QListWidget>(name);
  if (row < 0 || row >= list->count()) return false;
  const QPoint at = list->visualItemRect(list->item(row)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  if (doubleClick) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  tick();
  return true;
}

QStringList Rows(const QString& name, TFormMain& window) {
  QStringList rows;
  auto* list = window.findChild<QListWidget*>(name);
  for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
  return rows;
}

void AnswerInOrder(const QStringList& captions) {
  if (captions.isEmpty()) return;
  WhenModalOpens([captions](QWidget& modal) {
    const QStringList rest = captions.mid(1);
    for (QPushButton* button : modal.findChildren<QPushButton*>()) {
      if (button->text() == captions.front() && button->isVisible()) {
        AnswerInOrder(rest);  // waits for the window that this answer opens next
        button->click();
        return;
      }
    }
  });
}

}  // namespace zrx::test
