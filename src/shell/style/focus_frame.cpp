#include "style/focus_frame.h"

#include <QPainter>

#include "style/look_colours.h"

namespace zrx {

void DrawFocusFrame(QPainter& painter, const QRect& area) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(Look().focus, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area.adjusted(1, 1, -1, -1));
  painter.restore();
}

QString FocusedListRule(const char* listClass) {
  return QString("%1:focus { border: 2px solid %2; }").arg(QLatin1String(listClass), Look().focus.name());
}

}  // namespace zrx
