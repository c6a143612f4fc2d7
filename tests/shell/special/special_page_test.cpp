// The "Speciális" page over a game played by script through the engine: the map in the
// scene, the selection moved by keys, the odds during a battle only.
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <functional>
#include <QSignalSpy>
#include <QtTest>
#include <clocale>

#include "adventure_map.h"
#include "special/adventure_map_view.h"
#include "battle.h"
#include "fixed_clock.h"
#include "game.h"
#include "special/map_items.h"
#include "special/map_layout.h"
#include "memory_book_loader.h"
#include "navigation.h"
#include "page_signal.h"
#include "scripted_dice.h"
#include "scripted_ui.h"
#include "special/special_page.h"
#include "special/map_path_list.h"

namespace zrx::test {

using test::FixedClock;
using test::MemoryBookLoader;
using test::ScriptedDice;
using test::ScriptedUi;

class SpecialPageTest : public QObject {
  Q_OBJECT

 private:
  ScriptedUi ui;
  ScriptedDice dice;
  FixedClock clock;
  MemoryBookLoader loader;
  std::unique_ptr<Game> game;

  // Chapter points 1..5: 1 leads to 2 and 3, 2 back to 1 or on to 4, 3 holds a battle
  // against a wolf (skill 7, life 2) and leads on to 5.
  void newGame() {
    game = std::make_unique<Game>(std::filesystem::temp_directory_path(), ui, dice, clock, loader);
    GameState& s = game->state;
    s.GameLoaded = true;
    s.ChapterTexts = {{"Háttér"}, {"A kapu előtt"}, {"A sötét erdőben"}, {"Egy barlang mélyén"},
                      {"A hegy csúcsán"}, {"Haza"}, {"Szabályok"}};
    s.values = {.Skill = 10, .SkillStart = 10, .Stamina = 20, .StaminaStart = 20, .Luck = 9, .LuckStart = 9};
    BookStores& stores = game->stores;
    stores.baseValues.Insert({.Number = 1, .Current = 10, .Start = 10, .Name = "Ügyesség"});
    stores.baseValues.Insert({.Number = 2, .Current = 20, .Start = 20, .Name = "Életerő"});
    stores.baseValues.Insert({.Number = 3, .Current = 9, .Start = 9, .Name = "Szerencse"});
    stores.chapters.Insert({.Number = 1, .NextChapters = "002003"});
    stores.chapters.Insert({.Number = 2, .NextChapters = "001004"});
    stores.chapters.Insert({.Number = 3, .BattleCode = "N001", .NextChapters = "005"});
    stores.chapters.Insert({.Number = 4, .NextChapters = "GGG"});
    stores.chapters.Insert({.Number = 5, .NextChapters = "GGG"});
    stores.monsters.Insert({.Number = 1, .Name = "Farkas", .Stamina = 2, .Skill = 7, .FlightCode = "0<",
                            .AttackMods = "0", .RollBattleCode = "0", .WoundMods = "20201111"});
    s.CurrentChapter = 1;
    Navigation(*game).FejezetPont();
  }
  void choose(const std::string& entry) {
    const TextList& offered = game->screen.ListBoxNext.items();
    const auto at = std::find(offered.begin(), offered.end(), entry);
    QVERIFY2(at != offered.end(), entry.c_str());
    Navigation(*game).ListBoxNextClick(static_cast<int>(at - offered.begin()));
    Navigation(*game).KlikkFejezetPontKivalasztas();
  }
  static QList<MapNodeItem*> nodeItems(AdventureMapView& view) {
    QList<MapNodeItem*> nodes;
    for (QGraphicsItem* item : view.scene()->items()) {
      if (auto* node = dynamic_cast<MapNodeItem*>(item)) nodes.append(node);
    }
    return nodes;
  }
  static int chapterOf(AdventureMapView& view, const MapNodeItem* item) {
    return view.map().nodes[static_cast<std::size_t>(item->data(kItemNodeIndex).toInt())].chapter;
  }

