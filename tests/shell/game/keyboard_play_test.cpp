// The game window played by the keyboard: Enter does what the focused control does and
// nothing more, and the focus never falls on the command buttons, whose Enter would offer
// to throw the game away.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "game.h"
#include "navigation.h"
#include "page_signal.h"
#include "screens/form_new_game.h"
#include "settings_line.h"
#include "shell_fixture.h"
#include "style/form_zrx_base.h"
#include "window_test_support.h"

using namespace zrx;
using namespace zrx::test;

namespace {

// Records the head of every modal window that opens while it lives, answering each with
// " Nem " (a question) or " OK " (a notice).
class ModalRecorder {
 public:
  ModalRecorder() {
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      auto* modal = qobject_cast<TFormZRXBase*>(QApplication::activeModalWidget());
      if (modal == nullptr || !modal->isVisible() || modal == last_) return;
      last_ = modal;
      heads_ << modal->head();
      for (QPushButton* button : modal->findChildren<QPushButton*>()) {
        if (button->isVisible() && (button->text() == " Nem " || button->text() == " OK ")) {
          button->click();
          return;
        }
      }
    });
    poll_.start(5);
  }
  const QStringList& heads() const { return heads_; }

 private:
  QTimer poll_;
  QPointer<QWidget> last_;
  QStringList heads_;
};

void activate(GameWindowRig& rig) {
  rig.window().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&rig.window()));
}

bool isCommandButton(const QWidget* w) {
  return w && QStringList({"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4"}).contains(w->objectName());
}

}  // namespace

class KeyboardPlayTest : public QObject {
  Q_OBJECT

 private slots:
  void noCommandButtonTakesAStrayEnter() {
    GameWindowRig rig(std::make_unique<SeededDice>(1));
    for (QPushButton* button : rig.window().findChildren<QPushButton*>()) {
      QVERIFY2(!button->autoDefault() && !button->isDefault(), qPrintable(button->objectName()));
    }
  }

  // "KEZDÉS" pressed by keyboard and a book chosen: the focus leaves the button (whose next
  // Enter would offer to end the new game) for the story's continuations.
  void aNewGameLeavesTheFocusOnTheStory() {
    GameWindowRig rig(std::make_unique<SeededDice>(1));
    activate(rig);
    auto* start = rig.window().findChild<QPushButton*>("BitBtn1");
    start->setFocus(Qt::TabFocusReason);
    WhenModalOpens([](QWidget& modal) {
      auto& screen = static_cast<TFormNewGame&>(modal);
      screen.finishFade();
      screen.packageBox()->setCurrentIndex(screen.packageBox()->findText("Source"));
      screen.Label1Click();
      QTRY_VERIFY(!screen.busy());
      screen.bookBox()->setCurrentIndex(screen.bookBox()->findText("A Ködlápi Torony"));
      screen.Label1Click();
    });
    QTest::keyClick(start, Qt::Key_Space);
    QVERIFY(rig.game().state.GameLoaded);
    // The window's own focus child: where the keys go once it is active again.
    QWidget* focus = rig.window().focusWidget();
    QVERIFY(!isCommandButton(focus));
    QVERIFY(focus != nullptr);
    QCOMPARE(focus->objectName(), QString("ListBoxNext"));
  }

  // The riddle of "A Ködlápi Torony": Enter in the number field answers once; the notice
  // is the only window that opens, and the game goes on at the answer.
  void enterInTheNumberFieldAnswersOnce() {
    auto pips = std::make_unique<PipQueue>();
    pips->push({5, 4, 3, 6, 2, 3});
    GameWindowRig rig(std::move(pips));
    rig.startGame("Source", 1, 0);
    activate(rig);
    Game& game = rig.game();
    rig.window().perform([&game] {
      game.state.CurrentChapter = 20;
      Navigation(game).FejezetPont();
    });
    rig.tick();
    rig.settleLayout();
    auto* edit = rig.find<QLineEdit>("EditNext");
    QVERIFY(edit->isVisible());
    edit->setFocus();
    QTest::keyClicks(edit, "21");

    const ModalRecorder modals;
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_COMPARE(rig.find<QLabel>("LabelFPont")->text(), QString("21"));
    QTest::qWait(50);  // a window opened by a passed-on Enter would show by now
    QCOMPARE(modals.heads(), QStringList({"Információ"}));
    QVERIFY(game.state.GameLoaded);
  }

  // A battle of "A rézsárkány" fought with Enter: the focus stays on "Harc" while rounds
  // remain, and when the battle is over it stays on the page, off the command buttons.
  void battleToItsEndByKeyboard() {
    GameWindowRig rig(std::make_unique<SeededDice>(118));
    rig.program().applySettings(SettingsLine::Parse("1010001110"));
    activate(rig);
    QVERIFY(rig.reachFirstBattleOfMondak());
    auto* fight = rig.find<QPushButton>("BitBtn5");
    QVERIFY(fight->isEnabled());
    fight->setFocus();

    const ModalRecorder modals;
    int rounds = 0;
    while (fight->isEnabled() && rounds < 20) {
      QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(fight));
      QCOMPARE(fight->toolTip(), QString());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      rig.tick();
      ++rounds;
    }
    QVERIFY(rounds > 1);
    QVERIFY(!fight->isEnabled());
    QCOMPARE(rig.find<QLabel>("LabelEredmeny1")->text(), QString("Győztél! Válts a Történet fülre!"));
    // Each greyed action of the page tells why, to the eye and to a screen reader alike.
    QCOMPARE(fight->toolTip(), QString("A csata véget ért: győztél! Válts a Történet fülre!"));
    for (const char* name : {"BitBtn5", "LabelMenekules", "LabelSzProba", "LabelSpecFegyver", "LabelDobas1Kocka",
                             "LabelDobas2Kocka"}) {
      auto* action = rig.find<QWidget>(name);
      QVERIFY2(!action->isEnabled() && !action->toolTip().isEmpty(), name);
      QCOMPARE(action->accessibleDescription(), action->toolTip());
    }
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus != nullptr);
    QVERIFY2(!isCommandButton(focus), qPrintable(focus->objectName()));
    QVERIFY(focus == rig.window().pages().tabBar() || rig.window().pages().currentWidget()->isAncestorOf(focus));

    // The player's next Enters are harmless: no question, the game goes on.
    QTest::keyClick(focus, Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(50);
    QCOMPARE(modals.heads(), QStringList());
    QVERIFY(rig.game().state.GameLoaded);
  }
};

QTEST_MAIN(KeyboardPlayTest)
#include "keyboard_play_test.moc"
