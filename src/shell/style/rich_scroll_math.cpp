#include "style/rich_scroll_math.h"

#include <algorithm>
#include <cmath>

namespace zrx {
namespace {

int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

void RichScrollMath::PixelPerSorKiszamol(int lineCount, int frameHeight) {
  thumbTopMax_ = frameHeight - kArrowSize - kThumbHeight;
  linesPerPage_ = roundHalfEven(frameHeight / lineHeight_);
  scrollableLines_ = lineCount - linesPerPage_;
  const int track = thumbTopMax_ - kArrowSize;
  if (scrollableLines_ >= 1 && track > 0) {
    pixelsPerLine_ = static_cast<double>(track) / scrollableLines_;
    linesPerPixel_ = static_cast<double>(scrollableLines_) / track;
  } else {
    pixelsPerLine_ = 0;
    linesPerPixel_ = 0;
  }
  currentLine_ = std::clamp(currentLine_, 0, std::max(0, scrollableLines_));
  placeThumb();
}

void RichScrollMath::placeThumb() {
  const int top = kArrowSize + roundHalfEven(currentLine_ * pixelsPerLine_);
  thumbTop_ = std::clamp(top, kArrowSize, std::max(kArrowSize, thumbTopMax_));
}

void RichScrollMath::scrollBy(int lines) {
  currentLine_ = std::clamp(currentLine_ + lines, 0, std::max(0, scrollableLines_));
  placeThumb();
}

void RichScrollMath::scrollLine(int direction) { scrollBy(direction < 0 ? -1 : 1); }

void RichScrollMath::scrollPage(int direction) { scrollBy((direction < 0 ? -1 : 1) * linesPerPage_); }

int RichScrollMath::linesForDrag(int pixels) const {
  if (linesPerPixel_ >= 1 || linesPerPixel_ <= 0) return 0;
  return static_cast<int>(pixels * linesPerPixel_);
}

void RichScrollMath::reset() {
  currentLine_ = 0;
  thumbTop_ = kArrowSize;
}

}  // namespace zrx
