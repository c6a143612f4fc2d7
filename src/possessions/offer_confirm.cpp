// Confirming an offer: the dispatch by kind, the offers of the book's items (pick up,
// choose at most N, quantities, the exchange's second phase) and the two ways an offer ends.
#include <string>

#include "book_code.h"
#include "equipment.h"
#include "offers.h"
#include "special_changes.h"

namespace zrx {
namespace {

// The item and pieces of an "item (3) + pieces (1)" entry.
struct PiecesEntry {
  int item;
  int pieces;
};

PiecesEntry piecesEntry(const std::string& entry) { return {numberAt(entry, 1, 3), digitAt(entry, 4)}; }

}  // namespace

void Offers::KlikkTargyFelvetel() {
  if (!game_.state.GameLoaded) return;
  const int kind = game_.state.navigation.PendingKind;
  // The confirm acts only while its command is on: each decision is taken once.
  const Control& command = picksOwnItems(kind) ? game_.screen.LabelTargyKivalasztas : game_.screen.LabelTargyFelvetel;
  if (!command.enabled()) return;
  switch (static_cast<PendingKind>(kind)) {
    case PendingKind::PickUp: confirmPickUp(); break;
    case PendingKind::ChooseAtMost: confirmChooseAtMost(); break;
    case PendingKind::Buy: confirmBuy(); break;
    case PendingKind::Demand: confirmDemand(1); break;
    case PendingKind::DemandEither: confirmDemand(2); break;
    case PendingKind::Quantities: confirmQuantities(); break;
    case PendingKind::ExchangeOffer: confirmExchangeOffer(); break;
    case PendingKind::ExchangeReceive: confirmExchangeReceive(); break;
    case PendingKind::GiveUp: confirmGiveUp(); break;
    default: break;
  }
}

void Offers::finishOffer() {
  FelszTargyElokeszites(0);
  game_.state.offers.OfferResume = true;
  SpecialChanges(game_).resume();
}

void Offers::TargyCsereUjrainditas() {
  Control& command = game_.screen.LabelTargyKivalasztas;
  command.setEnabled(false);
  command.setColour(Colour::Navy);
  game_.state.offers.OfferResume = true;
  SpecialChanges(game_).resume();
}

void Offers::gainMarkedEntries() {
  const OfferState& offer = game_.state.offers;
  // "V" keeps its maximum in front of the entries.
  const int first = game_.state.navigation.PendingKind == ToInt(PendingKind::ChooseAtMost) ? 1 : 0;
  Equipment equipment(game_);
  for (int box = 1; box <= offer.OfferLimit; ++box) {
    if (!marked(box)) continue;
    const PiecesEntry entry = piecesEntry(offer.OfferList.at(static_cast<std::size_t>(first + box - 1)));
    // No pieces, or an item the book lacks, gives nothing to hold.
    if (entry.pieces < 1 || !game_.stores.items.Contains(entry.item)) continue;
    equipment.gainItem(entry.item, entry.pieces);
  }
}

void Offers::confirmPickUp() {
  gainMarkedEntries();
  finishOffer();
}

void Offers::confirmChooseAtMost() {
  const OfferState& offer = game_.state.offers;
  const int most = digitAt(offer.OfferList.at(0), 1);
  int chosen = 0;
  for (int box = 1; box <= offer.OfferLimit; ++box) chosen += marked(box) ? 1 : 0;
  if (chosen > most) {
    game_.ui().QuestionFormInfo("Maximum " + std::to_string(most) + " darab Tárgyat", "választhatsz ki!");
    return;
  }
  gainMarkedEntries();
  finishOffer();
}

void Offers::confirmQuantities() {
  const OfferState& offer = game_.state.offers;
  Equipment equipment(game_);
  int total = 0;
  for (int row = 1; row <= kQuantityRows && row < static_cast<int>(offer.OfferList.size()); ++row) {
    const int count = rowCount(row);
    if (count <= 0) continue;
    total += count;
    if (total > offer.OfferLimit) break;
    const int item = numberOf(offer.OfferList[static_cast<std::size_t>(row)]);
    if (game_.stores.items.Contains(item)) equipment.gainItem(item, count);
  }
  finishOffer();
}

void Offers::confirmExchangeReceive() {
  OfferState& offer = game_.state.offers;
  offer.ExchangeCounts.clear();
  // OfferList: "2", the number of given items, the given items (one row each).
  const int given = static_cast<int>(offer.OfferList.size()) - 2;
  for (int row = 1; row <= given && row <= kQuantityRows; ++row) {
    offer.ExchangeCounts.push_back(std::to_string(rowCount(row)));
  }
  finishOffer();
}

}  // namespace zrx
