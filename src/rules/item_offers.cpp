// Queue 2: the item offers. The set-up prepares the equipment page and waits for the
// player's decision; when the decision is carried out (OfferResume) the same change runs
// again and does its closing step. Lists inside a change: the first entry follows the
// command, each further one comes after one separator character, and the entry followed
// by "#" is the last.
#include <algorithm>

#include "book_code.h"
#include "change_commands.h"
#include "item_change_grammar.h"
#include "equipment.h"
#include "game.h"
#include "navigation.h"
#include "offers.h"

namespace zrx {
namespace {

namespace form = grammar::change;
using grammar::Field;

constexpr const Field& kPickUpItem = form::kItemPickUp.field("item");
constexpr Field kPickUpEntryItem = grammar::InEntry(kPickUpItem, kPickUpItem);
constexpr Field kPickUpEntryPieces = grammar::InEntry(form::kItemPickUp.field("pieces"), kPickUpItem);
constexpr const Field& kChooseMost = form::kItemChoose.field("most");
constexpr const Field& kChooseItem = form::kItemChoose.field("item");
constexpr const Field& kShopItem = form::kItemShop.field("item");
constexpr Field kShopEntryItem = grammar::InEntry(kShopItem, kShopItem);
constexpr Field kShopEntryPrice = grammar::InEntry(form::kItemShop.field("price"), kShopItem);
constexpr const Field& kQuantitiesTotal = form::kItemQuantities.field("total");
constexpr const Field& kQuantitiesItem = form::kItemQuantities.field("item");
constexpr const Field& kGiveUpTotal = form::kItemGiveUp.field("total");
constexpr const Field& kGiveUpItem = form::kItemGiveUp.field("item");
constexpr const Field& kExchangeWanted = form::kItemExchange.field("wanted");
constexpr const Field& kExchangeGiven = form::kItemExchange.field("given");
constexpr const Field& kExchangeMost = form::kItemExchange.field("most");
constexpr const Field& kExchangeItem = form::kItemExchange.field("wantedItem");
// A demand's criteria, each read where it begins.
constexpr const Field& kCriterion = form::kItemDemandS.field("criterion");
constexpr Field kPiecesItem = grammar::InEntry(form::kItemDemandS.field("item"), kCriterion);
constexpr Field kPiecesAmount = grammar::InEntry(form::kItemDemandS.field("amount"), kCriterion);
constexpr Field kKindLetter = grammar::InEntry(form::kItemDemandT.field("kind"), kCriterion);
constexpr Field kKindAmount = grammar::InEntry(form::kItemDemandT.field("amount"), kCriterion);

constexpr const char* kPickUpCaption = "      Felvehető Tárgyak listája      ";
constexpr const char* kChooseCaption = "    Választható Tárgyak listája     ";
constexpr const char* kShopCaption = "   Vásárolható Tárgyak listája  ";

// Entries of `width` characters from position `pos`; `length` receives the characters
// before the closing "#".
TextList readEntries(std::string_view change, std::size_t pos, std::size_t width, std::size_t& length) {
  TextList entries;
  for (;;) {
    entries.emplace_back(fieldAt(change, pos, width));
    pos += width;
    if (charAt(change, pos) == '#') break;
    ++pos;
  }
  length = pos - 1;
  return entries;
}

// Consecutive item numbers of the exchange from position `pos`.
TextList readItems(std::string_view change, std::size_t pos, int count) {
  TextList items;
  for (int i = 0; i < count; ++i, pos += kExchangeItem.width) {
    numberAt(change, pos, kExchangeItem.width);
    items.emplace_back(fieldAt(change, pos, kExchangeItem.width));
  }
  return items;
}

// A criterion of a demand: "S" + item + amount (2 digits or "MM"), or "T" + kind + amount.
std::string readCriterion(std::string_view change, std::size_t pos) {
  switch (charAt(change, pos)) {
    case 'S': {
      const Field amount = grammar::EntryFieldAt(kPiecesAmount, pos);
      grammar::EntryFieldAt(kPiecesItem, pos).numberIn(change);
      if (amount.textIn(change) != amount.allowed) amount.numberIn(change);
      return std::string(fieldAt(change, pos, amount.end() - pos + 1));
    }
    case 'T': {
      const Field amount = grammar::EntryFieldAt(kKindAmount, pos);
      grammar::EntryFieldAt(kKindLetter, pos).charIn(change);
      amount.numberIn(change);
      return std::string(fieldAt(change, pos, amount.end() - pos + 1));
    }
    default:
      throw BookCodeError(std::string(change), pos, "a demand is \"S\" or \"T\"");
  }
}

std::size_t exchangeLength(std::string_view change) {
  const int items = kExchangeWanted.digitIn(change) + kExchangeGiven.digitIn(change);
  return kExchangeItem.pos - 1 + kExchangeItem.width * static_cast<std::size_t>(items);
}

// Where the exchange's given items begin, after `wanted` wanted ones.
std::size_t givenItemsAt(int wanted) {
  return kExchangeItem.pos + kExchangeItem.width * static_cast<std::size_t>(wanted);
}

}  // namespace

void ItemChanges::offer(char letter, std::string_view change, ChangeRun& run) {
  if (game_.state.offers.OfferResume) {
    closeOffer(letter, change, run);
    return;
  }
  switch (letter) {
    case 'O': case 'V': setUpPieces(letter, change, run); break;
    case 'B': setUpShop(change, run); break;
    case 'F': setUpQuantities(change, run); break;
    case 'K': setUpDemand(change, run); break;
    case 'L': setUpGiveUp(change, run); break;
    default: setUpExchange(change, run); break;
  }
}

void ItemChanges::closeOffer(char letter, std::string_view change, ChangeRun& run) {
  game_.state.offers.OfferResume = false;
  if (letter == 'T') {
    if (closeExchange(change, run)) return;
    run.length = exchangeLength(change);
  } else {
    if (letter == 'L') Offers(game_).loseSelectedItems();
    run.length = static_cast<std::size_t>(game_.state.changes.PendingChangeLength);
  }
  game_.state.changes.ChangesActive = true;
}

void ItemChanges::waitForDecision(PendingKind kind, ChangeRun& run) {
  changes_.pause(run);
  game_.state.navigation.PendingKind = ToInt(kind);
  // At "Változás jelzés" 2 the player is on the equipment page already.
  Navigation(game_).OldalValtasJelzes(ToInt(kind), game_.state.settings.ChangeSignalLevel < 2);
}

void ItemChanges::setUpPieces(char letter, std::string_view change, ChangeRun& run) {
  const bool choose = letter == 'V';
  Offers offers(game_);
  offers.FelszTargyElokeszites(1);
  OfferState& offer = game_.state.offers;
  offer.OfferList.clear();
  if (choose) offer.OfferList.push_back(std::to_string(kChooseMost.digitIn(change)));
  const TextList entries = readEntries(change, choose ? kChooseItem.pos : kPickUpItem.pos,
                                       form::kItemPickUp.entryWidth(), run.length);
  game_.state.changes.PendingChangeLength = static_cast<int>(run.length);
  game_.screen.GroupBox1.setText(choose ? kChooseCaption : kPickUpCaption);
  // Entries beyond the seventeen boxes have no box and are not offered.
  const int shown = std::min<int>(static_cast<int>(entries.size()), kChoiceBoxes);
  for (int k = 1; k <= shown; ++k) {
    const std::string& entry = entries[static_cast<std::size_t>(k - 1)];
    const int item = kPickUpEntryItem.numberIn(entry);
    const int pieces = kPickUpEntryPieces.digitIn(entry);
    offer.OfferList.push_back(entry);
    offers.CheckBoxKitolt(std::to_string(pieces) + " db " + game_.stores.items.Find(item).Name, k);
  }
  offer.OfferLimit = shown;
  waitForDecision(choose ? PendingKind::ChooseAtMost : PendingKind::PickUp, run);
}

void ItemChanges::setUpShop(std::string_view change, ChangeRun& run) {
  Offers offers(game_);
  offers.FelszTargyElokeszites(2);
  OfferState& offer = game_.state.offers;
  const TextList entries = readEntries(change, kShopItem.pos, form::kItemShop.entryWidth(), run.length);
  game_.state.changes.PendingChangeLength = static_cast<int>(run.length);
  game_.screen.GroupBox1.setText(kShopCaption);
  const std::string moneyName = game_.stores.items.Find(game_.state.CurrentBook.MoneyItem).Name;
  offer.OfferList.clear();
  const int shown = std::min<int>(static_cast<int>(entries.size()), kChoiceBoxes);
  for (int k = 1; k <= shown; ++k) {
    const std::string& entry = entries[static_cast<std::size_t>(k - 1)];
    const int item = kShopEntryItem.numberIn(entry);
    const int price = kShopEntryPrice.numberIn(entry);
    offer.OfferList.push_back(entry);
    offers.CheckBoxKitolt(game_.stores.items.Find(item).Name, k);
    offers.ArListaKitolt(std::to_string(price) + " " + moneyName, k);
  }
  offer.OfferLimit = shown;
  waitForDecision(PendingKind::Buy, run);
}

void ItemChanges::fillQuantityRows(const TextList& items) {
  Offers offers(game_);
  offers.FelszTargyElokeszites(3);
  for (int row = 1; row <= kQuantityRows; ++row) {
    if (row <= static_cast<int>(items.size())) {
      offers.TargyValasztoKitolt(game_.stores.items.Find(numberOf(items[static_cast<std::size_t>(row - 1)])).Name, "0", row);
    } else {
      offers.TargyValasztoKitolt("", "", row);
    }
  }
}

void ItemChanges::setUpQuantities(std::string_view change, ChangeRun& run) {
  OfferState& offer = game_.state.offers;
  const int most = kQuantitiesTotal.numberIn(change);
  TextList items = readEntries(change, kQuantitiesItem.pos, form::kItemQuantities.entryWidth(), run.length);
  for (const std::string& item : items) numberOf(item);
  // Items beyond the ten rows have no row and are not offered.
  if (items.size() > static_cast<std::size_t>(kQuantityRows)) items.resize(kQuantityRows);
  game_.state.changes.PendingChangeLength = static_cast<int>(run.length);
  fillQuantityRows(items);
  offer.OfferList = {std::string(kQuantitiesTotal.textIn(change))};
  offer.OfferList.insert(offer.OfferList.end(), items.begin(), items.end());
  offer.OfferChosen = 0;
  offer.OfferLimit = most;
  waitForDecision(PendingKind::Quantities, run);
}

void ItemChanges::setUpDemand(std::string_view change, ChangeRun& run) {
  Offers offers(game_);
  offers.FelszTargyElokeszites(0);
  OfferState& offer = game_.state.offers;
  offer.OfferList = {readCriterion(change, kCriterion.pos)};
  std::size_t end = kCriterion.pos + offer.OfferList[0].size();
  if (charAt(change, end) != '#') {
    offer.OfferList.push_back(readCriterion(change, end + 1));
    end += 1 + offer.OfferList[1].size();
  }
  run.length = end - 1;
  game_.state.changes.PendingChangeLength = static_cast<int>(run.length);
  offer.SelectionList.clear();
  offer.OfferLimit = 0;
  const bool two = offer.OfferList.size() == 2;
  const bool first = offers.TargyKivalasztasEllenorzes(0);
  // Criterion 1 is checked (and possibly rewritten) only when criterion 0 cannot be met.
  const bool second = two && !first && offers.TargyKivalasztasEllenorzes(1);
  // A demand that cannot be met at all is passed over without an offer.
  if (!first && !second) return;
  waitForDecision(two ? PendingKind::DemandEither : PendingKind::Demand, run);
}

void ItemChanges::setUpGiveUp(std::string_view change, ChangeRun& run) {
  Offers offers(game_);
  offers.FelszTargyElokeszites(0);
  OfferState& offer = game_.state.offers;
  offer.OfferLimit = kGiveUpTotal.numberIn(change);
  offer.OfferList = readEntries(change, kGiveUpItem.pos, form::kItemGiveUp.entryWidth(), run.length);
  for (const std::string& item : offer.OfferList) numberOf(item);
  offer.SelectionList.clear();
  game_.state.changes.PendingChangeLength = static_cast<int>(run.length);
  // With no acceptable item held (or none asked for) there is nothing to pick.
  if (offer.OfferLimit < 1 || !offers.acceptableLeft()) return;
  waitForDecision(PendingKind::GiveUp, run);
}

void ItemChanges::setUpExchange(std::string_view change, ChangeRun& run) {
  Offers(game_).FelszTargyElokeszites(0);
  OfferState& offer = game_.state.offers;
  const int wanted = kExchangeWanted.digitIn(change);
  const int mostOffered = kExchangeMost.digitIn(change);
  run.length = exchangeLength(change);
  readItems(change, givenItemsAt(wanted), kExchangeGiven.digitIn(change));
  offer.SelectionList.clear();
  offer.ExchangeCounts.clear();
  offer.OfferList = {"1", std::to_string(wanted)};
  const TextList items = readItems(change, kExchangeItem.pos, wanted);
  offer.OfferList.insert(offer.OfferList.end(), items.begin(), items.end());
  game_.state.changes.PendingChangeLength = mostOffered;
  waitForDecision(PendingKind::ExchangeOffer, run);
}

bool ItemChanges::closeExchange(std::string_view change, ChangeRun& run) {
  OfferState& offer = game_.state.offers;
  const int wanted = kExchangeWanted.digitIn(change);
  const int given = kExchangeGiven.digitIn(change);
  TextList items = readItems(change, givenItemsAt(wanted), given);
  if (items.size() > static_cast<std::size_t>(kQuantityRows)) items.resize(kQuantityRows);
  if (!offer.OfferList.empty() && offer.OfferList.front() == "1") {
    // Nothing offered: the exchange does not take place.
    if (offer.SelectionList.empty()) return false;
    offer.OfferList = {"2", std::to_string(given)};
    offer.OfferList.insert(offer.OfferList.end(), items.begin(), items.end());
    offer.OfferChosen = 0;
    offer.OfferLimit = static_cast<int>(offer.SelectionList.size());
    fillQuantityRows(items);
    waitForDecision(PendingKind::ExchangeReceive, run);
    return true;
  }
  Offers(game_).loseSelectedItems();
  Equipment equipment(game_);
  for (std::size_t row = 0; row < items.size() && row < offer.ExchangeCounts.size(); ++row) {
    const int count = numberOf(offer.ExchangeCounts[row]);
    const int item = numberOf(items[row]);
    if (count > 0 && game_.stores.items.Contains(item)) equipment.gainItem(item, count);
  }
  return false;
}

}  // namespace zrx
