#pragma once
// The player's equipment: items held (EquipmentList with its list box), their counts
// in the item store, the item in use per wearable category and its modifiers, using
// and switching items from the equipment page. Money is the item named by the book's
// MoneyItem and follows the same rules.
//
// The gain rule and the loss rule are the one way in which the player receives or
// gives up pieces of an item; special changes and offers go through them.
#include <string>
#include <string_view>

#include "game.h"
#include "shown_list.h"

namespace zrx {

// Categories 1..6 (weapon, shield, clothing, helmet, footwear, gloves) have an item in use.
bool hasInUseSlot(int category);

class Equipment {
 public:
  explicit Equipment(Game& game) : game_(game) {}

  // Gain rule: the player receives `pieces` pieces of the item (fewer than 1 does
  // nothing). A unique item is never counted above 1. A newly held item is appended
  // to the lists and put in use when its category has none.
  void gainItem(int item, int pieces);
  // Loss rule: the player gives up `pieces` pieces of the item (fewer than 1 does
  // nothing). When none is left the item is taken out of use and leaves the lists.
  // The count never goes below 0.
  void loseItem(int item, int pieces);
  // Direct count change: stores `count` (at least 0, at most 1 for a unique item); an
  // item that becomes held is appended and put in use, one no longer held is taken out
  // of use and removed.
  void setHeldCount(int item, int count);
  // Puts a held item in use in its category (reversing the previous item's modifiers)
  // and locks the category for the rest of the chapter point. An item not held, or of
  // a category without an in-use slot, changes nothing.
  void equipAndLock(int item);
  // Makes the item the one in use of its category: the previous item's modifiers are
  // reversed, the new one's applied.
  void switchInUse(int item);
  // Replaces a held item by another one not held, in the same list position; the new
  // item takes over the old one's count. In-use state is left alone.
  void replaceHeld(int oldItem, int newItem);
  // Appends a held item to the lists without the gain rule (a restored saved game).
  void appendHeld(int item);

  bool holds(int item) const;
  int count(int item) const;
  // The player's money: the count of the book's money item.
  int money() const { return count(game_.state.CurrentBook.MoneyItem); }

  // Put in use ("+") or take out of use ("-").
  void TargyErtekVizsgalat(int item, char sign);
  // Applies ("+") or reverses ("-") the item's in-use modifiers on start values.
  void TargyErtekValtoztatas(int item, char sign);
  // Uses one piece of a usable item with the given effect code.
  void TargyFelhasznalas(std::string_view code, int item);
  // The item store's set-count operation.
  void TargyDBSzamModositas(int item, int count);

  // Equipment page: the selected item's details; use or switch on a double click.
  void KlikkFelszTargyLista();
  void DuplaKlikkFelszTargyLista();

 private:
  ShownList list() const { return {game_.state.equipment.EquipmentList, &game_.screen.ListBox_FT}; }
  TInventoryRec find(int item) const { return game_.stores.items.Find(item); }
  // Puts a newly held item in use and in the lists; counted as an item gained.
  void takeIntoLists(int item);
  // Removes the item from the lists after its last piece is gone; counted as an item lost.
  void dropFromLists(int item);
  // A yes/no question; the answer is kept in QuestionAnswer as well.
  bool ask(const std::string& line1, const std::string& line2);
  // Keeps the game's mirror of a main start value in step with its record.
  void mirrorMainStart(int characteristic);

  Game& game_;
};

}  // namespace zrx
