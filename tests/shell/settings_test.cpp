// The settings window: saving only what changed, the defaults, renaming and deleting
// names, and the questions about unsaved changes.
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "game/form_main.h"
#include "package_fixture.h"
#include "player_names.h"
#include "shell_fixture.h"
#include "start/window_opener.h"
#include "style/form_zrx_base.h"
#include "style/look_colours.h"
#include "style/glyph_button.h"
#include "welcome/form_settings.h"
#include "welcome/settings_groups.h"

using namespace zrx;

namespace {

// Answers the next questions in order (" Igen " / " Nem "), collecting their first lines.
void answerQuestions(QStringList answers, QStringList& asked) {
  if (answers.isEmpty()) return;
  test::WhenModalOpens([answers, &asked](QWidget& modal) mutable {
    asked << modal.findChild<QLabel*>("Label1")->text();
    const QString answer = answers.takeFirst();
    answerQuestions(answers, asked);
    for (QPushButton* button : modal.findChildren<QPushButton*>())
      if (button->text() == answer) button->click();
  });
}

std::string storedLine(const test::ShellFixture& fixture, Program& program) {
  PlayerNames names(fixture.folder(), program.clock());
  names.ReadNames();
  return names.settingsLine();
}

struct OpenSettings {
  explicit OpenSettings(Program& program) : window(program) {
    window.load();
    window.show();
  }
  TFormSettings window;
};

}  // namespace

class SettingsTest : public QObject {
  Q_OBJECT
 private slots:
  void groupsCarryTheirCaptionsAndDefaults();
  void savingWritesTheChangedLineAndAppliesIt();
  void savingWithoutChangesWritesNothing();
  void highContrastRedrawsTheOpenWindows();
  void defaultsGiveTheDefaultLine();
  void renameRecordsTheNewName();
  void emptyNameFieldSavesTheOtherChangesOrSaysWhy();
  void deletingTheCurrentNameIsRefused();
  void deletingAnotherNameAsksFirst();
  void unsavedChangesAsk_data();
  void unsavedChangesAsk();
  void minimisedChoicesComeBack();
};

void SettingsTest::groupsCarryTheirCaptionsAndDefaults() {
  const auto& groups = SettingsGroups();
  QCOMPARE(QString(groups[4].label), QString("Szövegszín"));
  QCOMPARE(groups[4].options.size(), 8);
  QCOMPARE(groups[4].options[kHighContrastTextColour], QString("Nagy kontraszt"));
  // Every group marks exactly its default option "(alap)": the option the default line names.
  for (std::size_t digit = 0; digit < groups.size(); ++digit) {
    const int expected = kDefaultSettingsLine[digit] - '0';
    for (int i = 0; i < groups[digit].options.size(); ++i) {
      QCOMPARE(groups[digit].options[i].endsWith("(alap)"), i == expected);
    }
  }
  QCOMPARE(groups[4].options[0], QString("Fekete (alap)"));
}

void SettingsTest::savingWritesTheChangedLineAndAppliesIt() {
  test::ShellFixture fixture(test::kQuietSettings, {"Kalandor"});
  Program& program = fixture.program();
  program.setPlayerName("Kalandor");
  OpenSettings open(program);
  TFormSettings& window = open.window;
  QCOMPARE(window.nameField()->currentText(), QString("Kalandor"));
  QVERIFY(!window.changed());
  window.group(4)->button(3)->click();  // "Piros"
  window.group(2)->button(2)->click();  // "20 FejezetPont"
  QVERIFY(window.changed());
  QTest::mouseClick(window.saveButton(), Qt::LeftButton);
  QVERIFY(!window.saveButton()->isEnabled());  // busy until the deferred save has run
  QTRY_VERIFY(window.saveButton()->isEnabled());
  QCOMPARE(storedLine(fixture, program), std::string("1020300110"));
  QCOMPARE(program.settings().storyTextColour(), 3);
  QCOMPARE(program.game().state.settings.SaveInterval, 23);
  QVERIFY(!window.changed());
  window.close();
  QVERIFY(!window.isVisible());
}

