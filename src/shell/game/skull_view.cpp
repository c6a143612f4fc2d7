#include "skull_view.h"

#include <QPainter>
#include <QPainterPath>

namespace zrx::shell {

SkullView::SkullView(QWidget* parent) : QWidget(parent) {
  setObjectName("ImageKoponya");
  setFixedSize(120, 130);
}

void SkullView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = width(), h = height();
  p.setPen(QPen(QColor(40, 40, 40), 2));
  p.setBrush(QColor(235, 230, 215));
  // Cranium and jaw.
  p.drawEllipse(QRectF(w * 0.1, h * 0.04, w * 0.8, h * 0.66));
  p.drawRoundedRect(QRectF(w * 0.28, h * 0.58, w * 0.44, h * 0.3), 8, 8);
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(w * 0.3, h * 0.56, w * 0.4, h * 0.08));
  // Eyes and nose.
  p.setBrush(QColor(30, 30, 30));
  p.drawEllipse(QRectF(w * 0.24, h * 0.3, w * 0.2, h * 0.18));
  p.drawEllipse(QRectF(w * 0.56, h * 0.3, w * 0.2, h * 0.18));
  QPainterPath nose;
  nose.moveTo(w * 0.5, h * 0.5);
  nose.lineTo(w * 0.45, h * 0.6);
  nose.lineTo(w * 0.55, h * 0.6);
  nose.closeSubpath();
  p.drawPath(nose);
  // Teeth.
  p.setPen(QPen(QColor(40, 40, 40), 1.5));
  for (int i = 1; i < 5; ++i) {
    const qreal x = w * (0.28 + 0.44 * i / 5.0);
    p.drawLine(QPointF(x, h * 0.72), QPointF(x, h * 0.86));
  }
}

}  // namespace zrx::shell
