#include "style/frame_rich_edit.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>
#include <QTimer>
#include <QWheelEvent>
#include <cmath>

#include "style/focus_frame.h"
#include "style/look_colours.h"

namespace zrx {
namespace {

constexpr int kBarWidth = 16;
// A wheel's notch in eighths of a degree.
constexpr int kNotch = 120;

void drawArrow(QPainter& painter, const QRect& box, bool up) {
  const LookColours& look = Look();
  painter.setPen(QPen(look.controlLine, 1));
  painter.setBrush(look.controlFill);
  painter.drawRoundedRect(box.adjusted(0, 0, -1, -1), 3, 3);
  const QPointF c = QRectF(box).center();
  QPainterPath arrow;
  const double d = up ? -1 : 1;
  arrow.moveTo(c.x() - 4, c.y() - 2 * d);
  arrow.lineTo(c.x() + 4, c.y() - 2 * d);
  arrow.lineTo(c.x(), c.y() + 3 * d);
  arrow.closeSubpath();
  painter.setBrush(look.highContrast ? look.body : QColor(Qt::white));
  painter.setPen(Qt::NoPen);
  painter.drawPath(arrow);
}

}  // namespace

TZRX_FrameRichEdit::TZRX_FrameRichEdit(QWidget* parent, QSize size) : QWidget(parent) {
  resize(size);
  richEditScroll_ = new QTextBrowser(this);
  richEditScroll_->setObjectName("RichEditScroll");
  richEditScroll_->setReadOnly(true);
  richEditScroll_->setFrameShape(QFrame::NoFrame);
  richEditScroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  richEditScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  richEditScroll_->setFocusPolicy(Qt::NoFocus);
  richEditScroll_->viewport()->installEventFilter(this);

  bar_ = new DrawnScrollBar(*this);
  focusGetter_ = new QWidget(this);
  focusGetter_->setObjectName("RichEditFocusGetter");
  focusGetter_->setGeometry(0, 0, 20, 20);
  focusGetter_->setFocusPolicy(Qt::StrongFocus);
  focusGetter_->lower();
  focusGetter_->installEventFilter(this);
  setFocusProxy(focusGetter_);

  timerScroller_ = new QTimer(this);
  timerScroller_->setObjectName("TimerScroller");
  timerScroller_->setInterval(kRepeatDelayMs);
  connect(timerScroller_, &QTimer::timeout, this, [this] { TimerScrollerTimer(); });
  setAccessibleName("Szöveg");
  setAccessibleDescription("Görgethető szöveg: Page Up, Page Down, fel és le nyíl");
}

void TZRX_FrameRichEdit::resizeEvent(QResizeEvent*) {
  richEditScroll_->setGeometry(0, 0, width() - kBarWidth, height());
  bar_->setGeometry(width() - kBarWidth, 0, kBarWidth, height());
  AlapraHozas(focusId_);
}

void TZRX_FrameRichEdit::setHtml(const QString& html) {
  richEditScroll_->setHtml(html);
  math_.reset();
  AlapraHozas(focusId_);
}

void TZRX_FrameRichEdit::setPlainText(const QString& text) {
  richEditScroll_->setPlainText(text);
  math_.reset();
  AlapraHozas(focusId_);
}

int TZRX_FrameRichEdit::lineCount() const {
  QTextDocument* document = richEditScroll_->document();
  document->setTextWidth(richEditScroll_->viewport()->width());
  int lines = 0;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
    lines += block.layout() != nullptr ? std::max(1, block.layout()->lineCount()) : 1;
  // Paragraph margins and headings make a laid-out page taller than its lines counted at
  // the fixed line height: the range then comes from the laid-out height, so that the
  // last line is within reach. Plain text at the default size keeps the counted lines.
  const int laidOut = static_cast<int>(std::ceil(document->size().height() / math_.lineHeight()));
  return std::max(lines, laidOut);
}

void TZRX_FrameRichEdit::AlapraHozas(int focusId) {
  focusId_ = focusId;
  math_.PixelPerSorKiszamol(lineCount(), height());
  // A text a few pixels taller than the frame still gets its one line to scroll.
  if (math_.scrollableLines() < 1 && richEditScroll_->document()->size().height() > height()) {
    math_.PixelPerSorKiszamol(math_.linesPerPage() + 1, height());
  }
  showCurrentLine();
}

void TZRX_FrameRichEdit::KomponensReset() {
  math_.reset();
  showCurrentLine();
}

void TZRX_FrameRichEdit::showCurrentLine() {
  QScrollBar* bar = richEditScroll_->verticalScrollBar();
  // The last line shows the text's end, whatever the rounding of the lines per page.
  const bool atEnd = math_.scrollableLines() > 0 && math_.currentLine() >= math_.scrollableLines();
  bar->setValue(atEnd ? bar->maximum() : static_cast<int>(math_.currentLine() * math_.lineHeight()));
  bar_->setThumbTop(math_.thumbTop());
}

void TZRX_FrameRichEdit::focusTaken(int focusId) {
  const bool mine = focusId == focusId_;
  if (hasFocus_ == mine) return;
  hasFocus_ = mine;
  bar_->update();
}

void TZRX_FrameRichEdit::takeFocus() {
  focusGetter_->setFocus();
  hasFocus_ = true;
  AnnounceFocus(*this, focusId_);
}

void TZRX_FrameRichEdit::arrowPressed(int direction) {
  takeFocus();
  repeatDirection_ = direction;
  math_.scrollLine(direction);
  showCurrentLine();
  timerScroller_->setInterval(kRepeatDelayMs);
  timerScroller_->start();
}

void TZRX_FrameRichEdit::TimerScrollerTimer() {
  math_.scrollLine(repeatDirection_);
  showCurrentLine();
  timerScroller_->setInterval(kRepeatIntervalMs);
}

void TZRX_FrameRichEdit::arrowReleased() {
  timerScroller_->stop();
  timerScroller_->setInterval(kRepeatDelayMs);
}

void TZRX_FrameRichEdit::trackPressed(int y) {
  takeFocus();
  math_.scrollPage(y < math_.thumbTop() ? -1 : 1);
  showCurrentLine();
}

void TZRX_FrameRichEdit::thumbDragged(int pixelsFromStart, bool started) {
  if (started) {
    takeFocus();
    dragStartLine_ = math_.currentLine();
    return;
  }
  math_.scrollBy(dragStartLine_ + math_.linesForDrag(pixelsFromStart) - math_.currentLine());
  showCurrentLine();
}

bool TZRX_FrameRichEdit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    // A high-resolution wheel or a touchpad sends parts of a notch: they add up.
    const auto* wheel = static_cast<QWheelEvent*>(event);
    int delta = wheel->angleDelta().y();
    if (delta == 0) delta = static_cast<int>(wheel->pixelDelta().y() * kNotch / math_.lineHeight());
    wheelRest_ += delta;
    const int notches = wheelRest_ / kNotch;
    wheelRest_ -= notches * kNotch;
    math_.scrollBy(-notches);
    showCurrentLine();
    return true;
  }
  if (watched == richEditScroll_->viewport() && event->type() == QEvent::MouseButtonPress) takeFocus();
  if (watched == focusGetter_ && event->type() == QEvent::KeyPress) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_PageUp: math_.scrollPage(-1); break;
      case Qt::Key_PageDown: math_.scrollPage(1); break;
      case Qt::Key_Up: math_.scrollLine(-1); break;
      case Qt::Key_Down: math_.scrollLine(1); break;
      case Qt::Key_Home: math_.scrollBy(-math_.currentLine()); break;
      case Qt::Key_End: math_.scrollBy(math_.scrollableLines() - math_.currentLine()); break;
      default: return false;
    }
    showCurrentLine();
    return true;
  }
  if (watched == focusGetter_ && event->type() == QEvent::FocusIn && !hasFocus_) {
    hasFocus_ = true;
    AnnounceFocus(*this, focusId_);
  }
  return QWidget::eventFilter(watched, event);
}

