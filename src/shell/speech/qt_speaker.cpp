#include "speech/qt_speaker.h"

#include <QTextToSpeech>

namespace zrx {

QtSpeaker::QtSpeaker() = default;
QtSpeaker::~QtSpeaker() = default;

QString QtSpeaker::unavailableReason() const {
  if (QTextToSpeech::availableEngines().isEmpty()) return QString::fromUtf8("Nincs beszédszolgáltatás a gépen.");
  if (engine_ && engine_->state() == QTextToSpeech::Error) {
    return QString::fromUtf8("A beszédszolgáltatás nem indult el: %1").arg(engine_->errorString());
  }
  return {};
}

bool QtSpeaker::open() {
  if (!engine_ && !QTextToSpeech::availableEngines().isEmpty()) engine_ = std::make_unique<QTextToSpeech>();
  return engine_ && unavailableReason().isEmpty();
}

void QtSpeaker::say(const QString& text) {
  if (!open()) return;
  engine_->stop();
  engine_->say(text);
}

void QtSpeaker::stop() {
  if (engine_) engine_->stop();
}

}  // namespace zrx
