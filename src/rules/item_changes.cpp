// Queue 2: direct item changes. Plain form ss "N" i o n; otherwise the letter at
// position 4. i and j are 3-digit item numbers, n a 3-digit count.
#include <algorithm>

#include "book_code.h"
#include "change_commands.h"
#include "equipment.h"
#include "game.h"

namespace zrx {

void ItemChanges::Run(std::string_view change, ChangeRun& run) {
  if (charAt(change, 3) == 'N') {
    plain(change, run);
    return;
  }
  const char letter = charAt(change, 4);
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
  run.length = 10;
  setCount(numberAt(change, 4, 3), charAt(change, 7), numberAt(change, 8, 3));
}

void ItemChanges::afterChapter(std::string_view change, ChangeRun& run) {
  run.length = 14;
  const int item = numberAt(change, 5, 3);
  const char op = charAt(change, 8);
  const int amount = numberAt(change, 9, 3);
  if (PreviousChapterIs(game_.state, numberAt(change, 12, 3))) setCount(item, op, amount);
}

void ItemChanges::equip(std::string_view change, ChangeRun& run) {
  run.length = 8;
  const int item = numberAt(change, 6, 3);
  if (charAt(change, 5) == 'C') Equipment(game_).equipAndLock(item);
}

void ItemChanges::replace(std::string_view change, ChangeRun& run) {
  run.length = 11;
  const int oldItem = numberAt(change, 5, 3);
  const int newItem = numberAt(change, 8, 3);
  if (charAt(change, 11) == 'S') Equipment(game_).replaceHeld(oldItem, newItem);
}

void ItemChanges::loseDroppable(ChangeRun& run) {
  run.length = 4;
  Equipment equipment(game_);
  // A copy: every held item is looked at once while the list shrinks.
  const TextList held = game_.state.equipment.EquipmentList;
  for (const std::string& number : held) {
    const TInventoryRec item = game_.stores.items.Find(numberOf(number));
    if (item.NotDroppable == 0) equipment.loseItem(numberOf(number), std::max(item.Count, 0));
  }
}

void ItemChanges::countTest(std::string_view change, ChangeRun& run) {
  run.length = 12;
  const int count = Equipment(game_).count(numberAt(change, 5, 3));
  const std::string_view relation = fieldAt(change, 8, 2);
  const int value = numberAt(change, 10, 2);
  bool holds = false;
  if (relation == "==") holds = count == value;
  else if (relation == "!=") holds = count != value;
  else if (relation == ">>") holds = count > value;
  else if (relation == "<<") holds = count < value;
  else if (relation == ">=") holds = count >= value;
  else if (relation == "<=") holds = count <= value;
  if (!holds) return;
  switch (charAt(change, 12)) {
    case 'H': run.endFlag = true; break;
    case 'U': run.skipFlag = true; break;
    default: break;
  }
}

}  // namespace zrx
