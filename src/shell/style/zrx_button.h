#pragma once
// The program's push button (" Igen ", " Nem ", " OK ", " Változások mentése "): a
// rounded dark-blue button that lights up under the mouse and shows its focus.
#include <QPushButton>

namespace zrx {

QPushButton* MakeZrxButton(const QString& caption, QWidget* parent);

}  // namespace zrx