void SettingsTest::highContrastRedrawsTheOpenWindows() {
  test::ShellFixture fixture(test::kQuietSettings, {"Kalandor"});
  Program& program = fixture.program();
  program.createStartWindows();
  program.setPlayerName("Kalandor");
  TFormMain& main = *program.mainWindow();
  main.resize(main.size());
  auto* story = main.findChild<QTextEdit*>("RichEdit1");
  const QPoint bodyPoint(main.width() / 2, main.height() - 6);
  QCOMPARE(main.grab().toImage().pixelColor(bodyPoint), SkyBlue());
  OpenSettings open(program);
  open.window.group(4)->button(kHighContrastTextColour)->click();
  open.window.saveButton()->click();
  QTRY_VERIFY(open.window.saveButton()->isEnabled());
  QCOMPARE(storedLine(fixture, program), std::string("1010700110"));
  // The open windows switch at once: the body, the story page and the settings window itself.
  const LookColours& high = HighContrastLook();
  QCOMPARE(main.palette().color(QPalette::Window), high.body);
  QCOMPARE(main.grab().toImage().pixelColor(bodyPoint), high.body);
  QCOMPARE(story->palette().color(QPalette::Text), high.text);
  QCOMPARE(story->palette().color(QPalette::Base), high.field);
  QCOMPARE(open.window.palette().color(QPalette::WindowText), high.text);
  // Back to black: the normal set returns exactly.
  open.window.group(4)->button(0)->click();
  open.window.saveButton()->click();
  QTRY_VERIFY(open.window.saveButton()->isEnabled());
  QCOMPARE(main.grab().toImage().pixelColor(bodyPoint), SkyBlue());
  QCOMPARE(story->palette().color(QPalette::Base), QColor(Qt::white));
  open.window.close();
}

void SettingsTest::savingWithoutChangesWritesNothing() {
  test::ShellFixture fixture(test::kQuietSettings, {"Kalandor"});
  Program& program = fixture.program();
  program.setPlayerName("Kalandor");
  const auto data = fixture.folder() / "Source" / "Data0.zrx";
  const auto before = std::filesystem::last_write_time(data);
  const auto bytes = test::ReadBytes(data);
  OpenSettings open(program);
  open.window.saveButton()->click();
  QVERIFY(!open.window.actionTimer()->isActive());
  QVERIFY(open.window.saveButton()->isEnabled());
  QCOMPARE(std::filesystem::last_write_time(data), before);
  QVERIFY(test::ReadBytes(data) == bytes);
}

void SettingsTest::defaultsGiveTheDefaultLine() {
  test::ShellFixture fixture("2121511111", {"Kalandor"});
  Program& program = fixture.program();
  program.setPlayerName("Kalandor");
  OpenSettings open(program);
  open.window.defaultsButton()->click();
  QCOMPARE(open.window.chosen().text(), std::string("1010000000"));
  QCOMPARE(storedLine(fixture, program), std::string("2121511111"));  // not saved yet
  open.window.saveButton()->click();
  QTRY_VERIFY(open.window.saveButton()->isEnabled());
  QCOMPARE(storedLine(fixture, program), std::string("1010000000"));
  QVERIFY(program.settings().fadeIn());
  program.applySettings(SettingsLine::Parse(test::kQuietSettings));
  open.window.hide();
}

void SettingsTest::emptyNameFieldSavesTheOtherChangesOrSaysWhy() {
  test::ShellFixture fixture(test::kQuietSettings, {"Kalandor"});
  Program& program = fixture.program();
  program.setPlayerName("Kalandor");
  OpenSettings open(program);
  TFormSettings& window = open.window;
  window.nameField()->setEditText("");
  QStringList asked;
  answerQuestions({" OK "}, asked);
  window.saveButton()->click();
  QCOMPARE(asked, QStringList{"Üres a név mező, ezért a neved nem változik."});
  QVERIFY(!window.actionTimer()->isActive());

  window.group(4)->button(3)->click();  // "Piros"
  window.saveButton()->click();
  QTRY_VERIFY(window.saveButton()->isEnabled());
  QCOMPARE(storedLine(fixture, program), std::string("1010300110"));
  QCOMPARE(program.playerName(), std::string("Kalandor"));
  window.hide();
}

void SettingsTest::renameRecordsTheNewName() {
  test::ShellFixture fixture(test::kQuietSettings, {"Kalandor"});
  Program& program = fixture.program();
  program.createStartWindows();
  program.setPlayerName("Kalandor");
  QString shownName;
  QObject::connect(&program, &Program::playerNameChanged, [&shownName](const QString& name) { shownName = name; });
  OpenSettings open(program);
  open.window.nameField()->setEditText("Hős");
  open.window.saveButton()->click();
  QTRY_VERIFY(open.window.saveButton()->isEnabled());
  QCOMPARE(program.playerName(), std::string("Hős"));
  QCOMPARE(shownName, QString("Hős"));
  // The main window's player-name label follows the rename at once.
  QCOMPARE(program.mainWindow()->findChild<QLabel*>("LabelJatekosNev")->text(), QString("Játékos: Hős"));
  QCOMPARE(storedLine(fixture, program), test::kQuietSettings);  // the settings stay
  QCOMPARE(open.window.nameField()->count(), 2);
  QCOMPARE(open.window.nameField()->itemText(0), QString("Hős"));
  open.window.close();
}

