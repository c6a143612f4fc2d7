#pragma once
// Item offers on the equipment page: items to pick up, a choice of at most N, a shop, a
// choice of quantities, demands to give up own items, and the two phases of an exchange.
// A chapter point's item change prepares the offer and pauses; the player marks choices
// and confirms here; the decision is carried out with the gain and loss rules and the
// special changes go on (SpecialChanges::resume with ResumeQueue).
#include <functional>
#include <string>

#include "control_catalogue.h"
#include "game.h"
#include "pending_kind.h"

namespace zrx {

// True for the kinds in which the player picks own items from the equipment list.
bool picksOwnItems(int kind);

// The text as it fits into `maxWidth`: whole, or cut by 1, 2, ... characters from its end
// with "..." appended, the first cut that fits ("..." alone when none does).
std::string ShortenToWidth(const std::string& text, int maxWidth,
                           const std::function<int(const std::string&)>& width);

class Offers {
 public:
  explicit Offers(Game& game) : game_(game) {}

  // Arranges the equipment page: 0 plain (boxes, prices and rows emptied, commands off),
  // 1 choice boxes, 2 choice boxes with prices, 3 quantity rows.
  void FelszTargyElokeszites(int layout);
  // The page's own arrangement without any offer part.
  void FelszTargyAlaphelyzet();
  // Choice box i (1..17): the text, shortened to the box; an empty text unchecks and hides it.
  void CheckBoxKitolt(const std::string& text, int i);
  // Price label i (1..17).
  void ArListaKitolt(const std::string& text, int i);
  // Quantity row i (1..10): name and count; an empty name clears the row and hides its button.
  void TargyValasztoKitolt(const std::string& name, const std::string& count, int i);

  // The player's input: marking a choice box, the quantity buttons of row 1..10, confirm.
  void CheckBoxKlikk(int i);
  void FT_SpinButtonUpClick(int row);
  void FT_SpinButtonDownClick(int row);
  void KlikkTargyFelvetel();

  // Whether criterion entry i (0 or 1) of a demand can be met; lowers its amount to what
  // the player holds where that still meets it in part.
  bool TargyKivalasztasEllenorzes(int i);
  // Ends the picking of own items: the choice command goes off, the change closes.
  void TargyCsereUjrainditas();
  // Whether an own item may be picked in the pending give-up offer or exchange, and
  // whether a held one is left that has not been picked yet.
  bool acceptable(int item) const;
  bool acceptableLeft() const;
  // Every own item picked in SelectionList loses one piece; the list is emptied.
  void loseSelectedItems();
  // Ends an offer whose decision is carried out: plain page, the change closes.
  void finishOffer();

 private:
  enum class Judgement { Finished, Collected, AlreadyPicked, Rejected };

  int checkBoxWidth() const;
  bool marked(int box) const;
  int rowCount(int row) const;
  void setRowCount(int row, int count);
  int moneyItem() const { return game_.state.CurrentBook.MoneyItem; }
  int selectedOwnItem() const;
  void clearOwnSelection();

  // One confirm per kind (offer_confirm.cpp, offer_shop.cpp, offer_demand.cpp, offer_own_items.cpp).
  void confirmPickUp();
  void confirmChooseAtMost();
  void gainMarkedEntries();
  void confirmBuy();
  void sellValuables(int money);
  void confirmDemand(int criteria);
  Judgement judgeCriterion(int index, int item);
  Judgement judgeItemDemand(const std::string& criterion, int item);
  Judgement judgeMoneyDemand(const std::string& criterion, int index, int item);
  Judgement judgeKindDemand(const std::string& criterion, int item);
  bool askGiveUp();
  void confirmQuantities();
  void confirmExchangeOffer();
  void closeExchangeQuestion();
  void offerForExchange(int item);
  void confirmExchangeReceive();
  void confirmGiveUp();

  Game& game_;
};

}  // namespace zrx
