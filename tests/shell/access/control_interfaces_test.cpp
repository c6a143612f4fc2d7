// What the accessibility interfaces of the program's own controls say and do: names that
// follow the game, descriptions from the right-click help, rows pressed through the tree,
// and the end-of-game windows closed by the keyboard.
#include <QAccessible>
#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <functional>

#include "game/dice_face_view.h"
#include "game/game_windows.h"
#include "game/main_menu.h"
#include "game/signal_tab_bar.h"
#include "game/menu_table.h"
#include "game/right_click_help.h"
#include "page_signal.h"
#include "window_test_support.h"

using namespace zrx;
using namespace zrx::test;

namespace {

QAccessibleInterface* nodeOf(QWidget* widget) {
  QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
  if (node == nullptr) qFatal("%s has no accessibility interface", qPrintable(widget->objectName()));
  return node;
}

QAccessibleInterface* rowNamed(QAccessibleInterface& list, const QString& name) {
  for (int i = 0; i < list.childCount(); ++i) {
    if (list.child(i)->text(QAccessible::Name) == name) return list.child(i);
  }
  return nullptr;
}

}  // namespace

using EndWindowMaker = std::function<QDialog*(Program&)>;
Q_DECLARE_METATYPE(EndWindowMaker)
Q_DECLARE_METATYPE(Qt::Key)
Q_DECLARE_METATYPE(QAccessible::Role)

class ControlInterfacesTest : public QObject {
  Q_OBJECT

 private slots:
  void diceFacesReadTheirPips_data() {
    QTest::addColumn<int>("face");
    QTest::addColumn<QString>("name");
    QTest::newRow("four") << 4 << "Kocka: 4";
    QTest::newRow("six") << 6 << "Kocka: 6";
    QTest::newRow("not rolled") << 0 << "Kocka: üres";
  }

  void diceFacesReadTheirPips() {
    QFETCH(int, face);
    QFETCH(QString, name);
    GameWindowRig rig(std::make_unique<PipQueue>());
    DiceFaceView die("DK1Kocka1");
    die.setFace(face);
    QAccessibleInterface* node = nodeOf(&die);
    QCOMPARE(node->role(), QAccessible::Graphic);
    QCOMPARE(node->text(QAccessible::Name), name);
  }

  // The arrow says where it leads; a command tells its right-click help; a press on a
  // continuation's row takes that continuation, and the row became current and selected.
  void storyPageThroughTheTree() {
    GameWindowRig rig(std::make_unique<PipQueue>());
    rig.startGame("Source", 1, 0);
    QVERIFY(rig.chooseContinuation("0"));
    auto* list = rig.find<QListWidget>("ListBoxNext");
    QAccessibleInterface* rows = nodeOf(list);
    QCOMPARE(rows->role(), QAccessible::List);
    QCOMPARE(rows->text(QAccessible::Name), QString("Továbbhaladási lehetőségek"));
    QAccessibleInterface* one = rowNamed(*rows, "1");
    QVERIFY(one != nullptr);
    QCOMPARE(rows->indexOfChild(one), 0);
    one->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    QVERIFY(one->state().selected);
    QCOMPARE(nodeOf(rig.find<QAbstractButton>("NyilRajz"))->text(QAccessible::Name), QString("Tovább: 1"));
    one->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    rig.tick();
    QCOMPARE(rig.find<QLabel>("LabelFPont")->text(), QString("1"));

    // Chapter point 1 waits on the equipment page: the arrow names that page, and the
    // blinking tab says that it waits until the page is opened.
    rig.tick();
    QCOMPARE(nodeOf(rig.find<QAbstractButton>("NyilRajz"))->text(QAccessible::Name),
             QString("Tovább: Felszerelési Tárgyak"));
    rig.tick();
    QAccessibleInterface* tabs = nodeOf(&rig.window().tabRow());
    QCOMPARE(tabs->child(kEquipmentPage)->text(QAccessible::Description), QString("vár rád"));
    QVERIFY(tabs->child(kEquipmentPage)->state().animated);
    QCOMPARE(tabs->child(kEquipmentPage)->role(), QAccessible::PageTab);
    QCOMPARE(tabs->child(kEquipmentPage)->text(QAccessible::Name), QString("Felszerelési tárgyak"));
    QVERIFY(tabs->child(kSheetPage)->text(QAccessible::Description).isEmpty());
    QVERIFY(!tabs->child(kSheetPage)->state().animated);
    // Pressing the waiting tab opens its page, which ends the waiting.
    tabs->child(kEquipmentPage)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(rig.window().pages().currentIndex(), kEquipmentPage);
    QVERIFY(tabs->child(kEquipmentPage)->state().selected);
    QVERIFY(tabs->child(kEquipmentPage)->text(QAccessible::Description).isEmpty());
    QVERIFY(!tabs->child(kEquipmentPage)->state().animated);
    // A greyed action tells why it waits; an action that does not wait keeps its help.
    rig.openPage(kTestsPage);
    QCOMPARE(nodeOf(rig.find<QAbstractButton>("LabelSzProba"))->text(QAccessible::Description),
             QString("Most nem kell próbára tenned a Szerencsédet."));
    rig.openPage(kInformationPage);
    QCOMPARE(nodeOf(rig.find<QWidget>("LabelSajatInfoBeir"))->text(QAccessible::Description),
             QString("Erre a gombra kattintva eltárolhatod a baloldalon megadott \"Saját "
                     "Információdat\", a lentebb beállított sorszámra!"));
  }

