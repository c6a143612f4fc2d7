// The player's choice of a continuation: from the list, or by typing its number.
#include <charconv>
#include <optional>

#include "book_code.h"
#include "chapter_codes.h"
#include "condition_grammar.h"
#include "game.h"
#include "lifecycle.h"
#include "navigation.h"

namespace zrx {
namespace {

std::optional<int> parseInteger(const std::string& text) {
  int value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || first == last) return std::nullopt;
  return value;
}

constexpr const char* kWrongValue = "Rossz értéket adtál meg!";

}  // namespace

void Navigation::KlikkFejezetPontKivalasztas() {
  if (!game_.state.GameLoaded) return;
  if (game_.state.navigation.TypedChoiceMode) {
    typedChoice();
    return;
  }
  const Control& list = game_.screen.ListBoxNext;
  const int selected = list.selection();
  if (selected < 0 || selected >= static_cast<int>(list.items().size())) {
    switchToPendingPage();
    return;
  }
  chooseListEntry(list.items()[static_cast<std::size_t>(selected)]);
}

void Navigation::switchToPendingPage() {
  // The story page itself (a continuation to choose) is no page to switch to.
  const int page = SignalPage(game_.state.navigation.PendingKind);
  if (page > kStoryPage) game_.screen.PageControl1.setValue(page);
}

void Navigation::chooseListEntry(const std::string& entry) {
  if (entry == kEndFailureEntry) {
    Lifecycle(game_).Befejez();
  } else if (entry == kEndVictoryEntry) {
    game_.ui().VictoryWindow();
    Lifecycle(game_).Befejez();
  } else {
    goToChapter(numberOf(entry));
  }
}

void Navigation::typedChoice() {
  const NavigationState& nav = game_.state.navigation;
  // Typed mode keeps the chapter point's conditions and codes in place of the entries.
  if (nav.NextChapterList.size() < 2) return;
  const std::string typedCode = nav.NextChapterList[0];
  const std::string codes = nav.NextChapterList[1];
  constexpr const grammar::Field& attemptsField = grammar::condition::kTyped.field("attempts");
  const int attempts = attemptsField.digitIn(typedCode);
  const int correct = ChapterCodeNumber(codes);
  const auto typed = parseInteger(game_.screen.EditNext.text());
  UiPort& ui = game_.ui();
  if (!typed) {
    ui.QuestionFormInfo("Számot kell megadnod!", "");
    return;
  }
  if (*typed == correct) {
    ui.QuestionFormInfo("Helyes értéket adtál meg!", "");
    game_.state.navigation.WrongGuessCount = 1;
    leaveTypedMode();
    goToChapter(correct);
    return;
  }
  const int wrong = ++game_.state.navigation.WrongGuessCount;
  if (attempts >= wrong) {
    ui.QuestionFormInfo(kWrongValue, "Próbálkozz újra!");
    game_.screen.EditNext.setText("");
    return;
  }
  const std::string_view fallback = fieldAt(codes, 4, 3);
  if (fallback == kEndFailureCode) {
    ui.QuestionFormInfo(kWrongValue, "Kalandod itt véget ér!");
    leaveTypedMode();
    Lifecycle(game_).HalalAblak();
    return;
  }
  const int next = ChapterCodeNumber(fallback);
  ui.QuestionFormInfo(kWrongValue, "");
  leaveTypedMode();
  goToChapter(next);
}

void Navigation::leaveTypedMode() {
  game_.state.navigation.TypedChoiceMode = false;
  game_.state.navigation.NextChapterList.clear();
  ScreenModel& screen = game_.screen;
  screen.ListBoxNext.setVisible(true);
  screen.LabelLehetosegek.setText("Lehetőségek:");
  screen.EditNext.setText("");
  screen.EditNext.setVisible(false);
}

void Navigation::goToChapter(int chapter) {
  game_.state.CurrentChapter = chapter;
  ScreenModel& screen = game_.screen;
  screen.ListBoxNext.clearItems();
  game_.state.navigation.NextChapterList.clear();
  hideChoiceHints();
  screen.EditNext.setVisible(false);
  FejezetPont();
}

void Navigation::hideChoiceHints() {
  game_.screen.LabelNext1.setVisible(false);
  game_.screen.LabelNext2.setVisible(false);
  game_.screen.NyilRajz.setVisible(false);
}

void Navigation::ListBoxNextClick(int index) {
  Control& list = game_.screen.ListBoxNext;
  list.setSelection(index);
  if (list.selection() < 0) return;
  showChoice(list.items()[static_cast<std::size_t>(list.selection())]);
}

void Navigation::EditNextChange(const std::string& text) {
  game_.screen.EditNext.setText(text);
  if (!text.empty()) showChoice(text);
}

void Navigation::showChoice(const std::string& text) {
  Control& hint = game_.screen.LabelNext1;
  hint.setText(" " + text + " ");
  hint.setColour(Colour::DarkBlue);
  hint.setVisible(true);
  game_.screen.NyilRajz.setVisible(true);
}

}  // namespace zrx