DrawnScrollBar::DrawnScrollBar(TZRX_FrameRichEdit& frame) : QWidget(&frame), frame_(frame) {
  setObjectName("ImageSBMid");
}

void DrawnScrollBar::setThumbTop(int top) {
  thumbTop_ = top;
  update();
}

void DrawnScrollBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  // The track, lit while the frame holds the focus.
  const LookColours& look = Look();
  painter.fillRect(rect(), frame_.hasZrxFocus() ? look.trackFocused : look.track);
  drawArrow(painter, QRect(0, 0, kBarWidth, kBarWidth), true);
  drawArrow(painter, QRect(0, height() - kBarWidth, kBarWidth, kBarWidth), false);
  painter.setPen(QPen(look.controlLine, 1));
  painter.setBrush(look.controlLit);
  painter.drawRoundedRect(QRectF(1.5, thumbTop_ + 0.5, kBarWidth - 3, RichScrollMath::kThumbHeight - 1), 4, 4);
  if (frame_.hasZrxFocus()) DrawFocusFrame(painter, rect());
}

void DrawnScrollBar::mousePressEvent(QMouseEvent* event) {
  const int y = event->position().toPoint().y();
  if (y < kBarWidth) {
    frame_.arrowPressed(-1);
  } else if (y >= height() - kBarWidth) {
    frame_.arrowPressed(1);
  } else if (y >= thumbTop_ && y < thumbTop_ + RichScrollMath::kThumbHeight) {
    dragging_ = true;
    dragStartY_ = y;
    frame_.thumbDragged(0, true);
  } else {
    frame_.trackPressed(y);
  }
}

void DrawnScrollBar::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) frame_.thumbDragged(event->position().toPoint().y() - dragStartY_, false);
}

void DrawnScrollBar::mouseReleaseEvent(QMouseEvent*) {
  dragging_ = false;
  frame_.arrowReleased();
}

}  // namespace zrx
