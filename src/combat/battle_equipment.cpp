// Battle codes of held items checked in every round: "CU" tests that may kill the
// opponent or the player, and "CF" tests that fix the round's result.
#include "battle.h"
#include "battle_math.h"
#include "book_code.h"
#include "use_code_grammar.h"

namespace zrx {
namespace {

constexpr int kOpponentDies = 0;
constexpr int kNothing = 1;
constexpr int kPlayerDies = 2;

using grammar::use::IsBattleCode;
namespace use = grammar::use;
constexpr grammar::Field kTestKind = use::kTest.field("test");
constexpr grammar::Field kTestWhen = use::kTest.field("when");
constexpr grammar::Field kForced = use::kForcedDie.field("result");
constexpr grammar::Field kForcedWhen = use::kForcedDie.field("when");
constexpr grammar::Field kForcedTrigger = use::kForcedDie.field("trigger");
constexpr grammar::Field kForcedLow = use::kForcedDie.field("low");
constexpr grammar::Field kForcedHigh = use::kForcedDie.field("high");

}  // namespace

void Battle::CsataTargyEllenorzesA1() {
  // Copy: a death ends the examination, but the list must not change under the loop.
  const TextList items = game_.state.equipment.EquipmentList;
  for (const std::string& number : items) {
    const std::string code = game_.stores.items.Find(numberOf(number)).UseCode;
    if (!IsBattleCode(code, 'U')) continue;
    const int result = CsataTargyEllenorzesA2(code);
    if (result == kPlayerDies) {
      playerDies();
      return;
    }
    if (result == kOpponentDies) {
      opponentDies();
      return;
    }
  }
}

int Battle::CsataTargyEllenorzesA2(std::string_view code) {
  const char kind = kTestKind.charIn(code);
  if (!battleTestDue(kTestWhen.charIn(code), game_.state.battle.RoundsFought)) return kNothing;
  const int sum = game_.KockaDobas(2, true, "Felszerelés próba");
  game_.screen.DKEredmenyLabel(2).setText(std::to_string(sum));
  const int skill = game_.state.values.Skill;
  switch (kind) {
    case 'A': return sum > skill ? kPlayerDies : kNothing;
    case 'B': return sum <= skill ? kOpponentDies : kNothing;
    case 'C': return sum > skill ? kPlayerDies : sum == skill ? kNothing : kOpponentDies;
    default: return kOpponentDies;
  }
}

int Battle::CsataTargyEllenorzesB1() {
  for (const std::string& number : game_.state.equipment.EquipmentList) {
    const std::string code = game_.stores.items.Find(numberOf(number)).UseCode;
    if (!IsBattleCode(code, 'F')) continue;
    const int result = CsataTargyEllenorzesB2(code);
    if (result != kNothing) return result;
  }
  return kNothing;
}

int Battle::CsataTargyEllenorzesB2(std::string_view code) {
  constexpr int kWon = 0, kLost = 2;
  const char forced = kForced.charIn(code);
  if (!battleTestDue(kForcedWhen.charIn(code), game_.state.battle.RoundsFought)) return kNothing;
  bool applies = false;
  switch (kForcedTrigger.charIn(code)) {
    case 'D': {
      const int pips = rollShownDie("Felszerelés próba");
      applies = kForcedLow.digitIn(code) <= pips && pips <= kForcedHigh.digitIn(code);
      break;
    }
    case 'N': applies = true; break;
    default: break;
  }
  if (!applies) return kNothing;
  return forced == 'N' ? kWon : forced == 'V' ? kLost : kNothing;
}

}  // namespace zrx
