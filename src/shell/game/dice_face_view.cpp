#include "game/dice_face_view.h"

#include <QPainter>
#include <vector>

#include "style/look_colours.h"

namespace zrx {

std::vector<QPoint> PipCells(int face) {
  switch (face) {
    case 1: return {{1, 1}};
    case 2: return {{0, 0}, {2, 2}};
    case 3: return {{0, 0}, {1, 1}, {2, 2}};
    case 4: return {{0, 0}, {2, 0}, {0, 2}, {2, 2}};
    case 5: return {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}};
    case 6: return {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}};
    default: return {};
  }
}

DiceFaceView::DiceFaceView(const QString& objectName, QWidget* parent) : QWidget(parent) {
  setObjectName(objectName);
  setFixedSize(sizeHint());
}

void DiceFaceView::setFace(int face) {
  if (face == face_) return;
  face_ = face;
  update();
}

void DiceFaceView::paintEvent(QPaintEvent*) {
  if (face_ < 1 || face_ > 6) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF body = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  const LookColours& look = Look();
  painter.setPen(QPen(look.picture, 1.5));
  painter.setBrush(look.field);
  painter.drawRoundedRect(body, 6, 6);
  painter.setPen(Qt::NoPen);
  painter.setBrush(face_ == 1 ? look.pipOne : look.pip);
  const qreal cell = body.width() / 3.0;
  const qreal radius = cell * 0.28;
  for (const QPoint& pip : PipCells(face_)) {
    const QPointF centre(body.left() + cell * (pip.x() + 0.5), body.top() + cell * (pip.y() + 0.5));
    painter.drawEllipse(centre, radius, radius);
  }
}

}  // namespace zrx
