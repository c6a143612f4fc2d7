// The dialogs and the error window, driven as a player would.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "dialogs/form_bye.h"
#include "dialogs/form_comment.h"
#include "dialogs/form_error.h"
#include "dialogs/form_question.h"
#include "dialogs/qt_ui_port.h"
#include "error_log.h"
#include "game/form_main.h"
#include "start/program.h"
#include "shell_fixture.h"
#include "style/glyph_button.h"
#include "style/link_label.h"

using namespace zrx;

class DialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void questionAnswersYesOrNo_data();
  void questionAnswersYesOrNo();
  void questionClosesOnlyByItsButtons();
  void noticeHasOneCentredButton();
  void longLinesAreShownWhole();
  void commentStripFadesToItsOpacityAndClosesOnAClick();
  void quitConfirmationNoGoesOn();
  void quitConfirmationYesSaysGoodbyeThenConfirms();
  void errorWindowShowsTheLines();
  void errorWindowCloseInterval_data();
  void errorWindowCloseInterval();
  void errorWindowWritesTheLogAndEndsTheProgram();
  void bookCodeErrorGoesToTheMessageBox();
};

void DialogsTest::questionAnswersYesOrNo_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<bool>("answer");
  QTest::newRow("Igen") << " Igen " << true;
  QTest::newRow("Nem") << " Nem " << false;
}

void DialogsTest::questionAnswersYesOrNo() {
  QFETCH(QString, button);
  QFETCH(bool, answer);
  test::ShellFixture fixture;
  QString head;
  QStringList lines;
  test::WhenModalOpens([&](QWidget& modal) {
    head = static_cast<TFormZRXBase&>(modal).head();
    for (const char* name : {"Label1", "Label2"}) lines << modal.findChild<QLabel*>(name)->text();
    for (QPushButton* b : modal.findChildren<QPushButton*>())
      if (b->text() == button) b->click();
  });
  QCOMPARE(fixture.program().ui().QuestionFormKerdes("Biztos, hogy befejezed a játékot?", "Tényleg?"), answer);
  QCOMPARE(head, QString("Kérdés"));
  QCOMPARE(lines, QStringList({"Biztos, hogy befejezed a játékot?", "Tényleg?"}));
  QCOMPARE(fixture.program().game().state.QuestionAnswer, answer);
}

void DialogsTest::questionClosesOnlyByItsButtons() {
  test::ShellFixture fixture;
  TFormQuestion question(fixture.program(), TFormQuestion::Kind::Question, "Egy", "Kettő", nullptr);
  question.show();
  QVERIFY(QTest::qWaitForWindowExposed(&question));
  QTest::mouseClick(question.closeGlyph(), Qt::LeftButton);
  QVERIFY(question.isVisible());
  QTest::keyClick(&question, Qt::Key_Escape);
  QVERIFY(question.isVisible());
  QVERIFY(question.yesButton()->isDefault());
  question.noButton()->click();
  QVERIFY(!question.isVisible());
  QVERIFY(!question.answer());
}

void DialogsTest::noticeHasOneCentredButton() {
  test::ShellFixture fixture;
  TFormQuestion notice(fixture.program(), TFormQuestion::Kind::Notice, "Nincs mentésed a jelenlegi",
                       "Felhasználónévvel!", nullptr);
  notice.show();
  QCOMPARE(notice.head(), QString("Információ"));
  QCOMPARE(notice.yesButton()->text(), QString(" OK "));
  QVERIFY(notice.noButton()->isHidden());
  QCOMPARE(notice.yesButton()->x() + notice.yesButton()->width() / 2, notice.width() / 2);
  notice.yesButton()->click();
  QVERIFY(!notice.isVisible());
}

