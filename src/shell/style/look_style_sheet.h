#pragma once
// Colours that a widget keeps of its own (a style sheet, a palette role) and that follow the
// colour set: they are set from the set in force now, and again when the widget's window
// switches the set (RefreshLookStyles).
#include <QString>
#include <functional>

class QPalette;
class QWidget;

namespace zrx {

struct LookColours;

using LookSheet = std::function<QString(const LookColours&)>;
using LookPalette = std::function<void(QPalette&, const LookColours&)>;

void SetLookStyleSheet(QWidget& widget, LookSheet sheet);
void SetLookPalette(QWidget& widget, LookPalette colours);
// Sets again the colours of every widget inside `window` that has one of these.
void RefreshLookStyles(QWidget& window);

}  // namespace zrx
