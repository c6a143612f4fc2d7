#include "speech/read_aloud.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "access/announcer.h"

namespace zrx {

ReadAloud::ReadAloud(Announcer& announcer, QWidget* window, std::unique_ptr<Speaker> speaker)
    : QObject(window), window_(window), speaker_(std::move(speaker)) {
  connect(&announcer, &Announcer::announced, this, &ReadAloud::speak);
  qApp->installEventFilter(this);
}

ReadAloud::~ReadAloud() { qApp->removeEventFilter(this); }

void ReadAloud::setOn(bool on) {
  const bool was = on_;
  on_ = on && speaker_->open();
  if (!on_) speaker_->stop();
  // A failed start changes what the item says even when it stays off.
  if (on_ != was || on) emit changed();
}

void ReadAloud::useSpeaker(std::unique_ptr<Speaker> speaker) {
  speaker_->stop();
  speaker_ = std::move(speaker);
  on_ = false;
  emit changed();
}

void ReadAloud::speak(const QString& text) {
  if (on_) speaker_->say(text);
}

bool ReadAloud::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (on_ && (type == QEvent::KeyPress || type == QEvent::MouseButtonPress)) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && window_ && widget->window() == window_) speaker_->stop();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace zrx
