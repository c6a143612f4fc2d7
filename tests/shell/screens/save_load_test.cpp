// The save and load screen: saving under a new name and over an existing one, refused
// names, loading, deleting with its question, clicks while an action waits, the load
// command without saves, and minimising.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "game.h"
#include "lifecycle.h"
#include "save_index.h"
#include "save_load_screen.h"
#include "screens/form_save_load.h"
#include "shell_fixture.h"
#include "start/window_opener.h"
#include "style/glyph_button.h"
#include "style/link_label.h"

using namespace zrx;

namespace {

// Reads the saves and shows the window; false when it may not be shown.
bool shown(TFormSaveLoad& window) {
  if (!window.readSaves()) return false;
  window.show();
  return true;
}

// A program with a save folder and a running game of the fixture's book.
struct RunningGame {
  RunningGame() {
    QVERIFY(LayEmptySaveIndex(fixture.folder()) == 0);
    program().setPlayerName("Anna");
    const NewGameChoice choice{.package = "Source", .bookNumber = 1, .bookCount = 1, .difficulty = 1};
    program().game().Perform([this, &choice] { Lifecycle(program().game()).Indit(choice); });
  }
  Program& program() { return fixture.program(); }
  GameState& state() { return program().game().state; }
  // Saves the running game under `name` through a save window.
  void save(const QString& name) {
    TFormSaveLoad window(program(), SaveWindowMode::Save);
    QVERIFY(shown(window));
    window.nameField()->setText(name);
    window.LabelMentesClick();
    QTRY_VERIFY(!window.isVisible());
  }
  test::ShellFixture fixture;
};

// Answers the next modal windows in order by their button captions, collecting their lines.
void answerInOrder(QStringList captions, QStringList& lines) {
  if (captions.isEmpty()) return;
  test::WhenModalOpens([captions, &lines](QWidget& modal) mutable {
    lines << modal.findChild<QLabel*>("Label1")->text() << modal.findChild<QLabel*>("Label2")->text();
    const QString caption = captions.takeFirst();
    answerInOrder(captions, lines);
    for (QPushButton* button : modal.findChildren<QPushButton*>())
      if (button->text() == caption) button->click();
  });
}

// The line of the save named `name`, -1 when it is not listed.
int rowOf(const TFormSaveLoad& window, const QString& name) {
  for (int row = 0; row < window.list()->count(); ++row)
    if (window.list()->item(row)->text().startsWith(name + " | ")) return row;
  return -1;
}

}  // namespace

class SaveLoadTest : public QObject {
  Q_OBJECT
 private slots:
  void savesUnderANewName();
  void enterInTheNameFieldSaves();
  void typingAnExistingNameSelectsItAndOverwrites();
  void refusesNamesWithRefusedCharacters_data();
  void refusesNamesWithRefusedCharacters();
  void loadsTheSelectedSave();
  void theKeyboardAloneChoosesASave();
  void deletesAfterItsQuestion();
  void clicksWhileAnActionWaitsDoNothing();
  void loadCommandWithoutSavesShowsTheNotice();
  void minimisingLeavesTheModeCode_data();
  void minimisingLeavesTheModeCode();
};

void SaveLoadTest::savesUnderANewName() {
  RunningGame game;
  QVERIFY(game.state().GameLoaded);
  TFormSaveLoad window(game.program(), SaveWindowMode::Save);
  QVERIFY(shown(window));
  QCOMPARE(window.head(), QString("Mentés"));
  QCOMPARE(window.list()->count(), 0);
  QVERIFY(!window.saveLabel()->isEnabled());
  QVERIFY(!window.importLabel()->isEnabled());
  QCOMPARE(window.nameField()->maxLength(), 25);

  window.nameField()->setText("Első mentés");
  QVERIFY(window.saveLabel()->isEnabled());
  window.LabelMentesClick();
  QVERIFY(!window.ready());
  QCOMPARE(window.saveLabel()->text(), QString("Mentés..."));
  QCOMPARE(window.saveLabel()->currentColour(), QColor(0, 128, 0));
  QVERIFY(!window.nameField()->isEnabled());
  QVERIFY(!window.backLabel()->isEnabled());
  QTRY_VERIFY(!window.isVisible());
  QCOMPARE(window.result(), int(QDialog::Accepted));

  TFormSaveLoad load(game.program(), SaveWindowMode::Load);
  QVERIFY(load.readSaves());
  QCOMPARE(load.head(), QString("Betöltés"));
  QVERIFY(load.nameField()->isHidden());
  QCOMPARE(load.list()->count(), 1);
  QVERIFY(load.list()->item(0)->text().startsWith("Első mentés | "));
  QVERIFY(load.list()->item(0)->text().endsWith(" | " + QString::fromStdString(game.state().CurrentBook.Title)));
}

