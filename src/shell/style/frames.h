#pragma once
// The program's frame drawing: the window frame and the frames around text areas.
#include <QColor>
#include <QRect>

class QPainter;

namespace zrx {

// `KeretRajzolas`: the window's frame, a dark outer line and a light bevel, and the thin line
// under the caption row when the window has one.
void KeretRajzolas(QPainter& painter, const QRect& window, bool captionRow = true);
// `SzovegKeretRajzolas`: a sunken frame around a text area.
void SzovegKeretRajzolas(QPainter& painter, const QRect& area);
// `VonalHuzas`: a straight line of the frames' colour.
void VonalHuzas(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& colour);

// The frames' dark blue.
QColor FrameColour();

}  // namespace zrx
