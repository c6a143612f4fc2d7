// The keyboard focus is visible on every custom control of the game window, in both colour
// sets: a control looks different focused, and the difference is drawn in the focus colour.
#include <QApplication>
#include <QImage>
#include <QTest>

#include "settings_line.h"
#include "style/look_colours.h"
#include "window_test_support.h"

using namespace zrx;
using namespace zrx::test;

namespace {

int pixelsOf(const QImage& image, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour ? 1 : 0;
  }
  return count;
}

}  // namespace

class FocusFrameTest : public QObject {
  Q_OBJECT
 private slots:
  void focusIsFramed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("highContrast");
    const struct {
      const char* name;
      int page;
    } controls[] = {
        {"LabelLink1", 0},          // a link-style label
        {"ListBoxNext", 0},         // the continuation list
        {"PageControl1TabRow", 0},  // the tab row
        {"AdventureMapView", 6},    // the map
    };
    for (const bool high : {false, true}) {
      for (const auto& control : controls) {
        QTest::newRow(qPrintable(QString("%1, %2").arg(control.name, high ? "high contrast" : "normal")))
            << QString(control.name) << control.page << high;
      }
    }
  }

  void focusIsFramed() {
    QFETCH(QString, name);
    QFETCH(int, page);
    QFETCH(bool, highContrast);
    GameWindowRig rig(std::make_unique<PipQueue>());
    rig.program().applySettings(SettingsLine::Parse(highContrast ? "1010700110" : "1010000110"));
    rig.startGame("Source", 1, 0);
    rig.openPage(page);
    TFormMain& window = rig.window();
    window.activateWindow();
    QTRY_VERIFY(window.isActiveWindow());
    auto* control = window.findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QVERIFY(control->isVisible());
    // Unfocused: the focus sits on the window itself.
    window.setFocus();
    QTRY_VERIFY(!control->hasFocus());
    const QImage unfocused = control->grab().toImage();
    control->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(control->hasFocus());
    QApplication::processEvents();
    const QImage focused = control->grab().toImage();
    QVERIFY(focused != unfocused);
    const QColor focus = Look().focus;
    QVERIFY2(pixelsOf(focused, focus) > pixelsOf(unfocused, focus), qPrintable(focus.name()));
  }
};

QTEST_MAIN(FocusFrameTest)
#include "focus_frame_test.moc"
