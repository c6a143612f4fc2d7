// The window style: dialog placement, the rich text's scroll arithmetic, the fade-in and
// the focus protocol between the custom controls.
#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QWheelEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "shell_fixture.h"
#include "style/focus_event.h"
#include "style/form_zrx_base.h"
#include "style/frame_color_button.h"
#include "style/frame_rich_edit.h"
#include "style/glyph_button.h"
#include "style/legible_colours.h"
#include "style/look_colours.h"
#include "style/rich_scroll_math.h"
#include "resources/resources.h"
#include "style/window_services.h"

using namespace zrx;

class StyleTest : public QObject {
  Q_OBJECT
 private slots:
  void placementOverTheMainWindow_data();
  void placementOverTheMainWindow();
  void placementOnTheDesktopCentre();
  void scrollArithmetic_data();
  void scrollArithmetic();
  void shortTextKeepsTheThumbAtTheTop();
  void pagesAndThumbDrag();
  void arrowRepeatsAfterItsDelay();
  void wheelPartsOfANotchAddUp_data();
  void wheelPartsOfANotchAddUp();
  void faderRefusesAClose();
  void activationMovesThePointer_data();
  void activationMovesThePointer();
  void focusProtocolLeavesOneControlFocused();
  void colourButtonLightsOverItsDrawing();
  void glyphsAreNamedButtons();
  void cursorsFollowTheSetting();
  void highContrastColoursAreLegible_data();
  void highContrastColoursAreLegible();
};

void StyleTest::placementOverTheMainWindow_data() {
  QTest::addColumn<QRect>("main");
  QTest::addColumn<QSize>("window");
  QTest::addColumn<QPoint>("expected");
  // The centre over the main window's centre: 100 + round(800 / 2) - round(400 / 2).
  QTest::newRow("centred over the main window") << QRect(100, 50, 800, 600) << QSize(400, 200) << QPoint(300, 250);
  // A main window at the left edge: the dialog would start left of the screen.
  QTest::newRow("kept on screen at x = 1") << QRect(-300, 100, 400, 300) << QSize(536, 416) << QPoint(1, 42);
  QTest::newRow("kept on screen at y = 1") << QRect(200, -250, 400, 300) << QSize(200, 300) << QPoint(300, 1);
  QTest::newRow("flush with the right edge") << QRect(800, 100, 400, 300) << QSize(536, 416) << QPoint(488, 42);
  QTest::newRow("flush with the bottom edge") << QRect(100, 600, 400, 300) << QSize(200, 300) << QPoint(200, 468);
  // Halves round to even: 101 / 2 = 50.5 -> 50 and 51 / 2 = 25.5 -> 26.
  QTest::newRow("halves to even") << QRect(100, 100, 101, 101) << QSize(51, 51) << QPoint(124, 124);
  // Taller than the screen: the caption row stays on it.
  QTest::newRow("taller than the screen") << QRect(100, 500, 800, 600) << QSize(400, 900) << QPoint(300, 0);
}

void StyleTest::placementOverTheMainWindow() {
  QFETCH(QRect, main);
  QFETCH(QSize, window);
  QFETCH(QPoint, expected);
  QCOMPARE(PositionOverMainWindow(QRect(0, 0, 1024, 768), main, window), expected);
}

void StyleTest::placementOnTheDesktopCentre() {
  QCOMPARE(PositionOnDesktopCentre(QRect(0, 0, 1024, 768), QSize(536, 416)), QPoint(244, 176));
  QCOMPARE(PositionOnDesktopCentre(QRect(0, 0, 1025, 769), QSize(536, 416)), QPoint(244, 176));  // 244.5 -> 244
  // 1920 x 1080 at a scale factor of 2, less a 40-pixel panel: the main window keeps its caption.
  QCOMPARE(PositionOnDesktopCentre(QRect(0, 20, 960, 520), QSize(800, 600)), QPoint(80, 20));
}

