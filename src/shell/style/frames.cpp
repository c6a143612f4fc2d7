#include "style/frames.h"

#include <QPainter>

#include "style/look_colours.h"

namespace zrx {

QColor FrameColour() { return Look().frame; }

void VonalHuzas(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& colour) {
  painter.setPen(QPen(colour, 1));
  painter.drawLine(x1, y1, x2, y2);
}

void KeretRajzolas(QPainter& painter, const QRect& window, bool captionRow) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  const QRect outer = window.adjusted(0, 0, -1, -1);
  painter.setPen(QPen(FrameColour(), 2));
  painter.drawRect(outer.adjusted(1, 1, 0, 0));
  // A light bevel inside the dark line, and a thin line that closes the caption row.
  painter.setPen(QPen(Look().frameLight, 1));
  painter.drawLine(outer.left() + 3, outer.top() + 3, outer.right() - 3, outer.top() + 3);
  painter.drawLine(outer.left() + 3, outer.top() + 3, outer.left() + 3, outer.bottom() - 3);
  painter.setPen(QPen(Look().frameDark, 1));
  painter.drawLine(outer.right() - 3, outer.top() + 4, outer.right() - 3, outer.bottom() - 3);
  painter.drawLine(outer.left() + 4, outer.bottom() - 3, outer.right() - 3, outer.bottom() - 3);
  if (captionRow) VonalHuzas(painter, outer.left() + 8, 38, outer.right() - 8, 38, Look().frameDark);
  painter.restore();
}

void SzovegKeretRajzolas(QPainter& painter, const QRect& area) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  const QRect r = area.adjusted(-2, -2, 1, 1);
  painter.setPen(QPen(Look().frameDark, 1));
  painter.drawLine(r.topLeft(), r.topRight());
  painter.drawLine(r.topLeft(), r.bottomLeft());
  painter.setPen(QPen(Look().frameLight, 1));
  painter.drawLine(r.bottomLeft(), r.bottomRight());
  painter.drawLine(r.topRight(), r.bottomRight());
  painter.restore();
}

}  // namespace zrx
