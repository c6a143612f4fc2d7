#pragma once
// The services every window uses: where a dialog goes, which cursor a kind of control
// shows, and what the program's style settings are.
#include <QCursor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <vector>

class QWidget;

namespace zrx {

class Program;

// The kinds of `KurzorAllitas`: 1 normal, 2 busy, 3 link.
enum class CursorKind { Normal = 1, Busy = 2, Link = 3 };

// The program's eleven cursors by number: 0 and 6 arrow, 1 stick, 2 clover, 3 and 4 swords,
// 5 feather, 7 hourglass, 8 drink, 9 die, 10 glove.
enum CustomCursor {
  kCursorArrow = 0, kCursorStick = 1, kCursorClover = 2, kCursorSword1 = 3, kCursorSword2 = 4,
  kCursorFeather = 5, kCursorArrow2 = 6, kCursorHourglass = 7, kCursorDrink = 8, kCursorDie = 9,
  kCursorGlove = 10
};
inline constexpr int kCustomCursorCount = 11;

// `AblakPozBeallitas` over a main window: the window's centre goes over the main window's
// centre and stays on the screen (x = 1 / y = 1 at the near edge, flush at the far edge).
// Halves are rounded half to even.
QPoint PositionOverMainWindow(const QRect& screen, const QRect& mainWindow, const QSize& window);
// The desktop centre.
QPoint PositionOnDesktopCentre(const QRect& screen, const QSize& window);
// The story text's colour for the "Szövegszín" digit: black, blue, green, red, cyan,
// magenta, yellow, and white for the high-contrast set.
QColor StoryTextColour(int digit);

// Round half to even, the program's rounding of computed positions.
int RoundHalfEven(double value);

// A kind of control of the game window that shows one of the program's own cursors while
// custom cursors are on: the controls whose object name begins with `namePrefix`.
struct CursorRule {
  const char* namePrefix;
  int customCursor;
};

class WindowServices {
 public:
  explicit WindowServices(Program& program) : program_(program) {}

  // `AblakPozBeallitas`: places a window as the placement setting asks.
  void AblakPozBeallitas(QWidget& window) const;

  // `KurzorAllitas`: the cursor of a kind, custom or the platform's as the setting asks.
  QCursor cursor(CursorKind kind) const;
  // One of the program's eleven cursors when custom cursors are on, else `fallback`.
  QCursor customCursor(int number, CursorKind fallback) const;
  void KurzorAllitas(QWidget& widget, CursorKind kind) const;

  // `MainFormKurzorBeallitas`: every clickable control of `window` (menu titles and items,
  // links, buttons) gets the link cursor, every other control the normal cursor; with custom
  // cursors on, the controls that `rules` name get their own cursor.
  void MainFormKurzorBeallitas(QWidget& window, const std::vector<CursorRule>& rules) const;
  // The fight button's cursor, drawn each time the button is enabled: one of the two swords
  // at equal chance (the link cursor without custom cursors).
  QCursor fightCursor() const;

  Program& program() const { return program_; }

 private:
  Program& program_;
};

}  // namespace zrx
