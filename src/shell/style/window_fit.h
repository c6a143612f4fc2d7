#pragma once
// Windows keep their design size, but a screen's free area can be smaller (a small screen,
// a high scale factor): such a window shrinks to the free area and its content, still at
// its design size, scrolls inside it.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

class QPainter;
class QScrollArea;
class QWidget;

namespace zrx {

// The size a window of `design` size takes on a screen whose free area is `available`, its
// scroll bars `scrollBarExtent` wide.
QSize FittedWindowSize(QSize design, const QRect& available, int scrollBarExtent);

// The position nearest to `window`'s own at which it lies inside `available`.
QPoint PositionInside(const QRect& available, const QRect& window);

// Moves every child of `window` onto a content page of `design` size inside a scroll area
// that fills the window. `paintBody` draws the window's own painting (its frame) on the
// page. Children the window gets later move onto the page too, and the focused control is
// scrolled into view.
QScrollArea* ScrollWindowContent(QWidget& window, QSize design, std::function<void(QPainter&)> paintBody);

}  // namespace zrx
