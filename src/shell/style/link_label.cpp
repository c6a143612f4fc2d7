#include "style/link_label.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

#include "style/look_colours.h"

namespace zrx {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QAbstractButton(parent) {
  setText(text);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
}

void LinkLabel::setColours(const QColor& normal, const QColor& hover) {
  normal_ = normal;
  hover_ = hover;
  update();
}

void LinkLabel::setBold(bool bold) {
  QFont f = font();
  f.setBold(bold);
  setFont(f);
}

void LinkLabel::setPointSize(int points) {
  QFont f = font();
  f.setPointSize(points);
  setFont(f);
}

QSize LinkLabel::sizeHint() const {
  const QFontMetrics metrics(font());
  return {metrics.horizontalAdvance(text()) + 4, metrics.height() + 2};
}

void LinkLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(paintedColour());
  painter.setFont(font());
  painter.drawText(rect(), static_cast<int>(alignment_), text());
  if (hasFocus()) {
    // A solid frame round the text shows the keyboard focus; a dotted underline was too
    // faint to find.
    const QFontMetrics metrics(font());
    const QRect box = QStyle::alignedRect(layoutDirection(), alignment_,
                                          QSize(metrics.horizontalAdvance(text()), metrics.height()), rect());
    painter.setPen(QPen(Look().focus, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(-1, 0, 1, 0).intersected(rect().adjusted(1, 1, -1, -1)));
  }
}

QColor LinkLabel::paintedColour() const {
  const bool greyed = !isEnabled() && disabled_.isValid();
  if (coloursFromLook_ || !Look().highContrast) return greyed ? disabled_ : currentColour();
  // The caller's colours belong to the normal set; high contrast has one colour per state.
  if (!isEnabled()) return Look().disabled;
  return hovered_ && hover_.isValid() ? Look().hover : CommandColour(normal_);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && isEnabled()) {
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

}  // namespace zrx
