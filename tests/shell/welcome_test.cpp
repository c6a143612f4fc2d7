// The welcome window: start-up checks, sign-in, the colour cycle and the scrolling title.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QDirIterator>

#include "dialogs/form_error.h"
#include "fixed_clock.h"
#include "game/form_main.h"
#include "package_fixture.h"
#include "player_names.h"
#include "resources/resources.h"
#include "shell_fixture.h"
#include "style/link_label.h"
#include "style/window_services.h"
#include "welcome/form_welcome.h"
#include "welcome/header_colour_cycle.h"

using namespace zrx;

namespace {

// Answers the next `count` notices with " OK " and collects their two lines.
void collectNotices(int count, QStringList& lines) {
  if (count == 0) return;
  test::WhenModalOpens([count, &lines](QWidget& modal) {
    lines << modal.findChild<QLabel*>("Label1")->text() << modal.findChild<QLabel*>("Label2")->text();
    collectNotices(count - 1, lines);
    for (QPushButton* button : modal.findChildren<QPushButton*>())
      if (button->text() == " OK ") button->click();
  });
}

TFormWelcome& startWelcome(Program& program) {
  program.createStartWindows();
  program.welcome()->start();
  return *program.welcome();
}

void typeName(TFormWelcome& welcome, const QString& name) {
  QLineEdit* field = welcome.nameField()->lineEdit();
  field->clear();
  // Keys for what a keyboard types directly, the rest as typed-in text (as an input method would).
  for (const QChar c : name) {
    if (c.unicode() < 128) {
      QTest::keyClicks(field, QString(c));
    } else {
      field->insert(QString(c));
    }
  }
}

}  // namespace

class WelcomeTest : public QObject {
  Q_OBJECT
 private slots:
  void startListsTheKnownNamesAndAppliesTheSettings();
  void signInRecordsTheNameAndHandsOver();
  void signInByTheLink();
  void refusedCharacters_data();
  void refusedCharacters();
  void aNameOutsideTheCodePageIsRefused();
  void twentyCharactersAtMost();
  void escapeAsksBeforeClosing();
  void brokenNamesBlock_data();
  void brokenNamesBlock();
  void missingResources_data();
  void missingResources();
  void headerColourCycle();
  void scrollingTitle();
};

void WelcomeTest::startListsTheKnownNamesAndAppliesTheSettings() {
  test::ShellFixture fixture("2121511110", {"Anna", "Béla"});
  Program& program = fixture.program();
  TFormWelcome& welcome = startWelcome(program);
  QVERIFY(welcome.isVisible());
  QCOMPARE(welcome.nameField()->count(), 2);
  QCOMPARE(welcome.nameField()->itemText(0), QString("Béla"));  // newest first
  QCOMPARE(welcome.nameField()->itemText(1), QString("Anna"));
  QCOMPARE(program.settings().text(), std::string("2121511110"));
  QCOMPARE(StoryTextColour(program.settings().storyTextColour()), QColor(Qt::magenta));
  QCOMPARE(program.settings().storyTextPoints(), 14);
  QVERIFY(!program.settings().dialogsOnDesktopCentre());
  QVERIFY(!program.settings().customCursors());
  QCOMPARE(program.game().state.settings.ChangeSignalLevel, 2);
  QCOMPARE(program.game().state.settings.SaveInterval, 23);
  QVERIFY(program.game().state.settings.StepLogging);
  QVERIFY(!welcome.mask().isEmpty());
  QVERIFY(!welcome.mask().contains(QPoint(5, welcome.height() - 5)));  // the cut corner
  QVERIFY(welcome.mask().contains(QPoint(welcome.width() / 2, welcome.height() - 5)));
  welcome.hide();
}

void WelcomeTest::signInRecordsTheNameAndHandsOver() {
  test::ShellFixture fixture(test::kQuietSettings, {"Anna"});
  Program& program = fixture.program();
  TFormWelcome& welcome = startWelcome(program);
  typeName(welcome, "Kalandor");
  QTest::keyClick(welcome.nameField(), Qt::Key_Return);  // where the keyboard delivers it
  QCOMPARE(welcome.header()->text(), QString("Üdvözöllek, Kalandor, a ZRX világában!"));
  QCOMPARE(welcome.signInLink()->text(), QString("Belépés..."));
  QCOMPARE(welcome.signInLink()->currentColour(), QColor(0, 128, 0));
  QVERIFY(!welcome.nameField()->isEnabled());
  QCOMPARE(welcome.closingTimer()->interval(), 500);
  QCOMPARE(program.playerName(), std::string("Kalandor"));
  // The main window's player-name label shows the name from the sign-in on, before any game.
  QCOMPARE(program.mainWindow()->findChild<QLabel*>("LabelJatekosNev")->text(), QString("Játékos: Kalandor"));
  QTRY_VERIFY(program.mainWindow()->isVisible());
  QVERIFY(!welcome.isVisible());
  QCOMPARE(program.mainWindow()->returnCode(), 1);
  QVERIFY(!program.quitConfirmed());
  PlayerNames names(fixture.folder(), program.clock());
  QCOMPARE(names.ReadNames(), 0);
  QCOMPARE(names.names().front(), std::string("Kalandor"));
  program.mainWindow()->hide();
}

