// Queue 1: characteristic changes. c and d are 2-digit characteristic numbers, o an
// operator ("+", "-", "="), v a 2-digit amount; x-forms have their letter at position 4.
#include "book_code.h"
#include "change_commands.h"
#include "characteristics.h"
#include "conditions.h"
#include "equipment.h"
#include "game.h"
#include "information.h"

namespace zrx {
namespace {

// Length of a change whose letter is unknown: it is skipped as a plain change.
constexpr std::size_t kPlainLength = 8;

}  // namespace

void CharacteristicCommands::Run(std::string_view change, ChangeRun& run) {
  if (charAt(change, 3) == 'N') {
    plain(change, run);
    return;
  }
  switch (charAt(change, 4)) {
    case 'V': toStart(change, run); break;
    case 'K': changeStart(change, run); break;
    case 'C': copy(change, run); break;
    case 'F': exchange(change, run); break;
    case 'D': byRoll(change, run); break;
    case 'O': byRollRelation(change, run); break;
    case 'S': byLuck(change, run); break;
    case 'P': afterChapter(change, run); break;
    case 'I': byInformation(change, run); break;
    case 'T': byItem(change, run); break;
    case 'B': bound(change, run); break;
    case 'L': woundsBack(change, run); break;
    default: run.length = kPlainLength; break;
  }
}

void CharacteristicCommands::apply(int characteristic, char op, int amount) {
  Characteristics(game_).AlapErtekValtoztatas(characteristic, 1, op, amount);
}

int CharacteristicCommands::current(int characteristic) const {
  return game_.stores.baseValues.Find(characteristic).Current;
}

void CharacteristicCommands::plain(std::string_view change, ChangeRun& run) {
  run.length = 8;
  const int c = numberAt(change, 4, 2);
  apply(c, charAt(change, 6), numberAt(change, 7, 2));
  changes_.check(c, run);
}

void CharacteristicCommands::toStart(std::string_view change, ChangeRun& run) {
  run.length = 6;
  const int c = numberAt(change, 5, 2);
  Characteristics(game_).AlapErtekModositas(c, 1, game_.stores.baseValues.Find(c).Start);
}

void CharacteristicCommands::changeStart(std::string_view change, ChangeRun& run) {
  run.length = 9;
  Characteristics(game_).AlapErtekValtoztatas(numberAt(change, 5, 2), 2, charAt(change, 7), numberAt(change, 8, 2));
}

void CharacteristicCommands::copy(std::string_view change, ChangeRun& run) {
  run.length = 8;
  const int c = numberAt(change, 5, 2);
  Characteristics(game_).AlapErtekModositas(c, 1, current(numberAt(change, 7, 2)));
  changes_.check(c, run);
}

void CharacteristicCommands::exchange(std::string_view change, ChangeRun& run) {
  run.length = 8;
  const int c = numberAt(change, 5, 2);
  const int d = numberAt(change, 7, 2);
  const int valueC = current(c);
  Characteristics characteristics(game_);
  characteristics.AlapErtekModositas(c, 1, current(d));
  characteristics.AlapErtekModositas(d, 1, valueC);
  changes_.check(c, run);
  changes_.check(d, run);
}

void CharacteristicCommands::byRoll(std::string_view change, ChangeRun& run) {
  run.length = 8;
  const int c = numberAt(change, 5, 2);
  const int dice = digitAt(change, 7);
  const char op = charAt(change, 8);
  if (!changes_.awaitRoll(dice, run)) return;
  apply(c, op, game_.state.tests.RollResult1);
  changes_.check(c, run);
}

void CharacteristicCommands::byRollRelation(std::string_view change, ChangeRun& run) {
  run.length = 14;
  const int c = numberAt(change, 5, 2);
  const int d = numberAt(change, 7, 2);
  const std::string_view relation = fieldAt(change, 9, 2);
  const int dice = digitAt(change, 11);
  const char op = charAt(change, 12);
  const int amount = numberAt(change, 13, 2);
  if (!changes_.awaitRoll(dice, run)) return;
  // An unknown operator decides nothing: the verdict stands as the last evaluation left it
  // (the book checker refuses such a relation, so compiled books never rely on it).
  Conditions(game_).RelacioEllenorzes(current(d), game_.state.tests.RollResult1, relation, 1, 1);
  if (!game_.state.conditions.ConditionMet) return;
  apply(c, op, amount);
  changes_.check(c, run);
}

void CharacteristicCommands::byLuck(std::string_view change, ChangeRun& run) {
  run.length = 10;
  const int c = numberAt(change, 5, 2);
  const char when = charAt(change, 7);
  const char op = charAt(change, 8);
  const int amount = numberAt(change, 9, 2);
  if (!changes_.awaitLuckTest(run)) return;
  // The point the test cost is written first, so that a change of luck itself adds to it.
  Characteristics(game_).AlapErtekModositas(3, 1, game_.state.values.Luck);
  const bool lucky = game_.state.tests.LuckTestLucky;
  if ((when == 'S' && lucky) || (when == 'B' && !lucky)) apply(c, op, amount);
  changes_.check(c, run);
}

void CharacteristicCommands::afterChapter(std::string_view change, ChangeRun& run) {
  run.length = 12;
  const int c = numberAt(change, 5, 2);
  const char op = charAt(change, 7);
  const int amount = numberAt(change, 8, 2);
  if (!PreviousChapterIs(game_.state, numberAt(change, 10, 3))) return;
  apply(c, op, amount);
  changes_.check(c, run);
}

void CharacteristicCommands::byInformation(std::string_view change, ChangeRun& run) {
  run.length = 13;
  const int c = numberAt(change, 5, 2);
  const bool possessed = Information(game_).possesses(numberAt(change, 10, 3));
  const char sign = charAt(change, 13);
  if ((sign == '+' && possessed) || (sign == '-' && !possessed)) apply(c, charAt(change, 7), numberAt(change, 8, 2));
  changes_.check(c, run);
}

void CharacteristicCommands::byItem(std::string_view change, ChangeRun& run) {
  run.length = 13;
  const int c = numberAt(change, 5, 2);
  const bool held = Equipment(game_).holds(numberAt(change, 10, 3));
  const char sign = charAt(change, 13);
  if ((sign == '+' && held) || (sign == '-' && !held)) apply(c, charAt(change, 7), numberAt(change, 8, 2));
  changes_.check(c, run);
}

// The information or item named at positions 7-11 is read but, as books expect, does not
// decide whether the bound applies.
void CharacteristicCommands::bound(std::string_view change, ChangeRun& run) {
  run.length = 14;
  const int c = numberAt(change, 5, 2);
  numberAt(change, 8, 3);
  charAt(change, 11);
  const int limit = numberAt(change, 12, 2);
  const char side = charAt(change, 14);
  const int value = current(c);
  if ((side == 'A' && limit > value) || (side == 'F' && limit < value)) {
    Characteristics(game_).AlapErtekModositas(c, 1, limit);
    changes_.check(c, run);
  }
}

void CharacteristicCommands::woundsBack(std::string_view change, ChangeRun& run) {
  run.length = 7;
  const int c = numberAt(change, 5, 2);
  const int kept = digitAt(change, 7);
  const BattleState& battle = game_.state.battle;
  Characteristics characteristics(game_);
  for (const std::string* tally : {&battle.PlayerSkillWounds, &battle.PlayerLifeWounds}) {
    if (tally->empty() || numberAt(*tally, 3, 2) != c) continue;
    const int back = numberAt(*tally, 1, 2) - kept;
    if (back <= 0) continue;
    apply(c, '+', back);
    characteristics.AlapErtekEllenorzes(c);
  }
}

}  // namespace zrx
