// Own items picked from the equipment list: the exchange's first phase (kind 18, own
// items offered in exchange) and the give-up offer (kind 20).
#include <algorithm>
#include <string>

#include "book_code.h"
#include "offers.h"
#include "shown_list.h"

namespace zrx {
namespace {

bool contains(const TextList& list, std::size_t from, const std::string& number) {
  return from <= list.size() && std::find(list.begin() + static_cast<std::ptrdiff_t>(from), list.end(), number) != list.end();
}

}  // namespace

// The acceptable items: the exchange's OfferList is "1", the count, then the wanted items;
// the give-up offer's OfferList holds only the acceptable items.
bool Offers::acceptable(int item) const {
  const TextList& list = game_.state.offers.OfferList;
  const bool exchange = !list.empty() && list.front() == "1";
  return contains(list, exchange ? 2 : 0, recordNumberText(item));
}

bool Offers::acceptableLeft() const {
  for (const std::string& number : game_.state.equipment.EquipmentList) {
    if (acceptable(numberOf(number)) && !contains(game_.state.offers.SelectionList, 0, number)) return true;
  }
  return false;
}

void Offers::confirmExchangeOffer() {
  UiPort& ui = game_.ui();
  const TextList& selection = game_.state.offers.SelectionList;
  const int item = selectedOwnItem();
  if (item < 0) {
    if (!selection.empty()) {
      closeExchangeQuestion();
    } else if (ui.QuestionFormKerdes("Biztos, hogy nem választasz ki", "Tárgy(ak)at a cserére?")) {
      TargyCsereUjrainditas();
    } else {
      clearOwnSelection();
    }
    return;
  }
  if (contains(selection, 0, recordNumberText(item))) {
    ui.QuestionFormInfo("Ezt a Tárgyat már cserére ajánlottad!", "");
    clearOwnSelection();
    return;
  }
  if (!acceptable(item)) {
    ui.QuestionFormInfo("Ez a Tárgy nem ajánlható fel!", "");
    clearOwnSelection();
    return;
  }
  if (!ui.QuestionFormKerdes("Biztos, hogy cserére ajánlod ezt a Tárgyat?", "")) {
    closeExchangeQuestion();
    return;
  }
  offerForExchange(item);
}

void Offers::offerForExchange(int item) {
  OfferState& offer = game_.state.offers;
  offer.SelectionList.push_back(recordNumberText(item));
  const int offered = static_cast<int>(offer.SelectionList.size());
  game_.ui().QuestionFormInfo("Eddig " + std::to_string(offered) + " Tárgyat ajánlottál cserére!", "");
  // During the exchange PendingChangeLength holds the most own items that may be offered.
  if (offered >= game_.state.changes.PendingChangeLength) {
    TargyCsereUjrainditas();
  } else {
    closeExchangeQuestion();
  }
}

void Offers::closeExchangeQuestion() {
  if (game_.ui().QuestionFormKerdes("Szeretnéd az eddig kiválasztott Tárgyakkal?", "lezárni a cserét?")) {
    TargyCsereUjrainditas();
  } else {
    clearOwnSelection();
  }
}

void Offers::confirmGiveUp() {
  UiPort& ui = game_.ui();
  OfferState& offer = game_.state.offers;
  const int item = selectedOwnItem();
  if (item < 0) return;
  const std::string number = recordNumberText(item);
  if (contains(offer.SelectionList, 0, number)) {
    ui.QuestionFormInfo("Ezt a Tárgyat már kiválasztottad!", "");
  } else if (!acceptable(item)) {
    ui.QuestionFormInfo("Ez a Tárgy nem választható ki!", "");
  } else if (ui.QuestionFormKerdes("Biztos, hogy kiválasztod ezt a Tárgyat?", "")) {
    offer.SelectionList.push_back(number);
    const int chosen = static_cast<int>(offer.SelectionList.size());
    ui.QuestionFormInfo("Eddig " + std::to_string(chosen) + " Tárgyat választottál ki!", "");
    // The picking also ends when no acceptable item is left to pick.
    if (chosen >= offer.OfferLimit || !acceptableLeft()) {
      TargyCsereUjrainditas();
      return;
    }
  }
  clearOwnSelection();
}

}  // namespace zrx