void StyleTest::scrollArithmetic_data() {
  QTest::addColumn<int>("lines");
  QTest::addColumn<int>("frameHeight");
  QTest::addColumn<int>("linesPerPage");
  QTest::addColumn<int>("scrollable");
  QTest::addColumn<double>("pixelsPerLine");
  QTest::addColumn<int>("thumbAfterThreeLines");
  // 421 / 17.25 = 24.4 -> 24 lines a page; the thumb runs from 16 to 421 - 16 - 48 = 357.
  QTest::newRow("long text, design frame") << 100 << 421 << 24 << 76 << 341.0 / 76 << 16 + 13;
  // 390 / 17.25 = 22.6 -> 23; track 390 - 64 - 16 = 310 over 7 lines.
  QTest::newRow("a little over a page") << 30 << 390 << 23 << 7 << 310.0 / 7 << 16 + 133;
  QTest::newRow("exactly one line more") << 25 << 421 << 24 << 1 << 341.0 << 357;
  QTest::newRow("fits on a page") << 10 << 421 << 24 << -14 << 0.0 << 16;
}

void StyleTest::scrollArithmetic() {
  QFETCH(int, lines);
  QFETCH(int, frameHeight);
  QFETCH(int, linesPerPage);
  QFETCH(int, scrollable);
  QFETCH(double, pixelsPerLine);
  QFETCH(int, thumbAfterThreeLines);
  RichScrollMath math;
  math.PixelPerSorKiszamol(lines, frameHeight);
  QCOMPARE(math.linesPerPage(), linesPerPage);
  QCOMPARE(math.scrollableLines(), scrollable);
  QCOMPARE(math.pixelsPerLine(), pixelsPerLine);
  QCOMPARE(math.linesPerPixel(), pixelsPerLine > 0 ? 1.0 / pixelsPerLine : 0.0);
  for (int i = 0; i < 3; ++i) math.scrollLine(1);
  QCOMPARE(math.thumbTop(), thumbAfterThreeLines);
  math.reset();
  QCOMPARE(math.currentLine(), 0);
  QCOMPARE(math.thumbTop(), 16);
}

void StyleTest::shortTextKeepsTheThumbAtTheTop() {
  test::ShellFixture fixture;
  TZRX_FrameRichEdit frame(nullptr);
  frame.setPlainText("Egy rövid szöveg.");
  frame.AlapraHozas(1);
  QCOMPARE(frame.scroll().pixelsPerLine(), 0.0);
  frame.arrowPressed(1);
  frame.arrowReleased();
  QCOMPARE(frame.scroll().thumbTop(), 16);
  QCOMPARE(frame.scrollBar()->thumbTop(), 16);
}

void StyleTest::pagesAndThumbDrag() {
  RichScrollMath math;
  math.PixelPerSorKiszamol(100, 421);  // 24 lines a page, 76 to scroll
  math.scrollPage(1);
  QCOMPARE(math.currentLine(), 24);
  math.scrollPage(1);
  math.scrollPage(1);
  math.scrollPage(1);
  QCOMPARE(math.currentLine(), 76);  // never past the last page
  QCOMPARE(math.thumbTop(), 357);
  math.scrollPage(-1);
  QCOMPARE(math.currentLine(), 52);
  // 76 lines over 341 pixels: 100 pixels of drag are 22 lines.
  QCOMPARE(math.linesForDrag(100), 22);
  QCOMPARE(math.linesForDrag(-100), -22);
  // With more lines than pixels a drag does nothing.
  RichScrollMath dense;
  dense.PixelPerSorKiszamol(1000, 421);
  QVERIFY(dense.linesPerPixel() >= 1);
  QCOMPARE(dense.linesForDrag(50), 0);
}

