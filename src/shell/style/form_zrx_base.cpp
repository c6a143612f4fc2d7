#include "style/form_zrx_base.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include "game.h"
#include "resources/resources.h"
#include "start/program.h"
#include "style/focus_event.h"
#include "style/frames.h"
#include "style/look_colours.h"
#include "style/look_style_sheet.h"
#include "style/glyph_button.h"
#include "style/window_fit.h"
#include "style/window_services.h"

namespace zrx {
namespace {

constexpr int kFadeStep = 5;
constexpr int kFadeIntervalMs = 10;

// `ImageIcon`: dragging it moves its window.
class DragIcon : public QLabel {
 public:
  explicit DragIcon(QWidget* parent) : QLabel(parent) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    start_ = event->globalPosition().toPoint();
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    if (!dragging_) return;
    const QPoint now = event->globalPosition().toPoint();
    window()->move(window()->pos() + (now - start_));
    start_ = now;
  }
  void mouseReleaseEvent(QMouseEvent*) override { dragging_ = false; }

 private:
  bool dragging_ = false;
  QPoint start_;
};

}  // namespace

QColor SkyBlue() { return NormalLook().body; }

TFormZRXBase::TFormZRXBase(Program& program, QWidget* parent, QSize designSize)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Window), program_(program), designSize_(designSize) {
  setFixedSize(designSize);
  setPalette(BodyPalette(palette()));
  setAutoFillBackground(true);
  connect(&program, &Program::settingsApplied, this, [this] { applyLook(); });

  const Resources& resources = program.resources();
  imageIcon_ = new DragIcon(this);
  imageIcon_->setObjectName("ImageIcon");
  imageIcon_->setGeometry(3, 3, 32, 32);
  imageIcon_->setPixmap(resources.icon());
  imageIcon_->setScaledContents(true);
  imageIcon_->setAccessibleName("ZRX");

  labelHead_ = new QLabel(this);
  labelHead_->setObjectName("LabelHead");
  labelHead_->setGeometry((designSize.width() - 340) / 2, 3, 340, 25);
  labelHead_->setAlignment(Qt::AlignCenter);
  labelHead_->setFont(resources.headerFont(13));

  labelMin_ = new GlyphButton(resources.glyph(Glyph::Minimise), resources.glyph(Glyph::MinimiseLit), "Kis méret", this);
  labelMin_->setObjectName("LabelMin");
  labelMin_->move(designSize.width() - 42, 6);
  labelClose_ = new GlyphButton(resources.glyph(Glyph::Close), resources.glyph(Glyph::CloseLit), "Bezárás", this);
  labelClose_->setObjectName("LabelClose");
  labelClose_->move(designSize.width() - 24, 6);
  connect(labelMin_, &QAbstractButton::clicked, this, [this] { LabelMinClick(); });
  connect(labelClose_, &QAbstractButton::clicked, this, [this] { LabelCloseClick(); });

  timerFader_ = new QTimer(this);
  timerFader_->setObjectName("TimerFader");
  timerFader_->setInterval(kFadeIntervalMs);
  connect(timerFader_, &QTimer::timeout, this, [this] { TimerFaderTimer(); });
}

TFormZRXBase::~TFormZRXBase() = default;

void TFormZRXBase::setHead(const QString& text) {
  labelHead_->setText(text);
  setAccessibleName(text);
}

QString TFormZRXBase::head() const { return labelHead_->text(); }

bool TFormZRXBase::fading() const { return timerFader_->isActive(); }

void TFormZRXBase::finishFade() {
  timerFader_->stop();
  opacity_ = fadeTarget_;
  setWindowOpacity(opacity_ / 255.0);
}

void TFormZRXBase::hideCaptionRow() {
  captionRow_ = false;
  for (QWidget* part : {static_cast<QWidget*>(imageIcon_), static_cast<QWidget*>(labelHead_),
                        static_cast<QWidget*>(labelMin_), static_cast<QWidget*>(labelClose_)})
    part->hide();
  update();
}

void TFormZRXBase::applyLook() {
  // The palette reaches every control that keeps no colours of its own; the painting
  // controls read the set in force as they repaint.
  setPalette(BodyPalette(palette()));
  RefreshLookStyles(*this);
  for (QWidget* child : findChildren<QWidget*>()) child->update();
  update();
}

void TFormZRXBase::setMinimiseEnabled(bool enabled) { labelMin_->setEnabled(enabled); }

void TFormZRXBase::LabelCloseClick() { close(); }

void TFormZRXBase::LabelMinClick() {
  if (windowCode_ != 0) {
    program_.game().state.PendingWindow = windowCode_;
    close();
    return;
  }
  program_.minimiseProgram();
}

bool TFormZRXBase::canClose() { return !fading(); }

