#include "player_actions.h"

#include <algorithm>
#include <utility>

#include "battle.h"
#include "dice_tests.h"
#include "equipment.h"
#include "information.h"
#include "lifecycle.h"
#include "magic_skills.h"
#include "navigation.h"
#include "offers.h"
#include "own_notes.h"
#include "page_signal.h"

namespace zrx {
namespace {

// Clears the running mark however the action ends (a front end's question may throw when
// its input ends).
class RunningMark {
 public:
  explicit RunningMark(bool& running) : running_(running) { running_ = true; }
  ~RunningMark() { running_ = false; }
  RunningMark(const RunningMark&) = delete;
  RunningMark& operator=(const RunningMark&) = delete;

 private:
  bool& running_;
};

std::string number(int n) { return std::to_string(n); }

}  // namespace

void PlayerActions::removeObserver(ActionObserver& observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer), observers_.end());
}

ActionOutcome PlayerActions::dispatch(PlayerAction action, const std::function<void()>& run) {
  if (running_) {
    for (ActionObserver* observer : observers_) observer->actionEnded(action, ActionOutcome::Refused);
    return ActionOutcome::Refused;
  }
  ActionOutcome outcome = ActionOutcome::Abandoned;
  {
    RunningMark mark(running_);
    outcome = game_.Perform(run) ? ActionOutcome::Done : ActionOutcome::Abandoned;
    history_.record(game_);
  }
  for (ActionObserver* observer : observers_) observer->actionEnded(action, outcome);
  return outcome;
}

ActionOutcome PlayerActions::KlikkKezdes() {
  return dispatch({"KlikkKezdes", ""}, [this] {
    history_.clear();
    Lifecycle(game_).KlikkKezdes();
  });
}

ActionOutcome PlayerActions::KlikkBefejezes() {
  return dispatch({"KlikkBefejezes", ""}, [this] { Lifecycle(game_).KlikkBefejezes(); });
}

ActionOutcome PlayerActions::Befejez() {
  return dispatch({"Befejez", ""}, [this] { Lifecycle(game_).Befejez(); });
}

ActionOutcome PlayerActions::SaveGame(SaveLoadScreen& screen, const std::string& name, SaveWindowNext& next) {
  return dispatch({"SaveGame", name}, [&] { next = screen.SaveGame(name); });
}

ActionOutcome PlayerActions::LoadGame(SaveLoadScreen& screen, std::size_t position, SaveWindowNext& next) {
  return dispatch({"LoadGame", std::to_string(position)}, [&] {
    next = screen.LoadGame(position);
    if (next != SaveWindowNext::Loaded) return;
    history_.clear();
    EnterLoadedGame(game_);
  });
}

ActionOutcome PlayerActions::DeleteGame(SaveLoadScreen& screen, std::size_t position, SaveWindowNext& next) {
  return dispatch({"DeleteGame", std::to_string(position)}, [&] { next = screen.DeleteGame(position); });
}

ActionOutcome PlayerActions::StepBack(bool& stepped, std::string& why) {
  stepped = false;
  return dispatch({"StepBack", ""}, [&] { stepped = history_.stepBack(game_, why); });
}

ActionOutcome PlayerActions::PageControl1Change(int page) {
  return dispatch({"PageControl1Change", number(page)}, [this, page] { PageSignal(game_).PageControl1Change(page); });
}

ActionOutcome PlayerActions::TimerAlarmTimer() {
  return dispatch({"TimerAlarmTimer", ""}, [this] { PageSignal(game_).TimerAlarmTimer(); });
}

ActionOutcome PlayerActions::ListBoxNextClick(int row) {
  return dispatch({"ListBoxNextClick", number(row)}, [this, row] { Navigation(game_).ListBoxNextClick(row); });
}

ActionOutcome PlayerActions::KlikkFejezetPontKivalasztas() {
  return dispatch({"KlikkFejezetPontKivalasztas", ""}, [this] { Navigation(game_).KlikkFejezetPontKivalasztas(); });
}

ActionOutcome PlayerActions::EditNextChange(const std::string& text) {
  return dispatch({"EditNextChange", text}, [this, &text] { Navigation(game_).EditNextChange(text); });
}

ActionOutcome PlayerActions::MemoFPDblClick() {
  return dispatch({"MemoFPDblClick", ""}, [this] { Navigation(game_).MemoFPDblClick(); });
}

ActionOutcome PlayerActions::KlikkDobasKockaval(int n) {
  return dispatch({"KlikkDobasKockaval", number(n)}, [this, n] { DiceTests(game_).KlikkDobasKockaval(n); });
}

