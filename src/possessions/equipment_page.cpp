// The equipment page's list: details on selection, use or switch on a double click.
#include "equipment.h"
#include "effect_code.h"
#include "offers.h"
#include "possession_texts.h"

namespace zrx {

bool Equipment::ask(const std::string& line1, const std::string& line2) {
  game_.state.QuestionAnswer = game_.ui().QuestionFormKerdes(line1, line2);
  return game_.state.QuestionAnswer;
}

void Equipment::KlikkFelszTargyLista() {
  const int index = list().selectedIndex();
  if (!game_.state.GameLoaded || index < 0) return;
  const int item = list().numberAt(index);
  const TInventoryRec rec = find(item);
  const bool inUse =
      hasInUseSlot(rec.Category) && game_.state.equipment.EquippedItems[rec.Category] == item;
  game_.screen.MemoFT_Leir.setItems(itemDetailLines(rec, inUse));
}

void Equipment::DuplaKlikkFelszTargyLista() {
  const GameState& state = game_.state;
  const int index = list().selectedIndex();
  if (!state.GameLoaded || state.battle.BattleRunning ||
      picksOwnItems(state.navigation.PendingKind) || index < 0) {
    return;
  }
  const int item = list().numberAt(index);
  const TInventoryRec rec = find(item);
  if (effectCodeIs(rec.UseCode, 'A')) {
    if (ask("Biztosan felhasználod ezt a Felszerelési", "Tárgyat?")) {
      TargyFelhasznalas(rec.UseCode, item);
    }
    return;
  }
  const int category = rec.Category;
  if (!hasInUseSlot(category)) return;
  if (state.equipment.SlotLocked[category]) {
    game_.ui().QuestionFormInfo("Az aktuális fejezetponton nem válthatsz Tárgyat az adott",
                                "tárgy kategóriájában!");
    return;
  }
  const int inUse = state.equipment.EquippedItems[category];
  if (inUse == item) return;
  const std::string inUseName = inUse != 0 ? find(inUse).Name : std::string();
  if (ask("Szeretnéd ezentúl ezt a Tárgyat használni?", switchQuestionSecondLine(inUseName))) {
    switchInUse(item);
  }
}

}  // namespace zrx