  // The right-click help reaches a screen reader through Qt's own interfaces of the
  // standard controls too.
  void standardControlsDescribedByTheirHelp() {
    GameWindowRig rig(std::make_unique<PipQueue>());
    rig.startGame("Source", 1, 0);
    rig.settleLayout();
    for (const char* name : {"RichEdit1", "MemoFT_Leir", "MemoIN_Leir", "Memo_SI"}) {
      auto* control = rig.find<QWidget>(name);
      QVERIFY2(control != nullptr, name);
      QVERIFY2(!QString::fromLatin1(control->metaObject()->className()).startsWith("zrx::"), name);
      const QString description = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description);
      QVERIFY2(description.startsWith(QString::fromStdString((*RightClickHelp(name, 0, false))[0])), name);
    }
  }

  void menuReadsAsMenus_data() {
    QTest::addColumn<QString>("part");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    QTest::newRow("bar") << "PanelMainMenu" << QAccessible::MenuBar << "Menü" << "";
    QTest::newRow("title") << "LabelMainMenu1" << QAccessible::MenuItem << "Játék" << "";
    QTest::newRow("panel") << "PanelMenu2" << QAccessible::PopupMenu << "Egyéb" << "";
    QTest::newRow("item with key") << "LabelMenu11" << QAccessible::MenuItem << "Kezdés" << "F2";
    QTest::newRow("help item") << "LabelMenu32" << QAccessible::MenuItem << "Játékszabályok" << "F1";
    QTest::newRow("item without key") << "LabelMenu17" << QAccessible::MenuItem << "Kilépés a Programból" << "";
  }

  void menuReadsAsMenus() {
    QFETCH(QString, part);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(QString, key);
    GameWindowRig rig(std::make_unique<PipQueue>());
    QAccessibleInterface* node = nodeOf(rig.find<QWidget>(part));
    QCOMPARE(node->role(), role);
    QCOMPARE(node->text(QAccessible::Name), name);
    QCOMPARE(node->text(QAccessible::Accelerator), key);
  }

  // "Saját dobókockák" is a check item: its mark is its checked state, not a key.
  void ownDiceItemIsChecked() {
    GameWindowRig rig(std::make_unique<PipQueue>());
    QAccessibleInterface* node = nodeOf(rig.window().menu().item(kOwnDiceMenuCode));
    QCOMPARE(node->text(QAccessible::Name), QString("Saját dobókockák"));
    QVERIFY(node->state().checkable);
    QLabel* mark = rig.window().menu().shortcutLabel(kOwnDiceMenuCode);
    for (const bool on : {true, false}) {
      mark->setText(on ? QString::fromUtf8("✔") : QString());
      QCOMPARE(bool(node->state().checked), on);
      QVERIFY(node->text(QAccessible::Accelerator).isEmpty());
    }
  }

  void endWindowsCloseByKey_data() {
    QTest::addColumn<EndWindowMaker>("make");
    QTest::addColumn<Qt::Key>("key");
    const EndWindowMaker death = [](Program& program) { return new TFormDeath(program, nullptr); };
    const EndWindowMaker victory = [](Program& program) { return new TFormWIN(program, nullptr); };
    QTest::newRow("death, Escape") << death << Qt::Key_Escape;
    QTest::newRow("death, Enter") << death << Qt::Key_Return;
    QTest::newRow("victory, Escape") << victory << Qt::Key_Escape;
    QTest::newRow("victory, Enter") << victory << Qt::Key_Enter;
  }

  void endWindowsCloseByKey() {
    QFETCH(EndWindowMaker, make);
    QFETCH(Qt::Key, key);
    GameWindowRig rig(std::make_unique<PipQueue>());
    std::unique_ptr<QDialog> window(make(rig.program()));
    window->show();
    QVERIFY(!nodeOf(window.get())->text(QAccessible::Name).isEmpty());
    QTest::keyClick(window.get(), Qt::Key_Space);  // not a closing key
    QVERIFY(window->isVisible());
    QTest::keyClick(window.get(), key);
    QVERIFY(!window->isVisible());
  }
};

QTEST_MAIN(ControlInterfacesTest)
#include "control_interfaces_test.moc"
