// The game window's tables: the menu codes and keys to what they open or do, the
// right-click help per control, the page-signal table and the blink colours, the menu
// panels and their keys, and the victory window's colour cycle.
#include <QAbstractScrollArea>
#include <QLineEdit>
#include <fstream>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolTip>

#include "dialogs/form_comment.h"
#include "editor/chapter_form.h"
#include "editor/form_editor.h"
#include "control_catalogue.h"
#include "game.h"
#include "game/control_render.h"
#include "game/main_menu.h"
#include "game/menu_table.h"
#include "game/page_signal_view.h"
#include "game/right_click_help.h"
#include "game/victory_colours.h"
#include "lifecycle.h"
#include "package_fixture.h"
#include "page_signal.h"
#include "save_permission.h"
#include "settings_line.h"
#include "shell_fixture.h"
#include "start/window_opener.h"
#include "style/form_zrx_base.h"
#include "style/legible_colours.h"
#include "style/link_label.h"
#include "style/window_services.h"
#include "window_test_support.h"

using namespace zrx;
using namespace zrx::test;

namespace {

// Registers a stand-in window for each code that closes at once and notes its code.
void recordOpenedWindows(Program& program, std::vector<int>& opened) {
  for (int code : {20, 30, 40, 50, 60, 70, 80, 100, 110}) {
    program.opener().registerWindow(code, [&opened, code](Program& owner, QWidget* parent) {
      opened.push_back(code);
      auto window = std::make_unique<TFormZRXBase>(owner, parent);
      QTimer::singleShot(0, window.get(), &QDialog::accept);
      return window;
    });
  }
}

QStringList commentLines(TFormMain& window) {
  const QList<TFormComment*> strips = window.findChildren<TFormComment*>();
  if (strips.isEmpty()) return {};
  QStringList lines;
  for (int i = 1; i <= 3; ++i) {
    auto* label = strips.back()->findChild<QLabel*>(QString("Label%1").arg(i));
    lines << (label != nullptr ? label->text() : QString());
  }
  for (TFormComment* strip : strips) delete strip;
  return lines;
}

void startIntroductoryAdventure(GameWindowRig& rig, PipQueue& dice) {
  dice.push({5, 4, 3, 6, 2, 3});
  rig.startGame("Source", 1, 0);
}

// Runs menu item `code` and answers the notice it shows; the notice's two lines.
QStringList noticeOf(GameWindowRig& rig, int code) {
  QStringList shown;
  WhenModalOpens([&shown](QWidget& notice) {
    shown << notice.findChild<QLabel*>("Label1")->text() << notice.findChild<QLabel*>("Label2")->text();
    for (QPushButton* button : notice.findChildren<QPushButton*>()) {
      if (button->text() == " OK ") button->click();
    }
  });
  rig.window().runMenu(code);
  return shown;
}

}  // namespace

class WindowTablesTest : public QObject {
  Q_OBJECT

 private slots:
  void menuItemsOpenTheirWindows() {
    GameWindowRig rig(std::make_unique<PipQueue>());
    std::vector<int> opened;
    recordOpenedWindows(rig.program(), opened);
    // Without a game "Mentés" and "Befejezés" cannot be chosen: their panel stays open.
    const struct {
      int code;
      int window;  // 0: none
      bool chosen;
    } cases[] = {{12, 30, true},  {13, 0, false}, {14, 0, false}, {16, 100, true}, {21, 0, true}, {22, 50, true},
                 {31, 60, true},  {32, 80, true},  {33, 110, true}, {34, 70, true}, {35, 40, true}};
    for (const auto& c : cases) {
      opened.clear();
      rig.window().menu().open(c.code / 10 - 1, false);
      rig.click(QString("LabelMenu%1").arg(c.code));
      QVERIFY2((rig.window().menu().openMenu() == -1) == c.chosen, qPrintable(QString::number(c.code)));
      QCOMPARE(opened, c.window == 0 ? std::vector<int>{} : std::vector<int>{c.window});
      rig.window().menu().closeAll();
    }
    QVERIFY(!rig.game().state.GameLoaded);
  }

