#pragma once
// SIGTERM and SIGINT turned into a Qt signal, so that a killed program ends the way
// "Kilépés" ends it, inside the message loop, instead of dying with its socket left behind.
#include <QObject>

class QSocketNotifier;

namespace zrx {

class TerminationSignals : public QObject {
  Q_OBJECT
 public:
  // Installs the handlers; one object per process.
  explicit TerminationSignals(QObject* parent = nullptr);
  ~TerminationSignals() override;

 signals:
  void terminationRequested();

 private:
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace zrx
