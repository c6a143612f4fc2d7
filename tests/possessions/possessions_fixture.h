#pragma once
// A running game with a small book filled in code: the three main characteristics, a
// counting-up special one, and whatever items, information and spells a test adds.
#include <string>
#include <vector>

#include "characteristics.h"
#include "equipment.h"
#include "game_fixture.h"

namespace zrx::test {

class PossessionsFixture : public GameFixture {
 protected:
  PossessionsFixture() {
    game.state.GameLoaded = true;
    game.state.CurrentBook = {.Number = 1, .SpecialValueCount = 1, .SpecialValueCodes = "05"};
    setValue({.Number = 1, .Current = 10, .Minimum = 0, .Start = 10, .Name = "Ügyesség"});
    setValue({.Number = 2, .LimitFatal = 1, .Current = 15, .Minimum = 0, .Start = 20, .Name = "Életerő"});
    setValue({.Number = 3, .Current = 8, .Minimum = 0, .Start = 9, .Name = "Szerencse"});
    setValue({.Number = 5, .CountsUp = 1, .LimitFatal = 1, .Current = 6, .Minimum = 0, .Start = 12,
              .Name = "Félelem"});
  }

  // Adds a characteristic, or sets the three values of one that exists (its flags
  // stay); the main ones are mirrored into the game state.
  void setValue(const TBaseValueRec& rec) {
    Characteristics c(game);
    game.stores.baseValues.Insert(rec);
    c.AlapErtekInicializalas(rec.Number, true, rec.Current, rec.Start, rec.Minimum);
    c.FoAlapErtekVisszaIras();
  }
  TBaseValueRec value(int number) const { return game.stores.baseValues.Find(number); }

  void addItem(const TInventoryRec& rec) { game.stores.items.Insert(rec); }
  int count(int item) const { return game.stores.items.Find(item).Count; }

  const TextList& held() const { return game.state.equipment.EquipmentList; }
  const std::vector<std::string>& shownItems() const { return game.screen.ListBox_FT.items(); }
  int inUse(int category) const { return game.state.equipment.EquippedItems[category]; }

  // Selects the line of an item on the equipment list, as the player's click does.
  void selectItem(const std::string& number) {
    for (std::size_t i = 0; i < held().size(); ++i) {
      if (held()[i] == number) game.screen.ListBox_FT.setSelection(static_cast<int>(i));
    }
  }

  Equipment equipment{game};
};

}  // namespace zrx::test
