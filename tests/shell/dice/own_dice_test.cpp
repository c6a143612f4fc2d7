// The player's own dice in the desktop program: "Saját dobókockák" in the "Egyéb" menu turns
// them on, after which every die of a battle round is asked for in the dice window, with
// what it decides; the switch is kept in its key file across restarts.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "dice/form_kocka.h"
#include "dice/own_dice.h"
#include "dice/own_dice_setting.h"
#include "game/form_main.h"
#include "game.h"
#include "style/glyph_button.h"
#include "game/dice_face_view.h"
#include "game/game_windows.h"
#include "game/main_menu.h"
#include "game/menu_table.h"
#include "dialogs/form_comment.h"
#include "navigation.h"
#include "page_signal.h"
#include "resources/resources.h"
#include "shell_fixture.h"
#include "window_test_support.h"

using namespace zrx;
using namespace zrx::test;

namespace {

const QString kOpponent = "(Ellenfél támadóereje)";
const QString kPlayer = "(Támadóerőd)";

// Answers every modal window while it lives: the dice window with the next of `pips`
// (remembering what it asked for), the pair choice with its first line.
class ModalAnswerer : public QObject {
 public:
  explicit ModalAnswerer(std::vector<int> pips) : pips_(std::move(pips)) {
    connect(&poll_, &QTimer::timeout, this, [this] { answer(); });
    poll_.start(5);
  }
  const QStringList& purposes() const { return purposes_; }
  int pairChoices() const { return pairChoices_; }
  bool ranDry() const { return ranDry_; }

 private:
  void answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    if (auto* dice = qobject_cast<TFormKocka*>(modal)) {
      purposes_ << dice->findChild<QLabel*>("LabelCel")->text();
      if (next_ >= pips_.size()) ranDry_ = true;
      const int pips = next_ < pips_.size() ? pips_[next_++] : 1;
      QTest::mouseClick(dice->faceButton(pips), Qt::LeftButton);
    } else if (auto* pair = qobject_cast<TFormParValaszt*>(modal)) {
      ++pairChoices_;
      QTest::mouseClick(pair->findChild<QPushButton*>("ButtonKivalaszt1"), Qt::LeftButton);
    }
  }

  QTimer poll_;
  std::vector<int> pips_;
  std::size_t next_ = 0;
  QStringList purposes_;
  int pairChoices_ = 0;
  bool ranDry_ = false;
};

QByteArray fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(in), {}));
}

// Every file of a package folder, names and bytes, in name order.
QByteArray folderBytes(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  QByteArray all;
  for (const auto& file : files) all += QByteArray::fromStdString(file.filename().string()) + fileBytes(file);
  return all;
}

// What a battle round leaves on the tests page.
struct RoundView {
  QStringList texts;
  QList<int> playerFaces;
};

const QStringList kRoundLabels = {"LabelEredmeny1",      "LabelEredmeny2",        "LabelJatekosEletero",
                                  "LabelSzornyEletero1", "LabelSzornyTamadoero1", "LabelSzornyDobas2",
                                  "LabelSzornyTamadoero2"};

RoundView viewOf(GameWindowRig& rig) {
  RoundView view;
  for (const QString& name : kRoundLabels) {
    auto* label = rig.find<QLabel>(name);
    view.texts << (label ? name + "=" + label->text() : name + " missing");
  }
  for (const char* face : {"ImageDE21", "ImageDE22"}) {
    auto* die = rig.find<DiceFaceView>(face);
    view.playerFaces << (die && die->isVisible() ? die->face() : 0);
  }
  return view;
}

// Source's first book at chapter 14: two goblins wait on the tests page.
void startAtTheGoblins(GameWindowRig& rig, PipQueue& dice) {
  dice.push({5, 4, 3, 6, 2, 3});  // the characteristics
  rig.startGame("Source", 1, 0);
  rig.window().perform([&rig] {
    rig.game().state.CurrentChapter = 14;
    Navigation(rig.game()).FejezetPont();
  });
}

}  // namespace

class OwnDiceTest : public QObject {
  Q_OBJECT

 private slots:
  void battleRoundAsksForEveryDieInOrder_data() {
    QTest::addColumn<std::vector<int>>("pips");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("otherGoblinsRoll");
    QTest::newRow("player wins, the other goblin misses")
        << std::vector<int>{1, 2, 6, 5, 1, 1} << "Az Ellenfél elveszítette a Fordulót!" << "2";
    QTest::newRow("player loses, the other goblin strikes")
        << std::vector<int>{6, 5, 1, 2, 6, 6} << "Az Ellenfél megnyerte a Fordulót!" << "12";
  }

