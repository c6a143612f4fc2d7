#include "style/window_services.h"

#include <QGuiApplication>
#include <QScreen>
#include <QAbstractButton>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "resources/resources.h"
#include "game.h"
#include "start/program.h"
#include "style/look_colours.h"

namespace zrx {
namespace {

// One axis of the placement over the main window.
int placeOnAxis(int screenStart, int screenLength, int mainStart, int mainLength, int windowLength) {
  const int centre = mainStart + RoundHalfEven(mainLength / 2.0);
  const int half = RoundHalfEven(windowLength / 2.0);
  if (centre - screenStart < half) return screenStart + 1;
  // A window larger than the screen keeps its caption row on it.
  if (centre - half + windowLength > screenStart + screenLength) {
    return std::max(screenStart, screenStart + screenLength - windowLength);
  }
  return centre - half;
}

QRect desktopOf(const QWidget& window) {
  const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

QColor StoryTextColour(int digit) {
  static const std::array<QColor, 8> kColours = {QColor(Qt::black), QColor(Qt::blue),    QColor(Qt::green),
                                                 QColor(Qt::red),   QColor(Qt::cyan),    QColor(Qt::magenta),
                                                 QColor(Qt::yellow), HighContrastLook().text};
  return kColours[static_cast<std::size_t>(std::clamp(digit, 0, kHighContrastTextColour))];
}

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

QPoint PositionOverMainWindow(const QRect& screen, const QRect& mainWindow, const QSize& window) {
  return {placeOnAxis(screen.x(), screen.width(), mainWindow.x(), mainWindow.width(), window.width()),
          placeOnAxis(screen.y(), screen.height(), mainWindow.y(), mainWindow.height(), window.height())};
}

QPoint PositionOnDesktopCentre(const QRect& screen, const QSize& window) {
  // A window larger than the screen (a high scale factor) starts at its top left corner,
  // so that the caption row stays on the screen.
  return {screen.x() + std::max(0, RoundHalfEven((screen.width() - window.width()) / 2.0)),
          screen.y() + std::max(0, RoundHalfEven((screen.height() - window.height()) / 2.0))};
}

void WindowServices::AblakPozBeallitas(QWidget& window) const {
  const QRect screen = desktopOf(window);
  const QWidget* main = program_.frontWindow();
  if (program_.settings().dialogsOnDesktopCentre() || main == nullptr || main == &window || !main->isVisible()) {
    window.move(PositionOnDesktopCentre(screen, window.size()));
    return;
  }
  window.move(PositionOverMainWindow(screen, main->frameGeometry(), window.size()));
}

QCursor WindowServices::cursor(CursorKind kind) const {
  switch (kind) {
    case CursorKind::Busy:
      return customCursor(kCursorHourglass, kind);
    case CursorKind::Link:
      return customCursor(kCursorGlove, kind);
    case CursorKind::Normal:
      break;
  }
  return customCursor(kCursorArrow2, kind);
}

QCursor WindowServices::customCursor(int number, CursorKind fallback) const {
  if (program_.settings().customCursors()) return program_.resources().cursor(number);
  switch (fallback) {
    case CursorKind::Busy:
      return QCursor(Qt::WaitCursor);
    case CursorKind::Link:
      return QCursor(Qt::PointingHandCursor);
    case CursorKind::Normal:
      break;
  }
  return QCursor(Qt::ArrowCursor);
}

void WindowServices::KurzorAllitas(QWidget& widget, CursorKind kind) const { widget.setCursor(cursor(kind)); }

void WindowServices::MainFormKurzorBeallitas(QWidget& window, const std::vector<CursorRule>& rules) const {
  window.setCursor(cursor(CursorKind::Normal));
  for (QWidget* control : window.findChildren<QWidget*>()) {
    const bool clickable = qobject_cast<QAbstractButton*>(control) != nullptr;
    QCursor chosen = cursor(clickable ? CursorKind::Link : CursorKind::Normal);
    if (program_.settings().customCursors()) {
      for (const CursorRule& rule : rules) {
        if (control->objectName().startsWith(QLatin1String(rule.namePrefix)))
          chosen = customCursor(rule.customCursor, CursorKind::Link);
      }
    }
    control->setCursor(chosen);
  }
}

QCursor WindowServices::fightCursor() const {
  if (!program_.settings().customCursors()) return cursor(CursorKind::Link);
  return customCursor(program_.game().dice().uniform(2) == 0 ? kCursorSword1 : kCursorSword2, CursorKind::Link);
}

}  // namespace zrx
