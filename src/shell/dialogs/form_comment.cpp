#include "dialogs/form_comment.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <algorithm>

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
  std::vector<QLabel*> labels;
  for (int i = 0; i < lines.size() && i < 3; ++i) {
    auto* label = new QLabel(lines[i], this);
    label->setObjectName(QString("Label%1").arg(i + 1));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font = label->font();
    font.setPointSize(11);
    font.setBold(i == 0);
    label->setFont(font);
    labels.push_back(label);
  }
  fitToLines(labels);
}

void TFormComment::fitToLines(const std::vector<QLabel*>& labels) {
  // As wide as the longest line needs, up to what the screen allows; longer lines wrap.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int widest = screen ? screen->availableGeometry().width() - 2 * kEdge : kCommentSize.width();
  int width = kCommentSize.width();
  for (const QLabel* label : labels) {
    width = std::max(width, QFontMetrics(label->font()).horizontalAdvance(label->text()) + 2 * kEdge);
  }
  width = std::min(width, std::max(widest, kCommentSize.width()));
  int y = kTop;
  for (QLabel* label : labels) {
    const int height = std::max(kLineHeight, label->heightForWidth(width - 2 * kEdge));
    label->setGeometry(kEdge, y, width - 2 * kEdge, height);
    y += height + 2;
  }
  setFixedSize(width, std::max(kCommentSize.height(), y + kTop));
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
