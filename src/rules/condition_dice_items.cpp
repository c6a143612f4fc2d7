// The condition items that need a luck test or a roll: "S", "D", "V", "E".
#include <algorithm>

#include "book_code.h"
#include "condition_grammar.h"
#include "conditions.h"
#include "dice_tests.h"
#include "game.h"
#include "information.h"

namespace zrx {
namespace {

namespace form = grammar::condition;
using grammar::Field;

constexpr const Field& kLuckOutcome = form::kLuck.field("outcome");
constexpr const Field& kRollDice = form::kRollRange.field("dice");
constexpr const Field& kRollLow = form::kRollRange.field("low");
constexpr const Field& kRollForm = form::kRollRange.field("form");
constexpr const Field& kRollHigh = form::kRollRange.field("high");
// Every "V" form begins alike; "VI" holds them all.
constexpr const grammar::CodeForm& kCharacteristic = form::kCharacteristicInfo;
constexpr const Field& kCharacteristicSubtype = kCharacteristic.field("subtype");
constexpr const Field& kCharacteristicBase = kCharacteristic.field("base");
constexpr const Field& kCharacteristicRelation = kCharacteristic.field("relation");
constexpr const Field& kCharacteristicValue = form::kCharacteristicValue.field("value");
constexpr const Field& kCharacteristicDice = kCharacteristic.field("dice");
constexpr const Field& kCharacteristicComparisons = kCharacteristic.field("comparisons");
constexpr const Field& kCharacteristicSign = kCharacteristic.field("sign");
constexpr const Field& kCharacteristicAmount = kCharacteristic.field("amount");
constexpr const Field& kCharacteristicWhen = kCharacteristic.field("when");
constexpr const Field& kCharacteristicInfo = kCharacteristic.field("info");
constexpr const Field& kDiceGameSubtype = form::kParity.field("subtype");
constexpr const Field& kParityLetter = form::kParity.field("parity");
constexpr const Field& kParityWanted = form::kParity.field("wanted");
constexpr const Field& kParityRolls = form::kParity.field("rolls");
constexpr const Field& kContestStart = form::kRace.field("start");
constexpr const Field& kContestRelation = form::kSingleRoll.field("relation");
constexpr const Field& kContestTarget = form::kRace.field("target");
constexpr const Field& kContestDice = form::kRace.field("dice");
constexpr const Field& kContestBase = form::kRace.field("base");
constexpr const Field& kContestSign = form::kRace.field("sign");
constexpr const Field& kContestBonus = form::kRace.field("bonus");

// Dice counts of a roll request; anything else would wait for a roll that no action makes.
int diceCountIn(std::string_view item, const Field& field) {
  const int dice = field.digitIn(item);
  if (dice < field.min || dice > field.max) {
    throw BookCodeError(std::string(item), field.pos, "a kockák száma 1-4 lehet");
  }
  return dice;
}

int comparisonCountIn(std::string_view item, const Field& field) {
  const int count = field.digitIn(item);
  if (count > field.max) throw BookCodeError(std::string(item), field.pos, "legfeljebb 3 összehasonlítás lehet");
  return count;
}

}  // namespace

void Conditions::requestRoll(int dice) {
  GameState& gs = game_.state;
  gs.navigation.PendingKind = ToInt(RollKind(dice));
  gs.conditions.TestPending = true;
  gs.tests.ConditionRollRequested = true;
}

bool Conditions::awaitRoll(int dice) {
  if (game_.state.tests.RollTestDone) return false;
  requestRoll(dice);
  return true;
}

void Conditions::luckItem(std::string_view item) {
  const char outcome = kLuckOutcome.charIn(item);
  GameState& gs = game_.state;
  if (!gs.tests.LuckTestDone) {
    gs.navigation.PendingKind = ToInt(PendingKind::LuckTest);
    gs.conditions.AwaitedInfo = std::string(item);
    gs.conditions.TestPending = true;
    gs.tests.ConditionLuckRequested = true;
    return;
  }
  if (outcome == '0') gs.conditions.ConditionMet = gs.tests.LuckTestLucky;
  if (outcome == '1') gs.conditions.ConditionMet = !gs.tests.LuckTestLucky;
}

void Conditions::rollItem(std::string_view item) {
  const int dice = diceCountIn(item, kRollDice);
  const int low = kRollLow.numberIn(item);
  const char form = kRollForm.charIn(item);
  const int high = (form == '-') ? kRollHigh.numberIn(item) : 0;
  if (awaitRoll(dice)) return;
  const GameState& gs = game_.state;
  const int roll = gs.tests.RollResult1;
  if (form == '.') game_.state.conditions.ConditionMet = roll == low;
  if (form == '-') game_.state.conditions.ConditionMet = low <= roll && roll <= high;
}

void Conditions::characteristicItem(std::string_view item) {
  const char kind = kCharacteristicSubtype.charIn(item);
  const int left = characteristicCurrent(kCharacteristicBase.numberIn(item));
  const std::string_view op = kCharacteristicRelation.textIn(item);
  if (kind == 'N') {
    RelacioEllenorzes(left, kCharacteristicValue.numberIn(item), op, 1, 1);
    return;
  }
  if (kind != 'D' && kind != 'T' && kind != 'I') return;
  const int dice = diceCountIn(item, kCharacteristicDice);
  const int count = comparisonCountIn(item, kCharacteristicComparisons);
  int modifier = 0;
  if (kind == 'I') {
    const int amount = (kCharacteristicSign.charIn(item) == '+' ? 1 : -1) * kCharacteristicAmount.digitIn(item);
    const char when = kCharacteristicWhen.charIn(item);
    const bool held = Information(game_).possesses(kCharacteristicInfo.numberIn(item));
    if ((when == '+' && held) || (when == '-' && !held)) modifier = amount;
  }
  if (awaitRoll(dice)) return;
  const TestState& t = game_.state.tests;
  const int rolls[] = {t.RollResult1, t.RollResult2, t.RollResult3};
  if (count >= 2) DiceTests(game_).DobasEredmenyKitolt(dice, count);
  int total = modifier;
  for (int i = 1; i <= count; ++i) {
    total += rolls[i - 1];
    RelacioEllenorzes(left, kind == 'D' ? rolls[i - 1] : total, op, count, i);
  }
}

void Conditions::diceGameItem(std::string_view item) {
  switch (kDiceGameSubtype.charIn(item)) {
    case 'D': parityItem(item); break;
    case 'L':
    case 'W':
    case 'S': contestItem(item); break;
    default: break;
  }
}

void Conditions::parityItem(std::string_view item) {
  const char letter = kParityLetter.charIn(item);
  const int wanted = kParityWanted.digitIn(item);
  const int rollsUsed = kParityRolls.digitIn(item);
  if (awaitRoll(1)) return;
  if (letter != 'P' && letter != 'R') return;
  const TestState& t = game_.state.tests;
  const int rolls[] = {t.RollResult1, t.RollResult2, t.RollResult3};
  auto matches = [letter](int roll) { return (roll % 2 == 1) == (letter == 'P'); };
  bool& met = game_.state.conditions.ConditionMet;
  if (rollsUsed == 1) {
    met = matches(rolls[0]);
    return;
  }
  if (rollsUsed < 2 || rollsUsed > 3 || wanted < 1 || wanted > rollsUsed) return;
  DiceTests(game_).DobasEredmenyKitolt(1, rollsUsed);
  int matching = 0;
  for (int i = 0; i < rollsUsed; ++i) matching += matches(rolls[i]) ? 1 : 0;
  met = matching == wanted;
}

void Conditions::contestItem(std::string_view item) {
  const char kind = kDiceGameSubtype.charIn(item);
  const int start = kContestStart.numberIn(item);
  const std::string_view op = kContestRelation.textIn(item);
  const int threshold = (kind == 'S') ? 0 : kContestTarget.numberIn(item);
  const int dice = diceCountIn(item, kContestDice);
  const std::string_view characteristic = kContestBase.textIn(item);
  const int bonus = (kContestSign.charIn(item) == '+' ? 1 : -1) * kContestBonus.digitIn(item);
  GameState& gs = game_.state;
  ConditionState& cs = gs.conditions;
  if (!gs.tests.RollTestDone) {
    cs.ContestScoreA = start;
    const int base = characteristic == "00" ? 0 : characteristicCurrent(kContestBase.numberIn(item));
    cs.ContestScoreB = std::max(0, base + bonus);
    awaitRoll(dice);
    return;
  }
  TestState& t = gs.tests;
  // "ES" counts the player's roll for side B: the sides roll the other way round.
  cs.ContestScoreA += (kind == 'S') ? t.RollResult2 : t.RollResult1;
  cs.ContestScoreB += (kind == 'S') ? t.RollResult1 : t.RollResult2;
  if (t.RollResult1 != 0) DiceTests(game_).DobasEredmenyKitolt(dice, 2);
  t.RollResult1 = 0;
  t.RollResult2 = 0;
  if (kind == 'S') {
    RelacioEllenorzes(cs.ContestScoreA, cs.ContestScoreB, op, 1, 1);
    return;
  }
  if (cs.ContestScoreA < threshold && cs.ContestScoreB < threshold) {
    // Neither side has reached the threshold: the race goes on with another roll.
    requestRoll(dice);
    return;
  }
  finishContest(kind);
}

void Conditions::finishContest(char kind) {
  ConditionState& cs = game_.state.conditions;
  while (cs.ContestScoreA == cs.ContestScoreB) {
    cs.ContestScoreA += game_.KockaDobas(1, false, "Holtverseny, egyik fél");
    cs.ContestScoreB += game_.KockaDobas(1, false, "Holtverseny, másik fél");
  }
  const bool sideAWins = cs.ContestScoreA > cs.ContestScoreB;
  cs.ConditionMet = (kind == 'L') ? sideAWins : !sideAWins;
}

}  // namespace zrx