void TFormZRXBase::showEvent(QShowEvent* event) {
  opener_ = QApplication::activeWindow();
  if (opener_ == nullptr && parentWidget() != nullptr) opener_ = parentWidget()->window();
  program_.services().KurzorAllitas(*this, CursorKind::Normal);
  if (program_.settings().fadeIn()) {
    opacity_ = 0;
    setWindowOpacity(0.0);
    timerFader_->start();
  } else {
    finishFade();
  }
  QDialog::showEvent(event);
  // A modal window takes the keyboard at once: the player's next key is its answer.
  if (testAttribute(Qt::WA_ShowModal)) activateWindow();
}

void TFormZRXBase::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  // Not every window manager (and no display without one) gives the activation back to the
  // window underneath, and a keyboard player's keys would then go nowhere.
  // A window that opened meanwhile keeps it.
  QTimer::singleShot(0, opener_, [opener = opener_] {
    if (!opener || !opener->isVisible() || QApplication::activeWindow() != nullptr) return;
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == opener) opener->activateWindow();
  });
}

void TFormZRXBase::FormActivate() {
  // With the setting off the pointer stays exactly where the player left it (no nudge).
  if (!isVisible() || !program_.settings().pointerCentring()) return;
  QCursor::setPos(mapToGlobal(QPoint(width() / 2, height() / 2)));
  // Once pending events have run, one pixel down: the control under the pointer sees it move.
  QTimer::singleShot(0, this, [] { QCursor::setPos(QCursor::pos() + QPoint(0, 1)); });
}

void TFormZRXBase::TimerFaderTimer() {
  opacity_ += kFadeStep;
  if (opacity_ >= fadeTarget_ - 4) opacity_ = fadeTarget_;
  setWindowOpacity(opacity_ / 255.0);
  if (opacity_ == fadeTarget_) timerFader_->stop();
}

void TFormZRXBase::closeEvent(QCloseEvent* event) {
  if (!canClose()) {
    event->ignore();
    return;
  }
  // QDialog's own close handling rejects the dialog; that rejection must not ask again.
  closing_ = true;
  QDialog::closeEvent(event);
  closing_ = false;
}

void TFormZRXBase::reject() {
  if (closing_) {
    QDialog::reject();
  } else {
    close();
  }
}

void TFormZRXBase::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  paintBody(painter);
}

void TFormZRXBase::paintBody(QPainter& painter) {
  KeretRajzolas(painter, contentScroll_ != nullptr ? contentScroll_->widget()->rect() : rect(), captionRow_);
}

void TFormZRXBase::fitInto(const QRect& available) {
  // Windows that size themselves after construction (the comment strip) have a new design.
  if (contentScroll_ == nullptr) designSize_ = size();
  const QSize fitted = FittedWindowSize(designSize_, available, style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  if (fitted != designSize_ && contentScroll_ == nullptr) {
    contentScroll_ = ScrollWindowContent(*this, designSize_, [this](QPainter& painter) { paintBody(painter); });
  }
  if (contentScroll_ != nullptr) {
    setFixedSize(fitted);
    contentScroll_->setGeometry(rect());
  }
  // A window not placed yet is centred on its parent by QDialog, inside the free area.
  if (testAttribute(Qt::WA_Moved)) {
    const QPoint inside = PositionInside(available, QRect(pos(), size()));
    if (inside != pos()) move(inside);
  }
}

void TFormZRXBase::setVisible(bool visible) {
  if (visible && !isVisible()) {
    const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) fitInto(screen->availableGeometry());
  }
  QDialog::setVisible(visible);
  if (visible) followScreen();
}

void TFormZRXBase::followScreen() {
  QWindow* handle = windowHandle();
  if (followingScreen_ || handle == nullptr) return;
  followingScreen_ = true;
  connect(handle, &QWindow::screenChanged, this, [this](QScreen* screen) {
    followFreeArea(screen);
    if (screen != nullptr) fitInto(screen->availableGeometry());
  });
  followFreeArea(handle->screen());
}

void TFormZRXBase::followFreeArea(QScreen* screen) {
  disconnect(freeAreaWatch_);
  if (screen == nullptr) return;
  freeAreaWatch_ = connect(screen, &QScreen::availableGeometryChanged, this, [this](const QRect& available) {
    if (isVisible()) fitInto(available);
  });
}

bool TFormZRXBase::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) QTimer::singleShot(0, this, [this] { FormActivate(); });
  if (event->type() == FocusTakenEvent::eventType()) {
    const int id = static_cast<FocusTakenEvent*>(event)->focusId();
    focusedControlId_ = id;
    for (QWidget* child : findChildren<QWidget*>()) {
      if (auto* participant = dynamic_cast<FocusParticipant*>(child)) participant->focusTaken(id);
    }
    return true;
  }
  return QDialog::event(event);
}

void AnnounceFocus(QWidget& control, int focusId) {
  FocusTakenEvent event(focusId);
  QCoreApplication::sendEvent(control.window(), &event);
}

}  // namespace zrx
