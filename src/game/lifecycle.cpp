#include "lifecycle.h"

#include <array>

#include "characteristics.h"
#include "dice_tests.h"
#include "navigation.h"
#include "offers.h"

namespace zrx {
namespace {

// Error codes of the game start's three loads.
constexpr std::array<ResultCode, 15> kGameDataErrors = {{
    {-1, 1020}, {-2, 1021}, {-3, 1010}, {-4, 1011}, {-5, 1002}, {-6, 1003}, {-7, 1004}, {-8, 1005},
    {-9, 1006}, {-10, 1019}, {-11, 1018}, {-12, 1007}, {-13, 1008}, {-14, 1009}, {-15, 1001}}};
constexpr std::array<ResultCode, 8> kChapterTextErrors = {{
    {-1, 1016}, {-2, 1017}, {-3, 1012}, {-4, 1013}, {-5, 1024}, {-6, 1023}, {-10, 1015}, {-11, 1014}}};
constexpr std::array<ResultCode, 8> kChapterPictureErrors = {{
    {-1, 1029}, {-2, 1030}, {-3, 1025}, {-4, 1026}, {-5, 1038}, {-6, 1036}, {-10, 1028}, {-11, 1027}}};

// A data file without the chosen book, or with a book that has no chapter texts, is a
// broken book table: reported like unreadable book records.
constexpr int kMissingBookCode = 1002;

constexpr const char* kIdleStoryName = "A Zengő Rengeteg Krónikája világában jársz...";

}  // namespace

const char* DifficultyText(int difficulty) {
  switch (difficulty) {
    case 0: return "Könnyű";
    case 1: return "Normál";
    case 2: return "Véletlen";
    default: return "";
  }
}

void Lifecycle::KlikkKezdes() {
  if (!game_.state.GameLoaded) {
    Indit();
    return;
  }
  game_.state.QuestionAnswer =
      game_.ui().confirmDiscard("Biztos, hogy befejezed a játékot, és kezdesz egy", "újat?");
  if (!game_.state.QuestionAnswer) return;
  DiceTests(game_).ProbakCsatakAlaphelyzet();
  // The equipment page is reset by Befejez, and again by the new game's start.
  TortenetAlaphelyzet();
  Befejez();
  // A failure of the ended game's pictures was shown as it was reported; the program ends.
  if (game_.errors.FatalErrorFlag()) return;
  Indit();
}

void Lifecycle::KlikkBefejezes() {
  if (!game_.state.GameLoaded) return;
  game_.state.QuestionAnswer = game_.ui().confirmDiscard("Biztos, hogy befejezed a játékot?", "");
  if (!game_.state.QuestionAnswer) return;
  DiceTests(game_).ProbakCsatakAlaphelyzet();
  // Befejez resets the equipment page and closes any offer on it.
  TortenetAlaphelyzet();
  Befejez();
}

void Lifecycle::Indit() {
  // A reported error blocks every window; the error window ends the program.
  if (game_.errors.FatalErrorFlag()) {
    game_.ui().ErrorWindow(game_.errors);
    return;
  }
  game_.state.PendingWindow = 1;
  const std::optional<NewGameChoice> choice = game_.ui().NewGameScreen();
  // A minimised screen leaves its code for the restore, which opens it again.
  if (game_.state.PendingWindow < 2) game_.state.PendingWindow = 0;
  if (choice) Indit(*choice);
}

void Lifecycle::Indit(const NewGameChoice& choice) {
  if (!choice.bookLoaded) loadChosenBook(choice);
  if (game_.errors.FatalErrorFlag()) {
    game_.ui().ErrorWindow(game_.errors);
    return;
  }
  if (game_.state.GameLoaded) JatekKezdes();
}

bool Lifecycle::loadChosenBook(const NewGameChoice& choice) {
  GameState& state = game_.state;
  // A new book never shares the stores with a running one.
  if (state.GameLoaded) Befejez();
  state.SourceName = choice.package;
  state.BookNumber = choice.bookNumber;
  state.BookCount = choice.bookCount;
  state.Difficulty = choice.difficulty;
  if (JatekInicializalas() && !game_.errors.FatalErrorFlag()) {
    // The new-game screen's cover of the book stays in the picture frame until the first picture.
    game_.screen.Image1.setPicture({PictureRef::Source::Cover, choice.bookNumber - 1});
    state.GameLoaded = true;
  }
  return state.GameLoaded;
}

bool Lifecycle::JatekInicializalas() {
  GameState& state = game_.state;
  BookLoader& loader = game_.loader();
  const int data = loader.LoadGameData(state.SourceName, state.BookNumber, game_.stores);
  if (data < 1) {
    ReportResult(game_.errors, kGameDataErrors, data);
    releaseBook();
    return false;
  }
  state.CurrentBook = game_.stores.books.Find(state.BookNumber);
  const TBookRec& book = state.CurrentBook;
  if (book.Number == kAbsentRecord || book.ChapterCount < 1) {
    game_.errors.HibaHozzairas(kMissingBookCode);
    releaseBook();
    return false;
  }
  state.ChapterTexts.assign(static_cast<std::size_t>(book.ChapterCount), TextList{});
  state.ChapterPictures.assign(book.ChapterPictureCount, Picture{});
  state.DecorPictures.assign(book.DecorPictureCount, Picture{});

  const int texts = loader.LoadChapterTexts(state.SourceName, state.BookNumber, book.ChapterCount,
                                            state.ChapterTexts);
  if (texts < 1) {
    ReportResult(game_.errors, kChapterTextErrors, texts);
    releaseBook();
    return false;
  }
  if (book.ChapterPictureCount != 0 || book.DecorPictureCount != 0) {
    std::shared_ptr<PictureLoad> load = loader.StartChapterPictures(
        state.SourceName, state.BookNumber, book.DecorPictureCount, book.ChapterPictureCount);
    if (load->finished()) {
      // Done at once (or failed opening the file): taken now, as a load without a worker.
      const int pictures = load->result();
      if (pictures < 1) {
        ReportResult(game_.errors, kChapterPictureErrors, pictures);
        releaseBook();
        return false;
      }
    } else {
      game_.picturesLoading = load;
    }
    state.ChapterPictures = PictureLoad::Pending(load, Picture::List::Chapter, book.ChapterPictureCount);
    state.DecorPictures = PictureLoad::Pending(load, Picture::List::Decor, book.DecorPictureCount);
  }
  game_.screen.LabelTortenetNev.setText(book.SeriesTitle + " - " + book.Title);
  game_.screen.LabelNehezsegiFokozat.setText(DifficultyText(state.Difficulty));
  return true;
}

bool Lifecycle::PicturesReady(bool wait) {
  const std::shared_ptr<PictureLoad> load = game_.picturesLoading;
  if (!load || (!wait && !load->finished())) return true;
  game_.picturesLoading.reset();
  const int pictures = load->result();
  if (pictures >= 1) return true;
  ReportResult(game_.errors, kChapterPictureErrors, pictures);
  game_.ui().ErrorWindow(game_.errors);
  return false;
}

void Lifecycle::releaseBook() {
  // A load that stopped early leaves nothing behind: no half-filled store can be played.
  game_.stores.ClearAll();
  game_.state.CurrentBook = {};
  game_.state.ChapterTexts.clear();
  game_.state.ChapterPictures.clear();
  game_.state.DecorPictures.clear();
}

void Lifecycle::JatekKezdes() {
  Characteristics characteristics(game_);
  characteristics.rollMainCharacteristics();
  characteristics.ErtekInicializalas();
  ValtozoInicializalas();
  game_.state.navigation.ChaptersShown = 0;
  game_.state.CurrentChapter = -1;
  FormTalcaAnimalas();
  Navigation(game_).FejezetPont();
}

void Lifecycle::ValtozoInicializalas() {
  game_.state.ResetPerGame();
  game_.state.tally.StartedAt = game_.clock().now();
  FormMainAlaphelyzet(true);
  // The battle state is gone, so no action of a battle declared before may stay usable
  // (a load leaves the chapter point of the earlier game without entering a new one).
  DiceTests(game_).ProbakCsatakAlaphelyzet();
  // A new game never inherits the offer arrangement of the equipment page.
  Offers(game_).FelszTargyAlaphelyzet();
  // Saving waits for a chapter point that allows it.
  MentesEngedelyezes(game_.state.SaveAllowed);
  setGameCommandsEnabled(true);
  setOwnNotesEnabled(true);
}

void Lifecycle::Befejez() {
  GameState& state = game_.state;
  // A pictures load still running is waited for: its failure is reported, never lost.
  PicturesReady(true);
  if (state.GameLoaded) releaseBook();
  if (state.settings.StepLogging) Navigation(game_).LepesekFajlbaMentese();
  state.GameLoaded = false;
  state.SaveAllowed = false;

  ScreenModel& s = game_.screen;
  s.LabelTortenetNev.setText(kIdleStoryName);
  s.LabelFPont.setText("");
  MentesEngedelyezes(false);
  setGameCommandsEnabled(false);
  setOwnNotesEnabled(false);

  state.SourceName = "Source";
  state.BookNumber = 0;
  Characteristics(game_).clearDisplay();
  TortenetAlaphelyzet();
  // An offer left open (the game ended by death, victory or a load) is closed on the page too.
  Offers(game_).FelszTargyElokeszites(0);
  Offers(game_).FelszTargyAlaphelyzet();
  state.ResetPerGame();

  for (Control* list : {&s.ListBox_FT, &s.ListBox_IN, &s.ListBox_VK, &s.ListBoxNext, &s.RichEdit1,
                        &s.Memo_SI, &s.MemoFP, &s.MemoVK_Leir}) {
    list->clearItems();
  }
  s.MemoIN_Leir.setItems({"A kijelölt információ bővebb leírása"});
  s.MemoFT_Leir.setItems({"A kijelölt felszerelési tárgy bővebb leírása"});

  FormMainAlaphelyzet(false);
  s.PageControl1.setValue(0);
  FormTalcaAnimalas();
}

void Lifecycle::TortenetAlaphelyzet() {
  ScreenModel& s = game_.screen;
  s.LabelNext1.setVisible(false);
  s.LabelNext2.setVisible(false);
  s.EditNext.setVisible(false);
  s.NyilRajz.setVisible(false);
}

void Lifecycle::MentesEngedelyezes(bool enabled) {
  ScreenModel& s = game_.screen;
  s.BitBtn3.setEnabled(enabled);
  s.LabelMenu13.setEnabled(enabled);
  s.LabelMenuGyors13.setEnabled(enabled);
}

void Lifecycle::FormMainAlaphelyzet(bool inGame) {
  ScreenModel& s = game_.screen;
  for (Control* c : {&s.LabelFPont, &s.RichEdit1, &s.Image1, &s.ListBoxNext, &s.LabelLehetosegek,
                     &s.LabelNext, &s.LabelSzint, &s.LabelNehezsegiFokozat, &s.LabelSkillTextStart,
                     &s.LabelSkillTextNow, &s.LabelStaminaTextStart, &s.LabelStaminaTextNow,
                     &s.LabelLuckTextStart, &s.LabelLuckTextNow, &s.MemoFP, &s.ListBox_FT,
                     &s.MemoFT_Leir, &s.ListBox_IN, &s.MemoIN_Leir, &s.ListBox_VK, &s.MemoVK_Leir}) {
    c->setVisible(inGame);
  }
}

void Lifecycle::FormTalcaAnimalas() {
  Control& title = game_.screen.ApplicationTitle;
  if (!game_.state.GameLoaded) {
    title.setEnabled(false);
    title.setText("ZRX");
    return;
  }
  // The title scrolls; "&&" in a title stands for one "&".
  std::string text = game_.state.CurrentBook.Title;
  for (std::size_t at = text.find("&&"); at != std::string::npos; at = text.find("&&", at + 1)) {
    text.erase(at, 1);
  }
  title.setText(text + " - ");
  title.setEnabled(true);
}

void Lifecycle::setGameCommandsEnabled(bool enabled) {
  ScreenModel& s = game_.screen;
  s.BitBtn4.setEnabled(enabled);
  s.LabelMenu14.setEnabled(enabled);
  s.LabelMenuGyors14.setEnabled(enabled);
}

void Lifecycle::setOwnNotesEnabled(bool enabled) {
  ScreenModel& s = game_.screen;
  s.Memo_SI.setEnabled(enabled);
  s.SpinEditINFO.setEnabled(enabled);
  s.SpinEditINFO.setValue(1);
  s.LabelSajatInfoMegjelenit.setEnabled(enabled);
  // Writing a note needs text in the input box first.
  s.LabelSajatInfoBeir.setEnabled(false);
}

void Lifecycle::HalalAblak() {
  game_.ui().DeathWindow();
  DiceTests(game_).ProbakCsatakAlaphelyzet();
  TortenetAlaphelyzet();
  Befejez();
}

}  // namespace zrx
