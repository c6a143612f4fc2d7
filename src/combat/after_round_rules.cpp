// The opponent's after-round rule (RollBattleCode): end conditions on the round
// counters, the after-round roll, information gained, and damage limits.
#include "battle.h"
#include "battle_math.h"
#include "book_code.h"
#include "information.h"

namespace zrx {
namespace {

constexpr int kWon = 1;
constexpr int kLost = 2;

// Whether a rule's "when" letter is due after a round with the given result:
// "M" every round, "N" after a won one, "V" after a lost one.
bool dueAfter(char when, int lastRoundResult) {
  return when == 'M' || (when == 'N' && lastRoundResult == kWon) || (when == 'V' && lastRoundResult == kLost);
}

}  // namespace

void Battle::ForduloUtaniExtrak() {
  const BattleState& b = game_.state.battle;
  const std::string code = b.CurrentOpponent.RollBattleCode;
  if (code.empty()) return;
  switch (code[0]) {
    case '1': endCondition(code); break;
    case '2':
      if (dueAfter(charAt(code, 2), b.LastRoundResult)) requestRoundRoll();
      break;
    case '3': informationGained(code); break;
    case '4': damageLimit(code); break;
    default: break;
  }
}

void Battle::endCondition(std::string_view code) {
  const BattleState& b = game_.state.battle;
  bool met = false;
  switch (charAt(code, 4)) {
    case 'E': met = b.ResultStreak == digitAt(code, 5) && b.LastRoundResult == kWon; break;
    case 'F': met = b.RoundsFought == digitAt(code, 5); break;
    case 'G': met = b.ResultStreak == digitAt(code, 5) && b.LastRoundResult == kLost; break;
    case 'N': met = b.RoundsWon == digitAt(code, 5); break;
    case 'V': met = b.RoundsLost == digitAt(code, 5); break;
    default: break;
  }
  if (!met) return;
  switch (charAt(code, 2)) {
    case 'G': CsataVege(BattleOutcome::Victory); break;
    case 'H': endWithoutDeathOrDie(charAt(code, 3)); break;
    default: break;
  }
}

void Battle::requestRoundRoll() {
  ScreenModel& s = game_.screen;
  setFightEnabled(false);
  game_.state.battle.RoundRollPending = true;
  Control& roll = s.LabelDobasKocka(1);
  roll.setEnabled(true);
  roll.setColour(Colour::Navy);
}

void Battle::ForduloUtaniDobas(int pips) {
  const std::string code = game_.state.battle.CurrentOpponent.RollBattleCode;
  const int a = digitAt(code, 3);
  const int b = digitAt(code, 4);
  const std::size_t action = pips <= a ? 6 : pips <= a + b ? 8 : 10;
  roundRollAction(charAt(code, action), code, action + 1);
}

void Battle::roundRollAction(char letter, std::string_view code, std::size_t digitPosition) {
  switch (letter) {
    case 'G': CsataVege(BattleOutcome::Victory); return;
    case 'H': endWithoutDeathOrDie(charAt(code, digitPosition)); return;
    case 'E': woundOpponent(digitAt(code, digitPosition)); break;
    case 'U': woundOpponent(-digitAt(code, digitPosition)); break;
    case 'I':
      if (!woundPlayer(digitAt(code, digitPosition))) return;
      break;
    case 'R': woundPlayer(-digitAt(code, digitPosition)); break;
    default: break;  // "N", and letters the books do not define: the battle goes on
  }
  // A victory through the last opponent's death has ended the battle already.
  if (battleRuns()) setFightEnabled(true);
}

void Battle::endWithoutDeathOrDie(char ending) {
  if (ending == '>') {
    CsataVege(BattleOutcome::EndWithoutDeath);
  } else {
    Halal();
  }
}

void Battle::woundOpponent(int amount) {
  TMonsterRec& opponent = game_.state.battle.CurrentOpponent;
  opponent.Stamina -= amount;
  SebzesMeres(amount, 1);
  showOpponentValues();
  if (opponent.Stamina < 1) opponentDies();
}

bool Battle::woundPlayer(int amount) {
  MainValues& v = game_.state.values;
  v.Stamina -= amount;
  SebesulesMeres(amount, 1);
  showPlayerValues();
  if (amount <= 0 || v.Stamina > v.StaminaMin) return true;
  playerDies();
  return false;
}

void Battle::informationGained(std::string_view code) {
  const char when = charAt(code, 2);
  const int result = game_.state.battle.LastRoundResult;
  if (!((when == 'N' && result == kWon) || (when == 'V' && result == kLost))) return;
  Information(game_).add(numberAt(code, 3, 3));
}

void Battle::damageLimit(std::string_view code) {
  const BattleState& b = game_.state.battle;
  const char side = charAt(code, 2);
  const char ending = charAt(code, 3);
  const char kind = charAt(code, 4);
  const int threshold = numberAt(code, 5, 2);
  if (kind != 'E' && kind != 'T') return;
  const bool life = kind == 'E';
  if (b.LastRoundResult == kWon && (side == 'D' || side == 'G')) {
    const int tally = tallyTotal(life ? b.OpponentLifeDamage : b.OpponentSkillDamage);
    if (threshold <= tally && (ending == '>' || ending == 'V')) CsataVege(BattleOutcome::Victory);
  } else if (b.LastRoundResult == kLost && (side == 'D' || side == 'H')) {
    const int tally = tallyTotal(life ? b.PlayerLifeWounds : b.PlayerSkillWounds);
    if (threshold > tally) return;
    if (ending == '>') CsataVege(BattleOutcome::EndWithoutDeath);
    if (ending == 'V') Halal();
  }
}

}  // namespace zrx
