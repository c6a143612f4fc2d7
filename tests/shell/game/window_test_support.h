#pragma once
// The desktop program over the bundled packages with the game window shown, for the game
// window's tests: a fresh program folder, dice from a queue (or seeded), and helpers that
// click what a player clicks. The page signal's timers are ticked by the tests themselves.
#include <QString>
#include <QStringList>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dice.h"
#include "game/form_main.h"
#include "start/program.h"
#include "temp_folder.h"

namespace zrx::test {

// Pips from a queue; an empty queue gives 1 and is remembered as a failure. The program's
// own picks (decorative pictures) take the first choice.
class PipQueue : public Dice {
 public:
  void push(std::initializer_list<int> pips) { pips_.insert(pips_.end(), pips); }
  int roll(std::string_view purpose) override;
  int uniform(int) override { return 0; }
  bool empty() const { return pips_.empty(); }
  bool ranDry() const { return ranDry_; }

 private:
  std::deque<int> pips_;
  bool ranDry_ = false;
};

// Where the rig leaves the program: signed in as "Teszt" with the game window shown, or at
// the welcome window waiting for a name.
enum class RigStart { SignedIn, AtWelcome };

class GameWindowRig {
 public:
  // The rig's program owns the dice; `dice` stays reachable through the pointer given.
  explicit GameWindowRig(std::unique_ptr<Dice> dice, RigStart start = RigStart::SignedIn);
  ~GameWindowRig();

  Program& program() { return *program_; }
  Game& game() { return program_->game(); }
  TFormMain& window() { return *program_->mainWindow(); }
  const std::filesystem::path& folder() const { return temp_.path(); }

  // Starts a game as the new-game screen's choice would.
  void startGame(const std::string& package, int book, int difficulty);
  // One tick of the page signal, as the window's timer gives it.
  void tick();
  // Clicks the continuation `entry` in ListBoxNext, then the arrow; false when not offered.
  bool chooseContinuation(const std::string& entry);
  // Opens page 0..6 by clicking its tab.
  void openPage(int page);
  // Clicks the button or clickable label of this object name.
  void click(const QString& name);
  // Ticks choice box `name` by a click on its box.
  void tickBox(const QString& name);
  // Clicks line `row` of a list box, optionally twice; false when there is no such line.
  bool clickListRow(const QString& list, int row, bool doubleClick = false);
  // "A rézsárkány" on "Normál" from its start to its first battle, with the tests page
  // open; false when a continuation on the way is not offered.
  bool reachFirstBattleOfMondak();
  // Lets posted layout requests run, so that freshly shown widgets have their geometry.
  void settleLayout();
  template <typename W>
  W* find(const QString& name) { return window().findChild<W*>(name); }

 private:
  TempFolder temp_;
  std::unique_ptr<Program> program_;
};

// The lines of a list box.
QStringList Rows(const QString& list, TFormMain& window);

// Answers the modal windows that open next, in order, by the captions of their buttons.
void AnswerInOrder(const QStringList& captions);

}  // namespace zrx::test
