// "A Ködlápi Torony" from the sign-in to "Győzelem" with the keyboard alone: every step is
// a key event on the focused widget, the modal windows are answered by keys too.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "game.h"
#include "game/game_windows.h"
#include "keyboard_player.h"
#include "page_signal.h"
#include "shell_fixture.h"
#include "welcome/form_welcome.h"
#include "window_test_support.h"

using namespace zrx;
using namespace zrx::test;

namespace {

bool focusIsButton(const QString& caption) {
  const auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
  return button != nullptr && button->text() == caption;
}

// Answers the modal windows that open next, in order, each by Tab to the button of the
// caption and Enter on it.
void answerByKeys(KeyboardPlayer& keys, const QStringList& captions) {
  if (captions.isEmpty()) return;
  WhenModalOpens([&keys, captions](QWidget& modal) {
    if (!keys.waitForKeyboardIn(modal)) qFatal("the window of \"%s\" never takes the keyboard", qPrintable(captions.front()));
    for (int step = 0; step < 10 && !focusIsButton(captions.front()); ++step) keys.press(Qt::Key_Tab);
    if (!focusIsButton(captions.front())) qFatal("no key reaches \"%s\"", qPrintable(captions.front()));
    answerByKeys(keys, captions.mid(1));  // waits for the window that this answer opens next
    keys.press(Qt::Key_Return);
  });
}

// Arrows in the focused combo box until it shows `text`.
bool arrowTo(KeyboardPlayer& keys, const QString& text) {
  auto* box = qobject_cast<QComboBox*>(QApplication::focusWidget());
  if (box == nullptr) return false;
  for (int step = 0; step <= box->count() && box->currentText() != text; ++step) keys.press(Qt::Key_Down);
  return box->currentText() == text;
}

}  // namespace

class KeyboardBookTest : public QObject {
  Q_OBJECT

 private:
  void go(KeyboardPlayer& keys, GameWindowRig& rig, const QString& entry, QString chapter = {}) {
    QVERIFY2(keys.chooseContinuation(entry), qPrintable(entry));
    QCOMPARE(rig.find<QLabel>("LabelFPont")->text(), chapter.isEmpty() ? entry : chapter);
  }

  // Ticks the choice boxes of the equipment page by Space, then takes them.
  void takeItems(KeyboardPlayer& keys, const QStringList& boxes) {
    for (const QString& box : boxes) {
      QVERIFY2(keys.tabTo(box), qPrintable(box));
      keys.press(Qt::Key_Space);
    }
    QVERIFY(keys.tabTo("LabelTargyFelvetel"));
    keys.press(Qt::Key_Return);
  }

  void press(KeyboardPlayer& keys, const QString& button, Qt::Key key = Qt::Key_Return) {
    QVERIFY2(keys.tabTo(button), qPrintable(button));
    keys.press(key);
  }

