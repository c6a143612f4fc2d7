#include "style/frame_color_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "resources/resources.h"
#include "style/form_zrx_base.h"
#include "style/look_colours.h"
#include "style/window_services.h"
#include "start/program.h"

namespace zrx {

TZRX_FrameColorButton::Colours TZRX_FrameColorButton::DefaultColours() {
  return {QColor(12, 34, 86), QColor(47, 111, 208), QColor(242, 200, 75), QColor(12, 34, 86), QColor(160, 20, 20)};
}

TZRX_FrameColorButton::Colours TZRX_FrameColorButton::paintedColours() const {
  if (!Look().highContrast) return colours_;
  const LookColours& look = Look();
  return {look.frame, look.frameDark, look.focus, look.text, look.command};
}

QColor TZRX_FrameColorButton::paintedBackground() const {
  return Look().highContrast ? Look().body : background_;
}

TZRX_FrameColorButton::TZRX_FrameColorButton(const WindowServices& services, QWidget* parent, QSize size)
    : QAbstractButton(parent), services_(services), background_(SkyBlue()) {
  resize(size);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  image_ = QImage(size, QImage::Format_RGB32);
  redraw(false);
}

void TZRX_FrameColorButton::AlapraHozas(const Colours& colours, const QColor& background, const QString& caption,
                                        Qt::Alignment alignment, bool lit, int focusId) {
  colours_ = colours;
  background_ = background;
  alignment_ = alignment;
  focusId_ = focusId;
  SzovegBeallitas(caption);
  redraw(lit);
}

void TZRX_FrameColorButton::SzinBeallitas(const Colours& colours, const QColor& background) {
  colours_ = colours;
  background_ = background;
  redraw(lit_);
}

void TZRX_FrameColorButton::SzovegBeallitas(const QString& caption) {
  setText(caption);
  redraw(lit_);
}

void TZRX_FrameColorButton::HatterRajzolas() { image_.fill(paintedBackground()); }

void TZRX_FrameColorButton::KorvonalRajzolas(bool lit) {
  // Drawn without smoothing, so that every pixel of the drawing has one of the five colours
  // and the hover test can tell drawing from background.
  QPainter painter(&image_);
  const Colours colours = paintedColours();
  const QRect box = image_.rect().adjusted(1, 1, -2, -2);
  painter.setPen(QPen(lit ? colours[2] : colours[0], 2));
  painter.drawRoundedRect(box, 8, 8);
  painter.setPen(QPen(colours[1], 1));
  painter.drawRoundedRect(box.adjusted(3, 3, -3, -3), 6, 6);
  QFont font = services_.program().resources().headerFont(12);
  font.setStyleStrategy(QFont::NoAntialias);
  painter.setFont(font);
  painter.setPen(lit ? colours[4] : colours[3]);
  painter.drawText(box.adjusted(10, 0, -10, 0), static_cast<int>(alignment_), text());
}

void TZRX_FrameColorButton::redraw(bool lit) {
  lit_ = lit;
  HatterRajzolas();
  KorvonalRajzolas(lit);
  update();
}

void TZRX_FrameColorButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
  if (!hasFocus_) return;
  // Lit alone it looks as under the mouse: a square frame round the rounded one tells the
  // keyboard focus. It is drawn over the image, which the hover test reads.
  painter.setPen(QPen(Look().focus, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void TZRX_FrameColorButton::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (!image_.rect().contains(at)) return;
  const QColor pixel = image_.pixelColor(at);
  const Colours colours = paintedColours();
  const bool onDrawing =
      pixel != paintedBackground() && std::find(colours.begin(), colours.end(), pixel) != colours.end();
  hover_ = onDrawing ? kOverDrawing : kOverBackground;
  setCursor(services_.cursor(onDrawing ? CursorKind::Link : CursorKind::Normal));
  if (!hasFocus_ && lit_ != onDrawing) redraw(onDrawing);
  QAbstractButton::mouseMoveEvent(event);
}

void TZRX_FrameColorButton::leaveEvent(QEvent* event) {
  hover_ = kOutside;
  if (!hasFocus_ && lit_) redraw(false);
  QAbstractButton::leaveEvent(event);
}

void TZRX_FrameColorButton::focusInEvent(QFocusEvent* event) {
  hasFocus_ = true;
  redraw(true);
  AnnounceFocus(*this, focusId_);
  QAbstractButton::focusInEvent(event);
}

void TZRX_FrameColorButton::focusOutEvent(QFocusEvent* event) {
  // The keyboard went to an ordinary control: no custom control shows the focus now.
  hasFocus_ = false;
  redraw(hover_ == kOverDrawing);
  QAbstractButton::focusOutEvent(event);
}

void TZRX_FrameColorButton::focusTaken(int focusId) {
  if (focusId == focusId_) return;
  hasFocus_ = false;
  if (lit_ && hover_ != kOverDrawing) redraw(false);
}

void TZRX_FrameColorButton::changeEvent(QEvent* event) {
  // The window's palette changes with the colour set: the drawing follows.
  if (event->type() == QEvent::PaletteChange) redraw(lit_);
  QAbstractButton::changeEvent(event);
}

void TZRX_FrameColorButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

}  // namespace zrx
