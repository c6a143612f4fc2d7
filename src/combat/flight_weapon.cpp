// Between rounds: flight ("Menekülés") and the special weapon ("Speciális Fegyver").
#include "battle.h"
#include "battle_math.h"
#include "book_code.h"
#include "dice_tests.h"
#include "equipment.h"
#include "opponent_grammar.h"

namespace zrx {
namespace {

constexpr const grammar::Field& kWeaponItem = grammar::opponent::kWeapon.field("item");
constexpr const grammar::Field& kWeaponLuck = grammar::opponent::kWeapon.field("luck");

}  // namespace

void Battle::checkFlightAfterRound() {
  const BattleState& b = game_.state.battle;
  // Once available, flight stays available for the rest of the battle.
  if (flightAvailableAfterRound(b.CurrentOpponent.FlightCode, b.RoundsFought)) {
    game_.screen.LabelMenekules.setEnabled(true);
  }
}

void Battle::KlikkElmenekules() {
  GameState& state = game_.state;
  MainValues& v = state.values;
  UiPort& ui = game_.ui();
  if (!game_.screen.LabelMenekules.enabled()) return;
  if (v.Stamina <= v.StaminaMin + 2) {
    ui.QuestionFormInfo("Túl kevés " + lifeName() + " pontod van!", "Menekülés nem hajtható végre!");
    return;
  }
  state.QuestionAnswer = ui.QuestionFormKerdes("Biztosan Elmenekülsz?", "(2 " + lifeName() + " pont veszteséggel jár)");
  if (!state.QuestionAnswer) return;
  state.battle.LuckInBattle = false;
  v.Stamina -= 2;
  if (v.Luck >= v.LuckMin + 2) {
    const bool deadly = v.Stamina <= v.StaminaMin + 1;
    state.QuestionAnswer =
        deadly ? ui.QuestionFormKerdes("Próbára teszed a Szerencsédet, miközbenElmenekülsz?", "Balszerencse esetén meghalsz!")
               : ui.QuestionFormKerdes("Próbára teszed a Szerencsédet, miközben", "Elmenekülsz?");
    if (state.QuestionAnswer) {
      state.battle.FlightLuckTest = true;
      DiceTests(game_).SzerencseProba();
      // The flag must not route a later luck test of the chapter point here.
      state.battle.FlightLuckTest = false;
      // An unlucky test at the limit is death unless the opponent only ends the battle
      // (DeathMode 1): then the battle still ends as a flight below.
      if (v.Stamina <= v.StaminaMin && state.battle.CurrentOpponent.DeathMode != 1) return;
    }
  }
  CsataVege(BattleOutcome::Fled);
}

void Battle::KlikkSpecFegyverAlkalmazas() {
  GameState& state = game_.state;
  BattleState& b = state.battle;
  Control& action = game_.screen.LabelSpecFegyver;
  const std::string weapon = b.CurrentOpponent.SpecialWeapon;
  // Without an opponent's weapon there is nothing to use, whatever the action shows.
  if (!action.enabled() || weapon.empty()) return;
  const int item = kWeaponItem.numberIn(weapon);
  UiPort& ui = game_.ui();
  state.QuestionAnswer =
      ui.QuestionFormKerdes("Biztosan felhasználod ezt a Felszerelési Tárgyadat?", game_.stores.items.Find(item).Name);
  if (!state.QuestionAnswer) return;
  bool success = true;
  if (weapon.size() >= kWeaponLuck.pos && kWeaponLuck.charIn(weapon) == 'S') {
    b.WeaponLuckTest = true;
    b.LuckInBattle = false;
    DiceTests(game_).SzerencseProba();
    success = state.tests.LuckTestLucky;
    ui.QuestionFormInfo(success ? "A Speciális Fegyver alkalmazása sikeres volt!"
                                : "A Speciális Fegyver alkalmazása sikertelen volt!",
                        "");
  }
  useUpSpecialWeapon(item);
  if (!success) return;
  b.BattleRunning = true;
  opponentDies();
}

void Battle::useUpSpecialWeapon(int item) {
  Equipment equipment(game_);
  const int count = equipment.count(item);
  if (count >= 2) {
    equipment.TargyDBSzamModositas(item, count - 1);
    return;
  }
  if (equipment.holds(item)) {
    equipment.loseItem(item, count);
  } else {
    equipment.TargyDBSzamModositas(item, 0);
  }
  // With no piece left the weapon cannot be used again.
  game_.screen.LabelSpecFegyver.setEnabled(false);
}

}  // namespace zrx
