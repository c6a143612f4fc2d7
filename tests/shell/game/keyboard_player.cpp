#include "keyboard_player.h"

#include <QApplication>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include "window_test_support.h"

namespace zrx::test {
namespace {

// More than any window of the program has focusable controls.
constexpr int kLongestTabChain = 60;

QWidget* settledFocus(GameWindowRig& rig) {
  rig.settleLayout();
  // A window that just closed hands the activation back from the event loop, as a player's
  // next key would find it.
  if (!QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 1000)) return nullptr;
  return QApplication::focusWidget();
}

}  // namespace

void KeyboardPlayer::press(int key, Qt::KeyboardModifiers modifiers) {
  QWidget* focus = settledFocus(rig_);
  if (focus == nullptr) qFatal("no widget has the focus for key %x", key);
  QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
  rig_.tick();
}

void KeyboardPlayer::type(const QString& text) {
  QWidget* focus = settledFocus(rig_);
  if (focus == nullptr) qFatal("no widget has the focus for typing");
  QTest::keyClicks(focus, text);
}

bool KeyboardPlayer::waitForKeyboardIn(const QWidget& window) {
  return QTest::qWaitFor([&window] {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && focus->window() == &window;
  }, 2000);
}

bool KeyboardPlayer::tabTo(const QString& name) {
  for (int step = 0; step < kLongestTabChain; ++step) {
    rig_.settleLayout();
    const QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && focus->objectName() == name) return true;
    press(Qt::Key_Tab);
  }
  return false;
}

bool KeyboardPlayer::openPage(int page) {
  const QTabWidget& pages = rig_.window().pages();
  for (int step = 0; step <= pages.count(); ++step) {
    if (pages.currentIndex() == page) return true;
    press(Qt::Key_Tab, Qt::ControlModifier);
  }
  return pages.currentIndex() == page;
}

bool KeyboardPlayer::chooseContinuation(const QString& entry) {
  if (!tabTo("ListBoxNext")) return false;
  auto* list = rig_.find<QListWidget>("ListBoxNext");
  press(Qt::Key_Home);
  for (int row = 0; row < list->count(); ++row) {
    if (list->currentItem() != nullptr && list->currentItem()->text() == entry) {
      press(Qt::Key_Return);
      return true;
    }
    press(Qt::Key_Down);
  }
  return false;
}

}  // namespace zrx::test
