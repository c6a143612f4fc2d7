#pragma once
// The game window's drawn menu as a screen reader knows menus: the title row is a menu
// bar, each title a menu item that opens its panel, each panel a menu, and each item a
// menu item with its key and, for "Saját dobókockák", its checked state.
#include <QAccessibleInterface>

class QObject;

namespace zrx {

// The interface for a part of the drawn menu; nullptr for anything else.
QAccessibleInterface* MenuInterfaceFor(QObject* object);

}  // namespace zrx
