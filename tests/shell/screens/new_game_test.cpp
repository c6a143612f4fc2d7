// The new-game screen: choosing a package and a book, the difficulty items, books that
// cannot be chosen, the description lines, minimising and restoring, and a folder without
// packages.
#include <QButtonGroup>
#include <QAbstractItemView>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "game.h"
#include "game/form_main.h"
#include "game/picture_view.h"
#include "new_game_screen.h"
#include "package_fixture.h"
#include "screens/form_new_game.h"
#include "screens/new_game_window.h"
#include "shell_fixture.h"
#include "start/window_opener.h"
#include "style/glyph_button.h"
#include "style/link_label.h"
#include "style/window_services.h"

using namespace zrx;

namespace {

// Beside the fixture's "Source" (one book): "Masik1" whose second book is not yet available,
// and "Leiras" whose books carry the descriptions of the description table.
const std::vector<std::array<std::string, 3>> kDescriptions = {
    {"", "", ""}, {"Egy#Kettő", "", ""}, {"#Egy", "", ""}, {"Eg", "y#Ke", "ttő"}, {"Egy sor", "", ""}};

void writePackages(const std::filesystem::path& folder) {
  PackageContent other = test::MakePackage("Masik1", 2);
  other.books[0].record.Title = "Első kaland";
  other.books[1].record.Title = "(NA) Készülő kaland";
  other.books[1].record.Description1 = "Hamarosan#érkezik";
  other.books[1].record.Description2 = "";
  other.books[1].record.Description3 = "";
  test::WriteTestPackage(folder, other);
  PackageContent described = test::MakePackage("Leiras", static_cast<int>(kDescriptions.size()));
  for (std::size_t i = 0; i < kDescriptions.size(); ++i) {
    TBookRec& book = described.books[i].record;
    book.Description1 = kDescriptions[i][0];
    book.Description2 = kDescriptions[i][1];
    book.Description3 = kDescriptions[i][2];
  }
  test::WriteTestPackage(folder, described);
}

QString joined(const std::vector<std::string>& lines) {
  QStringList text;
  for (const std::string& line : lines) text << QString::fromStdString(line);
  return text.join('\n');
}

// Selects the package of this name and loads its books.
void loadPackage(TFormNewGame& window, const QString& name) {
  window.packageBox()->setCurrentIndex(window.packageBox()->findText(name));
  window.Label1Click();
  QTRY_VERIFY(!window.busy());
}

constexpr int kNewGameMenuItem = 11;  // "Kezdés"

struct OpenNewGame {
  explicit OpenNewGame(Program& program) : window(program) {
    opened = window.listPackages();
    window.show();
  }
  TFormNewGame window;
  bool opened = false;
};

}  // namespace

class NewGameTest : public QObject {
  Q_OBJECT
 private slots:
  void choosesAPackageAndABook();
  void loadsTheBookWhileItShowsItIsBusy();
  void difficultyItems_data();
  void difficultyItems();
  void notAvailableBookIsShownButNotChosen();
  void descriptionLines_data();
  void descriptionLines();
  void minimisingKeepsTheChoicesForTheRestore();
  void isTransientForTheMainWindow();
  void keysChooseAndCancel();
  void folderWithoutPackagesReportsIt();
};

void NewGameTest::choosesAPackageAndABook() {
  test::ShellFixture fixture;
  writePackages(fixture.folder());
  OpenNewGame open(fixture.program());
  TFormNewGame& window = open.window;
  QVERIFY(open.opened);
  QCOMPARE(window.packageBox()->count(), 3);
  QCOMPARE(window.packageBox()->currentIndex(), -1);
  QCOMPARE(window.packageBox()->placeholderText(), QString("Válassz Forrást!"));
  QCOMPARE(window.memo()->toPlainText(), joined(NewGameIntroLines()));
  QVERIFY(!window.bookBox()->isEnabled());
  QCOMPARE(window.difficultyGroup()->checkedId(), 0);
  QCOMPARE(window.difficultyGroup()->checkedButton()->text(), QString("Normál"));

  // Before a package is chosen, the package list opens for the choice.
  window.Label1Click();
  QVERIFY(!window.busy());
  QVERIFY(window.packageBox()->view()->isVisible());
  window.packageBox()->hidePopup();

  window.packageBox()->setCurrentIndex(window.packageBox()->findText("Masik1"));
  window.Label1Click();
  QVERIFY(window.busy());
  QCOMPARE(window.chooseLabel()->text(), QString("Betöltés..."));
  QCOMPARE(window.memo()->toPlainText(), joined(NewGameLoadingLines()));
  QVERIFY(!window.packageBox()->isEnabled());
  QVERIFY(!window.cancelLabel()->isEnabled());
  // Cancelling while the package loads is ignored.
  window.Label2Click();
  QVERIFY(window.isVisible());
  QTRY_VERIFY(!window.busy());

  QVERIFY(window.bookBox()->isEnabled());
  QCOMPARE(window.bookBox()->count(), 2);
  QCOMPARE(window.bookBox()->itemText(0), QString("Első kaland"));
  QCOMPARE(window.bookBox()->currentIndex(), -1);
  QCOMPARE(window.bookBox()->placeholderText(), QString("Válassz könyvet!"));
  QCOMPARE(window.chooseLabel()->text(), QString("Kiválasztás"));
  QVERIFY(window.chooseLabel()->font().underline());
  QVERIFY(window.cancelLabel()->isEnabled());

  // Another package chosen before a book reloads the list.
  loadPackage(window, "Source");
  QCOMPARE(window.bookBox()->count(), 1);
  loadPackage(window, "Masik1");
  QCOMPARE(window.bookBox()->count(), 2);

  // Before a book is chosen, the book list opens for the choice.
  window.Label1Click();
  QVERIFY(window.bookBox()->view()->isVisible());
  QVERIFY(!window.choice().has_value());
  window.bookBox()->hidePopup();

  window.bookBox()->setCurrentIndex(0);
  QVERIFY(window.cover()->hasPicture());
  window.Label1Click();
  QVERIFY(!window.ready());
  QCOMPARE(window.chooseLabel()->text(), QString("Kiválasztás..."));
  QVERIFY(!window.bookBox()->isEnabled());
  QTRY_VERIFY(window.choice().has_value());
  QCOMPARE(window.choice()->package, std::string("Masik1"));
  QCOMPARE(window.choice()->bookNumber, 1);
  QCOMPARE(window.choice()->bookCount, 2);
  QCOMPARE(window.result(), int(QDialog::Accepted));
}

