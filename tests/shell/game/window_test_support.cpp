#include "window_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <random>

#include "battle.h"
#include "book_loader.h"
#include "dice_tests.h"
#include "game_windows.h"
#include "offers.h"
#include "page_signal_ticker.h"
#include "package_writer.h"
#include "rules_hooks.h"
#include "settings_line.h"
#include "signal_tab_bar.h"
#include "special_changes.h"

namespace zrx::shell::test {

int PipQueue::roll(std::string_view purpose) {
  purposes_.emplace_back(purpose);
  if (pips_.empty()) {
    ranDry_ = true;
    return 1;
  }
  const int pip = pips_.front();
  pips_.pop_front();
  return pip;
}

std::vector<UiMoment> WindowTestUi::momentsOf(const std::string& kind) const {
  std::vector<UiMoment> out;
  for (const UiMoment& m : moments_) {
    if (m.kind == kind) out.push_back(m);
  }
  return out;
}

bool WindowTestUi::QuestionFormKerdes(const std::string& line1, const std::string& line2) {
  moments_.push_back({"question", {line1, line2}});
  if (answers_.empty()) return true;
  const bool yes = answers_.front();
  answers_.pop_front();
  return yes;
}

void WindowTestUi::QuestionFormInfo(const std::string& line1, const std::string& line2) {
  moments_.push_back({"info", {line1, line2}});
}

void WindowTestUi::CommentFormMegjelenites(const std::string& line1, const std::string& line2,
                                           const std::string& line3) {
  moments_.push_back({"comment", {line1, line2, line3}});
}

std::optional<NewGameChoice> WindowTestUi::NewGameScreen() {
  moments_.push_back({"newgame", {}});
  return newGame_;
}

int WindowTestUi::ParValasztas(const std::string& header, const std::vector<std::string>& opponentLines) {
  std::vector<std::string> lines = {header};
  lines.insert(lines.end(), opponentLines.begin(), opponentLines.end());
  moments_.push_back({"pair", lines});
  return RunParValaszt(window_, header, opponentLines);
}

void WindowTestUi::DeathWindow() {
  moments_.push_back({"death", {}});
  RunDeathWindow(window_);
}

void WindowTestUi::VictoryWindow() {
  moments_.push_back({"victory", {}});
  RunVictoryWindow(window_);
}

void WindowTestUi::ErrorWindow(const ErrorLog&) { moments_.push_back({"error", {}}); }

void WindowTestUi::BookCodeErrorBox(const std::string& message) { moments_.push_back({"bookcode", {message}}); }

std::string WindowTestUi::KockaBekeres(const std::string&) { return "1"; }

ProgramFolder::ProgramFolder() {
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() / ("zrx_window_test_" + std::to_string(random()));
  std::filesystem::create_directories(path_);
  for (const char* package : {"Source", "Mondak", "Save"}) {
    std::filesystem::copy(std::filesystem::path(ZRX_PACKAGE_DIR) / package, path_ / package,
                          std::filesystem::copy_options::recursive);
  }
}

ProgramFolder::~ProgramFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

GameWindowRig::GameWindowRig(Dice& dice, GameWindowHooks hooks)
    : loader_(std::make_unique<PackageBookLoader>(folder_.path())),
      game_(std::make_unique<Game>(folder_.path(), ui_, dice, clock_, *loader_)) {
  InstallRulesHooks(*game_);
  InstallDiceTestHooks(*game_);
  InstallSpecialChangeHooks(*game_);
  InstallOfferHooks(*game_);
  InstallBattleHooks(*game_);
  game_->state.PlayerName = "Teszt";
  // The settings the bundled packages are built with, as the sign-in reads them.
  ApplySettingsLine(PackageContent{}.settingsLine, game_->state.settings);
  window_ = std::make_unique<TFormMain>(*game_, std::move(hooks));
  ui_.setWindow(window_.get());
  window_->show();
}

GameWindowRig::~GameWindowRig() = default;

void GameWindowRig::startGame(const std::string& package, int book, int difficulty) {
  ui_.setNewGame(NewGameChoice{.package = package, .bookNumber = book, .bookCount = 1, .difficulty = difficulty});
  click("BitBtn1");
}

void GameWindowRig::tick() { window_->signalTicker().TimerAlarmTimer(); }

bool GameWindowRig::chooseContinuation(const std::string& entry) {
  settleLayout();
  auto* list = find<QListWidget>("ListBoxNext");
  const QList<QListWidgetItem*> found = list->findItems(QString::fromStdString(entry), Qt::MatchExactly);
  if (found.isEmpty()) return false;
  const QRect row = list->visualItemRect(found.front());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
  click("NyilRajz");
  tick();
  return true;
}

void GameWindowRig::openPage(int page) {
  settleLayout();
  SignalTabBar& tabs = window_->tabRow();
  QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(page).center());
  tick();
  settleLayout();
}

void GameWindowRig::click(const QString& name) {
  settleLayout();
  auto* button = find<QAbstractButton>(name);
  if (!button) qFatal("no button named %s", qPrintable(name));
  QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  tick();
}

void GameWindowRig::tick(const QString& name) {
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

void GameWindowRig::settleLayout() {
  // Widgets the model just showed get their geometry from posted layout requests; the
  // window's timers stay out of it, the test ticks them itself.
  QCoreApplication::sendPostedEvents();
}

void WhenModalOpens(std::function<void(QWidget*)> act) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    poll->stop();
    poll->deleteLater();
    act(modal);
  });
  poll->start();
}

}  // namespace zrx::shell::test
