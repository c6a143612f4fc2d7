#pragma once
// Style sheets that follow the colour set: the sheet is built from the set in force and
// built again whenever the window's palette changes (the settings switch the set).
#include <QString>
#include <functional>

class QWidget;

namespace zrx {

struct LookColours;

using LookSheet = std::function<QString(const LookColours&)>;

void SetLookStyleSheet(QWidget& widget, LookSheet sheet);

}  // namespace zrx