 private slots:
  void showsTheMapOfTheGameAndLaysItOutOnlyWhenThePathGrew() {
    newGame();
    choose("2");
    choose("1");
    choose("2");
    SpecialPage page(*game);
    page.show();
    AdventureMapView& view = page.mapView();
    QVERIFY(view.laidOut());
    const QList<MapNodeItem*> nodes = nodeItems(view);
    QCOMPARE(nodes.size(), 2);
    int current = 0;
    for (const MapNodeItem* node : nodes) {
      if (node->isCurrent()) current = chapterOf(view, node);
    }
    QCOMPARE(current, 2);
    int stubs = 0;
    for (QGraphicsItem* item : view.scene()->items()) stubs += item->data(kItemKind).toString() == "stub";
    QCOMPARE(stubs, 2);  // 1 and 4 are offered

    const int layouts = view.layoutCount();
    page.refresh();
    QCOMPARE(view.layoutCount(), layouts);
    choose("4");
    page.refresh();
    QCOMPARE(view.layoutCount(), layouts + 1);
    QCOMPARE(nodeItems(view).size(), 3);
  }

  void anotherGameOfAsManyStepsIsLaidOutAnew() {
    GameState first, second;
    first.ChapterTexts = {{"Háttér"}, {"A kapu"}, {"Az erdő"}, {"A barlang"}, {"A hegy"}, {"A tó"}};
    second.ChapterTexts = first.ChapterTexts;
    first.navigation.VisitedPath = {"1", "2", "4"};
    first.CurrentChapter = 4;
    second.navigation.VisitedPath = {"1", "3", "5"};
    second.CurrentChapter = 5;
    AdventureMapView view;
    view.setMap(BuildAdventureMap(first));
    view.setMap(BuildAdventureMap(first));
    QCOMPARE(view.layoutCount(), 1);
    view.setMap(BuildAdventureMap(second));
    QCOMPARE(view.layoutCount(), 2);
  }

  void theOpenStubsCoverNoNode() {
    GameState state;
    state.ChapterTexts = {{"Háttér"}, {"A kapu"}, {"Az erdő"}, {"A barlang"}, {"A hegy"}};
    state.navigation.VisitedPath = {"1", "2", "3", "1", "4"};  // 4 beside 2, 3 right below them
    state.CurrentChapter = 4;
    state.navigation.NextChapterList = {"10", "11", "12", "13", "14"};
    AdventureMapView view;
    view.setMap(BuildAdventureMap(state));
    QList<QGraphicsItem*> stubs;
    for (QGraphicsItem* item : view.scene()->items()) {
      if (item->data(kItemKind).toString() == "stub") stubs.append(item);
    }
    QCOMPARE(stubs.size(), 5);
    for (const MapNodeItem* node : nodeItems(view)) {
      for (const QGraphicsItem* stub : stubs) QVERIFY(!node->sceneBoundingRect().intersects(stub->sceneBoundingRect()));
    }
  }

