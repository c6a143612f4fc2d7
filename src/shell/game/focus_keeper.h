#pragma once
// Where the keyboard focus goes when the focused control of the game window is switched
// off or hidden by the game: to what the player would press next on the page now shown,
// never to the four command buttons, whose Enter would offer to throw the game away.
#include <Qt>

class QTabWidget;
class QWidget;

namespace zrx {

// The control of page `page` that the player would press next, or nullptr when the page
// offers nothing to press.
QWidget* NextPressable(QWidget& page, int pageIndex);

// After a repaint: when `before` (the control that had the focus) is no longer usable,
// the focus moves to the shown page's next control, or to the tab row when it has none.
void KeepFocusOnPage(QWidget* before, QTabWidget& pages);

// After the page changed: a focus that the switch left outside the page and its tab row
// (the page it was on is hidden) moves to the page's next control, or to the tab row.
void FocusOnOpenedPage(QTabWidget& pages);

// Ctrl+Tab and Ctrl+Shift+Tab open the next and the previous page from anywhere in the
// window; true when `key` (with `modifiers`) was one of them.
bool SwitchPageByKey(QTabWidget& pages, int key, Qt::KeyboardModifiers modifiers);

}  // namespace zrx
