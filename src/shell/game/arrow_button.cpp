#include "game/arrow_button.h"

#include <QPainter>
#include <QPolygonF>

#include "style/look_colours.h"

namespace zrx {

ArrowButton::ArrowButton(const QString& objectName, QWidget* parent) : QAbstractButton(parent) {
  setObjectName(objectName);
  setText("Tovább");  // what accessibility reads for the arrow
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  setFixedSize(sizeHint());
}

void ArrowButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal w = width(), h = height();
  const QPolygonF arrow({{2, h * 0.35}, {w * 0.6, h * 0.35}, {w * 0.6, 2}, {w - 2, h / 2}, {w * 0.6, h - 2},
                         {w * 0.6, h * 0.65}, {2, h * 0.65}});
  painter.setPen(QPen(Look().picture, 1.2));
  painter.setBrush(isDown() ? Look().arrowPressed : Look().arrowFill);
  painter.drawPolygon(arrow);
}

}  // namespace zrx
