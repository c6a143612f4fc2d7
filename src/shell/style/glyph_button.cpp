#include "style/glyph_button.h"

#include <QPainter>

namespace zrx {

GlyphButton::GlyphButton(const QPixmap& normal, const QPixmap& highlighted, const QString& name, QWidget* parent)
    : QAbstractButton(parent), normal_(normal), highlighted_(highlighted) {
  setAccessibleName(name);
  setAccessibleDescription(name);
  setToolTip(name);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
  resize(16, 16);
}

void GlyphButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPixmap& picture = hovered_ && isEnabled() ? highlighted_ : normal_;
  if (!isEnabled()) painter.setOpacity(0.35);
  painter.drawPixmap(QRect(2, 2, 12, 12), picture);
}

void GlyphButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void GlyphButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

}  // namespace zrx
