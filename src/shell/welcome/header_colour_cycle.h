#pragma once
// The welcome header's colour: it climbs from dark blue to light blue by fixed steps,
// then back down, and again.
#include <QColor>

namespace zrx {

class HeaderColourCycle {
 public:
  static constexpr QColor kLower{0, 0, 128};
  static constexpr QColor kUpper{30, 150, 248};

  QColor colour() const { return colour_; }
  bool rising() const { return rising_; }
  // One tick: (+1, +5, +4) while rising, (-1, -5, -4) while falling; the direction turns
  // when the colour reaches the end it moves to.
  void step();

 private:
  QColor colour_ = kLower;
  bool rising_ = true;
};

// The scrolling title: the text with its first character moved to its end.
QString RotateTitle(const QString& title);

}  // namespace zrx
