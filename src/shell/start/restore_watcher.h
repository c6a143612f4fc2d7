#pragma once
// Restoring the game window from the minimised state (task bar, window manager,
// `showNormal`) reopens the sub-window that was minimised, not only a second start does.
#include <QObject>

namespace zrx {

class Program;

class RestoreWatcher : public QObject {
  Q_OBJECT
 public:
  // Watches `window`'s state; the watcher belongs to the window.
  RestoreWatcher(Program& program, QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Program& program_;
};

}  // namespace zrx