void StyleTest::arrowRepeatsAfterItsDelay() {
  test::ShellFixture fixture;
  TZRX_FrameRichEdit frame(nullptr);
  QString text;
  for (int i = 0; i < 80; ++i) text += QString("Sor %1\n").arg(i);
  frame.setPlainText(text);
  frame.AlapraHozas(1);
  frame.arrowPressed(1);
  QCOMPARE(frame.scroll().currentLine(), 1);  // one line at once
  QVERIFY(frame.scrollTimer()->isActive());
  QCOMPARE(frame.scrollTimer()->interval(), 450);
  QTRY_COMPARE(frame.scroll().currentLine(), 2);  // after the first delay ...
  QCOMPARE(frame.scrollTimer()->interval(), 100);  // ... every 100 ms
  frame.arrowReleased();
  QVERIFY(!frame.scrollTimer()->isActive());
  QCOMPARE(frame.scrollTimer()->interval(), 450);
}

void StyleTest::wheelPartsOfANotchAddUp_data() {
  QTest::addColumn<QPoint>("angle");
  QTest::addColumn<QPoint>("pixels");
  QTest::addColumn<int>("events");
  QTest::addColumn<int>("lines");
  QTest::newRow("a notch") << QPoint(0, -120) << QPoint() << 1 << 1;
  QTest::newRow("thirds of a notch") << QPoint(0, -40) << QPoint() << 7 << 2;
  QTest::newRow("touchpad pixels") << QPoint() << QPoint(0, -6) << 9 << 3;
  QTest::newRow("upwards at the top") << QPoint(0, 40) << QPoint() << 6 << 0;
}

void StyleTest::wheelPartsOfANotchAddUp() {
  QFETCH(QPoint, angle);
  QFETCH(QPoint, pixels);
  QFETCH(int, events);
  QFETCH(int, lines);
  test::ShellFixture fixture;
  TZRX_FrameRichEdit frame(nullptr);
  QString text;
  for (int i = 0; i < 80; ++i) text += QString("Sor %1\n").arg(i);
  frame.setPlainText(text);
  frame.AlapraHozas(1);
  for (int i = 0; i < events; ++i) {
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), pixels, angle, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(frame.focusGetter(), &wheel);
  }
  QCOMPARE(frame.scroll().currentLine(), lines);
}

void StyleTest::activationMovesThePointer_data() {
  QTest::addColumn<QString>("settings");
  QTest::addColumn<bool>("centred");
  QTest::newRow("centring on") << "1010000100" << true;
  QTest::newRow("centring off") << "1010000110" << false;
}

void StyleTest::activationMovesThePointer() {
  QFETCH(QString, settings);
  QFETCH(bool, centred);
  test::ShellFixture fixture(settings.toStdString());
  TFormZRXBase window(fixture.program());
  window.move(100, 100);
  const QPoint start(40, 30);
  QCursor::setPos(start);
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  // The centre, then one pixel down; or where the pointer was.
  const QPoint expected =
      centred ? window.mapToGlobal(QPoint(window.width() / 2, window.height() / 2)) + QPoint(0, 1) : start;
  QTRY_COMPARE(QCursor::pos(), expected);
  QTest::qWait(20);
  QCOMPARE(QCursor::pos(), expected);  // and there it stays
  window.hide();
  QCursor::setPos(0, 0);  // out of the way of the windows of the next tests
}

void StyleTest::faderRefusesAClose() {
  test::ShellFixture fixture("1010000010");  // fade-in on
  TFormZRXBase window(fixture.program());
  window.show();
  QVERIFY(window.fading());
  QCOMPARE(window.fadeOpacity(), 0);
  window.close();
  QVERIFY(window.isVisible());
  QTRY_VERIFY(!window.fading());
  QCOMPARE(window.fadeOpacity(), 255);
  window.close();
  QVERIFY(!window.isVisible());
}

