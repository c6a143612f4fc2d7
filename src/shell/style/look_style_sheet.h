#pragma once
// Style sheets that follow the colour set: the sheet is built from the set in force and
// built again when its window switches the set (RefreshLookStyleSheets).
#include <QString>
#include <functional>

class QWidget;

namespace zrx {

struct LookColours;

using LookSheet = std::function<QString(const LookColours&)>;

void SetLookStyleSheet(QWidget& widget, LookSheet sheet);
// Builds again the sheets of every widget inside `window` that has one of these.
void RefreshLookStyleSheets(QWidget& window);

}  // namespace zrx
