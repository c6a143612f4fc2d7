#pragma once
// TZRX_FrameRichEdit: a read-only rich text with the program's drawn scroll bar (arrows,
// track, thumb), keys and wheel through an invisible focus-getter, and the focus protocol.
#include <QWidget>

#include "style/focus_event.h"
#include "style/rich_scroll_math.h"

class QTextBrowser;
class QTimer;

namespace zrx {

class DrawnScrollBar;

class TZRX_FrameRichEdit : public QWidget, public FocusParticipant {
  Q_OBJECT
 public:
  static constexpr QSize kDesignSize{426, 421};
  static constexpr int kRepeatDelayMs = 450;
  static constexpr int kRepeatIntervalMs = 100;

  explicit TZRX_FrameRichEdit(QWidget* parent, QSize size = kDesignSize);

  // `AlapraHozas`: recomputes the scroll values for the text now shown and stores the id.
  void AlapraHozas(int focusId);
  // `KomponensReset`: back to the first line.
  void KomponensReset();

  void setHtml(const QString& html);
  void setPlainText(const QString& text);
  QTextBrowser* text() const { return richEditScroll_; }
  const RichScrollMath& scroll() const { return math_; }
  QTimer* scrollTimer() const { return timerScroller_; }
  DrawnScrollBar* scrollBar() const { return bar_; }
  QWidget* focusGetter() const { return focusGetter_; }
  bool hasZrxFocus() const { return hasFocus_; }
  // The text's line count as laid out.
  int lineCount() const;

  int focusId() const override { return focusId_; }
  void focusTaken(int focusId) override;

  // The scroll bar's parts report presses and releases here.
  void arrowPressed(int direction);
  void arrowReleased();
  void trackPressed(int y);
  void thumbDragged(int pixelsFromStart, bool started);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void takeFocus();
  void showCurrentLine();
  void TimerScrollerTimer();

  QTextBrowser* richEditScroll_;
  DrawnScrollBar* bar_;
  QWidget* focusGetter_;
  QTimer* timerScroller_;
  RichScrollMath math_;
  int focusId_ = 0;
  bool hasFocus_ = false;
  int repeatDirection_ = 0;
  int dragStartLine_ = 0;
  int wheelRest_ = 0;  // wheel movement short of a notch, kept for the next event
};

// The drawn scroll bar: up arrow, track, thumb and down arrow, 16 pixels wide.
class DrawnScrollBar : public QWidget {
  Q_OBJECT
 public:
  explicit DrawnScrollBar(TZRX_FrameRichEdit& frame);
  void setThumbTop(int top);
  int thumbTop() const { return thumbTop_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TZRX_FrameRichEdit& frame_;
  int thumbTop_ = RichScrollMath::kArrowSize;
  bool dragging_ = false;
  int dragStartY_ = 0;
};

}  // namespace zrx
