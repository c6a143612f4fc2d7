#include "random_player.h"

#include "battle.h"
#include "chapter_codes.h"
#include "dice_tests.h"
#include "equipment.h"
#include "information.h"
#include "navigation.h"
#include "offers.h"
#include "page_signal.h"
#include "save_load_screen.h"

namespace zrx::playtest {
namespace {

constexpr int kProgress = 12;  // weight of an action that moves the game on
constexpr int kAside = 1;      // weight of using a possession, saving, loading
constexpr int kRisky = 2;      // weight of flight and the special weapon
constexpr int kMark = 3;       // weight of marking a choice or changing a quantity
constexpr double kWrongGuess = 0.3;
constexpr const char* kPageCommands[] = {"történet", "kalandlap", "tárgyak", "próbák", "információk", "varázslatok"};

bool available(const Control& control) { return control.enabled() && control.visible(); }

}  // namespace

RandomPlayer::RandomPlayer(Game& game, SaveRandom& saveRandom, std::mt19937& choices, std::vector<std::string>& script)
    : game_(game), saveRandom_(saveRandom), choices_(choices), script_(script) {
  for (int box = 1; box <= kChoiceBoxes; ++box) boxes_[static_cast<std::size_t>(box - 1)] = &game.screen.CheckBox(box);
  for (int row = 1; row <= kQuantityRows; ++row) {
    rows_[static_cast<std::size_t>(row - 1)] = &game.screen.FT_SpinButton(row);
    counts_[static_cast<std::size_t>(row - 1)] = &game.screen.FT_LabelDB(row);
  }
}

std::string RandomPlayer::offerMarks() const {
  std::string marks;
  for (const Control* box : boxes_) marks += static_cast<char>('0' + box->value());
  for (const Control* count : counts_) marks += count->text() + ",";
  return marks;
}

std::vector<PlayerAction> RandomPlayer::offered() {
  std::vector<PlayerAction> actions;
  if (!game_.state.GameLoaded) return actions;
  addPageAction(actions);
  addContinuations(actions);
  addTests(actions);
  addOffers(actions);
  addPossessions(actions);
  addSaveAndLoad(actions);
  return actions;
}

bool RandomPlayer::play(const std::vector<PlayerAction>& actions) {
  int total = 0;
  for (const PlayerAction& action : actions) total += action.weight;
  int pick = uniform(total);
  const PlayerAction* chosen = &actions.front();
  for (const PlayerAction& action : actions) {
    if (pick < action.weight) {
      chosen = &action;
      break;
    }
    pick -= action.weight;
  }
  script_.push_back(chosen->command);
  // A malformed book code is shown through the UI port, which the run reads.
  game_.Perform(chosen->run);
  if (game_.state.GameLoaded) game_.Perform([this] { PageSignal(game_).TimerAlarmTimer(); });
  return chosen->progress;
}

void RandomPlayer::addPageAction(std::vector<PlayerAction>& actions) {
  const int page = SignalPage(game_.state.navigation.PendingKind);
  if (page < 0 || page > 5 || game_.screen.PageControl1.value() == page) return;
  actions.push_back({kPageCommands[page], [this, page] { PageSignal(game_).PageControl1Change(page); }, kProgress,
                     true});
}

void RandomPlayer::addContinuations(std::vector<PlayerAction>& actions) {
  const NavigationState& nav = game_.state.navigation;
  if (nav.TypedChoiceMode) {
    if (nav.NextChapterList.size() < 2) return;
    int typed = ChapterCodeNumber(nav.NextChapterList[1]);
    if (std::bernoulli_distribution(kWrongGuess)(choices_)) typed = 1 + uniform(std::max(game_.state.CurrentBook.LastChapter, 1));
    const std::string text = std::to_string(typed);
    actions.push_back({"tovább " + text, [this, text] {
                         Navigation(game_).EditNextChange(text);
                         Navigation(game_).KlikkFejezetPontKivalasztas();
                       }, kProgress, true});
    return;
  }
  const Control& list = game_.screen.ListBoxNext;
  if (!list.visible()) return;
  for (std::size_t i = 0; i < list.items().size(); ++i) {
    const int index = static_cast<int>(i);
    actions.push_back({"tovább " + list.items()[i], [this, index] {
                         Navigation(game_).ListBoxNextClick(index);
                         Navigation(game_).KlikkFejezetPontKivalasztas();
                       }, kProgress, true});
  }
}

void RandomPlayer::addTests(std::vector<PlayerAction>& actions) {
  ScreenModel& s = game_.screen;
  if (available(s.LabelSzProba)) {
    actions.push_back({"szerencse", [this] { DiceTests(game_).KlikkSzerencseProba(); }, kProgress, true});
  }
  for (int n = 1; n <= 4; ++n) {
    if (!available(s.LabelDobasKocka(n))) continue;
    actions.push_back({"dob " + std::to_string(n), [this, n] { DiceTests(game_).KlikkDobasKockaval(n); }, kProgress,
                       true});
  }
  if (available(s.BitBtn5)) actions.push_back({"harc", [this] { Battle(game_).KlikkCsata(); }, kProgress, true});
  if (available(s.LabelMenekules)) {
    actions.push_back({"menekül", [this] { Battle(game_).KlikkElmenekules(); }, kRisky, true});
  }
  if (available(s.LabelSpecFegyver)) {
    actions.push_back({"fegyver", [this] { Battle(game_).KlikkSpecFegyverAlkalmazas(); }, kRisky, true});
  }
}

void RandomPlayer::addOffers(std::vector<PlayerAction>& actions) {
  // The player acts on the offer's controls only while an offer waits.
  if (!IsItemOffer(game_.state.navigation.PendingKind)) return;
  ScreenModel& s = game_.screen;
  for (int box = 1; box <= kChoiceBoxes; ++box) {
    const Control& control = *boxes_[static_cast<std::size_t>(box - 1)];
    if (!available(control) || control.text().empty()) continue;
    actions.push_back({"jelöl " + std::to_string(box), [this, box] { Offers(game_).CheckBoxKlikk(box); }, kMark,
                       false});
  }
  for (int row = 1; row <= kQuantityRows; ++row) {
    if (!available(*rows_[static_cast<std::size_t>(row - 1)])) continue;
    const bool up = std::bernoulli_distribution(0.6)(choices_);
    actions.push_back({"darab " + std::to_string(row) + (up ? " +" : " -"), [this, row, up] {
                         if (up) Offers(game_).FT_SpinButtonUpClick(row);
                         else Offers(game_).FT_SpinButtonDownClick(row);
                       }, kMark, false});
  }
  if (available(s.LabelTargyFelvetel)) {
    actions.push_back({"felvesz", [this] { Offers(game_).KlikkTargyFelvetel(); }, kProgress, true});
  }
  if (!available(s.LabelTargyKivalasztas)) return;
  const int own = static_cast<int>(s.ListBox_FT.items().size());
  if (own > 0) {
    const int line = uniform(own);
    actions.push_back({"kiválaszt " + std::to_string(line + 1), [this, line] {
                         game_.screen.ListBox_FT.setSelection(line);
                         Offers(game_).KlikkTargyFelvetel();
                       }, kProgress, true});
  }
  // With no line marked the player offers nothing, as the text player's bare "kiválaszt".
  actions.push_back({"kiválaszt", [this] {
                       game_.screen.ListBox_FT.setSelection(-1);
                       Offers(game_).KlikkTargyFelvetel();
                     }, kProgress, true});
}

void RandomPlayer::addPossessions(std::vector<PlayerAction>& actions) {
  ScreenModel& s = game_.screen;
  if (const int items = static_cast<int>(s.ListBox_FT.items().size()); items > 0) {
    const int line = uniform(items);
    actions.push_back({"használ " + std::to_string(line + 1), [this, line] {
                         game_.screen.ListBox_FT.setSelection(line);
                         Equipment(game_).KlikkFelszTargyLista();
                         Equipment(game_).DuplaKlikkFelszTargyLista();
                       }, kAside, false});
  }
  if (const int infos = static_cast<int>(s.ListBox_IN.items().size()); infos > 0) {
    const int line = uniform(infos);
    // Using information is how the player answers a chapter point that waits for it.
    const bool awaited = game_.state.conditions.InfoUseAwaited;
    actions.push_back({"infohasznál " + std::to_string(line + 1), [this, line] {
                         game_.screen.ListBox_IN.setSelection(line);
                         Information(game_).ListBox_INClick();
                         Information(game_).ListBox_INDblClick();
                       }, awaited ? kProgress : kAside, awaited});
  }
}

void RandomPlayer::addSaveAndLoad(std::vector<PlayerAction>& actions) {
  if (!saving_) return;
  if (game_.state.SaveAllowed) {
    const std::string name = "Próba " + std::to_string(saved_.size() + 1);
    actions.push_back({"mentés " + name, [this, name] {
                         SaveLoadScreen screen(game_, SaveWindowMode::Save, saveRandom_);
                         std::string checked;
                         if (!screen.Open() || !screen.CheckSaveName(name, checked)) return;
                         if (screen.SaveGame(checked) == SaveWindowNext::Close) saved_.push_back(checked);
                       }, kAside, false});
  }
  if (saved_.empty()) return;
  // The save's place in the list is known once the window is open; the script line
  // written before the action is completed then.
  const std::string name = saved_[static_cast<std::size_t>(uniform(static_cast<int>(saved_.size())))];
  actions.push_back({"betöltés", [this, name] {
                       SaveLoadScreen screen(game_, SaveWindowMode::Load, saveRandom_);
                       const int position = screen.Open() ? screen.FindTypedName(name) : -1;
                       if (position < 0) return;
                       script_.back() = "betöltés " + std::to_string(position + 1);
                       if (screen.LoadGame(static_cast<std::size_t>(position)) == SaveWindowNext::Loaded) {
                         EnterLoadedGame(game_);
                       }
                     }, kAside, false});
}

}  // namespace zrx::playtest
