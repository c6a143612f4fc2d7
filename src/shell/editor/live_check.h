#pragma once
// The checker run again after each edit: a pause of `kCheckDelayMs` after the last change
// starts it in a worker thread on a snapshot of the bytes; a change made while it runs
// starts another run when it ends, and only the findings of the latest bytes are reported.
#include <QFutureWatcher>
#include <QObject>
#include <QTimer>
#include <optional>

#include "editor/editor_session.h"

namespace zrx {

inline constexpr int kCheckDelayMs = 300;

class LiveCheck : public QObject {
  Q_OBJECT
 public:
  explicit LiveCheck(QObject* parent = nullptr);
  ~LiveCheck() override;

  // The bytes changed: check `snapshot` once the author pauses.
  void schedule(EditorSession::Snapshot snapshot);
  // Checks `snapshot` at once (on opening a source).
  void runNow(EditorSession::Snapshot snapshot);
  // A check is waiting, running, or its findings are not reported yet.
  bool busy() const;

 signals:
  void checked(const book::Diagnostics& findings);

 private:
  void start();
  void finished();

  QTimer delay_;
  QFutureWatcher<book::Diagnostics> watcher_;
  std::optional<EditorSession::Snapshot> waiting_;
  bool running_ = false;  // from the start of a run until its findings are reported
};

}  // namespace zrx