  void battleRoundAsksForEveryDieInOrder() {
    QFETCH(std::vector<int>, pips);
    QFETCH(QString, outcome);
    QFETCH(QString, otherGoblinsRoll);
    // The same round twice: with the player's own dice giving `pips`, and with generated
    // dice rolling the same pips, which must open no dice window.
    RoundView own;
    RoundView generated;
    for (const bool ownDice : {true, false}) {
      auto queue = std::make_unique<PipQueue>();
      PipQueue& dice = *queue;
      GameWindowRig rig(std::move(queue));
      startAtTheGoblins(rig, dice);
      rig.openPage(kTestsPage);
      QVERIFY(rig.find<QPushButton>("BitBtn5")->isEnabled());
      if (ownDice) {
        rig.window().menu().open(1, false);
        rig.click(QString("LabelMenu%1").arg(kOwnDiceMenuCode));
        QVERIFY(rig.program().ownDice().on());
      } else {
        for (const int pip : pips) dice.push({pip});
      }
      ModalAnswerer answerer(ownDice ? pips : std::vector<int>{});
      rig.click("BitBtn5");
      QCOMPARE(answerer.pairChoices(), 1);
      QVERIFY(!answerer.ranDry());
      QVERIFY(dice.empty() && !dice.ranDry());
      const QStringList expected = {kOpponent, kOpponent, kPlayer, kPlayer, kOpponent, kOpponent};
      QCOMPARE(answerer.purposes(), ownDice ? expected : QStringList());
      (ownDice ? own : generated) = viewOf(rig);
    }
    QVERIFY(own.texts.contains("LabelEredmeny1=" + outcome));
    QVERIFY(own.texts.contains("LabelSzornyDobas2=" + otherGoblinsRoll));
    QCOMPARE(own.texts, generated.texts);
    QCOMPARE(own.playerFaces, QList<int>({pips[2], pips[3]}));
    QCOMPARE(own.playerFaces, generated.playerFaces);
  }

  void programsOwnPicksNeverAskThePlayer() {
    ShellFixture fixture;
    OwnDice& dice = fixture.program().ownDice();
    dice.setOn(true);
    {
      ModalAnswerer answerer({});
      for (int i = 0; i < 20; ++i) {
        const int pick = dice.uniform(7);
        QVERIFY(pick >= 0 && pick < 7);
      }
      QVERIFY(answerer.purposes().isEmpty());
    }
    ModalAnswerer answerer({3});
    QCOMPARE(dice.roll("Sebzés"), 3);
    QCOMPARE(answerer.purposes(), QStringList({"(Sebzés)"}));
  }

  void windowTakesAFaceByClickKeyOrEnterOnly_data() {
    QTest::addColumn<int>("key");  // 0: a click on face 4
    QTest::addColumn<int>("pips");
    QTest::newRow("click") << 0 << 4;
    QTest::newRow("key 1") << int(Qt::Key_1) << 1;
    QTest::newRow("key 6") << int(Qt::Key_6) << 6;
    QTest::newRow("Enter on the focused first face") << int(Qt::Key_Return) << 1;
  }

