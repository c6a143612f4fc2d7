// The won and the lost round, in their normal form and after a luck test; wound sizes
// and the wound tallies.
#include <algorithm>
#include <cstdlib>

#include "battle.h"
#include "battle_math.h"
#include "book_code.h"
#include "opponent_grammar.h"
#include "use_code_grammar.h"

namespace zrx {
namespace {

constexpr const char* kOpponentDied = "Ellenfeled meghalt! Új Ellenfél következik!";
constexpr const char* kLuckySuccess = "A Szerencse Próba sikeres volt!";
constexpr const char* kLuckFailure = "A Szerencse Próba sikertelen volt!";

// The size and period fields of WoundMods: [who][kind].
constexpr const grammar::CodeForm& kWounds = grammar::opponent::kWounds;
constexpr const grammar::Field kSize[2][2] = {{kWounds.field("playerSkill"), kWounds.field("playerLife")},
                                              {kWounds.field("opponentSkill"), kWounds.field("opponentLife")}};
constexpr const grammar::Field kPeriod[2][2] = {
    {kWounds.field("playerSkillPeriod"), kWounds.field("playerLifePeriod")},
    {kWounds.field("opponentSkillPeriod"), kWounds.field("opponentLifePeriod")}};

}  // namespace

int Battle::Sebesules(int who, int kind) {
  const BattleState& b = game_.state.battle;
  const std::string& mods = b.CurrentOpponent.WoundMods;
  const char size = kSize[who][kind].charIn(mods);
  if (size == '0') return 0;
  const int counter = who == 0 ? b.RoundsLost : b.RoundsWon;
  if (!periodDue(kPeriod[who][kind].digitIn(mods), counter)) return 0;
  const int wound = size == 'D' ? rollShownDie("Sebzés") : kSize[who][kind].digitIn(mods);
  if (wound > 0) {
    if (who == 0) {
      SebesulesMeres(wound, kind);
    } else {
      SebzesMeres(wound, kind);
    }
  }
  return wound;
}

int Battle::rollShownDie(std::string_view purpose) {
  const int pips = game_.KockaDobas(1, true, purpose);
  Control& label = game_.screen.DKEredmenyLabel(1);
  label.setText(label.text().empty() ? std::to_string(pips) : label.text() + "," + std::to_string(pips));
  return pips;
}

void Battle::SebzesMeres(int amount, int kind) {
  BattleState& b = game_.state.battle;
  std::string& tally = kind == 0 ? b.OpponentSkillDamage : b.OpponentLifeDamage;
  tally = tallyAdd(tally, amount, TwoDigits(kind == 0 ? skillNumber() : lifeNumber()));
}

void Battle::SebesulesMeres(int amount, int kind) {
  BattleState& b = game_.state.battle;
  std::string& tally = kind == 0 ? b.PlayerSkillWounds : b.PlayerLifeWounds;
  tally = tallyAdd(tally, amount, TwoDigits(kind == 0 ? skillNumber() : lifeNumber()));
}

void Battle::ForduloVesztes() {
  const BattleState& b = game_.state.battle;
  if (b.BattleLuckTestDone || b.FlightLuckTest) {
    lostRoundWithLuck();
  } else {
    lostRoundNormal();
  }
}

void Battle::ForduloNyeres() {
  if (game_.state.battle.BattleLuckTestDone) {
    wonRoundWithLuck();
  } else {
    wonRoundNormal();
  }
}

void Battle::lostRoundNormal() {
  woundRoundLoser(0, "Az Ellenfél megnyerte a Fordulót!", "Veszítesz ");
  lostRoundEnd();
}

void Battle::wonRoundNormal() {
  woundRoundLoser(1, "Az Ellenfél elveszítette a Fordulót!", "Ellenfeled veszít ");
  wonRoundEnd();
}

void Battle::tallyWound(int who, int amount, int kind) {
  if (who == 0) {
    SebesulesMeres(amount, kind);
  } else {
    SebzesMeres(amount, kind);
  }
}

void Battle::woundRoundLoser(int who, std::string_view caption, std::string_view head) {
  BattleState& b = game_.state.battle;
  int& stamina = who == 0 ? game_.state.values.Stamina : b.CurrentOpponent.Stamina;
  int& skill = who == 0 ? game_.state.values.Skill : b.CurrentOpponent.Skill;
  const int life = Sebesules(who, 1);
  const int skillWound = Sebesules(who, 0);
  stamina -= life;
  skill -= skillWound;
  if (skill < 0) {
    // The tally counts only the points really lost.
    tallyWound(who, skill, 0);
    skill = 0;
  }
  BattlePanel& panel = game_.screen.battle;
  panel.LabelEredmeny1.setText(std::string(caption));
  panel.LabelEredmeny2.setText(woundLine(head, life, skillWound, lifeName(), skillName()));
  applyRoundItems(who, life);
}

void Battle::applyRoundItems(int who, int lifeWound) {
  // "CV" codes change the player's wounds, "CN" codes the opponent's.
  const char letter = who == 0 ? 'V' : 'N';
  int& stamina = who == 0 ? game_.state.values.Stamina : game_.state.battle.CurrentOpponent.Stamina;
  std::vector<std::string> changers;
  int total = 0;
  for (const std::string& number : game_.state.equipment.EquipmentList) {
    const TInventoryRec& item = game_.stores.items.Find(numberOf(number));
    const std::string& code = item.UseCode;
    if (!grammar::use::IsBattleCode(code, letter)) continue;
    const int change = itemLifeChange(code, lifeWound);
    if (change == 0) continue;
    stamina -= change;
    tallyWound(who, change, 1);
    changers.push_back(item.Name);
    total += change;
    // Healing shrinks the wound: several items never give back more than it took.
    if (change < 0) lifeWound += change;
  }
  game_.screen.battle.LabelEredmeny3.setText(itemChangeLine(changers, total, who == 0 ? "" : "Ellenfeled "));
}

std::string Battle::itemChangeLine(const std::vector<std::string>& items, int total, std::string_view who) const {
  if (items.empty() || total == 0) return "";
  std::string names;
  for (const std::string& name : items) names += (names.empty() ? "" : ", ") + name;
  const std::string points = std::to_string(std::abs(total)) + " " + lifeName();
  const bool player = who.empty();
  if (total < 0) {
    return names + ": " + std::string(who) + points + " ponttal kevesebbet " + (player ? "veszítesz!" : "veszít!");
  }
  return names + ": " + std::string(who) + "további " + points + " pontot " + (player ? "veszítesz!" : "veszít!");
}

int Battle::itemLifeChange(std::string_view code, int remainingWound) {
  using namespace grammar::use;
  const char trigger = kWoundTrigger.charIn(code);
  const char sign = kWoundSign.charIn(code);
  if ((trigger != 'D' && trigger != 'N') || (sign != '+' && sign != '-')) return 0;
  const int amount = kWoundAmount.digitIn(code);
  if (trigger == 'D') {
    constexpr grammar::Field kLow = kWoundDie.field("low"), kHigh = kWoundDie.field("high");
    const int pips = rollShownDie("Gyógyulás");
    if (pips < kLow.digitIn(code) || pips > kHigh.digitIn(code)) return 0;
  }
  return sign == '+' ? -std::min(amount, std::max(remainingWound, 0)) : amount;
}

void Battle::lostRoundWithLuck() {
  GameState& state = game_.state;
  BattleState& b = state.battle;
  MainValues& v = state.values;
  BattlePanel& panel = game_.screen.battle;
  if (state.tests.LuckTestLucky) {
    ++v.Stamina;
    SebesulesMeres(-1, 1);
    panel.LabelEredmeny1.setText(kLuckySuccess);
    panel.LabelEredmeny2.setText("Visszanyertél 1 " + lifeName() + " pontot!");
    // Back above the limit after the last-chance notice: the battle goes on.
    if (!b.FlightLuckTest && v.Stamina == v.StaminaMin + 1 && !b.RoundRollPending) setFightEnabled(true);
  } else {
    --v.Stamina;
    SebesulesMeres(1, 1);
    panel.LabelEredmeny1.setText(kLuckFailure);
    panel.LabelEredmeny2.setText("További 1 " + lifeName() + " pontot veszítesz!");
  }
  b.BattleLuckTestDone = false;
  b.LuckInBattle = false;
  lostRoundEnd();
}

void Battle::lostRoundEnd() {
  const BattleState& b = game_.state.battle;
  const MainValues& v = game_.state.values;
  showPlayerValues();
  if (v.Stamina > v.StaminaMin) return;
  const bool lastChance = b.LuckInBattle && !b.FlightLuckTest && v.Luck >= v.LuckMin + 2 &&
                          v.Stamina == v.StaminaMin && b.CurrentOpponent.BattleFlag == 1;
  if (lastChance) {
    game_.ui().QuestionFormInfo(lifeName() + " pontjaid száma nullára fog csökkenni! Tedd ",
                                "próbára a Szerencsédet, hogy csökkentsd a sérülést!");
    setFightEnabled(false);
  } else {
    playerDies();
  }
}

void Battle::wonRoundWithLuck() {
  BattleState& b = game_.state.battle;
  BattlePanel& panel = game_.screen.battle;
  if (game_.state.tests.LuckTestLucky) {
    b.CurrentOpponent.Stamina -= 2;
    SebzesMeres(2, 1);
    panel.LabelEredmeny1.setText(kLuckySuccess);
    panel.LabelEredmeny2.setText("Ellenfeled veszít további 2 " + lifeName() + " pontot!");
  } else {
    ++b.CurrentOpponent.Stamina;
    SebzesMeres(-1, 1);
    panel.LabelEredmeny1.setText(kLuckFailure);
    panel.LabelEredmeny2.setText("Ellenfeled visszanyer 1 " + lifeName() + " pontot!");
  }
  b.BattleLuckTestDone = false;
  b.LuckInBattle = false;
  wonRoundEnd();
}

void Battle::wonRoundEnd() {
  showOpponentValues();
  if (game_.state.battle.CurrentOpponent.Stamina < 1) opponentDies();
}

void Battle::opponentDies() {
  ScreenModel& s = game_.screen;
  s.LabelSzProba.setEnabled(false);
  s.battle.LabelEredmeny2.setText(kOpponentDied);
  s.battle.LabelJatekosTamadoero.setText("");
  UjSzornyBetoltes();
}

}  // namespace zrx
