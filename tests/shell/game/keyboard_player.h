#pragma once
// A player with a keyboard alone: every step is a key event sent to the widget that has the
// focus, as the keyboard would deliver it; nothing is clicked and no code is called.
#include <QString>
#include <Qt>

namespace zrx::test {

class GameWindowRig;
}  // namespace zrx::test

class QWidget;

namespace zrx::test {

class KeyboardPlayer {
 public:
  explicit KeyboardPlayer(GameWindowRig& rig) : rig_(rig) {}

  // One press and release on the focused widget, then one tick of the page signal.
  void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Text typed into the focused widget.
  void type(const QString& text);
  // Waits until the keyboard's focus is in `window` (a window that just opened); false
  // when it never gets there.
  bool waitForKeyboardIn(const QWidget& window);
  // Tab until the focus is on the widget of this object name; false when a whole round of
  // the window's Tab chain misses it.
  bool tabTo(const QString& name);
  // Ctrl+Tab until page `page` of the game window shows; false when it never does.
  bool openPage(int page);
  // On the story page: the continuation list by Tab, its line `entry` by the arrows, then
  // Enter; false when the line is not offered.
  bool chooseContinuation(const QString& entry);

 private:
  GameWindowRig& rig_;
};

}  // namespace zrx::test
