// The shop: buying the marked items with the book's money item, and turning valuables
// into money when the money does not reach.
#include "book_code.h"
#include "equipment.h"
#include "offers.h"

namespace zrx {
namespace {

// The item and price of an "item (3) + price (3)" entry.
struct PriceEntry {
  int item;
  int price;
};

PriceEntry priceEntry(const std::string& entry) { return {numberAt(entry, 1, 3), numberAt(entry, 4, 3)}; }

}  // namespace

void Offers::confirmBuy() {
  const OfferState& offer = game_.state.offers;
  Equipment equipment(game_);
  const int money = equipment.count(moneyItem());
  int sum = 0;
  for (int box = 1; box <= offer.OfferLimit; ++box) {
    if (!marked(box)) continue;
    sum += priceEntry(offer.OfferList.at(static_cast<std::size_t>(box - 1))).price;
    if (sum > money) {
      game_.ui().QuestionFormInfo("Nem tudsz ennyi Tárgyat kifizetni!", "");
      sellValuables(money);
      return;
    }
  }
  int left = money;
  for (int box = 1; box <= offer.OfferLimit; ++box) {
    if (!marked(box)) continue;
    const PriceEntry entry = priceEntry(offer.OfferList.at(static_cast<std::size_t>(box - 1)));
    const TInventoryRec item = game_.stores.items.Find(entry.item);
    if (item.Number == kAbsentRecord) continue;
    // A unique item already held is neither bought again nor paid for.
    if (item.Unique == 1 && equipment.holds(entry.item)) continue;
    equipment.gainItem(entry.item, 1);
    left -= entry.price;
  }
  if (game_.stores.items.Contains(moneyItem())) equipment.setHeldCount(moneyItem(), left);
  finishOffer();
}

// Every valuable may be sold whole; the offer stays and the player confirms the purchase again.
void Offers::sellValuables(int money) {
  UiPort& ui = game_.ui();
  ui.QuestionFormInfo("Hogy növeld a rendelkezésedre álló pénzmennyiséget,", "pénzzé teheted Értéktárgyaidat!");
  if (!ui.QuestionFormKerdes("Szeretnéd pénzzé alakítani néhány", "Felszerelési Tárgyadat?")) return;
  // A book without a money item has nothing to pay for what is sold.
  if (!game_.stores.items.Contains(moneyItem())) return;
  Equipment equipment(game_);
  const TextList& held = game_.state.equipment.EquipmentList;
  int sold = 0;
  for (std::size_t i = 0; i < held.size();) {
    const TInventoryRec item = game_.stores.items.Find(numberOf(held[i]));
    // The money item is not sold for money; a worthless item is not asked about.
    if (item.Number == moneyItem() || item.Value <= 0 ||
        !ui.QuestionFormKerdes("Pénzzé alakítod ezt az Értéktárgyadat?", item.Name)) {
      ++i;
      continue;
    }
    sold += item.Value;
    equipment.setHeldCount(moneyItem(), money + sold);
    // The walk goes on with the entry that moves into the sold one's place.
    equipment.loseItem(item.Number, item.Count);
  }
}

}  // namespace zrx