  void windowTakesAFaceByClickKeyOrEnterOnly() {
    QFETCH(int, key);
    QFETCH(int, pips);
    ShellFixture fixture;
    TFormKocka window(fixture.program(), "Sebzés", nullptr);
    QCOMPARE(window.head(), QString("Dobj egy kockával!"));
    QCOMPARE(window.findChild<QLabel*>("LabelCel")->text(), QString("(Sebzés)"));
    window.show();
    window.faceButton(1)->setFocus();
    // Neither Escape, nor the platform's close, nor a key outside 1-6 ends the question.
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClick(&window, Qt::Key_7);
    QTest::keyClick(&window, Qt::Key_0);
    window.close();
    QVERIFY(window.isVisible());
    QVERIFY(!window.closeGlyph()->isVisible());
    QVERIFY(!window.minimiseGlyph()->isVisible());
    QCOMPARE(window.pips(), 0);
    if (key == 0) QTest::mouseClick(window.faceButton(pips), Qt::LeftButton);
    else QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, Qt::Key(key));
    QCOMPARE(window.pips(), pips);
    QVERIFY(!window.isVisible());
  }

  void menuItemSwitchesAndSurvivesARestart() {
    ShellFixture fixture;
    Program& program = fixture.program();
    program.createStartWindows();
    TFormMain& window = *program.mainWindow();
    MainMenu& menu = window.menu();
    QLabel* mark = menu.shortcutLabel(kOwnDiceMenuCode);
    QCOMPARE(menu.item(kOwnDiceMenuCode)->text(), QString("Saját dobókockák"));
    QCOMPARE(mark->text(), QString());
    QVERIFY(!program.ownDice().on());
    // The "Egyéb" panel holds its four items.
    menu.open(1, false);
    QApplication::sendPostedEvents();
    QVERIFY(menu.panel(1)->rect().contains(menu.item(kOwnDiceMenuCode)->geometry()));
    QVERIFY(menu.item(23)->geometry().bottom() < menu.item(kOwnDiceMenuCode)->geometry().top());

    const QByteArray namesBlock = folderBytes(fixture.folder() / "Source");
    QVERIFY(!namesBlock.isEmpty());
    for (const bool on : {true, false, true}) {
      menu.open(1, false);
      QTest::mouseClick(menu.item(kOwnDiceMenuCode), Qt::LeftButton);
      QCOMPARE(program.ownDice().on(), on);
      QCOMPARE(mark->text(), on ? QString("✔") : QString());
      QCOMPARE(menu.openMenu(), -1);
      Program restarted(fixture.folder());
      QCOMPARE(restarted.ownDice().on(), on);
    }
    // The names block with the installation's settings line stays as it was.
    QCOMPARE(folderBytes(fixture.folder() / "Source"), namesBlock);

    Program restarted(fixture.folder());
    restarted.resources().load();
    restarted.createStartWindows();
    QCOMPARE(restarted.mainWindow()->menu().shortcutLabel(kOwnDiceMenuCode)->text(), QString("✔"));
  }

  void damagedStoreReadsAsOff_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("on");
    QTest::newRow("on") << QByteArray("1\r\n") << true;
    QTest::newRow("on without line break") << QByteArray("1") << true;
    QTest::newRow("off") << QByteArray("0\r\n") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("garbage") << QByteArray("igen") << false;
    QTest::newRow("one then more") << QByteArray("1\r\n1") << false;
    QTest::newRow("binary") << QByteArray("\x01\xff\x00", 3) << false;
    QTest::newRow("long") << QByteArray(4096, '1') << false;
  }

  void damagedStoreReadsAsOff() {
    QFETCH(QByteArray, content);
    QFETCH(bool, on);
    ShellFixture fixture;
    {
      std::ofstream out(OwnDiceSettingFile(fixture.folder()), std::ios::binary);
      out.write(content.constData(), content.size());
    }
    QCOMPARE(LoadOwnDiceSetting(fixture.folder()), on);
    QCOMPARE(Program(fixture.folder()).ownDice().on(), on);
  }

  void missingStoreReadsAsOffAndAFolderInItsPlaceIsNoFile() {
    ShellFixture fixture;
    std::filesystem::remove_all(fixture.folder() / "Other");
    QVERIFY(!LoadOwnDiceSetting(fixture.folder()));
    QVERIFY(SaveOwnDiceSetting(fixture.folder(), true));
    QVERIFY(LoadOwnDiceSetting(fixture.folder()));
    std::filesystem::remove(OwnDiceSettingFile(fixture.folder()));
    std::filesystem::create_directories(OwnDiceSettingFile(fixture.folder()));
    QVERIFY(!LoadOwnDiceSetting(fixture.folder()));
    QVERIFY(!SaveOwnDiceSetting(fixture.folder(), true));
  }

  void rightClickOnTheItemExplainsIt() {
    GameWindowRig rig(std::make_unique<PipQueue>());
    rig.window().menu().open(1, false);
    rig.settleLayout();
    for (const QString& name : {QString("LabelMenu24"), QString("LabelMenuGyors24")}) {
      QTest::mousePress(rig.find<QWidget>(name), Qt::RightButton, {}, QPoint(2, 2));
      const QList<TFormComment*> strips = rig.window().findChildren<TFormComment*>();
      QVERIFY2(!strips.isEmpty(), qPrintable(name));
      const QString first = strips.back()->findChild<QLabel*>("Label1")->text();
      const QString second = strips.back()->findChild<QLabel*>("Label2")->text();
      QVERIFY(first.contains("saját kockáiddal"));
      QVERIFY(second.contains("A szabályok nem változnak"));
      qDeleteAll(strips);
    }
  }
};

QTEST_MAIN(OwnDiceTest)
#include "own_dice_test.moc"
