#include "own_notes.h"

#include <algorithm>

#include "possession_texts.h"
#include "win1250.h"

namespace zrx {

bool OwnNotes::inputHoldsText() const {
  const auto& lines = game_.screen.Memo_SI.items();
  // Two or more lines hold at least a line break.
  return lines.size() > 1 || (lines.size() == 1 && !lines.front().empty());
}

int OwnNotes::chosenSlot() const { return std::clamp(game_.screen.SpinEditINFO.value(), 1, 5); }

void OwnNotes::KlikkSajatInfoBeiras() {
  if (!game_.state.GameLoaded || !inputHoldsText()) return;
  const std::string note = composeOwnNote(game_.screen.Memo_SI.items());
  // Notes are saved in Windows-1250; a character it cannot hold is refused here, where it was typed.
  if (!FitsWin1250(note)) {
    game_.ui().QuestionFormInfo("A Saját Információ olyan karaktert tartalmaz,",
                                "amelyet a program nem tud eltárolni!");
    return;
  }
  const int slot = chosenSlot();
  game_.state.knowledge.OwnNotes[static_cast<std::size_t>(slot)] = note;
  game_.ui().QuestionFormInfo("Eltároltad a " + std::to_string(slot) + ". Saját", "Információdat!");
  game_.screen.Memo_SI.clearItems();
  game_.screen.SpinEditINFO.setValue(1);
  game_.screen.LabelSajatInfoBeir.setEnabled(false);
}

void OwnNotes::KlikkSajatInfoMegjelenites() {
  if (!game_.state.GameLoaded) return;
  const std::string& note = game_.state.knowledge.OwnNotes[static_cast<std::size_t>(chosenSlot())];
  if (note.empty()) {
    game_.ui().QuestionFormInfo("Nincs Saját Információd az", "adott sorszámon!");
    return;
  }
  game_.screen.MemoIN_Leir.setItems({note});
}

void OwnNotes::Memo_SIChange() {
  if (game_.state.GameLoaded) game_.screen.LabelSajatInfoBeir.setEnabled(inputHoldsText());
}

}  // namespace zrx
