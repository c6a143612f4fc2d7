#pragma once
// Moving from chapter point to chapter point: entering one (path, text, picture, its
// changes, save permission), building and showing its continuations, the player's
// choice from the list or by a typed number, the page marks, and the visited path.
//
// Hand-over to the other parts of the engine:
//  - special changes: entry marks the page of the queue whose first change is "01",
//    puts its number (1-4) in ResumeQueue and calls SpecialValtozasFeldolgozas (at
//    "Változás jelzés" 2 it only signals the page); the interpreter settles the marks
//    and runs the battle set-up when the changes are done;
//  - battles: every chapter point without changes goes on with CsataElokeszites, which
//    builds the continuations when there is no battle (TovabbLepesValasztas).
#include <string>
#include <string_view>

#include "pending_kind.h"

namespace zrx {

class Game;
struct TChapterRec;

class Navigation {
 public:
  explicit Navigation(Game& game) : game_(game) {}

  // Enters CurrentChapter.
  void FejezetPont();
  // Story text and chapter label of CurrentChapter; the story page becomes active.
  void SzovegBetoltes();
  // The chapter's own picture, or a decorative one drawn at random.
  void FejezetKepBetoltes();
  // Timed information, slot locks, and the special changes or the save permission.
  void SpecialValtozas();
  // The save permission of the chapter point already entered, decided again: a save (or a
  // declined overwrite) resets the counter it depends on.
  void RecheckSaveAllowed();
  // Builds the continuations of CurrentChapter (or asks for a typed number).
  void TovabbLepesValasztas();
  // Appends the entry of one continuation code to NextChapterList.
  void FPListaHozzaAdas(std::string_view code);
  // The visible continuation list receives every entry of NextChapterList.
  void ShowContinuations();

  // The "next" action (the arrow labels LabelNext, LabelNext1, LabelNext2).
  void KlikkFejezetPontKivalasztas();
  // Choice feedback: a continuation selected in the list, or text typed into EditNext.
  void ListBoxNextClick(int index);
  void EditNextChange(const std::string& text);

  // Page marking for a pending kind; `startBlink` starts the page signal.
  void OldalValtasJelzes(int kind, bool startBlink);
  // Every "1" and "2" of PageMarks becomes "3".
  void ValtasBeallitas();
  // Back on the story page: resets what the handled page marks leave behind.
  void ValtasVizsgalat();

  // Appends a chapter number (decimal text) to the visited-path memo.
  void LepesFeltoltes(std::string_view number);
  // Writes the visited-path memo to a new file under "Other/"; true when written.
  bool LepesekFajlbaMentese();
  // Double click on the visited-path memo: export with a notice.
  void MemoFPDblClick();

 private:
  void startSpecialChanges();
  void decideSaveAllowed(const TChapterRec& chapter);
  void setSaveAllowed(bool allowed);
  void offerTypedChoice(const TChapterRec& chapter);
  void switchToPendingPage();
  void chooseListEntry(const std::string& entry);
  void typedChoice();
  void leaveTypedMode();
  void goToChapter(int chapter);
  void hideChoiceHints();
  void showChoice(const std::string& text);

  Game& game_;
};

}  // namespace zrx
