#include "start/termination_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

namespace zrx {
namespace {

// The handler may only write to a descriptor: the byte wakes the message loop.
int wakeFds[2] = {-1, -1};

void onSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(wakeFds[0], &byte, 1);
}

void install(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGTERM, &action, nullptr);
  ::sigaction(SIGINT, &action, nullptr);
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeFds) != 0) return;
  notifier_ = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(wakeFds[1], &byte, 1);
    emit terminationRequested();
  });
  install(onSignal);
}

TerminationSignals::~TerminationSignals() {
  install(SIG_DFL);
  if (notifier_ == nullptr) return;
  delete notifier_;
  ::close(wakeFds[0]);
  ::close(wakeFds[1]);
  wakeFds[0] = wakeFds[1] = -1;
}

}  // namespace zrx