  void functionKeysRunTheirMenuItems() {
    GameWindowRig rig(std::make_unique<PipQueue>());
    std::vector<int> opened;
    recordOpenedWindows(rig.program(), opened);
    const struct {
      Qt::Key key;
      int window;
    } cases[] = {{Qt::Key_F1, 80}, {Qt::Key_F3, 30}, {Qt::Key_F4, 0}, {Qt::Key_F6, 100},
                 {Qt::Key_F8, 0},  {Qt::Key_F10, 110}, {Qt::Key_F11, 70}, {Qt::Key_F12, 40}};
    for (const auto& c : cases) {
      opened.clear();
      QTest::keyClick(rig.find<QListWidget>("ListBoxNext"), c.key);
      QCOMPARE(opened, c.window == 0 ? std::vector<int>{} : std::vector<int>{c.window});
    }
    for (const MenuEntry& entry : MenuEntries()) {
      if (entry.key != 0) QCOMPARE(MenuEntryByKey(entry.key)->code, entry.code);
    }
  }

  void commandsThatNeedNoGameGiveTheirNotice() {
    auto pips = std::make_unique<PipQueue>();
    PipQueue& dice = *pips;
    GameWindowRig rig(std::move(pips));
    std::vector<int> opened;
    recordOpenedWindows(rig.program(), opened);
    startIntroductoryAdventure(rig, dice);
    QVERIFY(rig.game().state.GameLoaded);
    const struct {
      int code;
      const char* line1;
      const char* line2;
    } cases[] = {{15, "Új játékcsomag importálásához be kell fejezned", " az éppen folyó játékot!"},
                 {16, "A játék beállításaihoz be kell fejezned", " az éppen folyó játékot!"},
                 {23, "A Szerkesztő program használatához be kell fejezned", "az éppen folyó játékot!"},
                 // Saving needs the chapter's permission, which the rules text never gives:
                 // F4 tells why in the words of the save button's tooltip.
                 {13, "Itt most nem lehet menteni:", "a Szabályok és a Háttértörténet alatt nincs mentés."}};
    for (const auto& c : cases) {
      QCOMPARE(noticeOf(rig, c.code), QStringList({c.line1, c.line2}));
    }
    QVERIFY(opened.empty());
  }

