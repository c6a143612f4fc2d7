#include "dialogs/form_comment.h"

#include <QLabel>

#include "start/program.h"
#include "style/window_services.h"

namespace zrx {

TFormComment::TFormComment(Program& program, const QStringList& lines, QWidget* parent)
    : TFormZRXBase(program, parent, kCommentSize) {
  setObjectName("FormComment");
  setWindowTitle("Segítség");
  setFadeTarget(kCommentOpacity);
  setAccessibleDescription(lines.join(" "));
  hideCaptionRow();
  for (int i = 0; i < lines.size() && i < 3; ++i) {
    auto* label = new QLabel(lines[i], this);
    label->setObjectName(QString("Label%1").arg(i + 1));
    label->setGeometry(10, 18 + i * 26, kCommentSize.width() - 20, 24);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font = label->font();
    font.setPointSize(11);
    font.setBold(i == 0);
    label->setFont(font);
  }
}

void TFormComment::mousePressEvent(QMouseEvent*) { close(); }

TFormComment* TFormComment::showComment(Program& program, const QStringList& lines) {
  auto* strip = new TFormComment(program, lines, program.frontWindow());
  strip->setAttribute(Qt::WA_DeleteOnClose);
  program.services().AblakPozBeallitas(*strip);
  strip->show();
  return strip;
}

}  // namespace zrx