void SaveLoadTest::enterInTheNameFieldSaves() {
  RunningGame game;
  TFormSaveLoad window(game.program(), SaveWindowMode::Save);
  QVERIFY(shown(window));
  QTest::keyClick(window.nameField(), Qt::Key_Return);
  QVERIFY2(window.ready() && window.isVisible(), "no name, nothing to save");

  QTest::keyClicks(window.nameField(), "Gyors");
  QTest::keyClick(window.nameField(), Qt::Key_Return);
  QVERIFY(!window.ready());
  QTRY_VERIFY(!window.isVisible());
  QCOMPARE(window.result(), int(QDialog::Accepted));
  TFormSaveLoad load(game.program(), SaveWindowMode::Load);
  QVERIFY(load.readSaves());
  QCOMPARE(rowOf(load, "Gyors"), 0);
}

void SaveLoadTest::typingAnExistingNameSelectsItAndOverwrites() {
  RunningGame game;
  game.save("Egy");
  game.save("Kettő");
  TFormSaveLoad window(game.program(), SaveWindowMode::Save);
  QVERIFY(shown(window));
  QCOMPARE(window.list()->count(), 2);
  const int kettő = rowOf(window, "Kettő");
  QVERIFY(kettő >= 0);

  window.nameField()->setText("Kettő");
  QCOMPARE(window.list()->currentRow(), kettő);
  QVERIFY(window.list()->item(kettő)->isSelected());
  QVERIFY(window.details()->text().startsWith("Source | "));
  QVERIFY(window.details()->text().endsWith(" | Normál"));
  QVERIFY(window.deleteLabel()->isEnabled());
  window.nameField()->setText("Kettő!");
  QVERIFY(window.list()->selectedItems().isEmpty());
  QVERIFY(window.details()->text().isEmpty());
  QVERIFY(!window.deleteLabel()->isEnabled());

  // Picking a line puts its name into the field.
  window.list()->setCurrentRow(kettő);
  QCOMPARE(window.nameField()->text(), QString("Kettő"));

  QStringList asked;
  answerInOrder({" Igen "}, asked);
  window.LabelMentesClick();
  QTRY_VERIFY(!window.isVisible());
  QCOMPARE(asked, QStringList({"A megadott mentési név már létezik!", "Felülírod?"}));
  TFormSaveLoad load(game.program(), SaveWindowMode::Load);
  QVERIFY(load.readSaves());
  QCOMPARE(load.list()->count(), 2);
}

void SaveLoadTest::refusesNamesWithRefusedCharacters_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("notices");
  const char* refused[] = {"a\\b", "a/b", "a:b", "a*b", "a?b", "a\"b", "a'b", "a<b", "a>b", "a|b"};
  for (const char* name : refused) QTest::newRow(name) << QString(name) << true;
  QTest::newRow("blanks only") << QString("   ") << false;
}

void SaveLoadTest::refusesNamesWithRefusedCharacters() {
  QFETCH(QString, name);
  QFETCH(bool, notices);
  RunningGame game;
  TFormSaveLoad window(game.program(), SaveWindowMode::Save);
  QVERIFY(shown(window));
  window.nameField()->setText(name);
  QStringList told;
  if (notices) answerInOrder({" OK ", " OK "}, told);
  window.LabelMentesClick();
  if (notices) {
    QCOMPARE(told, QStringList({"Nem megengedett karakterek vannak a névben!", "Adj meg másik mentési nevet!",
                                "A nem megengedett karakterek a következők:", "\\ / : * ? \" ' < > |"}));
  }
  QVERIFY(window.ready());
  QVERIFY(!window.saveTimer()->isActive());
  QVERIFY(window.nameField()->isEnabled());
  QCOMPARE(window.saveLabel()->text(), QString("Mentés"));
  QVERIFY(window.isVisible());
}

void SaveLoadTest::loadsTheSelectedSave() {
  RunningGame game;
  game.save("Régi");
  game.state().navigation.ChaptersSinceSave = 9;
  TFormSaveLoad window(game.program(), SaveWindowMode::Load);
  QVERIFY(shown(window));
  QVERIFY(!window.loadLabel()->isEnabled());
  // Nothing selected: the click does nothing.
  window.LabelBetoltesClick();
  QVERIFY(window.ready());
  window.list()->setCurrentRow(0);
  QVERIFY(window.loadLabel()->isEnabled());
  QVERIFY(!window.saveLabel()->isEnabled());
  window.LabelBetoltesClick();
  QCOMPARE(window.loadLabel()->text(), QString("Betöltés..."));
  QVERIFY(!window.deleteLabel()->isEnabled());
  QTRY_VERIFY(!window.isVisible());
  QCOMPARE(window.result(), int(QDialog::Accepted));
  QVERIFY(game.state().GameLoaded);
  // The counter restarts after a load, and entering the loaded chapter point counts one.
  QCOMPARE(int(game.state().navigation.ChaptersSinceSave), kChaptersSinceSaveAfterLoad + 1);
  QVERIFY(!game.program().game().errors.FatalErrorFlag());
}

