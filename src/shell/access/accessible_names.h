#pragma once
// Names for the controls that show no caption of their own (lists, text areas, pictures,
// number fields), by object name, and the help that a window gives as descriptions.
#include <QString>
#include <functional>

class QWidget;

namespace zrx {

// The name a screen reader says for a control that shows no caption, by its object name
// (first as "window/control", then alone); empty when the control is named by its caption.
QString AccessibleNameFor(const QWidget& widget);

// A window's help for its controls by object name (the right-click help); empty for none.
using HelpSource = std::function<QString(const QString& objectName)>;
void SetAccessibleHelp(QWidget* window, HelpSource help);
// The help of `widget`'s window for it; empty for none.
QString AccessibleHelpOf(const QWidget& widget);
// Qt's own interfaces of the standard controls read the description the widget holds:
// such a control without one gets its window's help there (the help of a standard control
// does not change while it lives). Called for each control as it is polished, and for the
// window's controls when its help is set.
void DescribeByHelp(QWidget& widget);
// The description of `widget`: what its code set (why it is disabled), else the help of
// its window for it.
QString AccessibleDescriptionOf(const QWidget& widget);

}  // namespace zrx