 private slots:
  void introductoryAdventureToVictory() {
    auto pips = std::make_unique<PipQueue>();
    PipQueue& dice = *pips;
    GameWindowRig rig(std::move(pips), RigStart::AtWelcome);
    KeyboardPlayer keys(rig);

    // The sign-in: the name typed into the focused field, Enter.
    TFormWelcome& welcome = *rig.program().welcome();
    QVERIFY(QTest::qWaitForWindowActive(&welcome));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(welcome.nameField()));
    keys.type("Teszt");
    keys.press(Qt::Key_Return);
    QTRY_VERIFY(rig.window().isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&rig.window()));
    QCOMPARE(rig.program().playerName(), std::string("Teszt"));

    // "Kezdés" by its key: the package, the book and Enter.
    dice.push({5, 4, 3, 6, 2, 3});
    bool chosen = false;
    WhenModalOpens([&](QWidget& modal) {
      QVERIFY(keys.waitForKeyboardIn(modal));
      auto* package = modal.findChild<QComboBox*>("MainComboBox1");
      QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(package));
      QVERIFY(arrowTo(keys, "Source"));
      keys.press(Qt::Key_Return);
      auto* book = modal.findChild<QComboBox*>("MainComboBox2");
      QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(book));
      keys.press(Qt::Key_Down);
      QCOMPARE(book->currentIndex(), 0);
      keys.press(Qt::Key_Tab);
      QVERIFY(focusIsButton("Normál"));
      keys.press(Qt::Key_Right);
      QVERIFY(focusIsButton("Könnyű"));
      QVERIFY(qobject_cast<QAbstractButton*>(QApplication::focusWidget())->isChecked());
      keys.press(Qt::Key_Return);
      chosen = true;
    });
    keys.press(Qt::Key_F2);
    QTRY_VERIFY(rig.game().state.GameLoaded);
    QVERIFY(chosen);
    QCOMPARE(rig.find<QLabel>("LabelFPont")->text(), QString("Szabályok"));
    QCOMPARE(rig.find<QLabel>("LabelNehezsegiFokozat")->text(), QString("Könnyű"));

    go(keys, rig, "0", "Háttértörténet");
    go(keys, rig, "1");

    // The Guild's armoury, the market, and the ferryman's password used by Enter.
    QVERIFY(keys.openPage(kEquipmentPage));
    takeItems(keys, {"CheckBox1", "CheckBox2", "CheckBox3"});
    QCOMPARE(Rows("ListBox_FT", rig.window()), QStringList({"Rövid kard", "Bőrvért", "Lámpás", "Aranytallér"}));
    QVERIFY(keys.openPage(kStoryPage));
    go(keys, rig, "2");
    QVERIFY(keys.openPage(kEquipmentPage));
    takeItems(keys, {"CheckBox1"});
    press(keys, "FT_SpinButton01Up", Qt::Key_Space);
    press(keys, "FT_SpinButton02Up", Qt::Key_Space);
    press(keys, "LabelTargyFelvetel");
    QVERIFY(keys.openPage(kStoryPage));
    for (const char* entry : {"3", "4", "6"}) go(keys, rig, entry);
    QVERIFY(keys.openPage(kInformationPage));
    QVERIFY(keys.tabTo("ListBox_IN"));
    keys.press(Qt::Key_Home);
    keys.press(Qt::Key_Return);
    QVERIFY(keys.openPage(kStoryPage));
    go(keys, rig, "9");

    // The luck test of the chapter's condition.
    QVERIFY(keys.openPage(kTestsPage));
    dice.push({1, 1});
    press(keys, "LabelSzProba");
    QCOMPARE(rig.find<QLabel>("LabelSZPEredmenyErtek")->text(), QString("Szerencse"));
    QVERIFY(keys.openPage(kStoryPage));
    for (const char* entry : {"12", "15"}) go(keys, rig, entry);

    // The witch's exchange: the own item offered by the arrows, the questions answered by keys.
    QVERIFY(keys.openPage(kEquipmentPage));
    QVERIFY(keys.tabTo("ListBox_FT"));
    keys.press(Qt::Key_Home);
    for (int row = 0; row < 7; ++row) keys.press(Qt::Key_Down);
    QCOMPARE(rig.find<QListWidget>("ListBox_FT")->currentRow(), 7);
    answerByKeys(keys, {" Igen ", " OK ", " Igen "});
    press(keys, "LabelTargyKivalasztas");
    press(keys, "FT_SpinButton02Up", Qt::Key_Space);
    press(keys, "LabelTargyFelvetel");
    QVERIFY(keys.openPage(kStoryPage));
    for (const char* entry : {"18", "21"}) go(keys, rig, entry);

    // Three rolls of one die, then on to the tower.
    QVERIFY(keys.openPage(kTestsPage));
    dice.push({2, 3, 4});
    press(keys, "LabelDobas1Kocka");
    QVERIFY(keys.openPage(kStoryPage));
    for (const char* entry : {"23", "25"}) go(keys, rig, entry);
    QVERIFY(keys.openPage(kTestsPage));
    dice.push({4, 1, 1});
    press(keys, "LabelDobas1Kocka");
    QVERIFY(keys.openPage(kStoryPage));
    go(keys, rig, "27");
    QVERIFY(keys.openPage(kTestsPage));
    dice.push({2, 1});
    press(keys, "LabelSzProba");
    QVERIFY(keys.openPage(kStoryPage));
    for (const char* entry : {"29", "30", "32"}) go(keys, rig, entry);
    QVERIFY(dice.empty());
    QVERIFY(!dice.ranDry());

    // "Győzelem": the victory window closes by Escape, and the game is over.
    bool sawVictory = false;
    WhenModalOpens([&](QWidget& modal) {
      sawVictory = qobject_cast<TFormWIN*>(&modal) != nullptr && keys.waitForKeyboardIn(modal);
      keys.press(Qt::Key_Escape);
    });
    QVERIFY(keys.chooseContinuation("Győzelem"));
    QVERIFY(sawVictory);
    QVERIFY(!rig.game().state.GameLoaded);
  }
};

QTEST_MAIN(KeyboardBookTest)
#include "keyboard_book_test.moc"
