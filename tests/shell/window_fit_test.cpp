// Windows on a screen smaller than they are (a 640 x 400 screen, as a 1280 x 800 screen at a
// scale factor of 2): they shrink inside the screen's free area and their content scrolls.
// A second, large screen beside it takes a window at its design size.
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <QWindow>

#include "game/form_main.h"
#include "shell_fixture.h"
#include "style/form_zrx_base.h"
#include "style/glyph_button.h"
#include "style/window_fit.h"

using namespace zrx;

class WindowFitTest : public QObject {
  Q_OBJECT
 private slots:
  void sizeAndPlace_data();
  void sizeAndPlace();
  void windowsStayInsideTheScreen_data();
  void windowsStayInsideTheScreen();
  void focusScrollsAControlIntoView();
  void controlsMadeLaterScrollWithTheRest();
  void aLayoutLaysOutThePage();
  void aWindowMovedToAnotherScreenFitsThatScreen();
};

void WindowFitTest::sizeAndPlace_data() {
  QTest::addColumn<QSize>("design");
  QTest::addColumn<QRect>("window");
  QTest::addColumn<QSize>("fitted");
  QTest::addColumn<QPoint>("place");
  const QRect available(0, 20, 960, 500);  // 1920 x 1080 at 2, less the panels
  QTest::newRow("fits: unchanged") << QSize(420, 170) << QRect(100, 100, 420, 170) << QSize(420, 170) << QPoint(100, 100);
  // Too tall: wider by the vertical scroll bar, so that no horizontal one is needed.
  QTest::newRow("too tall") << QSize(800, 600) << QRect(80, -60, 816, 500) << QSize(816, 500) << QPoint(80, 20);
  QTest::newRow("too tall, no room for the bar") << QSize(950, 600) << QRect(0, 0, 960, 500) << QSize(960, 500) << QPoint(0, 20);
  QTest::newRow("too wide") << QSize(1000, 300) << QRect(0, 0, 960, 316) << QSize(960, 316) << QPoint(0, 20);
  QTest::newRow("too wide and tall") << QSize(1200, 900) << QRect(0, 0, 960, 500) << QSize(960, 500) << QPoint(0, 20);
  QTest::newRow("past the right edge") << QSize(400, 300) << QRect(700, 100, 400, 300) << QSize(400, 300) << QPoint(560, 100);
  QTest::newRow("past the bottom edge") << QSize(400, 300) << QRect(10, 400, 400, 300) << QSize(400, 300) << QPoint(10, 220);
}

void WindowFitTest::sizeAndPlace() {
  QFETCH(QSize, design);
  QFETCH(QRect, window);
  QFETCH(QSize, fitted);
  QFETCH(QPoint, place);
  const QRect available(0, 20, 960, 500);
  QCOMPARE(FittedWindowSize(design, available, 16), fitted);
  QCOMPARE(PositionInside(available, window), place);
}

void WindowFitTest::windowsStayInsideTheScreen_data() {
  QTest::addColumn<QSize>("design");
  QTest::addColumn<bool>("scrolls");
  QTest::newRow("the main window's size") << TFormMain::kMainDesignSize << true;
  QTest::newRow("a dialog's size") << TFormZRXBase::kDesignSize << true;
  QTest::newRow("a question's size") << QSize(420, 170) << false;
}

void WindowFitTest::windowsStayInsideTheScreen() {
  QFETCH(QSize, design);
  QFETCH(bool, scrolls);
  test::ShellFixture fixture;
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  QCOMPARE(available.size(), QSize(640, 400));
  TFormZRXBase window(fixture.program(), nullptr, design);
  window.move(200, -50);
  window.show();
  QVERIFY(available.contains(window.frameGeometry()));
  auto* scroll = window.findChild<QScrollArea*>("WindowScroll");
  QCOMPARE(scroll != nullptr, scrolls);
  if (!scrolls) QCOMPARE(window.size(), design);
  // Only too tall (the dialog): the page is seen at its full width, no horizontal scroll bar.
  if (scrolls && design.width() < available.width()) QVERIFY(scroll->viewport()->width() >= design.width());
  // The caption row and its glyphs keep their design places, on the page when it scrolls.
  QCOMPARE(window.closeGlyph()->window(), &window);
  QCOMPARE(window.closeGlyph()->pos(), QPoint(design.width() - 24, 6));
  if (scrolls) QCOMPARE(scroll->widget()->size(), design);
}

void WindowFitTest::focusScrollsAControlIntoView() {
  test::ShellFixture fixture;
  TFormZRXBase window(fixture.program(), nullptr, TFormMain::kMainDesignSize);
  auto* corner = new QPushButton("Tovább", &window);
  corner->setGeometry(680, 550, 100, 30);
  window.show();
  QVERIFY(!window.rect().contains(QRect(corner->mapTo(&window, QPoint()), corner->size())));
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  corner->setFocus(Qt::TabFocusReason);
  QVERIFY(window.rect().contains(QRect(corner->mapTo(&window, QPoint()), corner->size())));
}

void WindowFitTest::controlsMadeLaterScrollWithTheRest() {
  test::ShellFixture fixture;
  TFormZRXBase window(fixture.program(), nullptr, TFormMain::kMainDesignSize);
  window.show();
  auto* scroll = window.findChild<QScrollArea*>("WindowScroll");
  QVERIFY(scroll != nullptr);
  auto* late = new QPushButton("Később", &window);
  late->move(20, 560);
  late->show();
  QTRY_COMPARE(late->parentWidget(), scroll->widget());
  QCOMPARE(late->pos(), QPoint(20, 560));
  QVERIFY(late->isVisible());
  scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
  QVERIFY(window.rect().contains(late->mapTo(&window, QPoint())));
}

void WindowFitTest::aLayoutLaysOutThePage() {
  test::ShellFixture fixture;
  TFormZRXBase window(fixture.program(), nullptr, TFormMain::kMainDesignSize);
  auto* layout = new QVBoxLayout(&window);
  layout->addStretch();
  auto* bottom = new QPushButton("Kiválaszt", &window);
  layout->addWidget(bottom);
  window.show();
  auto* scroll = window.findChild<QScrollArea*>("WindowScroll");
  QVERIFY(scroll != nullptr);
  QCOMPARE(scroll->widget()->layout(), layout);
  // Laid out over the page's design height, not squeezed into the shrunk window.
  QTRY_VERIFY(bottom->geometry().bottom() > window.height());
  QVERIFY(bottom->geometry().bottom() < TFormMain::kMainDesignSize.height());
}

void WindowFitTest::aWindowMovedToAnotherScreenFitsThatScreen() {
  test::ShellFixture fixture;
  const QList<QScreen*> screens = QGuiApplication::screens();
  QCOMPARE(screens.size(), 2);
  QScreen* small = screens[0];
  QScreen* large = screens[1];
  TFormZRXBase window(fixture.program(), nullptr, TFormMain::kMainDesignSize);
  window.show();
  QVERIFY(window.height() < TFormMain::kMainDesignSize.height());
  // Dragged onto the large screen.
  window.move(large->geometry().topLeft() + QPoint(100, 100));
  window.windowHandle()->setScreen(large);
  QTRY_COMPARE(window.size(), TFormMain::kMainDesignSize);
  QVERIFY(large->availableGeometry().contains(window.geometry()));
  window.move(100, 50);
  window.windowHandle()->setScreen(small);
  QTRY_VERIFY(small->availableGeometry().contains(window.frameGeometry()));
  QVERIFY(window.height() < TFormMain::kMainDesignSize.height());
}

QTEST_MAIN(WindowFitTest)
#include "window_fit_test.moc"
