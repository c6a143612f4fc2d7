#include "own_notes.h"

#include <algorithm>

#include "hungarian_article.h"
#include "possession_texts.h"
#include "win1250.h"

namespace zrx {

bool OwnNotes::inputHoldsText() const {
  const auto& lines = game_.screen.Memo_SI.items();
  // Two or more lines hold at least a line break.
  return lines.size() > 1 || (lines.size() == 1 && !lines.front().empty());
}

void OwnNotes::limitInput() {
  TextList lines = game_.screen.Memo_SI.items();
  std::size_t room = kInputLimit;
  bool cut = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t length = Utf8Length(lines[i]);
    if (length > room) {
      lines[i] = Utf8Cut(lines[i], room);
      lines.resize(i + 1);
      cut = true;
      break;
    }
    room -= length;
    // The break before the next line takes a character too.
    if (i + 1 < lines.size()) {
      if (room == 0) {
        lines.resize(i + 1);
        cut = true;
        break;
      }
      --room;
    }
  }
  if (cut) game_.screen.Memo_SI.setItems(lines);
}

int OwnNotes::chosenSlot() const { return std::clamp(game_.screen.SpinEditINFO.value(), 1, 5); }

void OwnNotes::KlikkSajatInfoBeiras() {
  if (!game_.state.GameLoaded || !inputHoldsText()) return;
  limitInput();
  const std::string note = composeOwnNote(game_.screen.Memo_SI.items());
  // Notes are saved in Windows-1250; a character it cannot hold is refused here, where it was typed.
  if (!FitsWin1250(note)) {
    game_.ui().QuestionFormInfo("A Saját Információ olyan karaktert tartalmaz,",
                                "amelyet a program nem tud eltárolni!");
    return;
  }
  const int slot = chosenSlot();
  game_.state.knowledge.OwnNotes[static_cast<std::size_t>(slot)] = note;
  game_.ui().QuestionFormInfo("Eltároltad " + ArticleBefore(slot) + " " + std::to_string(slot) + ". Saját",
                              "Információdat!");
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
  limitInput();
  if (game_.state.GameLoaded) game_.screen.LabelSajatInfoBeir.setEnabled(inputHoldsText());
}

}  // namespace zrx
