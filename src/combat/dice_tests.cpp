#include "dice_tests.h"

#include "characteristics.h"
#include "battle.h"

namespace zrx {
namespace {

// Page mark positions (0-based in the string): battle and condition test.
constexpr std::size_t kBattleMark = 4;
constexpr std::size_t kConditionTestMark = 5;
constexpr const char* kLuckTest = "Szerencse próba";

// The first roll for a fresh request wipes the dice of earlier tests: "1" becomes "2".
bool takeFreshMark(std::string& marks, std::size_t position) {
  if (marks.size() <= position || marks[position] != '1') return false;
  marks[position] = '2';
  return true;
}

// How many luck tests a condition's luck item demands: its second character "2" or "3".
int luckFolds(const std::string& itemText) {
  if (itemText.size() >= 2 && (itemText[1] == '2' || itemText[1] == '3')) return itemText[1] - '0';
  return 1;
}

}  // namespace

bool RollOffered(const Game& game, int n) {
  return n >= 1 && n <= 4 && game.screen.LabelDobasKocka(n).enabled();
}

bool LuckTestOffered(const Game& game) { return game.screen.LabelSzProba.enabled(); }

void DiceTests::KlikkDobasKockaval(int n) {
  // Each request is answered by exactly one click: a disabled action does nothing.
  if (!RollOffered(game_, n)) return;
  Control& action = game_.screen.LabelDobasKocka(n);
  action.setEnabled(false);
  action.setColour(Colour::Navy);
  DobasProba(n);
}

void DiceTests::DobasProba(int n) {
  GameState& state = game_.state;
  TestState& tests = state.tests;
  BattleState& battle = state.battle;
  std::string& marks = state.navigation.PageMarks;
  if ((battle.OpponentRollPending && takeFreshMark(marks, kBattleMark)) ||
      (tests.ConditionRollRequested && takeFreshMark(marks, kConditionTestMark))) {
    DobokockakAlaphelyzet();
  }

  tests.RollResult1 = game_.KockaDobas(n, true, "Dobás próba, 1. eredmény");
  tests.RollResult2 = game_.KockaDobas(n, false, "Dobás próba, 2. eredmény");
  tests.RollResult3 = game_.KockaDobas(n, false, "Dobás próba, 3. eredmény");
  if (n >= 1 && n <= 4) {
    Control& action = game_.screen.LabelDobasKocka(n);
    action.setEnabled(false);
    action.setColour(Colour::Navy);
    game_.screen.DKEredmenyLabel(n).setText(std::to_string(tests.RollResult1));
  }

  if (battle.RoundRollPending) {
    battle.RoundRollPending = false;
    handBack_.ForduloUtaniDobas(tests.RollResult1);
    return;
  }
  if (tests.ConditionRollRequested) {
    tests.ConditionRollRequested = false;
    state.conditions.TestPending = false;
    tests.RollTestDone = true;
    // Copies: the evaluation rewrites the saved context as it goes.
    const std::string conditions = state.conditions.PendingConditions;
    const std::string targets = state.conditions.PendingTargets;
    handBack_.FeltetelFelbontas(conditions, targets);
  } else if (tests.ChangeRollPending) {
    tests.ChangeRollPending = false;
    tests.ChangeRollDone = true;
    handBack_.SpecialValtozasFeldolgozas();
  } else if (battle.OpponentRollPending) {
    battle.OpponentRollPending = false;
    battle.OpponentRollDone = true;
    handBack_.CsataElokeszites();
  }
}

void DiceTests::KlikkSzerencseProba() {
  if (!LuckTestOffered(game_)) return;
  Control& action = game_.screen.LabelSzProba;
  action.setColour(Colour::Navy);
  action.setEnabled(false);
  const MainValues& v = game_.state.values;
  const BattleState& battle = game_.state.battle;
  const bool lostRound = battle.OpponentAttack > battle.PlayerAttack;
  if (battle.LuckInBattle && v.Stamina == v.StaminaMin + 1 && lostRound) {
    game_.state.QuestionAnswer = game_.ui().QuestionFormKerdes(
        "Biztosan Próbára teszed a Szerencsédet?", "(Balszerencse esetén meghalsz!)");
    if (!game_.state.QuestionAnswer) return;
  }
  SzerencseProba();
}

void DiceTests::SzerencseProba() {
  GameState& state = game_.state;
  MainValues& v = state.values;
  TestState& tests = state.tests;
  BattleState& battle = state.battle;

  tests.LuckTestLucky = rollLuck();
  showLuckOutcome();
  // A test at the lower limit costs nothing.
  if (v.Luck > v.LuckMin) --v.Luck;
  showLuck();

  if (battle.LuckInBattle) {
    battle.BattleLuckTestDone = true;
    if (battle.OpponentAttack <= battle.PlayerAttack) {
      handBack_.ForduloNyeres();
    } else {
      handBack_.ForduloVesztes();
    }
  } else if (tests.ConditionLuckRequested) {
    conditionLuckFollowUp();
  } else if (battle.FlightLuckTest) {
    handBack_.ForduloVesztes();
  } else if (battle.WeaponLuckTest) {
    battle.WeaponLuckTest = false;
    battle.LuckInBattle = true;
  } else if (tests.ChangeLuckTestPending) {
    tests.ChangeLuckTestPending = false;
    tests.ChangeLuckTestDone = true;
    handBack_.SpecialValtozasFeldolgozas();
  }
}

void DiceTests::conditionLuckFollowUp() {
  GameState& state = game_.state;
  MainValues& v = state.values;
  TestState& tests = state.tests;
  const int folds = luckFolds(state.conditions.AwaitedInfo);
  // Every further test costs its point, however early the series failed.
  if (folds >= 2) {
    if (tests.LuckTestLucky) tests.LuckTestLucky = rollLuck();
    showLuckOutcome();
    --v.Luck;
  }
  if (folds == 3) {
    if (!rollLuck()) tests.LuckTestLucky = false;
    showLuckOutcome();
    --v.Luck;
  }
  Characteristics characteristics(game_);
  characteristics.AlapErtekModositas(3, 1, v.Luck);
  characteristics.AlapErtekEllenorzes(3);
  // The record cannot hold a value below 0 or outside its limits: the mirror follows it.
  v.Luck = game_.stores.baseValues.Find(3).Current;
  showLuck();

  tests.ConditionLuckRequested = false;
  state.conditions.TestPending = false;
  tests.LuckTestDone = true;
  const std::string conditions = state.conditions.PendingConditions;
  const std::string targets = state.conditions.PendingTargets;
  handBack_.FeltetelFelbontas(conditions, targets);
}

void DiceTests::showLuck() {
  const std::string luck = std::to_string(game_.state.values.Luck);
  game_.screen.LabelLuckTextNow.setText(luck);
  game_.screen.LabelSZPErtek.setText(luck);
}

bool DiceTests::rollLuck() {
  GameTally& tally = game_.state.tally;
  const bool lucky = game_.KockaDobas(2, true, kLuckTest) <= game_.state.values.Luck;
  ++tally.LuckTests;
  if (lucky) ++tally.LuckTestsPassed;
  return lucky;
}

void DiceTests::showLuckOutcome() {
  game_.screen.LabelSZPEredmenyErtek.setText(game_.state.tests.LuckTestLucky ? "Szerencse" : "Balszerencse");
}

void DiceTests::DobasEredmenyKitolt(int n, int k) {
  if (n < 1 || n > 4 || (k != 2 && k != 3)) return;
  const TestState& t = game_.state.tests;
  Control& label = game_.screen.DKEredmenyLabel(n);
  std::string further = "," + std::to_string(t.RollResult2);
  if (k == 3) further += "," + std::to_string(t.RollResult3);
  const std::string wanted = std::to_string(t.RollResult1) + further;
  if (label.text() != wanted) label.setText(label.text() + further);
}

void DiceTests::DobokockakAlaphelyzet() {
  ScreenModel& s = game_.screen;
  for (int n = 1; n <= 4; ++n) {
    s.DKEredmenyLabel(n).setText("");
    s.LabelDobasKocka(n).setEnabled(false);
  }
  for (const auto& [n, slots] : {std::pair{1, 3}, std::pair{2, 2}, std::pair{3, 3}, std::pair{4, 4}}) {
    for (int k = 1; k <= slots; ++k) {
      s.ImageDE(n, k).setPicture({});
      s.ImageDE(n, k).setVisible(false);
    }
  }
}

void DiceTests::ProbakCsatakAlaphelyzet() {
  DobokockakAlaphelyzet();
  ScreenModel& s = game_.screen;
  s.LabelSzProba.setEnabled(false);
  s.LabelSZPErtek.setText("");
  s.LabelSZPEredmenyErtek.setText("");
  Battle(game_).CsataPanelAlaphelyzet();
}

}  // namespace zrx
