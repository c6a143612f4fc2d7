#pragma once
// The front ends' one door into a running game: one method per thing a player does.
// Every action runs through one dispatcher, which
//  - refuses an action started while another runs (a question's event loop lets clicks
//    and timer ticks through; they must not start a second action half-way through the first),
//  - abandons an action at a malformed book code and shows it (Game::Perform),
//  - keeps the step-back history ("Visszalépés"), and
//  - tells its observers what ran (the desktop repaints, a recorder writes it down).
// Lists take the row the player chose: the door marks it before the list's click runs,
// so no front end writes into the screen model itself.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "game.h"
#include "save_load_screen.h"
#include "undo_history.h"

namespace zrx {

enum class ActionOutcome {
  Done,       // ran to its end
  Abandoned,  // stopped at a malformed book code, which was shown
  Refused,    // another action was still running; nothing happened
};

struct PlayerAction {
  std::string name;      // the handler it runs ("KlikkCsata", "ListBoxNextClick", ...)
  std::string argument;  // the row, box, page or text it was given; empty when none
};

class ActionObserver {
 public:
  virtual ~ActionObserver() = default;
  virtual void actionEnded(const PlayerAction& action, ActionOutcome outcome) = 0;
};

class PlayerActions {
 public:
  explicit PlayerActions(Game& game) : game_(game) {}
  PlayerActions(const PlayerActions&) = delete;
  PlayerActions& operator=(const PlayerActions&) = delete;

  void addObserver(ActionObserver& observer) { observers_.push_back(&observer); }
  void removeObserver(ActionObserver& observer);
  bool running() const { return running_; }
  Game& game() { return game_; }

  // The game as a whole.
  ActionOutcome KlikkKezdes();
  ActionOutcome KlikkBefejezes();
  // The program closes while a game runs: the game ends without a question.
  ActionOutcome Befejez();
  ActionOutcome SaveGame(SaveLoadScreen& screen, const std::string& name, SaveWindowNext& next);
  ActionOutcome LoadGame(SaveLoadScreen& screen, std::size_t position, SaveWindowNext& next);
  ActionOutcome DeleteGame(SaveLoadScreen& screen, std::size_t position, SaveWindowNext& next);
  // "Visszalépés": back to the previous chapter point where a save would be allowed, as a
  // load of it would. Not stepped (and `why` in the player's words) when there is none.
  ActionOutcome StepBack(bool& stepped, std::string& why);
  // Why a step back is not possible now; empty when it is.
  std::string StepBackRefusal() const { return history_.refusal(game_); }

  // Pages and their signal.
  ActionOutcome PageControl1Change(int page);
  ActionOutcome TimerAlarmTimer();

  // The story page.
  ActionOutcome ListBoxNextClick(int row);
  ActionOutcome KlikkFejezetPontKivalasztas();
  ActionOutcome EditNextChange(const std::string& text);
  ActionOutcome MemoFPDblClick();

  // Rolls and battles.
  ActionOutcome KlikkDobasKockaval(int n);
  ActionOutcome KlikkSzerencseProba();
  ActionOutcome KlikkCsata();
  ActionOutcome KlikkElmenekules();
  ActionOutcome KlikkSpecFegyverAlkalmazas();

  // Items, offers and exchanges.
  ActionOutcome KlikkFelszTargyLista(int row);
  ActionOutcome DuplaKlikkFelszTargyLista(int row);
  ActionOutcome CheckBoxKlikk(int n);
  ActionOutcome FT_SpinButtonUpClick(int row);
  ActionOutcome FT_SpinButtonDownClick(int row);
  // `row` is the held item offered in an exchange, -1 for none.
  ActionOutcome KlikkTargyFelvetel(int row);
  ActionOutcome KlikkTargyFelvetel();

  // Information, spells and skills, own notes.
  ActionOutcome ListBox_INClick(int row);
  ActionOutcome ListBox_INDblClick(int row);
  ActionOutcome ListBox_VKClick(int row);
  ActionOutcome SpinEditINFOChange(int slot);
  ActionOutcome Memo_SIChange(const std::vector<std::string>& lines);
  ActionOutcome KlikkSajatInfoBeiras();
  ActionOutcome KlikkSajatInfoMegjelenites();

 private:
  ActionOutcome dispatch(PlayerAction action, const std::function<void()>& run);

  Game& game_;
  UndoHistory history_;
  std::vector<ActionObserver*> observers_;
  bool running_ = false;
};

}  // namespace zrx
