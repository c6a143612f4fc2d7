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
  // The input changed: it is held to its 255 characters, and the write command is enabled
  // exactly when there is text to write.
  void Memo_SIChange();

  // The most characters the note input box takes; a line break counts as one.
  static constexpr std::size_t kInputLimit = 255;

 private:
  bool inputHoldsText() const;
  // Cuts the input box's text to kInputLimit characters.
  void limitInput();
  // The number box's slot, kept within 1..5.
  int chosenSlot() const;

  Game& game_;
};

}  // namespace zrx
