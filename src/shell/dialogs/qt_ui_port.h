#pragma once
// The engine's UI port for the desktop: every modal moment opens the program's own window.
#include "ui_port.h"

namespace zrx {

class Program;

class QtUiPort : public UiPort {
 public:
  explicit QtUiPort(Program& program) : program_(program) {}

  bool QuestionFormKerdes(const std::string& line1, const std::string& line2) override;
  bool confirmDiscard(const std::string& line1, const std::string& line2) override;
  void QuestionFormInfo(const std::string& line1, const std::string& line2) override;
  void CommentFormMegjelenites(const std::string& line1, const std::string& line2,
                               const std::string& line3) override;
  std::optional<NewGameChoice> NewGameScreen() override;
  int ParValasztas(const std::string& header, const std::vector<std::string>& opponentLines) override;
  void DeathWindow() override;
  void VictoryWindow() override;
  void ErrorWindow(const ErrorLog& errors) override;
  void BookCodeErrorBox(const std::string& message) override;
  std::string KockaBekeres(const std::string& purpose) override;
  int CheckBoxTextWidth(const std::string& text) override;

 private:
  Program& program_;
};

}  // namespace zrx
