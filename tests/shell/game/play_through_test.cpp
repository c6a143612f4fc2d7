// The introductory adventure played in the real game window with the mouse and the keys,
// from "Kezdés" to "Győzelem": offers, a page signal followed, information used, luck tests
// and rolls; then its group battle with the pair choice; a death in "A rézsárkány".
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "game.h"
#include "game/control_render.h"
#include "game/game_windows.h"
#include "game/page_signal_ticker.h"
#include "game/picture_view.h"
#include "game/page_signal_view.h"
#include "game/signal_tab_bar.h"
#include "page_signal.h"
#include "resources/resources.h"
#include "style/window_services.h"
#include "settings_line.h"
#include "shell_fixture.h"
#include "window_test_support.h"

using namespace zrx;
using namespace zrx::test;

namespace {

QStringList modelRows(const Control& control) {
  QStringList out;
  for (const std::string& item : control.items()) out << ToQString(item);
  return out;
}

}  // namespace

class PlayThroughTest : public QObject {
  Q_OBJECT

 private:
  // The story page shows what the model holds.
  void checkStoryMatchesModel(GameWindowRig& rig) {
    const ScreenModel& s = rig.game().screen;
    QCOMPARE(rig.find<QLabel>("LabelFPont")->text(), ToQString(s.LabelFPont.text()));
    QCOMPARE(rig.find<QTextEdit>("RichEdit1")->toPlainText(), JoinedLines(s.RichEdit1.items()));
    QCOMPARE(Rows("ListBoxNext", rig.window()), modelRows(s.ListBoxNext));
  }

  void go(GameWindowRig& rig, const std::string& entry, const QString& expectedLabel) {
    QVERIFY2(rig.chooseContinuation(entry), entry.c_str());
    QCOMPARE(rig.find<QLabel>("LabelFPont")->text(), expectedLabel);
    checkStoryMatchesModel(rig);
  }

  // Rules, background story, then the shared way to chapter 9 with the equipment of the
  // Guild, the market, and the ferryman's password used.
  void playToChapterNine(GameWindowRig& rig, PipQueue& dice) {
    dice.push({5, 4, 3, 6, 2, 3});  // Ügyesség, Életerő twice, Szerencse, and the book's own two
    rig.startGame("Source", 1, 0);
    QVERIFY(rig.game().state.GameLoaded);
    QCOMPARE(rig.find<QLabel>("LabelFPont")->text(), QString("Szabályok"));
    QCOMPARE(rig.find<QLabel>("LabelNehezsegiFokozat")->text(), QString("Könnyű"));
    // The chosen book's cover shows with the rules text and the background story.
    auto* picture = rig.find<PictureView>("Image1");
    QVERIFY(picture->hasPicture() && !picture->decodedSize().isEmpty());
    go(rig, "0", "Háttértörténet");
    QVERIFY(picture->hasPicture() && !picture->decodedSize().isEmpty());
    go(rig, "1", "1");

    // The Guild's armoury: the equipment tab blinks green and blue, its name beside the arrow.
    SignalTabBar& tabs = rig.window().tabRow();
    const PageSignalTicker& ticker = rig.window().signalTicker();
    for (int i = 0; i < 2; ++i) {
      rig.tick();
      QCOMPARE(tabs.tabColour(kEquipmentPage), TickColour(ticker.tick()));
    }
    QVERIFY(TickColour(ticker.tick()) != TickColour(ticker.tick() - 1));
    QCOMPARE(rig.find<QAbstractButton>("LabelNext1")->text(), QString("Felszerelési"));
    QCOMPARE(rig.find<QAbstractButton>("LabelNext2")->text(), QString("Tárgyak"));
    rig.openPage(kEquipmentPage);
    QVERIFY(!tabs.tabColour(kEquipmentPage).isValid());
    QCOMPARE(rig.find<QCheckBox>("CheckBox1")->text(), QString("1 db Rövid kard"));
    for (int box = 1; box <= 3; ++box) rig.tickBox(QString("CheckBox%1").arg(box));
    QVERIFY(rig.find<QCheckBox>("CheckBox3")->isChecked());
    rig.click("LabelTargyFelvetel");
    QCOMPARE(Rows("ListBox_FT", rig.window()),
             QStringList({"Rövid kard", "Bőrvért", "Lámpás", "Aranytallér"}));
    QCOMPARE(rig.find<QLabel>("LabelSkillTextStart")->text(), ToQString(rig.game().screen.LabelSkillTextStart.text()));

    rig.openPage(kStoryPage);
    go(rig, "2", "2");
    rig.openPage(kEquipmentPage);
    rig.tickBox("CheckBox1");
    rig.click("LabelTargyFelvetel");
    rig.click("FT_SpinButton01Up");
    rig.click("FT_SpinButton02Up");
    QCOMPARE(rig.find<QLabel>("FT_LabelDB02")->text(), ToQString(rig.game().screen.FT_LabelDB(2).text()));
    rig.click("LabelTargyFelvetel");
    rig.openPage(kStoryPage);
    go(rig, "3", "3");
    go(rig, "4", "4");
    go(rig, "6", "6");

    // The ferryman's password, used by a double click on the information page.
    rig.openPage(kInformationPage);
    QVERIFY(rig.clickListRow("ListBox_IN", 0, true));
    rig.openPage(kStoryPage);
    go(rig, "9", "9");

    // The luck test asked by the chapter's condition, on the tests page.
    rig.openPage(kTestsPage);
    QVERIFY(rig.find<QAbstractButton>("LabelSzProba")->isEnabled());
    dice.push({1, 1});
    rig.click("LabelSzProba");
    QCOMPARE(rig.find<QLabel>("LabelSZPEredmenyErtek")->text(), QString("Szerencse"));
    rig.openPage(kStoryPage);
    QVERIFY(dice.empty());
  }

