// Queue 2: direct item changes. Plain form ss "N" i o n; otherwise the letter at
// position 4. i and j are 3-digit item numbers, n a 3-digit count.
#include <algorithm>

#include "book_code.h"
#include "change_commands.h"
#include "item_change_grammar.h"
#include "equipment.h"
#include "game.h"

namespace zrx {
namespace {

namespace form = grammar::change;
using grammar::Field;

constexpr const Field& kPlainItem = form::kItemPlain.field("item");
constexpr const Field& kPlainOperator = form::kItemPlain.field("operator");
constexpr const Field& kPlainAmount = form::kItemPlain.field("amount");
constexpr const Field& kChapterItem = form::kItemChapter.field("item");
constexpr const Field& kChapterOperator = form::kItemChapter.field("operator");
constexpr const Field& kChapterAmount = form::kItemChapter.field("amount");
constexpr const Field& kChapterNumber = form::kItemChapter.field("chapter");
constexpr const Field& kEquipLock = form::kItemEquip.field("lock");
constexpr const Field& kEquipItem = form::kItemEquip.field("item");
constexpr const Field& kReplaceOld = form::kItemReplace.field("old");
constexpr const Field& kReplaceNew = form::kItemReplace.field("new");
constexpr const Field& kReplaceConfirm = form::kItemReplace.field("confirm");
constexpr const Field& kCountTestItem = form::kItemCountTest.field("item");
constexpr const Field& kCountTestRelation = form::kItemCountTest.field("relation");
constexpr const Field& kCountTestAmount = form::kItemCountTest.field("amount");
constexpr const Field& kCountTestOutcome = form::kItemCountTest.field("outcome");

}  // namespace

void ItemChanges::Run(std::string_view change, ChangeRun& run) {
  if (form::kPlain.charIn(change) == 'N') {
    plain(change, run);
    return;
  }
  const char letter = form::kCommand4.charIn(change);
  switch (letter) {
    case 'P': afterChapter(change, run); break;
    case 'E': equip(change, run); break;
    case 'X': replace(change, run); break;
    case 'M': loseDroppable(run); break;
    case 'H': countTest(change, run); break;
    case 'O': case 'V': case 'B': case 'F': case 'K': case 'L': case 'T':
      offer(letter, change, run);
      break;
    default: run.length = WholeChangeLength(change); break;
  }
}

void ItemChanges::setCount(int item, char op, int amount) {
  // An item the book lacks cannot be held.
  if (!game_.stores.items.Contains(item)) return;
  Equipment equipment(game_);
  const int count = equipment.count(item);
  switch (op) {
    case '+': equipment.setHeldCount(item, count + amount); break;
    case '-': equipment.setHeldCount(item, std::max(0, count - amount)); break;
    default: equipment.setHeldCount(item, amount); break;
  }
}

void ItemChanges::plain(std::string_view change, ChangeRun& run) {
  run.length = form::kItemPlain.fixedLength();
  setCount(kPlainItem.numberIn(change), kPlainOperator.charIn(change), kPlainAmount.numberIn(change));
}

void ItemChanges::afterChapter(std::string_view change, ChangeRun& run) {
  run.length = form::kItemChapter.fixedLength();
  const int item = kChapterItem.numberIn(change);
  const char op = kChapterOperator.charIn(change);
  const int amount = kChapterAmount.numberIn(change);
  if (PreviousChapterIs(game_.state, kChapterNumber.numberIn(change))) setCount(item, op, amount);
}

void ItemChanges::equip(std::string_view change, ChangeRun& run) {
  run.length = form::kItemEquip.fixedLength();
  const int item = kEquipItem.numberIn(change);
  if (kEquipLock.charIn(change) == 'C') Equipment(game_).equipAndLock(item);
}

void ItemChanges::replace(std::string_view change, ChangeRun& run) {
  run.length = form::kItemReplace.fixedLength();
  const int oldItem = kReplaceOld.numberIn(change);
  const int newItem = kReplaceNew.numberIn(change);
  if (kReplaceConfirm.charIn(change) == 'S') Equipment(game_).replaceHeld(oldItem, newItem);
}

void ItemChanges::loseDroppable(ChangeRun& run) {
  run.length = form::kItemLose.fixedLength();
  Equipment equipment(game_);
  // A copy: every held item is looked at once while the list shrinks.
  const TextList held = game_.state.equipment.EquipmentList;
  for (const std::string& number : held) {
    const TInventoryRec item = game_.stores.items.Find(numberOf(number));
    if (item.NotDroppable == 0) equipment.loseItem(numberOf(number), std::max(item.Count, 0));
  }
}

void ItemChanges::countTest(std::string_view change, ChangeRun& run) {
  run.length = form::kItemCountTest.fixedLength();
  const int count = Equipment(game_).count(kCountTestItem.numberIn(change));
  const std::string_view relation = kCountTestRelation.textIn(change);
  const int value = kCountTestAmount.numberIn(change);
  bool holds = false;
  if (relation == "==") holds = count == value;
  else if (relation == "!=") holds = count != value;
  else if (relation == ">>") holds = count > value;
  else if (relation == "<<") holds = count < value;
  else if (relation == ">=") holds = count >= value;
  else if (relation == "<=") holds = count <= value;
  if (!holds) return;
  switch (kCountTestOutcome.charIn(change)) {
    case 'H': run.endFlag = true; break;
    case 'U': run.skipFlag = true; break;
    default: break;
  }
}

}  // namespace zrx
