#pragma once
// The modal moments of the game. The engine never draws; it asks the front end through
// this port and goes on with the answer. Tests use a scripted port.
#include <optional>
#include <string>
#include <vector>

#include "win1250.h"

namespace zrx {

class ErrorLog;

// What the new-game screen returns: the chosen package, book and difficulty.
struct NewGameChoice {
  std::string package;  // package folder, six characters
  int bookNumber = 0;   // 1-based
  int bookCount = 0;    // books of the package
  int difficulty = 0;   // 0 "Könnyű", 1 "Normál", 2 "Véletlen"
  // The screen loaded the book itself while it showed that it was busy.
  bool bookLoaded = false;
};

class UiPort {
 public:
  virtual ~UiPort() = default;

  // Yes/no question under the head "Kérdés"; true for " Igen ".
  virtual bool QuestionFormKerdes(const std::string& line1, const std::string& line2) = 0;
  // The same question where " Igen " throws the running game away: a front end gives the
  // focus to " Nem ", so that a stray Enter keeps the game.
  virtual bool confirmDiscard(const std::string& line1, const std::string& line2) {
    return QuestionFormKerdes(line1, line2);
  }
  // Notice under the head "Információ" with one " OK " button.
  virtual void QuestionFormInfo(const std::string& line1, const std::string& line2) = 0;
  // The fading comment strip (not modal).
  virtual void CommentFormMegjelenites(const std::string& line1, const std::string& line2,
                                       const std::string& line3) = 0;

  // The new-game screen; nullopt when the player cancelled it.
  virtual std::optional<NewGameChoice> NewGameScreen() = 0;

  // The pair choice before a round: the header line and one line per standing opponent.
  // Returns the button pressed, 1..number of lines.
  virtual int ParValasztas(const std::string& header, const std::vector<std::string>& opponentLines) = 0;

  // The death window and the victory window; both return when the window has closed.
  virtual void DeathWindow() = 0;
  virtual void VictoryWindow() = 0;

  // The error window with the reported errors. Closing it writes the log and ends the program.
  virtual void ErrorWindow(const ErrorLog& errors) = 0;

  // The platform's error message box for a malformed book code; the program goes on.
  virtual void BookCodeErrorBox(const std::string& message) = 0;

  // The player throws a die by hand: "Dobj egy kockával!" with what the roll decides;
  // returns what the player typed (ManualDice asks again until it is 1..6). A front end
  // whose input has ended does not return.
  virtual std::string KockaBekeres(const std::string& purpose) = 0;

  // Width in pixels of a text in the font of the offer's choice boxes; headless front ends
  // keep this fixed-width default (7 pixels a character).
  virtual int CheckBoxTextWidth(const std::string& text) { return 7 * static_cast<int>(Utf8Length(text)); }
};

}  // namespace zrx