 private slots:
  void introductoryAdventureToVictory() {
    auto pips = std::make_unique<PipQueue>();
    PipQueue& dice = *pips;
    GameWindowRig rig(std::move(pips));
    playToChapterNine(rig, dice);
    go(rig, "12", "12");
    go(rig, "15", "15");

    // The witch's exchange: an own item offered, then the quantities.
    rig.openPage(kEquipmentPage);
    // The page says what the witch takes, and that nothing is offered yet.
    auto* progress = rig.find<QLabel>("LabelCsereAllas");
    QVERIFY(progress->isVisible());
    QVERIFY2(progress->text().startsWith("A csere ezeket fogadja el: ") && progress->text().contains("Eddig felajánlva: semmi"),
             qPrintable(progress->text()));
    QVERIFY(rig.clickListRow("ListBox_FT", 7));
    // Offered for exchange: two questions with a notice between them.
    AnswerInOrder({" Igen ", " OK ", " Igen "});
    rig.click("LabelTargyKivalasztas");
    QVERIFY(!progress->isVisible());  // the picking is over
    QVERIFY(rig.find<QAbstractButton>("FT_SpinButton02Up")->isEnabled());
    rig.click("FT_SpinButton02Up");
    rig.click("LabelTargyFelvetel");
    rig.openPage(kStoryPage);
    go(rig, "18", "18");
    go(rig, "21", "21");

    // A roll of one die, three times, by the keyboard: Enter on the focused command.
    rig.openPage(kTestsPage);
    dice.push({2, 3, 4});
    auto* roll = rig.find<QAbstractButton>("LabelDobas1Kocka");
    roll->setFocus();
    QTest::keyClick(roll, Qt::Key_Return);
    rig.tick();
    QCOMPARE(rig.find<QLabel>("DK1EredmenyLabel")->text(), ToQString(rig.game().screen.DKEredmenyLabel(1).text()));
    rig.openPage(kStoryPage);

    // The continuation by the keyboard: the list's line and Enter.
    auto* list = rig.find<QListWidget>("ListBoxNext");
    list->setFocus();
    list->setCurrentRow(static_cast<int>(Rows("ListBoxNext", rig.window()).indexOf("23")));
    QTest::keyClick(list, Qt::Key_Return);
    rig.tick();
    QCOMPARE(rig.find<QLabel>("LabelFPont")->text(), QString("23"));
    go(rig, "25", "25");
    rig.openPage(kTestsPage);
    dice.push({4, 1, 1});
    rig.click("LabelDobas1Kocka");
    rig.openPage(kStoryPage);
    go(rig, "27", "27");
    rig.openPage(kTestsPage);
    dice.push({2, 1});
    rig.click("LabelSzProba");
    rig.openPage(kStoryPage);
    go(rig, "29", "29");
    go(rig, "30", "30");
    go(rig, "32", "32");
    QVERIFY(dice.empty());
    QVERIFY(!dice.ranDry());

    // "Győzelem": the victory window, closed by a double click on a band; the game ends.
    bool sawVictory = false;
    WhenModalOpens([&sawVictory](QWidget& modal) {
      auto* victory = qobject_cast<TFormWIN*>(&modal);
      if (!victory) return;
      sawVictory = victory->band(1)->text() == "GYŐZELEMMEL ZÁRTAD A KÖNYVET!" &&
                   victory->closeTimer()->interval() == 12000;
      victory->close();  // refused
      if (!victory->isVisible()) sawVictory = false;
      QTest::mouseDClick(victory->band(0), Qt::LeftButton);
    });
    QVERIFY(rig.chooseContinuation("Győzelem"));
    QVERIFY(sawVictory);
    QVERIFY(!rig.game().state.GameLoaded);
    QVERIFY(!rig.find<QAbstractButton>("BitBtn4")->isEnabled());
  }