void WelcomeTest::signInByTheLink() {
  test::ShellFixture fixture;
  TFormWelcome& welcome = startWelcome(fixture.program());
  QTest::mouseClick(welcome.signInLink(), Qt::LeftButton);  // an empty name does nothing
  QVERIFY(welcome.nameField()->isEnabled());
  typeName(welcome, "Vándor");
  QTest::mouseClick(welcome.signInLink(), Qt::LeftButton);
  QTRY_VERIFY(fixture.program().mainWindow()->isVisible());
  QCOMPARE(fixture.program().playerName(), std::string("Vándor"));
  fixture.program().mainWindow()->hide();
}

void WelcomeTest::refusedCharacters_data() {
  QTest::addColumn<QString>("name");
  for (const char* c : {"\\", "/", ":", "*", "?", "\"", "'", "<", ">", "|"})
    QTest::newRow(c) << QString("Ka%1land").arg(QString::fromUtf8(c));
}

void WelcomeTest::refusedCharacters() {
  QFETCH(QString, name);
  test::ShellFixture fixture;
  TFormWelcome& welcome = startWelcome(fixture.program());
  typeName(welcome, name);
  QStringList notices;
  collectNotices(2, notices);
  welcome.signIn();
  QCOMPARE(notices, QStringList({"Nem megengedett karakterek vannak a névben!", "Adj meg másik nevet!",
                                 "A nem megengedett karakterek a következők:", "\\ / : * ? \" ' < > |"}));
  QVERIFY(welcome.nameField()->isEnabled());
  QVERIFY(!welcome.closingTimer()->isActive());
  QVERIFY(fixture.program().playerName().empty());
  welcome.hide();
}

void WelcomeTest::aNameOutsideTheCodePageIsRefused() {
  test::ShellFixture fixture;
  TFormWelcome& welcome = startWelcome(fixture.program());
  typeName(welcome, "Kaland 日本");
  QStringList notices;
  collectNotices(2, notices);
  welcome.signIn();
  QCOMPARE(notices.value(0), QString("Nem megengedett karakterek vannak a névben!"));
  QCOMPARE(notices.value(2), QString("A név csak magyar és közép-európai betűket tartalmazhat."));
  QVERIFY(!welcome.closingTimer()->isActive());
  welcome.hide();
}

void WelcomeTest::twentyCharactersAtMost() {
  test::ShellFixture fixture;
  TFormWelcome& welcome = startWelcome(fixture.program());
  typeName(welcome, "Árvíztűrő tükörfúrógép ötven");
  QCOMPARE(welcome.nameField()->currentText(), QString("Árvíztűrő tükörfúróg"));
  welcome.signIn();
  QCOMPARE(fixture.program().playerName(), std::string("Árvíztűrő tükörfúróg"));
  QTRY_VERIFY(fixture.program().mainWindow()->isVisible());
  fixture.program().mainWindow()->hide();
}

void WelcomeTest::escapeAsksBeforeClosing() {
  test::ShellFixture fixture;
  TFormWelcome& welcome = startWelcome(fixture.program());
  test::AnswerModal(" Nem ");
  QTest::keyClick(welcome.nameField(), Qt::Key_Escape);
  QVERIFY(welcome.isVisible());
  QVERIFY(!fixture.program().quitConfirmed());
  test::WhenModalOpens([](QWidget& modal) {
    for (QPushButton* button : modal.findChildren<QPushButton*>())
      if (button->text() == " Igen ") button->click();
  });
  QTest::keyClick(welcome.nameField(), Qt::Key_Escape);
  QVERIFY(fixture.program().quitConfirmed());
  QVERIFY(!welcome.isVisible());
}

void WelcomeTest::brokenNamesBlock_data() {
  QTest::addColumn<QString>("damage");
  QTest::addColumn<QString>("firstLine");
  QTest::newRow("missing file") << "missing" << "HIBA 0001";
  QTest::newRow("cut short") << "truncated" << "HIBA 0005";
  QTest::newRow("settings digit out of range") << "badDigit" << "HIBA 0006";
}

