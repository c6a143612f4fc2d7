#pragma once
// The game window over the real engine and the bundled packages, for Qt tests: a fresh
// program folder, dice from a queue (or seeded), a UI port that records every modal moment
// and opens the real windows of play, and helpers that click what a player clicks.
#include <QPoint>
#include <QString>
#include <QWidget>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "clock.h"
#include "dice.h"
#include "form_main.h"
#include "game.h"
#include "ui_port.h"

namespace zrx::shell::test {

// Pips from a queue; an empty queue gives 1 and is remembered as a failure. The program's
// own picks (decorative pictures) take the first choice.
class PipQueue : public Dice {
 public:
  void push(std::initializer_list<int> pips) { pips_.insert(pips_.end(), pips); }
  int roll(std::string_view purpose) override;
  int uniform(int) override { return 0; }
  bool empty() const { return pips_.empty(); }
  bool ranDry() const { return ranDry_; }
  const std::vector<std::string>& purposes() const { return purposes_; }

 private:
  std::deque<int> pips_;
  std::vector<std::string> purposes_;
  bool ranDry_ = false;
};

// One modal moment as the window met it.
struct UiMoment {
  std::string kind;  // "question", "info", "comment", "pair", "death", "victory", "error", "bookcode"
  std::vector<std::string> lines;
};

class WindowTestUi : public UiPort {
 public:
  void setWindow(QWidget* window) { window_ = window; }
  void setNewGame(std::optional<NewGameChoice> choice) { newGame_ = std::move(choice); }
  // Answers of the yes/no questions in order; without one the answer is yes.
  void answer(bool yes) { answers_.push_back(yes); }

  const std::vector<UiMoment>& moments() const { return moments_; }
  std::vector<UiMoment> momentsOf(const std::string& kind) const;
  void clear() { moments_.clear(); }

  bool QuestionFormKerdes(const std::string& line1, const std::string& line2) override;
  void QuestionFormInfo(const std::string& line1, const std::string& line2) override;
  void CommentFormMegjelenites(const std::string& line1, const std::string& line2, const std::string& line3) override;
  std::optional<NewGameChoice> NewGameScreen() override;
  int ParValasztas(const std::string& header, const std::vector<std::string>& opponentLines) override;
  void DeathWindow() override;
  void VictoryWindow() override;
  void ErrorWindow(const ErrorLog& errors) override;
  void BookCodeErrorBox(const std::string& message) override;
  std::string KockaBekeres(const std::string& purpose) override;

 private:
  QWidget* window_ = nullptr;
  std::optional<NewGameChoice> newGame_;
  std::deque<bool> answers_;
  std::vector<UiMoment> moments_;
};

// A fresh program folder holding copies of the bundled packages; removed afterwards.
class ProgramFolder {
 public:
  ProgramFolder();
  ~ProgramFolder();
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The engine and the game window, wired as the program wires them.
class GameWindowRig {
 public:
  explicit GameWindowRig(Dice& dice, GameWindowHooks hooks = {});
  ~GameWindowRig();

  Game& game() { return *game_; }
  TFormMain& window() { return *window_; }
  WindowTestUi& ui() { return ui_; }

  // Starts a game with the "Kezdés" button and the new-game choice.
  void startGame(const std::string& package, int book, int difficulty);
  // One tick of the page signal, as the window's timer gives it.
  void tick();
  // Clicks the continuation `entry` in ListBoxNext, then the arrow.
  bool chooseContinuation(const std::string& entry);
  // Opens page 0..6 by clicking its tab.
  void openPage(int page);
  // Clicks the widget of this object name (a button or a clickable label).
  void click(const QString& name);
  // Ticks choice box `name` by a click on its box.
  void tick(const QString& name);
  // Clicks line `row` of a list box, optionally twice; false when there is no such line.
  bool clickListRow(const QString& list, int row, bool doubleClick = false);
  // Lets posted layout requests run, so that freshly shown widgets have their geometry.
  void settleLayout();
  template <typename W>
  W* find(const QString& name) { return window_->findChild<W*>(name); }

 private:
  ProgramFolder folder_;
  SystemClock clock_;
  WindowTestUi ui_;
  std::unique_ptr<BookLoader> loader_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<TFormMain> window_;
};

// Runs `act` on the next modal window that opens (a window of play, run modally).
void WhenModalOpens(std::function<void(QWidget*)> act);

}  // namespace zrx::shell::test