void DialogsTest::longLinesAreShownWhole() {
  test::ShellFixture fixture;
  const QString longest = "Nem megengedett karakterek vannak a névben!";
  const QString longer = "A kijelölt Mentés könyve már nincs meg a Forrás csomagban!";
  TFormQuestion notice(fixture.program(), TFormQuestion::Kind::Notice, longest, longer, nullptr);
  for (const char* name : {"Label1", "Label2"}) {
    const QLabel* label = notice.findChild<QLabel*>(name);
    QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
  }
  TFormQuestion shortOne(fixture.program(), TFormQuestion::Kind::Notice, "Egy", "Kettő", nullptr);
  QCOMPARE(shortOne.findChild<QLabel*>("Label1")->font().pointSize(), 11);
  // A long line and a short one are one sentence: both are drawn at the size the long one needs.
  TFormQuestion question(fixture.program(), TFormQuestion::Kind::Question, longer, "újat?", nullptr);
  const QLabel* first = question.findChild<QLabel*>("Label1");
  QVERIFY(first->font().pointSize() < 11);
  QCOMPARE(question.findChild<QLabel*>("Label2")->font().pointSize(), first->font().pointSize());
}

void DialogsTest::commentStripFadesToItsOpacityAndClosesOnAClick() {
  test::ShellFixture fixture("1010000010");  // fade-in on
  QPointer<TFormComment> strip = TFormComment::showComment(fixture.program(), {"Egy", "Kettő", "Három"});
  QVERIFY(!strip->isModal());
  QTRY_VERIFY(!strip->fading());
  QCOMPARE(strip->fadeOpacity(), 220);
  QCOMPARE(strip->findChild<QLabel*>("Label3")->text(), QString("Három"));
  QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(200, 80));
  QTRY_VERIFY(strip.isNull());  // deleted once closed
}

void DialogsTest::quitConfirmationNoGoesOn() {
  test::ShellFixture fixture;
  for (const bool escape : {false, true}) {
    test::WhenModalOpens([escape](QWidget& modal) {
      auto& bye = static_cast<TFormBye&>(modal);
      if (escape) {
        QTest::keyClick(bye.yesButton(), Qt::Key_Escape);
      } else {
        bye.noButton()->click();
      }
    });
    QVERIFY(!TFormBye::confirmQuit(fixture.program()));
  }
  QVERIFY(!fixture.program().quitConfirmed());
}

void DialogsTest::quitConfirmationYesSaysGoodbyeThenConfirms() {
  test::ShellFixture fixture;
  TFormBye bye(fixture.program(), nullptr);
  QCOMPARE(bye.windowTitle(), QString("ZRX - KILÉPÉS"));
  QCOMPARE(bye.head(), QString("Kilépés"));
  bye.show();
  bye.yesButton()->click();
  QVERIFY(bye.yesButton()->isHidden());
  QVERIFY(bye.noButton()->isHidden());
  QVERIFY(bye.farewellLabel()->isVisible());
  QCOMPARE(bye.farewellLabel()->text(), QString("Kilépés!"));
  QCOMPARE(bye.farewellTimer()->interval(), 1200);
  bye.close();  // refused during the pause
  QVERIFY(bye.isVisible());
  QVERIFY(!bye.confirmed());
  QTRY_VERIFY_WITH_TIMEOUT(!bye.isVisible(), 5000);
  QVERIFY(bye.confirmed());
  QVERIFY(fixture.program().quitConfirmed());
}