void NewGameTest::loadsTheBookWhileItShowsItIsBusy() {
  test::ShellFixture fixture;
  writePackages(fixture.folder());
  Game& game = fixture.program().game();
  OpenNewGame open(fixture.program());
  TFormNewGame& window = open.window;
  loadPackage(window, "Masik1");
  window.bookBox()->setCurrentIndex(0);

  // What the player sees at the moment the screen closes: the book is in the game by then,
  // shown with the busy pointer and "Kiválasztás...".
  bool closed = false;
  bool loadedBeforeClosing = false;
  QString command;
  Qt::CursorShape pointer = Qt::ArrowCursor;
  QObject::connect(&window, &QDialog::finished, &window, [&] {
    closed = true;
    loadedBeforeClosing = game.state.GameLoaded;
    command = window.chooseLabel()->text();
    pointer = window.cursor().shape();
  });
  window.Label1Click();
  QVERIFY(!game.state.GameLoaded);
  QTRY_VERIFY(closed);
  QVERIFY(loadedBeforeClosing);
  QCOMPARE(command, QString("Kiválasztás..."));
  QCOMPARE(pointer, fixture.program().services().cursor(CursorKind::Busy).shape());
  QCOMPARE(game.state.SourceName, std::string("Masik1"));
  QCOMPARE(game.screen.Image1.picture(), (PictureRef{PictureRef::Source::Cover, 0}));
  QVERIFY(window.choice().has_value());
  QVERIFY(window.choice()->bookLoaded);
}

void NewGameTest::difficultyItems_data() {
  QTest::addColumn<int>("item");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<int>("difficulty");
  QTest::newRow("Normál") << 0 << "Normál" << 1;
  QTest::newRow("Könnyű") << 1 << "Könnyű" << 0;
  QTest::newRow("Véletlen") << 2 << "Véletlen" << 2;
}

void NewGameTest::difficultyItems() {
  QFETCH(int, item);
  QFETCH(QString, caption);
  QFETCH(int, difficulty);
  test::ShellFixture fixture;
  OpenNewGame open(fixture.program());
  TFormNewGame& window = open.window;
  loadPackage(window, "Source");
  QCOMPARE(window.difficultyGroup()->button(item)->text(), caption);
  window.difficultyGroup()->button(item)->click();
  window.bookBox()->setCurrentIndex(0);
  window.Label1Click();
  QTRY_VERIFY(window.choice().has_value());
  QCOMPARE(window.choice()->difficulty, difficulty);
}

void NewGameTest::notAvailableBookIsShownButNotChosen() {
  test::ShellFixture fixture;
  writePackages(fixture.folder());
  OpenNewGame open(fixture.program());
  TFormNewGame& window = open.window;
  loadPackage(window, "Masik1");
  window.bookBox()->setCurrentIndex(1);
  QCOMPARE(window.memo()->toPlainText(), QString("Hamarosan\nérkezik"));
  QVERIFY(window.cover()->hasPicture());
  window.Label1Click();
  QVERIFY(window.ready());
  QVERIFY(!window.gameTimer()->isActive());
  QCOMPARE(window.chooseLabel()->text(), QString("Kiválasztás"));
  QVERIFY(window.isVisible());
}

