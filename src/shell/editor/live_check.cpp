#include "editor/live_check.h"

#include <QtConcurrent/QtConcurrentRun>

namespace zrx {

LiveCheck::LiveCheck(QObject* parent) : QObject(parent) {
  delay_.setSingleShot(true);
  delay_.setInterval(kCheckDelayMs);
  connect(&delay_, &QTimer::timeout, this, &LiveCheck::start);
  connect(&watcher_, &QFutureWatcher<book::Diagnostics>::finished, this, &LiveCheck::finished);
}

// A run still going holds only its own copy of the bytes; it is waited for, not left behind.
LiveCheck::~LiveCheck() { watcher_.waitForFinished(); }

void LiveCheck::schedule(EditorSession::Snapshot snapshot) {
  waiting_ = std::move(snapshot);
  delay_.start();
}

void LiveCheck::runNow(EditorSession::Snapshot snapshot) {
  waiting_ = std::move(snapshot);
  delay_.stop();
  start();
}

bool LiveCheck::busy() const { return delay_.isActive() || running_ || waiting_.has_value(); }

void LiveCheck::start() {
  if (!waiting_ || watcher_.isRunning()) return;
  EditorSession::Snapshot snapshot = std::move(*waiting_);
  waiting_.reset();
  running_ = true;
  watcher_.setFuture(QtConcurrent::run([snapshot = std::move(snapshot)] { return CheckSnapshot(snapshot); }));
}

void LiveCheck::finished() {
  running_ = false;
  if (waiting_) {
    // Newer bytes came while this ran: its findings are stale.
    if (!delay_.isActive()) start();
    return;
  }
  emit checked(watcher_.result());
}

}  // namespace zrx
