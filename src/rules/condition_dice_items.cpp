// The condition items that need a luck test or a roll: "S", "D", "V", "E".
#include <algorithm>

#include "book_code.h"
#include "conditions.h"
#include "dice_tests.h"
#include "game.h"
#include "information.h"

namespace zrx {
namespace {

// Dice counts of a roll request; anything else would wait for a roll that no action makes.
int diceCountAt(std::string_view item, std::size_t pos) {
  const int dice = digitAt(item, pos);
  if (dice < 1 || dice > 4) throw BookCodeError(std::string(item), pos, "a kockák száma 1-4 lehet");
  return dice;
}

int comparisonCountAt(std::string_view item, std::size_t pos) {
  const int count = digitAt(item, pos);
  if (count > kMaxComparisons) {
    throw BookCodeError(std::string(item), pos, "legfeljebb 3 összehasonlítás lehet");
  }
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
  const char outcome = charAt(item, 3);
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
  const int dice = diceCountAt(item, 2);
  const int low = numberAt(item, 3, 2);
  const char form = charAt(item, 5);
  const int high = (form == '-') ? numberAt(item, 6, 2) : 0;
  if (awaitRoll(dice)) return;
  const GameState& gs = game_.state;
  const int roll = gs.tests.RollResult1;
  if (form == '.') game_.state.conditions.ConditionMet = roll == low;
  if (form == '-') game_.state.conditions.ConditionMet = low <= roll && roll <= high;
}

void Conditions::characteristicItem(std::string_view item) {
  const char kind = charAt(item, 2);
  const int left = characteristicCurrent(numberAt(item, 3, 2));
  const std::string_view op = fieldAt(item, 5, 2);
  if (kind == 'N') {
    RelacioEllenorzes(left, numberAt(item, 7, 2), op, 1, 1);
    return;
  }
  if (kind != 'D' && kind != 'T' && kind != 'I') return;
  const int dice = diceCountAt(item, 7);
  const int count = comparisonCountAt(item, 8);
  int modifier = 0;
  if (kind == 'I') {
    const int amount = (charAt(item, 9) == '+' ? 1 : -1) * digitAt(item, 10);
    const char when = charAt(item, 11);
    const bool held = Information(game_).possesses(numberAt(item, 12, 3));
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
  switch (charAt(item, 2)) {
    case 'D': parityItem(item); break;
    case 'L':
    case 'W':
    case 'S': contestItem(item); break;
    default: break;
  }
}

void Conditions::parityItem(std::string_view item) {
  const char letter = charAt(item, 3);
  const int wanted = digitAt(item, 4);
  const int rollsUsed = digitAt(item, 5);
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
  const char kind = charAt(item, 2);
  const int start = numberAt(item, 3, 2);
  const std::string_view op = fieldAt(item, 5, 2);
  const int threshold = (kind == 'S') ? 0 : numberAt(item, 5, 2);
  const int dice = diceCountAt(item, 7);
  const std::string_view characteristic = fieldAt(item, 8, 2);
  const int bonus = (charAt(item, 10) == '+' ? 1 : -1) * digitAt(item, 11);
  GameState& gs = game_.state;
  ConditionState& cs = gs.conditions;
  if (!gs.tests.RollTestDone) {
    cs.ContestScoreA = start;
    const int base = characteristic == "00" ? 0 : characteristicCurrent(numberAt(item, 8, 2));
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