void WelcomeTest::brokenNamesBlock() {
  QFETCH(QString, damage);
  QFETCH(QString, firstLine);
  test::ShellFixture fixture(damage == "badDigit" ? "1019000000" : test::kQuietSettings);
  const auto data = fixture.folder() / "Source" / "Data0.zrx";
  if (damage == "missing") std::filesystem::remove(data);
  if (damage == "truncated") std::filesystem::resize_file(data, 40);
  QStringList lines;
  test::WhenModalOpens([&lines](QWidget& modal) {
    auto& error = static_cast<TFormError&>(modal);
    for (int i = 0; i < error.list()->count(); ++i) lines << error.list()->item(i)->text();
    error.quitLabel()->click();
  });
  TFormWelcome& welcome = startWelcome(fixture.program());
  QVERIFY(!welcome.isVisible());
  QCOMPARE(lines.size(), 1);
  QVERIFY2(lines.front().startsWith(firstLine), qPrintable(lines.front()));
  QVERIFY(fixture.program().quitConfirmed());
}

void WelcomeTest::missingResources_data() {
  QTest::addColumn<QString>("removed");
  QTest::addColumn<int>("error");
  QTest::newRow("nothing") << "" << int(Resources::kNone);
  QTest::newRow("font") << "header_font.otf" << int(Resources::kFontError);
  QTest::newRow("a cursor") << "cursors/ital.svg" << int(Resources::kCursorError);
  QTest::newRow("a glyph") << "glyphs/minim2.svg" << int(Resources::kGlyphError);
  QTest::newRow("icon") << "pictures/icon.svg" << int(Resources::kIconError);
  QTest::newRow("skull") << "pictures/skull.svg" << int(Resources::kPictureError);
}

void WelcomeTest::missingResources() {
  QFETCH(QString, removed);
  QFETCH(int, error);
  // A copy of the compiled-in resources with one file taken away.
  QTemporaryDir copy;
  QDirIterator files(":/zrx", QDir::Files, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString file = files.next();
    const QString target = copy.path() + file.mid(QString(":/zrx").size());
    QDir().mkpath(QFileInfo(target).path());
    QVERIFY(QFile::copy(file, target));
  }
  if (!removed.isEmpty()) QVERIFY(QFile::remove(copy.path() + "/" + removed));
  Resources resources(copy.path());
  QCOMPARE(resources.load(), error);
  if (error == Resources::kNone) {
    QVERIFY(!resources.skull().isNull());
    QCOMPARE(resources.headerFont(12).family(), QString(kHeaderFontName));
  }
}

void WelcomeTest::headerColourCycle() {
  HeaderColourCycle cycle;
  QCOMPARE(cycle.colour(), QColor(0, 0, 128));
  cycle.step();
  QCOMPARE(cycle.colour(), QColor(1, 5, 132));
  for (int i = 1; i < 30; ++i) cycle.step();
  QCOMPARE(cycle.colour(), QColor(30, 150, 248));
  QVERIFY(!cycle.rising());
  cycle.step();
  QCOMPARE(cycle.colour(), QColor(29, 145, 244));
  for (int i = 1; i < 30; ++i) cycle.step();
  QCOMPARE(cycle.colour(), QColor(0, 0, 128));
  QVERIFY(cycle.rising());

  test::ShellFixture fixture;
  TFormWelcome& welcome = startWelcome(fixture.program());
  const QColor before = welcome.header()->palette().color(QPalette::WindowText);
  QTRY_VERIFY(welcome.header()->palette().color(QPalette::WindowText) != before);
  QCOMPARE(welcome.colourCycle().colour(), welcome.header()->palette().color(QPalette::WindowText));
  welcome.hide();
}

void WelcomeTest::scrollingTitle() {
  QCOMPARE(RotateTitle("ZRX - "), QString("RX - Z"));
  test::ShellFixture fixture;
  TFormWelcome& welcome = startWelcome(fixture.program());
  welcome.setTitleScrolling(true, "Kaland ");
  QTRY_COMPARE(fixture.program().mainWindow()->windowTitle(), QString("Kaland "));
  QTRY_COMPARE(fixture.program().mainWindow()->windowTitle(), QString("aland K"));
  welcome.setTitleScrolling(false, "ZRX");
  QCOMPARE(fixture.program().mainWindow()->windowTitle(), QString("ZRX"));
  welcome.hide();
}

QTEST_MAIN(WelcomeTest)
#include "welcome_test.moc"