void NewGameTest::descriptionLines_data() {
  QTest::addColumn<int>("book");
  QTest::addColumn<QString>("shown");
  QTest::newRow("none") << 0 << "(nincs leírás)";
  QTest::newRow("one mark in the middle") << 1 << "Egy\nKettő";
  QTest::newRow("leading mark") << 2 << "\nEgy";
  QTest::newRow("parts joined first") << 3 << "Egy\nKettő";
  QTest::newRow("no mark") << 4 << "Egy sor";
}

void NewGameTest::descriptionLines() {
  QFETCH(int, book);
  QFETCH(QString, shown);
  test::ShellFixture fixture;
  writePackages(fixture.folder());
  OpenNewGame open(fixture.program());
  loadPackage(open.window, "Leiras");
  open.window.bookBox()->setCurrentIndex(book);
  QCOMPARE(open.window.memo()->toPlainText(), shown);
}

void NewGameTest::minimisingKeepsTheChoicesForTheRestore() {
  test::ShellFixture fixture;
  writePackages(fixture.folder());
  Program& program = fixture.program();
  program.createStartWindows();
  // The new-game command: "Source" is loaded and "Véletlen" chosen, but no book.
  int position = -1;
  test::WhenModalOpens([&position](QWidget& modal) {
    auto& window = static_cast<TFormNewGame&>(modal);
    loadPackage(window, "Source");
    position = window.packageBox()->currentIndex();
    window.difficultyGroup()->button(2)->click();
    window.minimiseGlyph()->click();
  });
  program.mainWindow()->runMenu(kNewGameMenuItem);
  QVERIFY(!program.game().state.GameLoaded);
  QCOMPARE(program.game().state.PendingWindow, int(kWindowNewGame));
  const QString state = program.takeReturnText();
  QCOMPARE(state, QString("M%1NN2").arg(position, 2, 10, QChar('0')));
  program.setReturnText(state);

  // Restoring the program reopens the screen, which loads the same package with the same
  // difficulty; the book chosen then starts the game.
  QString package;
  int difficulty = -1;
  bool loading = false;
  test::WhenModalOpens([&](QWidget& modal) {
    auto& window = static_cast<TFormNewGame&>(modal);
    package = window.packageBox()->currentText();
    difficulty = window.difficultyGroup()->checkedId();
    loading = window.busy();
    QTRY_VERIFY(!window.busy());
    window.bookBox()->setCurrentIndex(0);
    window.Label1Click();
  });
  program.opener().RestoreHandler();
  QCOMPARE(package, QString("Source"));
  QCOMPARE(difficulty, 2);
  QVERIFY(loading);
  QVERIFY(program.game().state.GameLoaded);
  QCOMPARE(program.game().state.SourceName, std::string("Source"));
  QCOMPARE(program.game().state.Difficulty, 2);
  QCOMPARE(program.takeReturnText(), QString());
  QVERIFY(program.game().state.PendingWindow < 2);
}

void NewGameTest::isTransientForTheMainWindow() {
  test::ShellFixture fixture;
  Program& program = fixture.program();
  program.createStartWindows();
  program.mainWindow()->show();
  // The window manager keeps a transient dialog above its window, so raising the main window
  // on a second start never hides the open dialog behind it.
  QWindow* owner = nullptr;
  test::WhenModalOpens([&owner](QWidget& modal) {
    owner = modal.windowHandle()->transientParent();
    static_cast<TFormNewGame&>(modal).Label2Click();
  });
  program.mainWindow()->runMenu(kNewGameMenuItem);
  QVERIFY(owner != nullptr);
  QCOMPARE(owner, program.mainWindow()->windowHandle());
  program.mainWindow()->hide();
}

void NewGameTest::keysChooseAndCancel() {
  test::ShellFixture fixture;
  OpenNewGame open(fixture.program());
  TFormNewGame& window = open.window;
  loadPackage(window, "Source");
  window.bookBox()->setCurrentIndex(0);
  QTest::keyClick(window.bookBox(), Qt::Key_Return);
  QVERIFY(window.gameTimer()->isActive());
  // Escape waits while the book is being chosen.
  QTest::keyClick(window.bookBox(), Qt::Key_Escape);
  QVERIFY(window.isVisible());
  QTRY_VERIFY(!window.isVisible());
  QCOMPARE(window.result(), int(QDialog::Accepted));

  OpenNewGame second(fixture.program());
  QTest::keyClick(second.window.memo(), Qt::Key_Escape);
  QVERIFY(!second.window.isVisible());
  QCOMPARE(second.window.result(), int(QDialog::Rejected));
  QVERIFY(!second.window.choice().has_value());
}

void NewGameTest::folderWithoutPackagesReportsIt() {
  test::ShellFixture fixture;
  std::filesystem::remove_all(fixture.folder() / "Source");
  OpenNewGame open(fixture.program());
  QVERIFY(!open.opened);
  const ErrorLog& errors = fixture.program().game().errors;
  QVERIFY(errors.FatalErrorFlag());
  QVERIFY(!errors.lines().empty());
  QVERIFY(QString::fromStdString(errors.lines().front()).contains("206"));
}

QTEST_MAIN(NewGameTest)
#include "new_game_test.moc"