ActionOutcome PlayerActions::KlikkSzerencseProba() {
  return dispatch({"KlikkSzerencseProba", ""}, [this] { DiceTests(game_).KlikkSzerencseProba(); });
}

ActionOutcome PlayerActions::KlikkCsata() {
  return dispatch({"KlikkCsata", ""}, [this] { Battle(game_).KlikkCsata(); });
}

ActionOutcome PlayerActions::KlikkElmenekules() {
  return dispatch({"KlikkElmenekules", ""}, [this] { Battle(game_).KlikkElmenekules(); });
}

ActionOutcome PlayerActions::KlikkSpecFegyverAlkalmazas() {
  return dispatch({"KlikkSpecFegyverAlkalmazas", ""}, [this] { Battle(game_).KlikkSpecFegyverAlkalmazas(); });
}

ActionOutcome PlayerActions::KlikkFelszTargyLista(int row) {
  return dispatch({"KlikkFelszTargyLista", number(row)}, [this, row] {
    game_.screen.ListBox_FT.setSelection(row);
    Equipment(game_).KlikkFelszTargyLista();
  });
}

ActionOutcome PlayerActions::DuplaKlikkFelszTargyLista(int row) {
  return dispatch({"DuplaKlikkFelszTargyLista", number(row)}, [this, row] {
    game_.screen.ListBox_FT.setSelection(row);
    Equipment(game_).DuplaKlikkFelszTargyLista();
  });
}

ActionOutcome PlayerActions::CheckBoxKlikk(int n) {
  return dispatch({"CheckBoxKlikk", number(n)}, [this, n] { Offers(game_).CheckBoxKlikk(n); });
}

ActionOutcome PlayerActions::FT_SpinButtonUpClick(int row) {
  return dispatch({"FT_SpinButtonUpClick", number(row)}, [this, row] { Offers(game_).FT_SpinButtonUpClick(row); });
}

ActionOutcome PlayerActions::FT_SpinButtonDownClick(int row) {
  return dispatch({"FT_SpinButtonDownClick", number(row)}, [this, row] { Offers(game_).FT_SpinButtonDownClick(row); });
}

ActionOutcome PlayerActions::KlikkTargyFelvetel(int row) {
  return dispatch({"KlikkTargyFelvetel", number(row)}, [this, row] {
    game_.screen.ListBox_FT.setSelection(row);
    Offers(game_).KlikkTargyFelvetel();
  });
}

ActionOutcome PlayerActions::KlikkTargyFelvetel() {
  return dispatch({"KlikkTargyFelvetel", ""}, [this] { Offers(game_).KlikkTargyFelvetel(); });
}

ActionOutcome PlayerActions::ListBox_INClick(int row) {
  return dispatch({"ListBox_INClick", number(row)}, [this, row] {
    game_.screen.ListBox_IN.setSelection(row);
    Information(game_).ListBox_INClick();
  });
}

ActionOutcome PlayerActions::ListBox_INDblClick(int row) {
  return dispatch({"ListBox_INDblClick", number(row)}, [this, row] {
    game_.screen.ListBox_IN.setSelection(row);
    Information(game_).ListBox_INDblClick();
  });
}

ActionOutcome PlayerActions::ListBox_VKClick(int row) {
  return dispatch({"ListBox_VKClick", number(row)}, [this, row] {
    game_.screen.ListBox_VK.setSelection(row);
    MagicSkills(game_).ListBox_VKClick();
  });
}

ActionOutcome PlayerActions::SpinEditINFOChange(int slot) {
  return dispatch({"SpinEditINFOChange", number(slot)}, [this, slot] { game_.screen.SpinEditINFO.setValue(slot); });
}

ActionOutcome PlayerActions::Memo_SIChange(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) joined += (joined.empty() ? "" : "\n") + line;
  return dispatch({"Memo_SIChange", joined}, [this, &lines] {
    game_.screen.Memo_SI.setItems(lines);
    OwnNotes(game_).Memo_SIChange();
  });
}

ActionOutcome PlayerActions::KlikkSajatInfoBeiras() {
  return dispatch({"KlikkSajatInfoBeiras", ""}, [this] { OwnNotes(game_).KlikkSajatInfoBeiras(); });
}

ActionOutcome PlayerActions::KlikkSajatInfoMegjelenites() {
  return dispatch({"KlikkSajatInfoMegjelenites", ""}, [this] { OwnNotes(game_).KlikkSajatInfoMegjelenites(); });
}

}  // namespace zrx