void SettingsTest::deletingTheCurrentNameIsRefused() {
  test::ShellFixture fixture(test::kQuietSettings, {"Anna", "Kalandor"});
  Program& program = fixture.program();
  program.setPlayerName("Kalandor");
  OpenSettings open(program);
  QStringList asked;
  answerQuestions({" OK "}, asked);
  open.window.deleteButton()->click();
  QCOMPARE(asked, QStringList({"A felhasználói nevedet nem törölheted!"}));
  PlayerNames names(fixture.folder(), program.clock());
  names.ReadNames();
  QCOMPARE(names.names().size(), std::size_t(2));
  open.window.close();
}

void SettingsTest::deletingAnotherNameAsksFirst() {
  test::ShellFixture fixture(test::kQuietSettings, {"Anna", "Kalandor"});
  Program& program = fixture.program();
  program.setPlayerName("Kalandor");
  OpenSettings open(program);
  open.window.nameField()->setCurrentIndex(open.window.nameField()->findText("Anna"));
  QString secondLine;
  test::WhenModalOpens([&secondLine](QWidget& modal) {
    secondLine = modal.findChild<QLabel*>("Label2")->text();
    for (QPushButton* button : modal.findChildren<QPushButton*>())
      if (button->text() == " Nem ") button->click();
  });
  open.window.deleteButton()->click();
  QCOMPARE(secondLine, QString("\"Anna\"?"));
  QVERIFY(!open.window.actionTimer()->isActive());
  QStringList asked;
  answerQuestions({" Igen "}, asked);
  open.window.deleteButton()->click();
  QCOMPARE(asked, QStringList({"Biztos, hogy törlöd ezt a nevet:"}));
  QTRY_VERIFY(open.window.deleteButton()->isEnabled());
  PlayerNames names(fixture.folder(), program.clock());
  names.ReadNames();
  QCOMPARE(names.names(), std::vector<std::string>({"Kalandor"}));
  QCOMPARE(open.window.nameField()->currentText(), QString("Kalandor"));
  open.window.close();
}

void SettingsTest::unsavedChangesAsk_data() {
  QTest::addColumn<QStringList>("answers");
  QTest::addColumn<QStringList>("asked");
  QTest::addColumn<bool>("closed");
  QTest::addColumn<std::string>("stored");
  QTest::newRow("leave without saving") << QStringList{" Igen "} << QStringList{"Még nem mentetted a beállításokat!"}
                                        << true << std::string(test::kQuietSettings);
  QTest::newRow("stay and save") << QStringList{" Nem ", " Igen "}
                                 << QStringList{"Még nem mentetted a beállításokat!",
                                                "Akarod most menteni a beállításokat?"}
                                 << false << std::string("1010010110");
  QTest::newRow("stay, do not save") << QStringList{" Nem ", " Nem "}
                                     << QStringList{"Még nem mentetted a beállításokat!",
                                                    "Akarod most menteni a beállításokat?"}
                                     << false << std::string(test::kQuietSettings);
}

void SettingsTest::unsavedChangesAsk() {
  QFETCH(QStringList, answers);
  QFETCH(QStringList, asked);
  QFETCH(bool, closed);
  QFETCH(std::string, stored);
  test::ShellFixture fixture(test::kQuietSettings, {"Kalandor"});
  Program& program = fixture.program();
  program.setPlayerName("Kalandor");
  OpenSettings open(program);
  open.window.group(5)->button(1)->click();  // "Főablak közepére igazítás"
  QStringList questions;
  answerQuestions(answers, questions);
  QTest::mouseClick(open.window.exitButton(), Qt::LeftButton);
  QCOMPARE(questions, asked);
  QCOMPARE(!open.window.isVisible(), closed);
  QTRY_VERIFY(!open.window.actionTimer()->isActive());
  QCOMPARE(storedLine(fixture, program), stored);
  open.window.hide();
}

void SettingsTest::minimisedChoicesComeBack() {
  test::ShellFixture fixture(test::kQuietSettings, {"Kalandor"});
  Program& program = fixture.program();
  program.setPlayerName("Kalandor");
  program.createStartWindows();
  test::WhenModalOpens([](QWidget& modal) {
    auto& settings = static_cast<TFormSettings&>(modal);
    settings.group(3)->button(1)->click();  // "Nagy méret"
    settings.nameField()->setEditText("Valaki");
    settings.minimiseGlyph()->click();
  });
  program.opener().FormNyitas(kWindowSettings);
  QCOMPARE(program.game().state.PendingWindow, int(kWindowSettings));
  // Restoring the program opens the window again with the choices it had.
  SettingsLine shown;
  QString name;
  test::WhenModalOpens([&](QWidget& modal) {
    auto& settings = static_cast<TFormSettings&>(modal);
    shown = settings.chosen();
    name = settings.nameField()->currentText();
    test::AnswerModal(" Igen ");  // leave without saving
    settings.exitButton()->click();
  });
  program.opener().RestoreHandler();
  QCOMPARE(shown.text(), std::string("1011000110"));
  QCOMPARE(name, QString("Valaki"));
  QCOMPARE(storedLine(fixture, program), test::kQuietSettings);
}

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
