#pragma once
// Starting, loading and ending a game.
#include "game.h"
#include "ui_port.h"

namespace zrx {

// The name of a difficulty: "Könnyű", "Normál" or "Véletlen"; empty for any other number.
const char* DifficultyText(int difficulty);

class Lifecycle {
 public:
  explicit Lifecycle(Game& game) : game_(game) {}

  // The new-game command: starts at once when no game runs, otherwise after confirmation.
  void KlikkKezdes();
  // The end-game command, after confirmation.
  void KlikkBefejezes();

  // Opens the new-game screen and starts a game with its choice.
  void Indit();
  // Starts a game with the new-game screen's choice: loads the book and, when it loaded,
  // rolls the character and enters the rules text.
  void Indit(const NewGameChoice& choice);
  // The loading half of Indit: ends a running game and loads the chosen book, its cover in
  // the picture frame. True when the book loaded; a failure is in the error log.
  bool loadChosenBook(const NewGameChoice& choice);
  // Loads the chosen book (SourceName, BookNumber) into the stores, texts and pictures.
  // Reports a failed load through the error log. True when the book loaded.
  bool JatekInicializalas();
  // The start of a game whose book is in the stores: characteristics, per-game items,
  // the rules text. Used by Indit and by anything that fills the stores itself.
  void JatekKezdes();
  // Creates and resets the per-game items and switches the window to its in-game layout.
  void ValtozoInicializalas();
  // Ends the game: stores and lists released, window back to its idle layout.
  void Befejez();
  // Takes the result of the book's pictures loading in the background: waits for it when
  // `wait` is set, else only when it is done. A failure is reported with the pictures'
  // error code, and the error window shown, once; false then. True while nothing failed.
  bool PicturesReady(bool wait);

  // Death: the death window; its closing resets the tests-and-battles page and the
  // story display and ends the game.
  void HalalAblak();

  // Display helpers shared with navigation and saving.
  void TortenetAlaphelyzet();
  void MentesEngedelyezes(bool enabled);
  void FormMainAlaphelyzet(bool inGame);
  void FormTalcaAnimalas();

 private:
  void setGameCommandsEnabled(bool enabled);
  void setOwnNotesEnabled(bool enabled);
  void releaseBook();

  Game& game_;
};

}  // namespace zrx
