#pragma once
// What the program reads aloud goes through a speaker: the desktop's speech service in the
// program, a recorder in tests.
#include <QString>

namespace zrx {

class Speaker {
 public:
  virtual ~Speaker() = default;

  // Why nothing can be read aloud, in the player's words; empty while speech can be used.
  virtual QString unavailableReason() const = 0;
  // Readies the service when the player turns reading on; false when it failed (the
  // reason then says why).
  virtual bool open() = 0;
  // Reads `text`, cutting off whatever was being read.
  virtual void say(const QString& text) = 0;
  // Falls silent.
  virtual void stop() = 0;
};

}  // namespace zrx
