// Demands (kinds 9 and 10): the player gives up own items that meet a criterion:
// "S" + item + amount (pieces of an item, or a sum of money payable with valuables) or
// "T" + kind letter + amount (that many droppable items of a kind).
#include <string>

#include "book_code.h"
#include "equipment.h"
#include "offers.h"

namespace zrx {
namespace {

constexpr const char* kConfirmLine1 = "Biztosan kiválasztod ez(eke)t a";
constexpr const char* kConfirmLine2 = "Felszerelési Tárgy(ak)at?";
constexpr const char* kAlreadyPicked = "Ezt a Tárgyat már kiválasztottad!";

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

bool isAllPieces(const std::string& criterion) { return fieldAt(criterion, 5, 2) == "MM"; }

// A droppable item of the kind that a "T" criterion names: "E" unique, "M" magic, "N" any.
bool qualifies(const TInventoryRec& item, char kind) {
  if (item.Number == kAbsentRecord || item.NotDroppable != 0) return false;
  switch (kind) {
    case 'E': return item.Unique == 1;
    case 'M': return item.Magic == 1;
    case 'N': return true;
    default: return false;
  }
}

bool picked(const TextList& selection, const std::string& number) {
  for (const std::string& entry : selection) {
    if (entry == number) return true;
  }
  return false;
}

}  // namespace

bool Offers::TargyKivalasztasEllenorzes(int i) {
  std::string& criterion = game_.state.offers.OfferList.at(static_cast<std::size_t>(i));
  Equipment equipment(game_);
  const TextList& held = game_.state.equipment.EquipmentList;
  if (charAt(criterion, 1) == 'T') {
    const char kind = charAt(criterion, 2);
    const int wanted = numberAt(criterion, 3, 2);
    int count = 0;
    for (const std::string& number : held) count += qualifies(game_.stores.items.Find(numberOf(number)), kind) ? 1 : 0;
    if (count >= wanted) return true;
    if (count == 0) return false;
    criterion = "T" + std::string(1, kind) + twoDigits(count);
    return true;
  }
  if (charAt(criterion, 1) != 'S') return false;
  const int item = numberAt(criterion, 2, 3);
  const bool money = item == moneyItem();
  if (!equipment.holds(item) && !money) return false;
  const int have = equipment.holds(item) ? equipment.count(item) : 0;
  const int needed = isAllPieces(criterion) ? equipment.count(item) : numberAt(criterion, 5, 2);
  // A demand of nothing cannot be met by giving something up.
  if (needed < 1) return false;
  if (have >= needed) return true;
  int total = have;
  if (money) {
    for (const std::string& number : held) {
      const TInventoryRec rec = game_.stores.items.Find(numberOf(number));
      if (rec.Number == item || rec.Value <= 0) continue;
      total += rec.Value;
      if (total >= needed) return true;
    }
    if (total < 1) return false;
  }
  criterion = "S" + std::string(fieldAt(criterion, 2, 3)) + twoDigits(total);
  return true;
}

int Offers::selectedOwnItem() const {
  const Control& list = game_.screen.ListBox_FT;
  const TextList& held = game_.state.equipment.EquipmentList;
  const int line = list.selection();
  if (line < 0 || line >= static_cast<int>(held.size())) return -1;
  return numberOf(held[static_cast<std::size_t>(line)]);
}

void Offers::clearOwnSelection() { game_.screen.ListBox_FT.setSelection(-1); }

void Offers::confirmDemand(int criteria) {
  const int item = selectedOwnItem();
  if (item < 0) return;
  // A pick that criterion 0 has taken into its collection stays there; only a selection
  // that it refused or that the player declined is judged against criterion 1.
  if (judgeCriterion(0, item) != Judgement::Rejected || criteria < 2) return;
  judgeCriterion(1, item);
}

Offers::Judgement Offers::judgeCriterion(int index, int item) {
  const std::string criterion = game_.state.offers.OfferList.at(static_cast<std::size_t>(index));
  if (charAt(criterion, 1) == 'T') return judgeKindDemand(criterion, item);
  if (charAt(criterion, 1) != 'S') return Judgement::Rejected;
  if (numberAt(criterion, 2, 3) == moneyItem()) return judgeMoneyDemand(criterion, index, item);
  return judgeItemDemand(criterion, item);
}

bool Offers::askGiveUp() { return game_.ui().QuestionFormKerdes(kConfirmLine1, kConfirmLine2); }

Offers::Judgement Offers::judgeItemDemand(const std::string& criterion, int item) {
  if (item != numberAt(criterion, 2, 3)) return Judgement::Rejected;
  if (!askGiveUp()) return Judgement::Rejected;
  Equipment equipment(game_);
  equipment.loseItem(item, isAllPieces(criterion) ? equipment.count(item) : numberAt(criterion, 5, 2));
  finishOffer();
  return Judgement::Finished;
}

Offers::Judgement Offers::judgeMoneyDemand(const std::string& criterion, int index, int item) {
  OfferState& offer = game_.state.offers;
  Equipment equipment(game_);
  const TInventoryRec rec = game_.stores.items.Find(item);
  const bool isMoney = item == moneyItem();
  if (!isMoney && rec.Value <= 0) return Judgement::Rejected;
  const std::string number = recordNumberText(item);
  if (picked(offer.SelectionList, number)) {
    game_.ui().QuestionFormInfo(kAlreadyPicked, "");
    return Judgement::AlreadyPicked;
  }
  const int worth = isMoney ? equipment.count(item) : rec.Value;
  const int amount = isAllPieces(criterion) ? equipment.count(moneyItem()) : numberAt(criterion, 5, 2);
  const bool first = offer.SelectionList.empty();
  offer.SelectionList.push_back(number);
  if (first) {
    game_.ui().QuestionFormInfo(index == 0 ? "Eddig egy Tárgy kiválasztva!" : "Eddig egy Tárgy kiválasztva", "");
  } else {
    game_.ui().QuestionFormInfo("Eddig " + std::to_string(offer.SelectionList.size()) + " Tárgy kiválasztva", "");
  }
  const int total = (first ? 0 : offer.OfferLimit) + worth;
  if (total < amount) {
    offer.OfferLimit = total;
    return Judgement::Collected;
  }
  if (!askGiveUp()) {
    offer.SelectionList.clear();
    offer.OfferLimit = 0;
    return Judgement::Rejected;
  }
  if (first && isMoney) {
    equipment.loseItem(item, amount);  // no change is given back for a valuable
  } else {
    for (const std::string& pick : offer.SelectionList) {
      const int pickedItem = numberOf(pick);
      equipment.loseItem(pickedItem, pickedItem == moneyItem() ? equipment.count(pickedItem) : 1);
    }
  }
  offer.SelectionList.clear();
  finishOffer();
  return Judgement::Finished;
}

Offers::Judgement Offers::judgeKindDemand(const std::string& criterion, int item) {
  OfferState& offer = game_.state.offers;
  const std::string number = recordNumberText(item);
  if (picked(offer.SelectionList, number)) {
    game_.ui().QuestionFormInfo(kAlreadyPicked, "");
    return Judgement::AlreadyPicked;
  }
  if (!qualifies(game_.stores.items.Find(item), charAt(criterion, 2))) return Judgement::Rejected;
  offer.SelectionList.push_back(number);
  game_.ui().QuestionFormInfo("Eddig " + std::to_string(offer.SelectionList.size()) + " Tárgy kiválasztva", "");
  if (static_cast<int>(offer.SelectionList.size()) < numberAt(criterion, 3, 2)) return Judgement::Collected;
  if (!askGiveUp()) {
    offer.SelectionList.clear();
    return Judgement::Rejected;
  }
  loseSelectedItems();
  finishOffer();
  return Judgement::Finished;
}

void Offers::loseSelectedItems() {
  Equipment equipment(game_);
  for (const std::string& pick : game_.state.offers.SelectionList) equipment.loseItem(numberOf(pick), 1);
  game_.state.offers.SelectionList.clear();
}

}  // namespace zrx