  // A Hungarian desktop writes decimals with a comma; the boxes keep their sizes and spacing.
  void laysOutUnderADecimalCommaLocale() {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "hu_HU.UTF-8") == nullptr) QSKIP("no hu_HU.UTF-8 locale here");
    GameState state;
    state.ChapterTexts = {{"Háttér"}, {"A kapu"}, {"Az erdő"}};
    state.navigation.VisitedPath = {"1", "2"};
    state.CurrentChapter = 2;
    const std::optional<MapLayout> layout = LayOutMap(BuildAdventureMap(state), {{90, 30}, {90, 30}});
    std::setlocale(LC_NUMERIC, saved.c_str());
    QVERIFY(layout.has_value());
    QCOMPARE(layout->sizes[1].height, 30.0);
    QVERIFY(layout->centres[1].y - layout->centres[0].y >= 30 + 20);  // a box and the rank gap apart
  }

  void keysMoveTheSelectionAndEnterTellsTheNode() {
    newGame();
    choose("2");
    choose("4");
    SpecialPage page(*game);
    page.show();
    AdventureMapView& view = page.mapView();
    QCOMPARE(view.map().nodes[static_cast<std::size_t>(view.selectedNode())].chapter, 4);
    QTest::keyClick(&view, Qt::Key_Up);
    QCOMPARE(view.map().nodes[static_cast<std::size_t>(view.selectedNode())].chapter, 2);
    QTest::keyClick(&view, Qt::Key_Up);
    QCOMPARE(view.map().nodes[static_cast<std::size_t>(view.selectedNode())].chapter, 1);
    QTest::keyClick(&view, Qt::Key_Up);  // nothing above the start
    QCOMPARE(view.map().nodes[static_cast<std::size_t>(view.selectedNode())].chapter, 1);
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClick(&view, Qt::Key_Return);
    auto* strip = page.findChild<QLabel*>("AdventureMapStrip");
    QVERIFY(strip->isVisible());
    QCOMPARE(strip->text(), QString("2. FejezetPont: A sötét erdőben"));
  }

  // The chapter points as a list beside the map: a screen reader reads its lines, the keys
  // walk it in step with the map, and Enter there, Enter on the map or a click on a node
  // opens the chapter point's text read-only, titled with its number; Escape closes it.
  void theVisitedPointsAsAListAndTheirTexts() {
    newGame();
    choose("2");
    choose("4");
    SpecialPage page(*game);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    MapPathList& list = page.pathList();
    const QStringList lines = {"1. A kapu előtt", "2. A sötét erdőben", "4. A hegy csúcsán"};
    QAccessibleInterface* listFace = QAccessible::queryAccessibleInterface(&list);
    QCOMPARE(listFace->role(), QAccessible::List);
    QCOMPARE(listFace->text(QAccessible::Name), QString("Bejárt FejezetPontok"));
    QCOMPARE(listFace->childCount(), lines.size());
    for (int row = 0; row < lines.size(); ++row) QCOMPARE(listFace->child(row)->text(QAccessible::Name), lines[row]);
    QCOMPARE(list.currentRow(), 2);  // the current chapter point

    AdventureMapView& view = page.mapView();
    const auto opened = [] { return QApplication::activeModalWidget(); };
    const auto upAndEnter = [](QWidget& walked) {
      walked.setFocus();
      QTest::keyClick(&walked, Qt::Key_Up);
      QTest::keyClick(&walked, Qt::Key_Return);
    };
    struct Way {
      const char* name;
      std::function<void()> open;
      QString title, text;
    };
    const std::vector<Way> ways = {
        {"Enter in the list", [&] { upAndEnter(list); }, "2", "A sötét erdőben"},
        {"Enter on the map", [&] { upAndEnter(view); }, "1", "A kapu előtt"},
        {"a click on a node",
         [&view] {
           for (MapNodeItem* item : nodeItems(view)) {
             if (chapterOf(view, item) != 4) continue;
             QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.mapFromScene(item->sceneBoundingRect().center()));
           }
         },
         "4", "A hegy csúcsán"},
        {"a click on a line", [&list] { QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(1)).center()); },
         "2", "A sötét erdőben"},
    };
    for (const Way& way : ways) {
      way.open();
      QPointer<QWidget> window = opened();
      QVERIFY2(window && window->objectName() == "ChapterTextWindow", way.name);
      QCOMPARE(window->windowTitle(), way.title);
      auto* text = window->findChild<QPlainTextEdit*>("ChapterText");
      QVERIFY(text->isReadOnly());
      QCOMPARE(text->toPlainText(), way.text);
      QCOMPARE(list.currentItem()->text().section('.', 0, 0), way.title);  // list and map agree
      QCOMPARE(QString::number(view.map().nodes[static_cast<std::size_t>(view.selectedNode())].chapter), way.title);
      QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == window);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
      QTRY_VERIFY2(window.isNull(), way.name);
    }
  }

  void oddsAppearDuringABattleOnly() {
    newGame();
    SpecialPage page(*game);
    page.show();
    auto* battleOdds = page.findChild<QLabel*>("BattleOdds");
    QVERIFY(!battleOdds->isVisible());
    QVERIFY(page.findChild<QLabel*>("LuckOdds")->text().contains("Szerencse: 9"));
    choose("3");
    page.refresh();
    QVERIFY(!battleOdds->isVisible());  // declared, but the battle waits on its page
    PageSignal(*game).PageControl1Change(3);
    page.refresh();
    QVERIFY(battleOdds->isVisible());
    QVERIFY(battleOdds->text().startsWith("Esély a Csata megnyerésére:"));
    dice.push({1, 1, 6, 6});  // the wolf's two dice, then the player's: a won round
    Battle(*game).KlikkCsata();
    QVERIFY(!game->state.battle.BattleRunning);
    page.refresh();
    QVERIFY(!battleOdds->isVisible());
  }
};

}  // namespace zrx::test

QTEST_MAIN(zrx::test::SpecialPageTest)
#include "special_page_test.moc"