  void groupBattleWithThePairChoice() {
    auto pips = std::make_unique<PipQueue>();
    PipQueue& dice = *pips;
    GameWindowRig rig(std::move(pips));
    playToChapterNine(rig, dice);
    go(rig, "11", "11");
    go(rig, "14", "14");
    QVERIFY(!rig.find<QPushButton>("BitBtn5")->isEnabled());
    rig.openPage(kTestsPage);  // the battle waits: "Harc" is enabled on opening the page
    QVERIFY(rig.find<QPushButton>("BitBtn5")->isEnabled());
    // With the program's cursors on, "Harc" shows one of the two swords.
    const QImage cursor = rig.find<QPushButton>("BitBtn5")->cursor().pixmap().toImage();
    const Resources& resources = rig.program().resources();
    QVERIFY(!cursor.isNull());
    QVERIFY(cursor == resources.cursor(kCursorSword1).pixmap().toImage() ||
            cursor == resources.cursor(kCursorSword2).pixmap().toImage());
    QCOMPARE(rig.find<QLabel>("LabelSzornyNev2")->text(), QString("Goblin lándzsás"));

    // Two rounds against both goblins, each after choosing the first line.
    int pairChoices = 0;
    for (int round = 0; round < 2; ++round) {
      dice.push({6, 6, 6, 6, 6, 6});
      QString header;
      WhenModalOpens([&header, &pairChoices](QWidget& modal) {
        auto* pair = qobject_cast<TFormParValaszt*>(&modal);
        if (!pair) return;
        ++pairChoices;
        header = pair->findChild<QLabel*>("LabelFejlec")->text();
        QVERIFY(pair->findChild<QPushButton*>("ButtonKivalaszt2"));
        QTest::mouseClick(pair->findChild<QPushButton*>("ButtonKivalaszt1"), Qt::LeftButton);
      });
      rig.click("BitBtn5");
      QCOMPARE(header, round == 0 ? QString("Az első Forduló következik! Válassz Ellenfelet!")
                                  : QString("Megnyerted a Fordulót! A(z) 2. Forduló következik..."));
    }
    QCOMPARE(rig.find<QLabel>("LabelSzornyNev1")->text(), QString("Goblin lándzsás"));
    // The last goblin alone: no pair choice.
    dice.push({6, 6, 6, 6, 6, 6, 6, 6});
    rig.click("BitBtn5");
    rig.click("BitBtn5");
    QVERIFY(dice.empty());
    QCOMPARE(rig.find<QLabel>("LabelEredmeny1")->text(), QString("Győztél! Válts a Történet fülre!"));
    QCOMPARE(pairChoices, 2);
    rig.openPage(kStoryPage);
    QCOMPARE(Rows("ListBoxNext", rig.window()), QStringList({"15"}));
  }

  void deathInBattleClosesAfterTheTimer() {
    // The dice of the text player's script of the same death, seeded alike.
    GameWindowRig rig(std::make_unique<SeededDice>(118));
    // Without the program's cursors no sword is drawn for "Harc", so the dice follow the script.
    rig.program().applySettings(SettingsLine::Parse("1010001110"));
    QVERIFY(rig.reachFirstBattleOfMondak());
    for (int round = 0; round < 3; ++round) rig.click("BitBtn5");
    rig.openPage(kStoryPage);
    // The beekeeper's, on the way up from the won fight: nothing bought.
    QVERIFY(rig.chooseContinuation("13"));
    rig.openPage(kEquipmentPage);
    rig.click("LabelTargyFelvetel");
    rig.openPage(kStoryPage);
    QVERIFY(rig.chooseContinuation("4"));
    QVERIFY(rig.chooseContinuation("6"));
    rig.openPage(kTestsPage);

    int interval = 0;
    bool refusedOtherClose = false;
    int deaths = 0;
    WhenModalOpens([&](QWidget& modal) {
      auto* death = qobject_cast<TFormDeath*>(&modal);
      if (!death) return;
      ++deaths;
      interval = death->closeTimer()->interval();
      death->close();
      refusedOtherClose = death->isVisible();
      death->closeTimer()->setInterval(1);  // let its own timer close it now
    });
    for (int round = 0; round < 40 && rig.game().state.GameLoaded; ++round) rig.click("BitBtn5");
    QCOMPARE(interval, 10000);
    QVERIFY(refusedOtherClose);
    QCOMPARE(deaths, 1);
    QVERIFY(!rig.game().state.GameLoaded);
    QVERIFY(!rig.find<QPushButton>("BitBtn5")->isEnabled());
    QCOMPARE(rig.find<QLabel>("LabelTortenetNev")->text(), ToQString(rig.game().screen.LabelTortenetNev.text()));
  }
};

QTEST_MAIN(PlayThroughTest)
#include "play_through_test.moc"
