#include "access/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QTextDocumentFragment>

#include "access/accessible_names.h"
#include "access/button_interface.h"
#include "access/drawn_interfaces.h"
#include "access/list_interfaces.h"
#include "access/menu_interfaces.h"
#include "access/tab_interfaces.h"
#include "game/dice_face_view.h"
#include "game/picture_view.h"
#include "game/signal_tab_bar.h"

namespace zrx {
namespace {

QAccessibleInterface* makeInterface(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  // The drawn menu's parts are asked for by their most derived class only.
  if (className == QString::fromLatin1(object->metaObject()->className())) {
    if (QAccessibleInterface* menu = MenuInterfaceFor(object)) return menu;
  }
  if (className == "QListWidget") return new ListInterface(static_cast<QListWidget*>(widget));
  if (className == "QLabel") {
    // An empty label says nothing; Qt's own would borrow the title of its group box.
    auto* label = static_cast<QLabel*>(widget);
    const bool picture = !label->pixmap().isNull() && label->text().isEmpty();
    return new DrawnInterface(label, picture ? QAccessible::Graphic : QAccessible::StaticText, [label] {
      if (!label->accessibleName().isEmpty()) return label->accessibleName();
      const QString text = label->text();
      return (Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text).trimmed();
    });
  }
  if (!className.startsWith("zrx::")) return nullptr;
  if (className == "zrx::DiceFaceView") {
    auto* die = static_cast<DiceFaceView*>(widget);
    return new DrawnInterface(widget, QAccessible::Graphic, [die] { return DiceFaceName(die->face()); });
  }
  if (className == "zrx::PictureView") {
    return new DrawnInterface(widget, QAccessible::Graphic, [widget] {
      const QString name = AccessibleNameFor(*widget);
      return name.isEmpty() ? widget->accessibleName() : name;
    });
  }
  if (className == "zrx::SignalTabBar") return new TabRowInterface(static_cast<SignalTabBar*>(widget));
  if (className == "zrx::DrawnScrollBar") {
    return new DrawnInterface(widget, QAccessible::ScrollBar, [] { return QString("Görgetősáv"); });
  }
  if (className == "zrx::ArrowButton") {
    auto* arrow = static_cast<QAbstractButton*>(widget);
    return new ButtonInterface(arrow, [arrow] { return ArrowName(*arrow); });
  }
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    return new ButtonInterface(button);
  }
  return nullptr;
}

// Gives the standard controls without a caption (lists, text areas) their names before
// they are first shown.
class Namer : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Polish && watched->isWidgetType()) {
      auto* widget = static_cast<QWidget*>(watched);
      if (widget->accessibleName().isEmpty()) {
        const QString name = AccessibleNameFor(*widget);
        if (!name.isEmpty()) widget->setAccessibleName(name);
      }
      DescribeByHelp(*widget);
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void InstallAccessibility() {
  static bool installed = false;
  if (installed || qApp == nullptr) return;
  installed = true;
  QAccessible::installFactory(makeInterface);
  qApp->installEventFilter(new Namer(qApp));
}

}  // namespace zrx
