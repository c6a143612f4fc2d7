#include "welcome/header_colour_cycle.h"

#include <QString>

namespace zrx {

void HeaderColourCycle::step() {
  const int sign = rising_ ? 1 : -1;
  colour_ = QColor(colour_.red() + sign * 1, colour_.green() + sign * 5, colour_.blue() + sign * 4);
  if (rising_ && colour_ == kUpper) rising_ = false;
  if (!rising_ && colour_ == kLower) rising_ = true;
}

QString RotateTitle(const QString& title) {
  if (title.size() < 2) return title;
  return title.mid(1) + title.front();
}

}  // namespace zrx
