// Queue 1: characteristic changes. c and d are 2-digit characteristic numbers, o an
// operator ("+", "-", "="), v a 2-digit amount; x-forms have their letter at position 4.
#include "book_code.h"
#include "change_commands.h"
#include "change_grammar.h"
#include "characteristics.h"
#include "conditions.h"
#include "equipment.h"
#include "game.h"
#include "information.h"

namespace zrx {
namespace {

namespace form = grammar::change;
using grammar::Field;

// Every lettered form names the characteristic it changes at the same place.
constexpr const Field& kBase = form::kCharToStart.field("base");
constexpr const Field& kPlainBase = form::kCharPlain.field("base");
constexpr const Field& kPlainOperator = form::kCharPlain.field("operator");
constexpr const Field& kPlainAmount = form::kCharPlain.field("amount");
constexpr const Field& kStartOperator = form::kCharStart.field("operator");
constexpr const Field& kStartAmount = form::kCharStart.field("amount");
constexpr const Field& kSource = form::kCharCopy.field("source");
constexpr const Field& kRollDice = form::kCharRoll.field("dice");
constexpr const Field& kRollOperator = form::kCharRoll.field("operator");
constexpr const Field& kRelationCompared = form::kCharRollRelation.field("compared");
constexpr const Field& kRelation = form::kCharRollRelation.field("relation");
constexpr const Field& kRelationDice = form::kCharRollRelation.field("dice");
constexpr const Field& kRelationOperator = form::kCharRollRelation.field("operator");
constexpr const Field& kRelationAmount = form::kCharRollRelation.field("amount");
constexpr const Field& kLuckWhen = form::kCharLuck.field("when");
constexpr const Field& kLuckOperator = form::kCharLuck.field("operator");
constexpr const Field& kLuckAmount = form::kCharLuck.field("amount");
constexpr const Field& kChapterOperator = form::kCharChapter.field("operator");
constexpr const Field& kChapterAmount = form::kCharChapter.field("amount");
constexpr const Field& kChapterNumber = form::kCharChapter.field("chapter");
constexpr const Field& kInfoOperator = form::kCharInfo.field("operator");
constexpr const Field& kInfoAmount = form::kCharInfo.field("amount");
constexpr const Field& kInfoNumber = form::kCharInfo.field("info");
constexpr const Field& kInfoWhen = form::kCharInfo.field("when");
constexpr const Field& kItemOperator = form::kCharItem.field("operator");
constexpr const Field& kItemAmount = form::kCharItem.field("amount");
constexpr const Field& kItemNumber = form::kCharItem.field("item");
constexpr const Field& kItemWhen = form::kCharItem.field("when");
constexpr const Field& kBoundRecord = form::kCharBoundInfo.field("info");
constexpr const Field& kBoundHeld = form::kCharBoundInfo.field("held");
constexpr const Field& kBoundLimit = form::kCharBoundInfo.field("limit");
constexpr const Field& kBoundSide = form::kCharBoundInfo.field("side");
constexpr const Field& kWoundsKept = form::kCharWounds.field("kept");

}  // namespace

void CharacteristicCommands::Run(std::string_view change, ChangeRun& run) {
  if (form::kPlain.charIn(change) == 'N') {
    plain(change, run);
    return;
  }
  switch (form::kCommand4.charIn(change)) {
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
    default: run.length = form::kUnknownCharacteristicLength; break;
  }
}

void CharacteristicCommands::apply(int characteristic, char op, int amount) {
  Characteristics(game_).AlapErtekValtoztatas(characteristic, 1, op, amount);
}

int CharacteristicCommands::current(int characteristic) const {
  return game_.stores.baseValues.Find(characteristic).Current;
}

void CharacteristicCommands::plain(std::string_view change, ChangeRun& run) {
  run.length = form::kCharPlain.fixedLength();
  const int c = kPlainBase.numberIn(change);
  apply(c, kPlainOperator.charIn(change), kPlainAmount.numberIn(change));
  changes_.check(c, run);
}

void CharacteristicCommands::toStart(std::string_view change, ChangeRun& run) {
  run.length = form::kCharToStart.fixedLength();
  const int c = kBase.numberIn(change);
  Characteristics(game_).AlapErtekModositas(c, 1, game_.stores.baseValues.Find(c).Start);
}

void CharacteristicCommands::changeStart(std::string_view change, ChangeRun& run) {
  run.length = form::kCharStart.fixedLength();
  Characteristics(game_).AlapErtekValtoztatas(kBase.numberIn(change), 2, kStartOperator.charIn(change),
                                              kStartAmount.numberIn(change));
}

void CharacteristicCommands::copy(std::string_view change, ChangeRun& run) {
  run.length = form::kCharCopy.fixedLength();
  const int c = kBase.numberIn(change);
  Characteristics(game_).AlapErtekModositas(c, 1, current(kSource.numberIn(change)));
  changes_.check(c, run);
}

void CharacteristicCommands::exchange(std::string_view change, ChangeRun& run) {
  run.length = form::kCharExchange.fixedLength();
  const int c = kBase.numberIn(change);
  const int d = kSource.numberIn(change);
  const int valueC = current(c);
  Characteristics characteristics(game_);
  characteristics.AlapErtekModositas(c, 1, current(d));
  characteristics.AlapErtekModositas(d, 1, valueC);
  changes_.check(c, run);
  changes_.check(d, run);
}

void CharacteristicCommands::byRoll(std::string_view change, ChangeRun& run) {
  run.length = form::kCharRoll.fixedLength();
  const int c = kBase.numberIn(change);
  const int dice = kRollDice.digitIn(change);
  const char op = kRollOperator.charIn(change);
  if (!changes_.awaitRoll(dice, run)) return;
  apply(c, op, game_.state.tests.RollResult1);
  changes_.check(c, run);
}

void CharacteristicCommands::byRollRelation(std::string_view change, ChangeRun& run) {
  run.length = form::kCharRollRelation.fixedLength();
  const int c = kBase.numberIn(change);
  const int d = kRelationCompared.numberIn(change);
  const std::string_view relation = kRelation.textIn(change);
  const int dice = kRelationDice.digitIn(change);
  const char op = kRelationOperator.charIn(change);
  const int amount = kRelationAmount.numberIn(change);
  if (!changes_.awaitRoll(dice, run)) return;
  // An unknown operator decides nothing: the verdict stands as the last evaluation left it
  // (the book checker refuses such a relation, so compiled books never rely on it).
  Conditions(game_).RelacioEllenorzes(current(d), game_.state.tests.RollResult1, relation, 1, 1);
  if (!game_.state.conditions.ConditionMet) return;
  apply(c, op, amount);
  changes_.check(c, run);
}

void CharacteristicCommands::byLuck(std::string_view change, ChangeRun& run) {
  run.length = form::kCharLuck.fixedLength();
  const int c = kBase.numberIn(change);
  const char when = kLuckWhen.charIn(change);
  const char op = kLuckOperator.charIn(change);
  const int amount = kLuckAmount.numberIn(change);
  if (!changes_.awaitLuckTest(run)) return;
  // The point the test cost is written first, so that a change of luck itself adds to it.
  Characteristics(game_).AlapErtekModositas(3, 1, game_.state.values.Luck);
  const bool lucky = game_.state.tests.LuckTestLucky;
  if ((when == 'S' && lucky) || (when == 'B' && !lucky)) apply(c, op, amount);
  changes_.check(c, run);
}

void CharacteristicCommands::afterChapter(std::string_view change, ChangeRun& run) {
  run.length = form::kCharChapter.fixedLength();
  const int c = kBase.numberIn(change);
  const char op = kChapterOperator.charIn(change);
  const int amount = kChapterAmount.numberIn(change);
  if (!PreviousChapterIs(game_.state, kChapterNumber.numberIn(change))) return;
  apply(c, op, amount);
  changes_.check(c, run);
}

void CharacteristicCommands::byInformation(std::string_view change, ChangeRun& run) {
  run.length = form::kCharInfo.fixedLength();
  const int c = kBase.numberIn(change);
  const bool possessed = Information(game_).possesses(kInfoNumber.numberIn(change));
  const char sign = kInfoWhen.charIn(change);
  if ((sign == '+' && possessed) || (sign == '-' && !possessed)) {
    apply(c, kInfoOperator.charIn(change), kInfoAmount.numberIn(change));
  }
  changes_.check(c, run);
}

void CharacteristicCommands::byItem(std::string_view change, ChangeRun& run) {
  run.length = form::kCharItem.fixedLength();
  const int c = kBase.numberIn(change);
  const bool held = Equipment(game_).holds(kItemNumber.numberIn(change));
  const char sign = kItemWhen.charIn(change);
  if ((sign == '+' && held) || (sign == '-' && !held)) {
    apply(c, kItemOperator.charIn(change), kItemAmount.numberIn(change));
  }
  changes_.check(c, run);
}

// The information or item named after the record letter is read but, as books expect, does not
// decide whether the bound applies.
void CharacteristicCommands::bound(std::string_view change, ChangeRun& run) {
  run.length = form::kCharBoundInfo.fixedLength();
  const int c = kBase.numberIn(change);
  kBoundRecord.numberIn(change);
  kBoundHeld.charIn(change);
  const int limit = kBoundLimit.numberIn(change);
  const char side = kBoundSide.charIn(change);
  const int value = current(c);
  if ((side == 'A' && limit > value) || (side == 'F' && limit < value)) {
    Characteristics(game_).AlapErtekModositas(c, 1, limit);
    changes_.check(c, run);
  }
}

void CharacteristicCommands::woundsBack(std::string_view change, ChangeRun& run) {
  run.length = form::kCharWounds.fixedLength();
  const int c = kBase.numberIn(change);
  const int kept = kWoundsKept.digitIn(change);
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
