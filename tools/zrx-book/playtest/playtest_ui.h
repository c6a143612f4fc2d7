#pragma once
// The modal moments of a play-tested game: questions answered at random, the pair choice
// picked at random, the end windows and error boxes recorded. Every answer is written into
// the run's replay script the way zrx-text reads it, so the script replays the run.
#include <random>
#include <string>
#include <vector>

#include "ui_port.h"

namespace zrx::playtest {

class PlaytestUi : public UiPort {
 public:
  PlaytestUi(std::mt19937& choices, std::vector<std::string>& script) : choices_(choices), script_(script) {}

  // Forgets what the previous run saw; the new game screen will return `choice`.
  void reset(const NewGameChoice& choice);
  // From now on every question is answered yes (ending a run as a player ends a game).
  void answerYes() { alwaysYes_ = true; }

  bool QuestionFormKerdes(const std::string& line1, const std::string& line2) override;
  void QuestionFormInfo(const std::string&, const std::string&) override {}
  void CommentFormMegjelenites(const std::string&, const std::string&, const std::string&) override {}
  std::optional<NewGameChoice> NewGameScreen() override { return choice_; }
  int ParValasztas(const std::string& header, const std::vector<std::string>& opponentLines) override;
  void DeathWindow() override { died_ = true; }
  void VictoryWindow() override { won_ = true; }
  void ErrorWindow(const ErrorLog& errors) override;
  void BookCodeErrorBox(const std::string& message) override { bookCodeErrors_.push_back(message); }
  std::string KockaBekeres(const std::string&) override { return "1"; }

  bool died() const { return died_; }
  bool won() const { return won_; }
  const std::vector<std::string>& bookCodeErrors() const { return bookCodeErrors_; }
  const std::vector<std::string>& errorLines() const { return errorLines_; }

 private:
  std::mt19937& choices_;
  std::vector<std::string>& script_;
  NewGameChoice choice_;
  bool died_ = false, won_ = false, alwaysYes_ = false;
  std::vector<std::string> bookCodeErrors_, errorLines_;
};

}  // namespace zrx::playtest
