#include "conditions.h"

#include <array>

#include "book_code.h"
#include "condition_grammar.h"
#include "dice_tests.h"
#include "game.h"
#include "navigation.h"
#include "relations.h"

namespace zrx {

struct Conditions::ItemTable {
  std::array<ItemHandler, 256> handlers;
};

const Conditions::ItemTable& Conditions::itemTable() {
  static const ItemTable table = [] {
    ItemTable t;
    t.handlers.fill(&Conditions::unknownItem);
    auto set = [&t](char letter, ItemHandler h) {
      t.handlers[static_cast<unsigned char>(letter)] = h;
    };
    set('C', &Conditions::battleWonItem);
    set('M', &Conditions::battleFledItem);
    set('S', &Conditions::luckItem);
    set('D', &Conditions::rollItem);
    set('F', &Conditions::visitedItem);
    set('I', &Conditions::infoItem);
    set('K', &Conditions::allItemsHeldItem);
    set('Y', &Conditions::anyItemHeldItem);
    set('T', &Conditions::itemCountItem);
    set('P', &Conditions::magicSkillItem);
    set('V', &Conditions::characteristicItem);
    set('E', &Conditions::diceGameItem);
    return t;
  }();
  return table;
}

void Conditions::FeltetelFelbontas(std::string conditions, std::string targets) {
  ConditionState& cs = game_.state.conditions;
  std::string::size_type cut;
  while ((cut = conditions.find('#')) != std::string::npos) {
    const std::string group = conditions.substr(0, cut);
    conditions.erase(0, cut + 1);
    if (group != "0") {
      FeltetelDarabolas(group);
      if (cs.TestPending) {
        conditions = group + "#" + conditions;
        break;
      }
    }
    if (group == "0" || cs.ConditionMet) addContinuation(targets, false);
    targets.erase(0, 3);
  }
  if (!cs.TestPending) {
    if (conditions != "0") FeltetelDarabolas(conditions);
    if (conditions == "0" || (!cs.TestPending && cs.ConditionMet)) addContinuation(targets, true);
  }
  if (cs.TestPending) {
    cs.PendingConditions = conditions;
    cs.PendingTargets = targets;
    startPendingTest();
  } else {
    completeContinuations();
  }
}

void Conditions::addContinuation(const std::string& targets, bool whole) {
  Navigation(game_).FPListaHozzaAdas(whole ? targets : targets.substr(0, 3));
}

void Conditions::startPendingTest() {
  GameState& gs = game_.state;
  gs.navigation.PageMarks[5] = '1';
  const int kind = gs.navigation.PendingKind;
  if (gs.settings.ChangeSignalLevel != 0) {
    Navigation(game_).OldalValtasJelzes(kind, true);
  } else if (kind == ToInt(PendingKind::LuckTest)) {
    DiceTests(game_).SzerencseProba();
  } else if (kind >= ToInt(PendingKind::Roll1) && kind <= ToInt(PendingKind::Roll4)) {
    DiceTests(game_).DobasProba(kind);
  }
  // Any other kind (an awaited information) waits for the player.
}

void Conditions::completeContinuations() {
  GameState& gs = game_.state;
  Navigation(game_).ShowContinuations();
  gs.tests.LuckTestDone = false;
  gs.tests.RollTestDone = false;
  Navigation(game_).ValtasBeallitas();
  gs.navigation.PendingKind = ToInt(PendingKind::Choice);
  Navigation(game_).OldalValtasJelzes(ToInt(PendingKind::Choice), true);
}

void Conditions::FeltetelDarabolas(std::string_view group) {
  const ConditionState& cs = game_.state.conditions;
  std::string_view::size_type cut;
  while ((cut = group.find(',')) != std::string_view::npos) {
    FeltetelEllenorzes(group.substr(0, cut));
    group.remove_prefix(cut + 1);
    if (!cs.ConditionMet || cs.TestPending) return;
  }
  FeltetelEllenorzes(group);
}

void Conditions::FeltetelEllenorzes(std::string_view item) {
  const char letter = grammar::condition::kLetter.charIn(item);
  (this->*itemTable().handlers[static_cast<unsigned char>(letter)])(item);
}

void Conditions::RelacioEllenorzes(int a, int b, std::string_view op, int count, int index) {
  const auto relation = FindRelation(op);
  if (!relation || index < 1 || index > kMaxComparisons) return;
  game_.state.conditions.PartialResults[index] = relation->compare(a, b);
  if (index == count) KizaroFeltetelEllenorzes(static_cast<int>(relation->combination), count);
}

void Conditions::KizaroFeltetelEllenorzes(int mode, int count) {
  ConditionState& cs = game_.state.conditions;
  bool all = true;
  bool any = false;
  for (int i = 1; i <= count && i <= kMaxComparisons; ++i) {
    all = all && cs.PartialResults[i];
    any = any || cs.PartialResults[i];
  }
  cs.ConditionMet = (mode == 0) ? all : any;
}

void Conditions::unknownItem(std::string_view) {}

}  // namespace zrx
