#pragma once
// The arithmetic of the rich text frame's drawn scroll bar: how many lines a page holds,
// how far the thumb moves per line, and where it stands for the current line.
namespace zrx {

class RichScrollMath {
 public:
  static constexpr int kArrowSize = 16;
  static constexpr int kThumbHeight = 48;
  static constexpr double kDefaultLineHeight = 17.25;

  explicit RichScrollMath(double lineHeight = kDefaultLineHeight) : lineHeight_(lineHeight) {}

  // `PixelPerSorKiszamol`: the thumb's limits, the lines per page, the scrollable lines, and
  // pixels per line and lines per pixel (both 0 when the text fits on a page).
  void PixelPerSorKiszamol(int lineCount, int frameHeight);

  // `RichEditScrollozasSor` / `RichEditScrollozasOldal`: one line or one page, up (-1) or
  // down (+1); the thumb follows.
  void scrollLine(int direction);
  void scrollPage(int direction);
  // Scrolls by a number of lines (a thumb drag or the wheel).
  void scrollBy(int lines);
  // The lines a thumb drag of `pixels` scrolls: none while lines per pixel is 1 or more.
  int linesForDrag(int pixels) const;
  // `KomponensReset`: the first line, the thumb at the top.
  void reset();

  int currentLine() const { return currentLine_; }
  int thumbTop() const { return thumbTop_; }
  int thumbTopMin() const { return kArrowSize; }
  int thumbTopMax() const { return thumbTopMax_; }
  int linesPerPage() const { return linesPerPage_; }
  int scrollableLines() const { return scrollableLines_; }
  double pixelsPerLine() const { return pixelsPerLine_; }
  double linesPerPixel() const { return linesPerPixel_; }
  double lineHeight() const { return lineHeight_; }

 private:
  void placeThumb();

  double lineHeight_;
  int thumbTopMax_ = kArrowSize;
  int linesPerPage_ = 0;
  int scrollableLines_ = 0;
  double pixelsPerLine_ = 0;
  double linesPerPixel_ = 0;
  int currentLine_ = 0;
  int thumbTop_ = kArrowSize;
};

}  // namespace zrx
