// The opponent's after-round rule (RollBattleCode): end conditions on the round
// counters, the after-round roll, information gained, and damage limits.
#include "battle.h"
#include "battle_math.h"
#include "book_code.h"
#include "information.h"
#include "opponent_grammar.h"

namespace zrx {
namespace {

constexpr int kWon = 1;
constexpr int kLost = 2;

namespace rule = grammar::opponent;
constexpr const grammar::CodeForm& kEnd = rule::kEndRule;
constexpr const grammar::CodeForm& kRoll = rule::kRollRule;
constexpr const grammar::CodeForm& kInfo = rule::kInfoRule;
constexpr const grammar::CodeForm& kLimit = rule::kLimitRule;
constexpr const grammar::Field& kEndCount = kEnd.field("count");
constexpr const grammar::Field& kEndCounter = kEnd.field("counter");
constexpr const grammar::Field& kEndResult = kEnd.field("result");
constexpr const grammar::Field& kEndEnding = kEnd.field("ending");
constexpr const grammar::Field& kRollWhen = kRoll.field("when");
constexpr const grammar::Field& kRollLow = kRoll.field("low");
constexpr const grammar::Field& kRollMiddle = kRoll.field("middle");
constexpr const grammar::Field& kInfoWhen = kInfo.field("when");
constexpr const grammar::Field& kInfoNumber = kInfo.field("info");
constexpr const grammar::Field& kLimitSide = kLimit.field("side");
constexpr const grammar::Field& kLimitEnding = kLimit.field("ending");
constexpr const grammar::Field& kLimitKind = kLimit.field("kind");
constexpr const grammar::Field& kLimitThreshold = kLimit.field("threshold");

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
  const grammar::CodeForm* form = grammar::FindForm(grammar::CodeFamily::RollBattleCode, code);
  const std::string_view rule = form ? form->name : "";
  if (rule == kEnd.name) endCondition(code);
  if (rule == kRoll.name && dueAfter(kRollWhen.charIn(code), b.LastRoundResult)) requestRoundRoll();
  if (rule == kInfo.name) informationGained(code);
  if (rule == kLimit.name) damageLimit(code);
}

void Battle::endCondition(std::string_view code) {
  const BattleState& b = game_.state.battle;
  bool met = false;
  switch (kEndCounter.charIn(code)) {
    case 'E': met = b.ResultStreak == kEndCount.digitIn(code) && b.LastRoundResult == kWon; break;
    case 'F': met = b.RoundsFought == kEndCount.digitIn(code); break;
    case 'G': met = b.ResultStreak == kEndCount.digitIn(code) && b.LastRoundResult == kLost; break;
    case 'N': met = b.RoundsWon == kEndCount.digitIn(code); break;
    case 'V': met = b.RoundsLost == kEndCount.digitIn(code); break;
    default: break;
  }
  if (!met) return;
  switch (kEndResult.charIn(code)) {
    case 'G': CsataVege(BattleOutcome::Victory); break;
    case 'H': endWithoutDeathOrDie(kEndEnding.charIn(code)); break;
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
  const int a = kRollLow.digitIn(code);
  const int b = kRollMiddle.digitIn(code);
  const std::size_t action = pips <= a ? 0 : pips <= a + b ? 1 : 2;
  roundRollAction(rule::kActionLetters[action]->charIn(code), code, rule::kActionDigits[action]->pos);
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
  const char when = kInfoWhen.charIn(code);
  const int result = game_.state.battle.LastRoundResult;
  if (!((when == 'N' && result == kWon) || (when == 'V' && result == kLost))) return;
  Information(game_).add(kInfoNumber.numberIn(code));
}

void Battle::damageLimit(std::string_view code) {
  const BattleState& b = game_.state.battle;
  const char side = kLimitSide.charIn(code);
  const char ending = kLimitEnding.charIn(code);
  const char kind = kLimitKind.charIn(code);
  const int threshold = kLimitThreshold.numberIn(code);
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
