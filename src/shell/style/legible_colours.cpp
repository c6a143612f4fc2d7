#include "style/legible_colours.h"

#include <algorithm>
#include <cmath>

#include "style/look_colours.h"

namespace zrx {
namespace {

double channel(int value) {
  const double c = value / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
  return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) + 0.0722 * channel(colour.blue());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor DisabledTextColour() { return Look().disabled; }

QColor StoryBackground(const QColor& text) {
  const QColor white(Qt::white);
  return ContrastRatio(text, white) >= kBodyTextContrast ? white : QColor(12, 12, 20);
}

QColor BestTextOn(const QColor& background, std::initializer_list<QColor> candidates) {
  QColor best;
  double bestRatio = 0;
  for (const QColor& candidate : candidates) {
    const double ratio = ContrastRatio(candidate, background);
    if (ratio > bestRatio) {
      best = candidate;
      bestRatio = ratio;
    }
  }
  return best;
}

}  // namespace zrx
