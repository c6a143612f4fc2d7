#include "link_button.h"

#include <QKeyEvent>
#include <QPainter>

namespace zrx::shell {

LinkButton::LinkButton(const QString& objectName, const QString& text, QWidget* parent)
    : QAbstractButton(parent), colour_(Qt::black) {
  setObjectName(objectName);
  setText(text);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
}

void LinkButton::setTextColour(const QColor& colour) {
  if (colour_ == colour) return;
  colour_ = colour;
  update();
}

void LinkButton::setHighlighted(bool highlighted) {
  if (highlighted_ == highlighted) return;
  highlighted_ = highlighted;
  update();
}

void LinkButton::setAlignment(Qt::Alignment alignment) {
  alignment_ = alignment;
  update();
}

QSize LinkButton::sizeHint() const {
  const QFontMetrics metrics(font());
  return {metrics.horizontalAdvance(text()) + 8, metrics.height() + 6};
}

void LinkButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (highlighted_) painter.fillRect(rect(), QColor(0, 0, 128));
  QFont f = font();
  f.setUnderline(hovered_ && isEnabled() && !highlighted_);
  painter.setFont(f);
  QColor colour = highlighted_ ? QColor(Qt::white) : colour_;
  if (!isEnabled()) colour = QColor(128, 128, 128);
  painter.setPen(colour);
  painter.drawText(rect().adjusted(4, 0, -4, 0), static_cast<int>(alignment_), text());
  if (hasFocus()) {
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void LinkButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (isEnabled()) click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void LinkButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void LinkButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

}  // namespace zrx::shell
