#include "start/restore_watcher.h"

#include <QTimer>
#include <QWidget>
#include <QWindowStateChangeEvent>

#include "start/program.h"
#include "start/window_opener.h"

namespace zrx {

RestoreWatcher::RestoreWatcher(Program& program, QWidget& window) : QObject(&window), program_(program) {
  window.installEventFilter(this);
}

bool RestoreWatcher::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    auto* change = static_cast<QWindowStateChangeEvent*>(event);
    auto* window = static_cast<QWidget*>(watched);
    if (change->oldState().testFlag(Qt::WindowMinimized) && !window->isMinimized()) {
      // After the state change has been handled: the reopened window is modal.
      QTimer::singleShot(0, this, [this] { program_.opener().RestoreHandler(); });
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace zrx
