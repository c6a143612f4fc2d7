#pragma once
// "Felolvasás": while it is on, every announcement of the game window (a new chapter
// point's number, text and continuations; the result lines of rolls, luck tests and
// rounds) is read aloud. Any key or mouse press of the player in the window stops the
// reading, so what the player does next is never talked over.
#include <QObject>
#include <QPointer>
#include <memory>

#include "speech/speaker.h"

class QWidget;

namespace zrx {

class Announcer;

class ReadAloud : public QObject {
  Q_OBJECT
 public:
  ReadAloud(Announcer& announcer, QWidget* window, std::unique_ptr<Speaker> speaker);
  ~ReadAloud() override;

  bool on() const { return on_; }
  // Turning on readies the speech service; when it cannot be had reading stays off.
  void setOn(bool on);
  // Empty while reading aloud can be used, otherwise why not.
  QString unavailableReason() const { return speaker_->unavailableReason(); }
  // Puts another speaker in place (tests record what would be said); reading goes off.
  void useSpeaker(std::unique_ptr<Speaker> speaker);

 signals:
  // On/off or the availability changed.
  void changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void speak(const QString& text);

  QPointer<QWidget> window_;
  std::unique_ptr<Speaker> speaker_;
  bool on_ = false;
};

}  // namespace zrx
