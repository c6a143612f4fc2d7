#pragma once
// The desktop's speech service through Qt TextToSpeech. The engine starts only when the
// player turns reading on, so a program that never reads aloud never reaches the service.
// Rate, pitch, volume and voice are left as the desktop's speech settings have them.
#include <memory>

#include "speech/speaker.h"

class QTextToSpeech;

namespace zrx {

class QtSpeaker : public Speaker {
 public:
  QtSpeaker();
  ~QtSpeaker() override;

  QString unavailableReason() const override;
  bool open() override;
  void say(const QString& text) override;
  void stop() override;

 private:
  std::unique_ptr<QTextToSpeech> engine_;
};

}  // namespace zrx
