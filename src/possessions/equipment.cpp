#include "equipment.h"

#include <algorithm>

#include "characteristics.h"
#include "effect_code.h"

namespace zrx {

bool hasInUseSlot(int category) { return category >= 1 && category <= 6; }

bool Equipment::holds(int item) const { return list().contains(item); }

int Equipment::count(int item) const { return find(item).Count; }

void Equipment::TargyDBSzamModositas(int item, int count) {
  game_.stores.items.SetCount(item, count);
  // The details of the selected item show its count, which must not lag behind a payment.
  const int selected = list().selectedIndex();
  if (selected >= 0 && list().numberAt(selected) == item) KlikkFelszTargyLista();
}

void Equipment::appendHeld(int item) { list().append(item, find(item).Name); }

void Equipment::gainItem(int item, int pieces) {
  // Receiving no pieces (an offer entry of 0 pieces) must not list an item with none held.
  if (pieces < 1) return;
  const TInventoryRec rec = find(item);
  if (rec.Unique == 1) {
    if (rec.Count == 1) return;
    TargyDBSzamModositas(item, 1);
  } else if (rec.Count < 1) {
    TargyDBSzamModositas(item, pieces);
  } else {
    TargyDBSzamModositas(item, rec.Count + pieces);
    return;
  }
  // A count out of step with the list must not put the item in the list twice.
  if (holds(item)) return;
  takeIntoLists(item);
}

void Equipment::loseItem(int item, int pieces) {
  if (pieces < 1) return;
  const int left = std::max(0, count(item) - pieces);
  TargyDBSzamModositas(item, left);
  if (left == 0) dropFromLists(item);
}

void Equipment::setHeldCount(int item, int count) {
  const TInventoryRec rec = find(item);
  const bool held = rec.Count > 0;
  count = std::max(0, count);
  if (rec.Unique == 1) count = std::min(count, 1);
  TargyDBSzamModositas(item, count);
  if (!held && count > 0 && !holds(item)) {
    takeIntoLists(item);
  } else if (held && count == 0) {
    dropFromLists(item);
  }
}

void Equipment::takeIntoLists(int item) {
  TargyErtekVizsgalat(item, '+');
  appendHeld(item);
  ++game_.state.tally.ItemsGained;
}

void Equipment::dropFromLists(int item) {
  ++game_.state.tally.ItemsLost;
  TargyErtekVizsgalat(item, '-');
  list().removeAt(list().indexOf(item));
}

void Equipment::equipAndLock(int item) {
  const TInventoryRec rec = find(item);
  if (rec.Count <= 0 || !hasInUseSlot(rec.Category)) return;
  if (game_.state.equipment.EquippedItems[rec.Category] != item) switchInUse(item);
  game_.state.equipment.SlotLocked[rec.Category] = true;
}

void Equipment::switchInUse(int item) {
  const int category = find(item).Category;
  if (!hasInUseSlot(category)) return;
  int& slot = game_.state.equipment.EquippedItems[category];
  const int previous = slot;
  slot = item;
  if (previous != 0) TargyErtekValtoztatas(previous, '-');
  TargyErtekValtoztatas(item, '+');
}

void Equipment::replaceHeld(int oldItem, int newItem) {
  const int index = list().indexOf(oldItem);
  if (index < 0 || holds(newItem)) return;
  list().replaceAt(index, newItem, find(newItem).Name);
  TargyDBSzamModositas(newItem, count(oldItem));
  TargyDBSzamModositas(oldItem, 0);
  ++game_.state.tally.ItemsGained;
  ++game_.state.tally.ItemsLost;
}

void Equipment::TargyErtekVizsgalat(int item, char sign) {
  const int category = find(item).Category;
  if (!hasInUseSlot(category)) return;
  int& slot = game_.state.equipment.EquippedItems[category];
  if (sign == '+' && slot == 0) {
    TargyErtekValtoztatas(item, '+');
    slot = item;
  } else if (sign == '-' && slot == item) {
    TargyErtekValtoztatas(item, '-');
    slot = 0;
  }
}

void Equipment::TargyErtekValtoztatas(int item, char sign) {
  const TInventoryRec rec = find(item);
  if (!effectCodeIs(rec.UseCode, 'K')) return;
  const std::vector<EffectGroup> groups = modifierGroups(rec.UseCode);
  game_.state.changes.CharacteristicsChanged = true;
  Characteristics characteristics(game_);
  for (const EffectGroup& group : groups) {
    if (group.kind != 'F') continue;
    const TBaseValueRec value = game_.stores.baseValues.Find(group.characteristic);
    int start = value.Start;
    if (sign == group.op) {
      start += group.amount;
    } else if ((sign == '+' && group.op == '-') || (sign == '-' && group.op == '+')) {
      start -= group.amount;
    } else {
      continue;  // a group sign other than "+" and "-" has no direction to apply
    }
    characteristics.AlapErtekModositas(group.characteristic, 2, std::max<int>(start, value.Minimum));
    mirrorMainStart(group.characteristic);
  }
  characteristics.SpecAlapErtekVisszaIras();
}

void Equipment::mirrorMainStart(int characteristic) {
  MainValues& v = game_.state.values;
  ScreenModel& s = game_.screen;
  const int start = game_.stores.baseValues.Find(characteristic).Start;
  switch (characteristic) {
    case 1: v.SkillStart = start; s.LabelSkillTextStart.setText(std::to_string(start)); break;
    case 2: v.StaminaStart = start; s.LabelStaminaTextStart.setText(std::to_string(start)); break;
    case 3: v.LuckStart = start; s.LabelLuckTextStart.setText(std::to_string(start)); break;
    default: break;
  }
}

}  // namespace zrx