void StyleTest::focusProtocolLeavesOneControlFocused() {
  test::ShellFixture fixture;
  TFormZRXBase window(fixture.program());
  auto* first = new TZRX_FrameColorButton(fixture.program().services(), &window);
  auto* second = new TZRX_FrameColorButton(fixture.program().services(), &window);
  auto* text = new TZRX_FrameRichEdit(&window, QSize(200, 200));
  first->AlapraHozas(TZRX_FrameColorButton::DefaultColours(), SkyBlue(), "Első", Qt::AlignCenter, false, 1);
  second->AlapraHozas(TZRX_FrameColorButton::DefaultColours(), SkyBlue(), "Második", Qt::AlignCenter, false, 2);
  text->AlapraHozas(3);
  second->move(0, 60);
  text->move(0, 120);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  first->setFocus();
  QCOMPARE(window.focusedControlId(), 1);
  QVERIFY(first->lit());
  second->setFocus();
  QCOMPARE(window.focusedControlId(), 2);
  QVERIFY(second->lit());
  QVERIFY(!first->lit());
  QTest::mouseClick(text->scrollBar(), Qt::LeftButton, {}, QPoint(8, 100));
  QCOMPARE(window.focusedControlId(), 3);
  QVERIFY(text->hasZrxFocus());
  QVERIFY(!second->lit());
}

void StyleTest::colourButtonLightsOverItsDrawing() {
  test::ShellFixture fixture;
  TFormZRXBase window(fixture.program());
  auto* button = new TZRX_FrameColorButton(fixture.program().services(), &window);
  button->AlapraHozas(TZRX_FrameColorButton::DefaultColours(), SkyBlue(), "Kezdés", Qt::AlignCenter, false, 1);
  button->move(100, 100);
  auto* other = new QLineEdit(&window);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  button->setFocus();
  QVERIFY(button->lit());  // the focus lights it ...
  QTest::mouseMove(button, QPoint(30, 3));
  QVERIFY(button->lit());  // ... and hover does not change it then
  // The focus alone draws the square frame round the rounded outline.
  const QPoint corner(1, 1);
  QCOMPARE(button->grab().toImage().pixelColor(corner), NormalLook().focus);
  other->setFocus();
  QVERIFY(!button->lit());
  QTest::mouseMove(button, QPoint(30, 1));
  QVERIFY(button->lit());
  QCOMPARE(button->grab().toImage().pixelColor(corner), SkyBlue());
  // The middle of the top outline is drawing; a point between the outlines is background.
  QTest::mouseMove(button, QPoint(30, 1));
  QCOMPARE(button->hover(), int(TZRX_FrameColorButton::kOverDrawing));
  QVERIFY(button->lit());
  QTest::mouseMove(button, QPoint(30, 3));
  QCOMPARE(button->hover(), int(TZRX_FrameColorButton::kOverBackground));
  QVERIFY(!button->lit());
  QSignalSpy clicked(button, &QAbstractButton::clicked);
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Return);
  QCOMPARE(clicked.count(), 1);
  QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), QString("Kezdés"));
}

void StyleTest::glyphsAreNamedButtons() {
  test::ShellFixture fixture;
  TFormZRXBase window(fixture.program());
  QCOMPARE(window.closeGlyph()->accessibleName(), QString("Bezárás"));
  QCOMPARE(window.minimiseGlyph()->accessibleName(), QString("Kis méret"));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QTest::mouseMove(window.closeGlyph(), QPoint(8, 8));
  QTRY_VERIFY(window.closeGlyph()->highlighted());
  QSignalSpy clicks(window.closeGlyph(), &QAbstractButton::clicked);
  QTest::mouseClick(window.closeGlyph(), Qt::LeftButton);
  QCOMPARE(clicks.count(), 1);
  QTRY_VERIFY(!window.isVisible());
}

