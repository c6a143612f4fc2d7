#pragma once
// The frame that shows which control holds the keyboard focus: 2 px in the focus colour of
// the colour set in force, drawn just inside the control's rectangle.
#include <QRect>

class QPainter;

namespace zrx {

void DrawFocusFrame(QPainter& painter, const QRect& area);

}  // namespace zrx
