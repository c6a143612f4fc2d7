#pragma once
// The player's own notes ("Saját információk"): five numbered slots of free text,
// written from the note input box and shown in the information description box.
#include "game.h"

namespace zrx {

class OwnNotes {
 public:
  explicit OwnNotes(Game& game) : game_(game) {}

  // "Információ felírása": stores the input as the note of the slot chosen in the number box.
  void KlikkSajatInfoBeiras();
  // "Információ megjelenítése": shows the note of the chosen slot.
  void KlikkSajatInfoMegjelenites();
  // The input changed: the write command is enabled exactly when there is text to write.
  void Memo_SIChange();

 private:
  bool inputHoldsText() const;
  // The number box's slot, kept within 1..5.
  int chosenSlot() const;

  Game& game_;
};

}  // namespace zrx
