#pragma once
// The engine's modal moments as text: questions become "igen/nem" prompts answered by the
// next line, notices and comments are printed with their exact lines, the death and
// victory windows print their texts, the error window prints its lines, writes the log
// and ends the session.
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "clock.h"
#include "line_input.h"
#include "ui_port.h"

namespace zrx {

// The player's input ended while the engine waited for a die: the session ends.
struct InputEnded {};

// What the front end learns from the engine's windows besides their answers.
struct SessionStatus {
  bool failed = false;  // a command failed or a question went unanswered
  bool ended = false;   // the error window closed, or the player quit: the program ends
  bool fatal = false;   // an error was reported: the error window ended the program
};

class TextUi : public UiPort {
 public:
  TextUi(LineInput& input, std::ostream& out, SessionStatus& status, std::filesystem::path programFolder,
         const Clock& clock);

  // The new-game screen is a dialog of the session (it reads the packages and books).
  void setNewGameScreen(std::function<std::optional<NewGameChoice>()> screen) { newGame_ = std::move(screen); }

  bool QuestionFormKerdes(const std::string& line1, const std::string& line2) override;
  void QuestionFormInfo(const std::string& line1, const std::string& line2) override;
  void CommentFormMegjelenites(const std::string& line1, const std::string& line2,
                               const std::string& line3) override;
  std::optional<NewGameChoice> NewGameScreen() override;
  int ParValasztas(const std::string& header, const std::vector<std::string>& opponentLines) override;
  void DeathWindow() override;
  void VictoryWindow() override;
  void ErrorWindow(const ErrorLog& errors) override;
  void BookCodeErrorBox(const std::string& message) override;
  // Asks for the pips of one die; throws InputEnded when the input has ended.
  std::string KockaBekeres(const std::string& purpose) override;

  // After the error window's own lines: the files it could have missed, named for the player.
  void setMissingFiles(std::function<std::vector<std::string>()> files) { missingFiles_ = std::move(files); }

  // Quiet: a question or notice is one line.
  void setQuiet(bool quiet) { quiet_ = quiet; }

  // Asks for a number in 1..count; nullopt when the input ended or "mégse" was typed.
  std::optional<int> askNumber(const std::string& prompt, int count);

 private:
  void printLines(const std::string& head, const std::vector<std::string>& lines);

  LineInput& input_;
  std::ostream& out_;
  SessionStatus& status_;
  std::filesystem::path programFolder_;
  const Clock& clock_;
  std::function<std::optional<NewGameChoice>()> newGame_;
  bool quiet_ = false;
  std::function<std::vector<std::string>()> missingFiles_;
};

// "igen"/"i"/"yes"/"y" and "nem"/"n"/"no"; nullopt for anything else.
std::optional<bool> ParseYesNo(const std::string& text);

}  // namespace zrx
