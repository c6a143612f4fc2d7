#include "dialogs/qt_ui_port.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>

#include "dialogs/form_comment.h"
#include "dialogs/form_question.h"
#include "dice/form_kocka.h"
#include "game/game_windows.h"
#include "screens/new_game_window.h"
#include "start/program.h"

namespace zrx {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

bool QtUiPort::QuestionFormKerdes(const std::string& line1, const std::string& line2) {
  return TFormQuestion::ask(program_, q(line1), q(line2));
}

bool QtUiPort::confirmDiscard(const std::string& line1, const std::string& line2) {
  return TFormQuestion::ask(program_, q(line1), q(line2), TFormQuestion::Focus::No);
}

void QtUiPort::QuestionFormInfo(const std::string& line1, const std::string& line2) {
  TFormQuestion::inform(program_, q(line1), q(line2));
}

void QtUiPort::CommentFormMegjelenites(const std::string& line1, const std::string& line2, const std::string& line3) {
  TFormComment::showComment(program_, {q(line1), q(line2), q(line3)});
}

std::optional<NewGameChoice> QtUiPort::NewGameScreen() { return RunNewGameScreen(program_); }

int QtUiPort::ParValasztas(const std::string& header, const std::vector<std::string>& opponentLines) {
  return ShowPairChoice(program_, header, opponentLines);
}

void QtUiPort::DeathWindow() { ShowDeathWindow(program_); }

void QtUiPort::VictoryWindow() { ShowVictoryWindow(program_); }

void QtUiPort::ErrorWindow(const ErrorLog&) { program_.showErrorWindow(); }

void QtUiPort::BookCodeErrorBox(const std::string& message) {
  QMessageBox box(QMessageBox::Critical, kApplicationTitle, q(message), QMessageBox::NoButton,
                  program_.frontWindow());
  box.addButton(" OK ", QMessageBox::AcceptRole);
  box.exec();
}

std::string QtUiPort::KockaBekeres(const std::string& purpose) {
  // Asked only while the player's own dice are switched on.
  return std::to_string(TFormKocka::ask(program_, q(purpose)));
}

int QtUiPort::CheckBoxTextWidth(const std::string& text) {
  return QFontMetrics(QApplication::font()).horizontalAdvance(q(text));
}

}  // namespace zrx