  void rightClickOnATextBoxOpensNoQtMenu() {
    GameWindowRig rig(std::make_unique<PipQueue>());
    for (const char* name : {"Memo_SI", "EditNext", "RichEdit1"}) {
      auto* box = rig.find<QWidget>(name);
      auto* area = qobject_cast<QAbstractScrollArea*>(box);
      QWidget* target = area ? area->viewport() : box;
      bool sawMenu = false;
      QTimer::singleShot(50, [&sawMenu] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
          sawMenu = true;
          popup->close();
        }
      });
      QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
      QApplication::sendEvent(target, &menu);
      QTest::qWait(80);
      QVERIFY2(!sawMenu, name);
    }
  }

  void helpStripsHoldTheirWholeLines() {
    GameWindowRig rig(std::make_unique<PipQueue>());
    const QString medium = QString("Erre a gombra kattintva dobást imitálhatsz a játékban az adott számú kockával!");
    const QString huge = QString("Nagyon hosszú súgósor, amely a képernyőnél is szélesebb. ").repeated(12);
    TFormComment strip(rig.program(), {"Rövid sor.", medium, huge}, &rig.window());
    const int screenWidth = QGuiApplication::primaryScreen()->availableGeometry().width();
    QVERIFY(strip.width() <= screenWidth);
    for (int i = 1; i <= 3; ++i) {
      auto* label = strip.findChild<QLabel*>(QString("Label%1").arg(i));
      // The whole text within the label, and the label within the strip.
      QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text()));
      QVERIFY(strip.rect().contains(label->geometry()));
    }
    // A line narrower than the screen stays on one line.
    auto* second = strip.findChild<QLabel*>("Label2");
    QVERIFY(QFontMetrics(second->font()).horizontalAdvance(medium) <= second->width());
  }

  void everyStoryColourIsReadable() {
    GameWindowRig rig(std::make_unique<PipQueue>());
    auto* story = rig.find<QTextEdit>("RichEdit1");
    for (int colour = 0; colour <= 6; ++colour) {
      // Fade-in and pointer centring off, the story colour as chosen in the settings.
      rig.program().applySettings(SettingsLine::Parse("1010" + std::to_string(colour) + "00110"));
      const QPalette palette = story->palette();
      QCOMPARE(palette.color(QPalette::Text), StoryTextColour(colour));  // the chosen colour itself
      QVERIFY2(ContrastRatio(palette.color(QPalette::Text), palette.color(QPalette::Base)) >= kBodyTextContrast,
               qPrintable(QString::number(colour)));
    }
  }

  void greyedAndVictoryTextsAreReadable() {
    for (const QColor& background : {SkyBlue(), QColor(0x87, 0xCE, 0xEB), NormalTabColour()}) {
      QVERIFY2(ContrastRatio(DisabledTextColour(), background) >= kBodyTextContrast, qPrintable(background.name()));
    }
    for (int state = 1; state <= 6; ++state) {
      for (const QColor& band : VictoryBandColours(state)) {
        QVERIFY2(ContrastRatio(VictoryBandText(band), band) >= kBodyTextContrast, qPrintable(band.name()));
      }
    }
  }

  void choiceBoxesShowTheirAmpersands() {
    const struct {
      const char* item;
      const char* shown;
    } cases[] = {{"Kard && pajzs", "Kard & pajzs"}, {"Kard & pajzs", "Kard & pajzs"}, {"Kard &pajzs", "Kard &pajzs"},
                 {"Kard", "Kard"}};
    for (const auto& c : cases) {
      QCheckBox box;
      Control control;
      control.setText(c.item);
      RenderCheck(&box, control);
      // Qt shows a doubled "&" as one and takes no mnemonic from it.
      QCOMPARE(box.text(), QString(c.shown).replace('&', "&&"));
      QVERIFY2(QKeySequence::mnemonic(box.text()).isEmpty(), c.item);
    }
  }

  void editorOpensWhenNoGameRuns() {
    GameWindowRig rig(std::make_unique<PipQueue>());
    std::vector<int> opened;
    recordOpenedWindows(rig.program(), opened);
    rig.window().runMenu(23);
    auto* editor = rig.window().findChild<TFormEditor*>();
    QVERIFY(editor != nullptr && editor->isVisible());
    QCOMPARE(editor->windowTitle(), QString("ZRX - Történet Szerkesztő"));
    rig.window().runMenu(23);  // a second time the same window comes forward
    QCOMPARE(rig.window().findChildren<TFormEditor*>().size(), 1);
    QVERIFY(opened.empty());

    // Unsaved changes in the editor are asked about before the program ends; kept, both stay.
    TempFolder folder;
    std::ofstream(folder.path() / "konyv.yaml") << "Title: Próba\nChapters:\n  - {Number: 0, Text: Első}\n";
    QVERIFY(editor->openSource(folder.path() / "konyv.yaml"));
    editor->chapterForm()->lineEdit("Picture")->setFocus();
    QTest::keyClicks(editor->chapterForm()->lineEdit("Picture"), "kep.jpg");
    AnswerModal("Mégse");
    QVERIFY(!rig.window().close());
    QVERIFY(editor->isVisible());
    AnswerModal("Elvetés");
    QVERIFY(editor->close());
  }

  void rightClickShowsTheHelpOfTheControl() {
    auto pips = std::make_unique<PipQueue>();
    PipQueue& dice = *pips;
    GameWindowRig rig(std::move(pips));
    startIntroductoryAdventure(rig, dice);
    const struct {
      const char* control;
      int page;
      QStringList lines;
    } cases[] = {
        {"BitBtn1", 0, {"A \"Kezdés\" gombra kattintva indíthatsz játékot egy új könyvvel. Ha már",
                        "elindítottál egyet, akkor a program felajánlja, hogy befejezd a régit,", "és elkezdd az újat!"}},
        {"LabelLink2", 0, {"Erre a linkre kattintva megnyithatod a zrx honlapját",
                           "a számítógépeden beállított alapértelmezett böngészőprogrammal!", ""}},
        {"ListBoxNext", 0, {"Ebben a listában láthatod azoknak a FejezetPontoknak a",
                            "számait, amelyekre az éppen aktuális pontról továbbhaladhatsz.",
                            "Jelölj ki egyet a listából, majd kattints a nyílra a továbbjutáshoz!"}},
        {"LabelNehezsegiFokozat", 1, {"A jelenlegi játékod nehézségi fokozata: \"Könnyű\". Ellenfeleid",
                                      "értékei csökkennek 15%-kal, és a Mentés funkciót is elérheted.", ""}},
        {"MemoFP", 1, {"Ebben a mezőben megtalálod az éppen aktuális játékodban az általad",
                       "már bejárt FejezetPontok listáját, az 1-es ponttól kezdve.", ""}},
        {"FT_LabelTNev03", 2, {"Válassz ki annyi tárgyat, amennyit szeretnél, majd kattints",
                               "a \"Tárgy(ak) felvétele\" gombra!", ""}},
        {"LabelDobas3Kocka", 3, {"Erre a gombra kattintva dobást imitálhatsz a játékban az adott számú kockával!",
                                 "Dobhatsz Csatában egy Forduló után, vagy Csatában kötelezően,",
                                 "továbblépés vizsgálatnál, és egy értéked megváltozásánál is."}},
        {"BitBtn5", 3, {"A \"Harc\" gombra kattintva játszhatod le egy Csatában az egyes",
                        "Fordulókat. Előfordulhat, hogy egy Forduló előtt el kell végezned bizonyos",
                        "feladatokat (például dobás a kockával)."}},
        {"SpinEditINFO", 4, {"Itt válthatsz a \"Saját Információk\" sorszámai között!",
                             "Maximum öt ilyen Információt tudsz csak kezelni!", ""}},
        {"ListBox_VK", 5, {"Ebben a mezőben megtalálod az általad birtokolt Varázslatok & Képességek",
                           "listáját. Ha kiválasztasz egyet, akkor meg is tekintheted a", "leírását a jobb oldalon!"}},
    };
    for (const auto& c : cases) {
      rig.window().pages().setCurrentIndex(c.page);
      rig.settleLayout();
      auto* widget = rig.find<QWidget>(c.control);
      QVERIFY2(widget != nullptr, c.control);
      // List boxes take the press on their viewport, which has no help of its own.
      QWidget* pressed = widget->findChild<QWidget*>("qt_scrollarea_viewport");
      QTest::mousePress(pressed != nullptr ? pressed : widget, Qt::RightButton, {}, QPoint(2, 2));
      QCOMPARE(commentLines(rig.window()), c.lines);
    }
    // Without continuations the list has no help; the other difficulties have theirs.
    rig.window().perform([&rig] { rig.game().screen.ListBoxNext.clearItems(); });
    rig.window().pages().setCurrentIndex(0);
    QVERIFY(!rig.window().GlobalMouseDown(rig.find<QWidget>("ListBoxNext")));
    QCOMPARE(RightClickHelp("LabelSzint", 1, false)->at(2), std::string("nem érhető el."));
    QCOMPARE(RightClickHelp("LabelSzint", 2, false)->at(0),
             std::string("A jelenlegi játékod nehézségi fokozata: \"Véletlen\". Ellenfeleid"));
    QVERIFY(!RightClickHelp("LabelFPont", 0, false));
    QVERIFY(!RightClickHelp("CheckBoxes", 0, false));
  }

  void pageSignalTable() {
    const struct {
      int kind;
      int page;
      const char* label1;
      const char* label2;
      bool blinksTab = true;
    } cases[] = {
        {0, kTestsPage, "Próbák", "Csaták"},
        {3, kTestsPage, "Próbák", "Csaták"},
        {5, kTestsPage, "Próbák", "Csaták"},
        {6, kEquipmentPage, "Felszerelési", "Tárgyak"},
        {11, kEquipmentPage, "Felszerelési", "Tárgyak"},
        {12, kSheetPage, "Kalandlap", ""},
        {13, kInformationPage, "Információk", ""},
        {14, kInformationPage, "Információk", ""},
        {15, kStoryPage, "", ""},
        {16, kMagicSkillsPage, "Varázslatok", "Képességek", false},
        {17, kEquipmentPage, "Felszerelési", "Tárgyak"},
        {20, kEquipmentPage, "Felszerelési", "Tárgyak"},
    };
    for (const auto& c : cases) {
      const std::optional<SignalView> view = SignalViewOfKind(c.kind);
      QVERIFY2(view.has_value(), qPrintable(QString::number(c.kind)));
      QCOMPARE(view->page, c.page);
      QCOMPARE(view->labels[0], std::string(c.label1));
      QCOMPARE(view->labels[1], std::string(c.label2));
      QCOMPARE(view->blinksTab, c.blinksTab);
    }
    QVERIFY(!SignalViewOfKind(21));
    QVERIFY(!SignalViewOfKind(-1));
  }

  void tickColours() {
    const struct {
      int tick;
      QColor colour;
      int next;
    } cases[] = {{1, QColor(0, 128, 0), 2}, {2, QColor(0, 0, 255), 3}, {7, QColor(0, 128, 0), 8},
                 {INT_MAX - 1, QColor(0, 0, 255), 2}, {INT_MAX, QColor(0, 128, 0), 2}};
    for (const auto& c : cases) {
      QCOMPARE(TickColour(c.tick), c.colour);
      QCOMPARE(NextTick(c.tick), c.next);
    }
  }

  void victoryColourCycle() {
    const QColor red(255, 0, 0), fuchsia(255, 0, 255), blue(0, 0, 255), aqua(0, 255, 255), lime(0, 255, 0),
        yellow(255, 255, 0);
    const BandColours expected[] = {{red, fuchsia, blue},   {aqua, red, fuchsia},  {lime, aqua, red},
                                    {yellow, lime, aqua},   {blue, yellow, lime},  {fuchsia, blue, yellow}};
    int state = 6;  // the bands start as state 6 shows them
    QVERIFY(VictoryBandColours(state) == expected[5]);
    for (int step = 0; step < 12; ++step) {
      state = NextVictoryState(state);
      QVERIFY2(VictoryBandColours(state) == expected[step % 6], qPrintable(QString::number(step)));
    }
  }

  void menuPanelsByKeyboardAndMouse() {
    GameWindowRig rig(std::make_unique<PipQueue>());
    std::vector<int> opened;
    recordOpenedWindows(rig.program(), opened);
    MainMenu& menu = rig.window().menu();
    // Each panel holds its items whole: every item at its full height, inside the panel.
    for (int m = 0; m < kMenuCount; ++m) {
      QFrame* panel = menu.panel(m);
      QVERIFY(panel->height() >= kMenuPanelHeights[static_cast<std::size_t>(m)]);
      panel->show();
      rig.settleLayout();
      const QList<MenuItemLabel*> items = panel->findChildren<MenuItemLabel*>();
      QVERIFY(!items.isEmpty());
      for (const MenuItemLabel* item : items) {
        QVERIFY2(item->height() >= item->sizeHint().height(), qPrintable(item->objectName()));
        QVERIFY2(panel->contentsRect().contains(item->geometry()), qPrintable(item->objectName()));
      }
      panel->hide();
    }

    // Alt opens "Játék" with its first item highlighted; arrows move, Enter selects.
    QWidget* focus = rig.find<QWidget>("ListBoxNext");
    QTest::keyClick(focus, Qt::Key_Alt);
    QCOMPARE(menu.openMenu(), 0);
    QCOMPARE(menu.highlightedRow(), 0);
    QVERIFY(menu.item(11)->highlighted());
    QTest::keyClick(focus, Qt::Key_Up);
    QCOMPARE(menu.highlightedRow(), 7);  // round to "Kilépés a Programból"
    QTest::keyClick(focus, Qt::Key_Right);
    QCOMPARE(menu.openMenu(), 1);
    QTest::keyClick(focus, Qt::Key_Right);
    QTest::keyClick(focus, Qt::Key_Down);
    QTest::keyClick(focus, Qt::Key_Down);
    QCOMPARE(menu.highlightedRow(), 2);
    QTest::keyClick(focus, Qt::Key_Return);
    QCOMPARE(opened, std::vector<int>{110});  // "Javítások"
    QCOMPARE(menu.openMenu(), -1);

    // Tab closes an open panel; so does a click outside it.
    menu.open(1, false);
    QTest::keyClick(focus, Qt::Key_Tab);
    QCOMPARE(menu.openMenu(), -1);
    menu.open(2, false);
    QTest::mouseClick(rig.find<QWidget>("RichEdit1"), Qt::LeftButton);
    QCOMPARE(menu.openMenu(), -1);
  }
  void escapeAsksOnceAndNoKeepsTheWindow() {
    GameWindowRig rig(std::make_unique<PipQueue>());
    // Every quit confirmation that opens is counted and answered " Nem ", while the test runs.
    auto confirmations = std::make_shared<int>(0);
    auto watching = std::make_shared<bool>(true);
    std::function<void()> answerNo;
    answerNo = [confirmations, watching, &answerNo] {
      WhenModalOpens([confirmations, watching, answerNo](QWidget& bye) {
        if (!*watching) return;
        ++*confirmations;
        answerNo();
        bye.findChild<QPushButton*>("ButtonNem")->click();
      });
    };
    answerNo();
    QTest::keyClick(rig.find<QListWidget>("ListBoxNext"), Qt::Key_Escape);
    QTest::qWait(50);
    *watching = false;
    QCOMPARE(*confirmations, 1);
    QVERIFY(rig.window().isVisible());
    QVERIFY(!rig.program().quitConfirmed());
  }

  void disabledSaveButtonTellsWhy() {
    const struct {
      bool game;
      int difficulty;
      QString tip;  // empty: none
    } cases[] = {{false, 0, ""},
                 {true, 1, "Itt most nem lehet menteni: \"Normál\" nehézségi fokozaton nincs mentés."},
                 {true, 0, "Itt most nem lehet menteni: a Szabályok és a Háttértörténet alatt nincs mentés."}};
    for (const auto& c : cases) {
      auto pips = std::make_unique<PipQueue>();
      pips->push({5, 4, 3, 6, 2, 3});
      GameWindowRig rig(std::move(pips));
      if (c.game) rig.startGame("Source", 1, c.difficulty);
      auto* save = rig.find<QPushButton>("BitBtn3");
      QVERIFY(!save->isEnabled());
      QToolTip::hideText();
      QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), save->mapToGlobal(QPoint(5, 5)));
      QApplication::sendEvent(save, &hover);
      QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), c.tip);
    }
  }

  // The window shows every control of the catalogue through one widget; the window's own
  // state (the page signal, the offer's arrangement) is read by the parts that act on it.
  void everyCatalogueControlIsBoundOnce() {
    GameWindowRig rig(std::make_unique<PipQueue>());
    const ControlViews& views = rig.window().views();
    QStringList wrong;
    for (const ControlEntry& entry : ControlCatalogue()) {
      if (entry.name == "TimerAlarm" || entry.name == "FT_Elrendezes") continue;
      const std::size_t renders = views.bindingsOf(entry.name);
      if (renders != 1) wrong << QString("%1: %2").arg(ToQString(entry.name)).arg(renders);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(", ")));
  }

  // "Visszalépés" is greyed with its reason until a chapter point where saving was allowed
  // lies behind the player; then F7 goes back to it.
  void stepBackIsGreyedWithItsReasonUntilThereIsOne() {
    GameWindowRig rig(std::make_unique<PipQueue>());
    // A ring of plain chapter points: every one allows saving once enough were read.
    PackageContent ring = StoryPackage({PlainChapter(-1, "000"), PlainChapter(0, "001"), PlainChapter(1, "002"),
                                        PlainChapter(2, "003"), PlainChapter(3, "001")});
    ring.name = "Gyurus";
    WriteTestPackage(rig.folder(), ring);
    auto* item = rig.find<QWidget>(QString("LabelMenu%1").arg(kStepBackMenuCode));
    QVERIFY(item && !item->isEnabled());
    QCOMPARE(item->accessibleDescription(), QString("nincs folyamatban játék"));

    rig.startGame("Gyurus", 1, kNormalDifficulty);
    QVERIFY(rig.game().state.GameLoaded);
    QVERIFY(!item->isEnabled());
    QVERIFY(item->accessibleDescription().contains("Normál"));
    QCOMPARE(noticeOf(rig, kStepBackMenuCode).value(0), QString("Nincs visszalépés:"));

    rig.window().perform([&rig] { Lifecycle(rig.game()).Befejez(); });
    rig.startGame("Gyurus", 1, 0);
    std::vector<int> kept;  // chapter points entered where saving was allowed
    for (int step = 0; step < 40 && kept.size() < 2; ++step) {
      QVERIFY(!item->isEnabled() || !kept.empty());
      const QStringList offered = Rows("ListBoxNext", rig.window());
      QCOMPARE(offered.size(), qsizetype{1});
      QVERIFY(rig.chooseContinuation(ToStdString(offered.front())));
      rig.tick();
      if (rig.game().state.SaveAllowed) kept.push_back(rig.game().state.CurrentChapter);
    }
    QCOMPARE(kept.size(), std::size_t{2});
    QVERIFY(item->isEnabled());
    QCOMPARE(item->accessibleDescription(), QString());
    QTest::keyClick(rig.find<QListWidget>("ListBoxNext"), Qt::Key_F7);
    QCOMPARE(rig.game().state.CurrentChapter, kept[0]);
    QVERIFY(rig.game().state.GameLoaded);
    QCOMPARE(rig.find<QLabel>("LabelFPont")->text(), QString::number(kept[0]));
  }
};

QTEST_MAIN(WindowTablesTest)
#include "window_tables_test.moc"
