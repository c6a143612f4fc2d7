// Page marks: which page waits for the player, and what returning to the story page resets.
#include "game.h"
#include "navigation.h"
#include "dice_tests.h"
#include "offers.h"

namespace zrx {
namespace {

void highlight(Control& action) {
  action.setEnabled(true);
  action.setColour(Colour::DarkBlue);
}

void highlightUnlessEnabled(Control& action) {
  if (!action.enabled()) highlight(action);
}

}  // namespace

void Navigation::OldalValtasJelzes(int kind, bool startBlink) {
  ScreenModel& screen = game_.screen;
  if (kind == ToInt(PendingKind::LuckTest)) {
    highlight(screen.LabelSzProba);
    screen.LabelSZPErtek.setText(std::to_string(game_.state.values.Luck));
    screen.LabelSZPErtek.setVisible(true);
  } else if (kind >= ToInt(PendingKind::Roll1) && kind <= ToInt(PendingKind::Roll4)) {
    highlight(screen.LabelDobasKocka(kind));
  } else if (IsItemOffer(kind)) {
    // An offer of own items is confirmed by the choice action, the others by the pick-up.
    highlightUnlessEnabled(picksOwnItems(kind) ? screen.LabelTargyKivalasztas : screen.LabelTargyFelvetel);
  }
  if (startBlink) {
    screen.TimerAlarm.setValue(game_.state.navigation.PendingKind);
    screen.TimerAlarm.setEnabled(true);
  }
}

void Navigation::ValtasBeallitas() {
  for (char& mark : game_.state.navigation.PageMarks) {
    if (mark == '1' || mark == '2') mark = '3';
  }
}

void Navigation::ValtasVizsgalat() {
  const std::string marks = game_.state.navigation.PageMarks;
  for (std::size_t i = 0; i < marks.size(); ++i) {
    if (marks[i] != '3') continue;
    switch (i + 1) {
      case 1: case 5: case 6:
        DiceTests(game_).ProbakCsatakAlaphelyzet();
        hideChoiceHints();
        break;
      case 2:
        Offers(game_).FelszTargyAlaphelyzet();
        hideChoiceHints();
        break;
      case 3:
        hideChoiceHints();
        break;
      default: break;
    }
  }
}

}  // namespace zrx