void DialogsTest::errorWindowShowsTheLines() {
  test::ShellFixture fixture;
  ErrorLog errors;
  for (const int code : {7, 1036, 50}) errors.HibaHozzairas(code);
  TFormError window(fixture.program());
  window.present(errors);
  QCOMPARE(window.windowTitle(), QString("HIBA!"));
  QCOMPARE(window.head(), QString("Hiba"));
  QVERIFY(!window.minimiseGlyph()->isEnabled());
  QCOMPARE(window.list()->count(), 2);  // code 50 has no line
  QCOMPARE(window.list()->item(0)->text(),
           QString("HIBA 0007: Hibás forrásfájlt találtunk! Kérjük, telepítse újra a programot!"));
  QCOMPARE(window.list()->item(1)->text(),
           QString("HIBA 1036: Hibás azonosító található a programban! Kérjük, telepítse újra a programot"));
  // "Kilépés" turns red under the mouse and dark red when it leaves.
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QCOMPARE(window.quitLabel()->currentColour(), QColor(128, 0, 0));
  QTest::mouseMove(window.quitLabel());
  QTRY_COMPARE(window.quitLabel()->currentColour(), QColor(255, 0, 0));
  QTest::mouseMove(window.list());
  QTRY_COMPARE(window.quitLabel()->currentColour(), QColor(128, 0, 0));
  window.closeTimer()->stop();
}

void DialogsTest::errorWindowCloseInterval_data() {
  QTest::addColumn<int>("count");
  QTest::addColumn<int>("interval");
  QTest::newRow("one") << 1 << 10000;       // 0.5 -> 0
  QTest::newRow("two") << 2 << 14000;
  QTest::newRow("three") << 3 << 18000;     // 1.5 -> 2
  QTest::newRow("five") << 5 << 18000;      // 2.5 -> 2
  QTest::newRow("six") << 6 << 22000;
  QTest::newRow("seven") << 7 << 26000;     // 3.5 -> 4
}

void DialogsTest::errorWindowCloseInterval() {
  QFETCH(int, count);
  QFETCH(int, interval);
  test::ShellFixture fixture;
  ErrorLog errors;
  for (int i = 0; i < count; ++i) errors.HibaHozzairas(7);
  TFormError window(fixture.program());
  window.present(errors);
  QVERIFY(window.closeTimer()->isActive());
  QVERIFY(window.closeTimer()->isSingleShot());
  QCOMPARE(window.closeTimer()->interval(), interval);
  window.closeTimer()->stop();
}

void DialogsTest::errorWindowWritesTheLogAndEndsTheProgram() {
  test::ShellFixture fixture;
  Program& program = fixture.program();
  program.game().errors.HibaHozzairas(103);
  program.createStartWindows();
  test::WhenModalOpens([](QWidget& modal) {
    QTest::keyClick(static_cast<TFormError&>(modal).list(), Qt::Key_Escape);
  });
  program.showErrorWindow();
  QVERIFY(program.quitConfirmed());
  // The fixture's clock stands at 2024-03-05 07:08:09.
  std::ifstream log(fixture.folder() / "Other" / "HibaLog_(2024-Mar-05#07-08-09).txt");
  QVERIFY(log.good());
  std::string line;
  std::getline(log, line);
  QVERIFY(line.starts_with("HIBA 0103"));

  // Ending after the error window asks nothing more: no "Biztosan kilépsz?" whose answer
  // would be ignored.
  QObject scope;
  QString asked;
  auto* poll = new QTimer(&scope);
  QObject::connect(poll, &QTimer::timeout, [&asked] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    asked = modal->metaObject()->className();
    for (QPushButton* button : modal->findChildren<QPushButton*>()) {
      if (button->text() == " Nem ") button->click();
    }
  });
  poll->start(5);
  QVERIFY(program.mainWindow()->close());
  QCOMPARE(asked, QString());
}

void DialogsTest::bookCodeErrorGoesToTheMessageBox() {
  test::ShellFixture fixture;
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  test::WhenModalOpens([&](QWidget& modal) {
    auto& box = static_cast<QMessageBox&>(modal);
    title = box.windowTitle();
    text = box.text();
    icon = box.icon();
    box.buttons().first()->click();
  });
  fixture.program().ui().BookCodeErrorBox("'A1x' is not a valid integer value");
  QCOMPARE(title, QString("ZRX"));
  QCOMPARE(text, QString("'A1x' is not a valid integer value"));
  QCOMPARE(icon, QMessageBox::Critical);
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
