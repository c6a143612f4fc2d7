#include "access/drawn_interfaces.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>

#include "access/accessible_names.h"

namespace zrx {

DrawnInterface::DrawnInterface(QWidget* widget, QAccessible::Role role, std::function<QString()> nameOf)
    : QAccessibleWidget(widget, role), nameOf_(std::move(nameOf)) {}

QString DrawnInterface::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) return nameOf_();
  if (t == QAccessible::Description) return AccessibleDescriptionOf(*widget());
  return QAccessibleWidget::text(t);
}

QString DiceFaceName(int face) {
  return face >= 1 && face <= 6 ? QString("Kocka: %1").arg(face) : QString("Kocka: üres");
}

QString ArrowName(const QAbstractButton& arrow) {
  const QWidget* area = arrow.parentWidget();
  QStringList hints;
  for (const char* name : {"LabelNext1", "LabelNext2"}) {
    const auto* hint = area ? area->findChild<QAbstractButton*>(name) : nullptr;
    if (hint && hint->isVisible() && !hint->text().trimmed().isEmpty()) hints << hint->text().trimmed();
  }
  QString target = hints.join(' ');
  if (target.isEmpty() && area) {
    const auto* list = area->findChild<QListWidget*>("ListBoxNext");
    if (list && list->currentItem()) target = list->currentItem()->text();
  }
  if (target.isEmpty() && area) {
    if (const auto* edit = area->findChild<QLineEdit*>("EditNext")) target = edit->text().trimmed();
  }
  const QString caption = arrow.text();
  return target.isEmpty() ? caption : caption + ": " + target;
}

}  // namespace zrx