// The list has the focus and its first line is current but not chosen: the keys that move
// through the lines choose the one they land on, even where they cannot move.
void SaveLoadTest::theKeyboardAloneChoosesASave() {
  for (const Qt::Key key : {Qt::Key_Home, Qt::Key_Down, Qt::Key_End}) {
    RunningGame game;
    game.save("Egyetlen");
    TFormSaveLoad window(game.program(), SaveWindowMode::Load);
    QVERIFY(shown(window));
    window.activateWindow();
    window.list()->setFocus();
    window.list()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    QVERIFY(!window.loadLabel()->isEnabled());
    QTest::keyClick(window.list(), key);
    QVERIFY2(window.loadLabel()->isEnabled(), qPrintable(QKeySequence(key).toString()));
    QVERIFY(window.deleteLabel()->isEnabled());
  }
}

void SaveLoadTest::deletesAfterItsQuestion() {
  RunningGame game;
  game.save("Egy");
  game.save("Kettő");
  TFormSaveLoad window(game.program(), SaveWindowMode::Load);
  QVERIFY(shown(window));
  const int egy = rowOf(window, "Egy");
  window.list()->setCurrentRow(egy);

  QStringList asked;
  answerInOrder({" Nem "}, asked);
  window.LabelTorlesClick();
  QCOMPARE(asked, QStringList({"Biztosan törlöd ezt a Mentést?", "Egy"}));
  QVERIFY(window.ready());
  QVERIFY(!window.deleteTimer()->isActive());

  answerInOrder({" Igen "}, asked);
  window.LabelTorlesClick();
  QCOMPARE(window.deleteLabel()->text(), QString("Törlés..."));
  QVERIFY(!window.loadLabel()->isEnabled());
  QVERIFY(!window.backLabel()->isEnabled());
  QTRY_VERIFY(window.ready());
  QVERIFY(window.isVisible());
  QCOMPARE(window.list()->count(), 1);
  QVERIFY(window.list()->item(0)->text().startsWith("Kettő | "));
  QVERIFY(!window.deleteLabel()->isEnabled());
  QVERIFY(window.details()->text().isEmpty());
  QCOMPARE(window.deleteLabel()->text(), QString("Törlés"));
  QVERIFY(window.deleteLabel()->font().underline());
  QVERIFY(window.backLabel()->isEnabled());
}

void SaveLoadTest::clicksWhileAnActionWaitsDoNothing() {
  RunningGame game;
  game.save("Egy");
  TFormSaveLoad window(game.program(), SaveWindowMode::Load);
  QVERIFY(shown(window));
  window.list()->setCurrentRow(0);
  window.LabelBetoltesClick();
  QVERIFY(window.loadTimer()->isActive());
  // No question is asked, nothing else starts, and the window stays.
  bool questionOpened = false;
  QTimer guard;
  guard.setInterval(0);
  connect(&guard, &QTimer::timeout, [&questionOpened] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      questionOpened = true;
      modal->close();
    }
  });
  guard.start();
  window.LabelTorlesClick();
  window.LabelBetoltesClick();
  window.backLabel()->click();
  window.close();
  window.minimiseGlyph()->click();
  QVERIFY(window.isVisible());
  QVERIFY(!window.deleteTimer()->isActive());
  QCOMPARE(window.deleteLabel()->text(), QString("Törlés"));
  QVERIFY(game.state().PendingWindow != kWindowLoad);
  QTRY_VERIFY(!window.isVisible());
  QVERIFY(!questionOpened);
}

void SaveLoadTest::loadCommandWithoutSavesShowsTheNotice() {
  RunningGame game;
  QStringList told;
  answerInOrder({" OK "}, told);
  QCOMPARE(game.program().opener().FormNyitas(kWindowLoad), 0);
  QCOMPARE(told, QStringList({"Nincs mentésed a jelenlegi", "Felhasználónévvel!"}));
  QVERIFY(!game.program().game().errors.FatalErrorFlag());
}

void SaveLoadTest::minimisingLeavesTheModeCode_data() {
  QTest::addColumn<int>("code");
  QTest::newRow("save") << int(kWindowSave);
  QTest::newRow("load") << int(kWindowLoad);
}

void SaveLoadTest::minimisingLeavesTheModeCode() {
  QFETCH(int, code);
  RunningGame game;
  game.save("Egy");
  test::WhenModalOpens([](QWidget& modal) { static_cast<TFormSaveLoad&>(modal).minimiseGlyph()->click(); });
  game.program().opener().FormNyitas(code);
  QCOMPARE(game.state().PendingWindow, code);
}

QTEST_MAIN(SaveLoadTest)
#include "save_load_test.moc"