void StyleTest::cursorsFollowTheSetting() {
  for (const bool custom : {true, false}) {
    test::ShellFixture fixture(custom ? "1010000110" : "1010001110");
    const WindowServices& services = fixture.program().services();
    QWidget window;
    auto* link = new QPushButton("Kezdés", &window);
    auto* dice = new QLabel("1", &window);
    dice->setObjectName("LabelDobas1Kocka");
    auto* plain = new QLabel("Szöveg", &window);
    services.MainFormKurzorBeallitas(window, {{"LabelDobas", kCursorDie}});
    if (custom) {
      const auto same = [](const QCursor& a, const QCursor& b) {
        return a.pixmap().toImage() == b.pixmap().toImage() && a.hotSpot() == b.hotSpot();
      };
      QVERIFY(!link->cursor().pixmap().isNull());
      QVERIFY(same(link->cursor(), fixture.program().resources().cursor(kCursorGlove)));
      QVERIFY(same(dice->cursor(), fixture.program().resources().cursor(kCursorDie)));
      QVERIFY(same(plain->cursor(), fixture.program().resources().cursor(kCursorArrow2)));
      QVERIFY(same(services.cursor(CursorKind::Busy), fixture.program().resources().cursor(kCursorHourglass)));
    } else {
      QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
      QCOMPARE(dice->cursor().shape(), Qt::ArrowCursor);  // no own cursors: the platform's
      QCOMPARE(plain->cursor().shape(), Qt::ArrowCursor);
      QCOMPARE(services.cursor(CursorKind::Busy).shape(), Qt::WaitCursor);
      QCOMPARE(services.fightCursor().shape(), Qt::PointingHandCursor);
    }
  }
}

QTEST_MAIN(StyleTest)
void StyleTest::highContrastColoursAreLegible_data() {
  QTest::addColumn<QColor>("foreground");
  QTest::addColumn<QColor>("background");
  QTest::addColumn<double>("least");
  const LookColours& h = HighContrastLook();
  // Texts read at 7 : 1; lines and frames that are no text need 3 : 1.
  constexpr double kText = 7.0;
  constexpr double kLine = 3.0;
  const struct {
    const char* name;
    QColor foreground, background;
    double least;
  } rows[] = {
      {"text on body", h.text, h.body, kText},
      {"command on body", h.command, h.body, kText},
      {"link on body", h.link, h.body, kText},
      {"hover on body", h.hover, h.body, kText},
      {"disabled on body", h.disabled, h.body, kText},
      {"command on menu panel", h.command, h.menuPanel, kText},
      {"highlighted menu item", h.menuHighlightText, h.menuHighlight, kText},
      {"tab caption", h.tabText, h.tab, kText},
      {"open tab caption", h.tabText, h.tabOpen, kText},
      {"disabled tab caption", h.disabled, h.tab, kText},
      {"waiting tab, green tick", h.signalText, h.signalOdd, kText},
      {"waiting tab, blue tick", h.signalText, h.signalEven, kText},
      {"field text", h.fieldText, h.field, kText},
      {"story text", StoryTextColour(kHighContrastTextColour), h.field, kText},
      {"map node", h.mapText, h.mapNode, kText},
      {"current map node", h.mapText, h.mapNodeCurrent, kText},
      {"pips", h.pip, h.field, kText},
      {"the one pip", h.pipOne, h.field, kText},
      {"focus frame on body", h.focus, h.body, kLine},
      {"focus frame on open tab", h.focus, h.tabOpen, kLine},
      {"window frame", h.frame, h.body, kLine},
      {"dark bevel", h.frameDark, h.body, kLine},
      {"picture frame", h.picture, h.body, kLine},
      {"arrow button", h.arrowFill, h.body, kLine},
      {"scroll thumb", h.controlLit, h.track, kLine},
      {"scroll arrows", h.controlFill, h.trackFocused, kLine},
      {"map steps", h.mapStep, h.mapPaper, kLine},
      {"map route", h.mapLine, h.mapPaper, kLine},
      // Greyed text is plainly not ordinary text.
      {"disabled against text", h.disabled, h.text, 2.0},
  };
  for (const auto& row : rows) QTest::newRow(row.name) << row.foreground << row.background << row.least;
}

void StyleTest::highContrastColoursAreLegible() {
  QFETCH(QColor, foreground);
  QFETCH(QColor, background);
  QFETCH(double, least);
  const double ratio = ContrastRatio(foreground, background);
  QVERIFY2(ratio >= least, qPrintable(QString("%1 : 1").arg(ratio, 0, 'f', 2)));
}

#include "style_test.moc"
