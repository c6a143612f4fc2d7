#include "dialogs/form_question.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "start/program.h"
#include "style/window_services.h"
#include "style/zrx_button.h"

namespace zrx {
namespace {

constexpr int kLinePointSize = 11;
constexpr int kSmallestLinePointSize = 7;
constexpr int kLineMargin = 12;
constexpr int kLineWidth = TFormQuestion::kQuestionSize.width() - 2 * kLineMargin;

// The bold font, as large as the lines allow (down to the smallest size): a line longer
// than the window is drawn smaller rather than cut off at both ends, and both lines keep
// one size so that they read as one sentence.
QFont fittingFont(const QFont& base, const QStringList& lines, int width) {
  QFont font = base;
  font.setBold(true);
  for (int size = kLinePointSize; size >= kSmallestLinePointSize; --size) {
    font.setPointSize(size);
    const QFontMetrics metrics(font);
    if (std::all_of(lines.begin(), lines.end(), [&](const QString& line) { return metrics.horizontalAdvance(line) <= width; })) {
      break;
    }
  }
  return font;
}

QLabel* centredLine(const QString& text, int y, const char* name, const QFont& font, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(kLineMargin, y, kLineWidth, 24);
  label->setAlignment(Qt::AlignCenter);
  label->setFont(font);
  return label;
}

}  // namespace

TFormQuestion::TFormQuestion(Program& program, Kind kind, const QString& line1, const QString& line2, QWidget* parent)
    : TFormZRXBase(program, parent, kQuestionSize) {
  setObjectName("FormQuestion");
  setHead(kind == Kind::Question ? "Kérdés" : "Információ");
  setWindowTitle("ZRX");
  setAccessibleDescription(line1 + " " + line2);
  const QFont font = fittingFont(this->font(), {line1, line2}, kLineWidth);
  centredLine(line1, 52, "Label1", font, this);
  centredLine(line2, 78, "Label2", font, this);
  yes_ = MakeZrxButton(kind == Kind::Question ? " Igen " : " OK ", this);
  yes_->setObjectName("ButtonYes");
  no_ = MakeZrxButton(" Nem ", this);
  no_->setObjectName("ButtonNo");
  const int width = kQuestionSize.width();
  if (kind == Kind::Question) {
    yes_->setGeometry(width / 2 - 110, 118, 100, 30);
    no_->setGeometry(width / 2 + 10, 118, 100, 30);
  } else {
    // The notice's one button moves to the middle.
    yes_->setGeometry(width / 2 - 50, 118, 100, 30);
    no_->hide();
  }
  yes_->setDefault(true);
  setTabOrder(yes_, no_);
  connect(yes_, &QPushButton::clicked, this, [this] { answerWith(true); });
  connect(no_, &QPushButton::clicked, this, [this] { answerWith(false); });
}

void TFormQuestion::answerWith(bool yes) {
  if (fading()) return;
  answer_ = yes;
  closedByButton_ = true;
  close();
}

bool TFormQuestion::canClose() { return TFormZRXBase::canClose() && closedByButton_; }

bool TFormQuestion::ask(Program& program, const QString& line1, const QString& line2, Focus focus) {
  TFormQuestion window(program, Kind::Question, line1, line2, program.frontWindow());
  program.services().AblakPozBeallitas(window);
  QPushButton* focused = focus == Focus::Yes ? window.yes_ : window.no_;
  focused->setDefault(true);
  focused->setFocus();
  window.exec();
  program.game().state.QuestionAnswer = window.answer();
  return window.answer();
}

void TFormQuestion::inform(Program& program, const QString& line1, const QString& line2) {
  TFormQuestion window(program, Kind::Notice, line1, line2, program.frontWindow());
  program.services().AblakPozBeallitas(window);
  window.yes_->setFocus();
  window.exec();
}

}  // namespace zrx
