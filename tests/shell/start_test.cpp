// Start-up: the platform check, opening windows by code, and the single instance.
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTimer>
#include <QSignalSpy>
#include <QTest>
#include <fstream>

#include <signal.h>
#include <unistd.h>

#include "game/form_main.h"
#include "shell_fixture.h"
#include "start/platform_check.h"
#include "start/single_instance.h"
#include "start/window_opener.h"
#include "temp_folder.h"
#include "style/glyph_button.h"

using namespace zrx;

namespace {

// A server of its own in the test's folder, away from any running program's.
QString serverIn(const std::filesystem::path& folder) {
  return QString::fromStdString((folder / "instance").string());
}

// The name a program of earlier versions listened on, in the shared temporary folder.
QString oldServerName(const std::filesystem::path& folder) {
  const QByteArray key = QByteArray::fromStdString(std::filesystem::weakly_canonical(folder).string());
  return QString("zrx-%1-%2").arg(getuid()).arg(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(12));
}

bool listening(const QString& serverName) {
  QLocalSocket probe;
  probe.connectToServer(serverName);
  return probe.waitForConnected(200);
}

QProcessEnvironment offscreen() {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  return environment;
}

}  // namespace

class StartTest : public QObject {
  Q_OBJECT
 private slots:
  void platformCheck_data();
  void platformCheck();
  void formNyitasOpensByCode();
  void minimisingASubWindowMinimisesTheProgram();
  void restoringTheGameWindowReopensTheMinimisedWindowOnce();
  void anErrorKeepsTheInstallationWindowsShut();
  void secondInstanceAsksTheFirstToRestore();
  void anotherUsersConnectionIsRefused();
  void staleServerIsReplaced();
  void serverIsNeverInTheSharedTemporaryFolder();
  void plantedSocketDoesNotStopTheProgramAndTerminationLeavesNothing();
  void twoStartsTogetherLeaveExactlyOneRunning();
  void secondProgramEndsAndAsksTheRunningOne();
  void secondProgramEndsWhileTheFirstRuns();
};

void StartTest::platformCheck_data() {
  QTest::addColumn<QString>("kernel");
  QTest::addColumn<QString>("product");
  QTest::addColumn<QString>("plugin");
  QTest::addColumn<int>("bits");
  QTest::addColumn<bool>("supported");
  QTest::addColumn<QString>("description");
  QTest::newRow("X11") << "linux" << "Debian GNU/Linux 12" << "xcb" << 64 << true << "Debian GNU/Linux 12 (64 bit)";
  QTest::newRow("Wayland, 32 bit") << "linux" << "Debian GNU/Linux 12" << "wayland" << 32 << true
                                   << "Debian GNU/Linux 12 (32 bit)";
  QTest::newRow("no drawing plugin") << "linux" << "Debian GNU/Linux 12" << "minimal" << 64 << false
                                     << "Debian GNU/Linux 12 (64 bit)";
  QTest::newRow("another kernel") << "winnt" << "Windows 10" << "windows" << 64 << false << "Windows 10 (64 bit)";
  QTest::newRow("unknown system") << "linux" << "" << "xcb" << 64 << false << "Ismeretlen (64 bit)";
}

void StartTest::platformCheck() {
  QFETCH(QString, kernel);
  QFETCH(QString, product);
  QFETCH(QString, plugin);
  QFETCH(int, bits);
  QFETCH(bool, supported);
  QFETCH(QString, description);
  const PlatformCheck check = CheckPlatform(kernel, product, plugin, bits);
  QCOMPARE(check.supported, supported);
  QCOMPARE(check.description, description);
}

void StartTest::formNyitasOpensByCode() {
  test::ShellFixture fixture;
  Program& program = fixture.program();
  program.createStartWindows();
  int pendingWhileUp = -1;
  program.opener().registerWindow(kWindowThanks, [&pendingWhileUp](Program& owner, QWidget* parent) {
    auto window = std::make_unique<TFormZRXBase>(owner, parent, QSize(300, 200));
    QTimer::singleShot(0, window.get(), [&pendingWhileUp, &owner, w = window.get()] {
      pendingWhileUp = owner.game().state.PendingWindow;
      w->closeGlyph()->click();
    });
    return window;
  });
  QCOMPARE(program.opener().FormNyitas(kWindowThanks), int(QDialog::Rejected));
  QCOMPARE(pendingWhileUp, 1);
  QCOMPARE(program.opener().FormNyitas(120), 0);  // a code without a window
}

void StartTest::minimisingASubWindowMinimisesTheProgram() {
  test::ShellFixture fixture;
  Program& program = fixture.program();
  program.createStartWindows();
  program.mainWindow()->show();
  int reopened = 0;
  program.opener().registerWindow(kWindowIntro, [](Program& owner, QWidget* parent) {
    auto window = std::make_unique<TFormZRXBase>(owner, parent, QSize(300, 200));
    QTimer::singleShot(0, window.get(), [w = window.get()] { w->minimiseGlyph()->click(); });
    return window;
  });
  program.opener().registerRestoreAction(kWindowIntro, [&reopened] { ++reopened; });
  program.opener().FormNyitas(kWindowIntro);
  QCOMPARE(program.game().state.PendingWindow, int(kWindowIntro));
  QVERIFY(program.mainWindow()->isMinimized());
  program.restoreAndRaise();
  program.opener().RestoreHandler();
  QVERIFY(!program.mainWindow()->isMinimized());
  QCOMPARE(reopened, 1);
  QCOMPARE(program.game().state.PendingWindow, 0);
  program.opener().RestoreHandler();  // nothing pending any more
  QCOMPARE(reopened, 1);
  program.mainWindow()->hide();
}

void StartTest::restoringTheGameWindowReopensTheMinimisedWindowOnce() {
  test::ShellFixture fixture;
  Program& program = fixture.program();
  program.createStartWindows();
  QWidget* main = program.mainWindow();
  main->show();
  int opened = 0;
  bool minimise = true;
  program.opener().registerWindow(kWindowIntro, [&opened, &minimise](Program& owner, QWidget* parent) {
    ++opened;
    auto window = std::make_unique<TFormZRXBase>(owner, parent, QSize(300, 200));
    QTimer::singleShot(0, window.get(), [w = window.get(), minimise] {
      (minimise ? w->minimiseGlyph() : w->closeGlyph())->click();
    });
    return window;
  });
  program.opener().registerRestoreAction(kWindowIntro, [&program] { program.opener().FormNyitas(kWindowIntro); });
  program.opener().FormNyitas(kWindowIntro);
  QVERIFY(main->isMinimized());
  minimise = false;
  // The window manager's restore, not a second start.
  main->setWindowState(Qt::WindowNoState);
  QTRY_COMPARE(opened, 2);
  QCOMPARE(program.game().state.PendingWindow, 0);  // reset once the reopened window closed
  main->showMinimized();
  main->setWindowState(Qt::WindowNoState);
  QTest::qWait(100);
  QCOMPARE(opened, 2);
  main->hide();
}

void StartTest::anErrorKeepsTheInstallationWindowsShut() {
  test::ShellFixture fixture;
  Program& program = fixture.program();
  program.createStartWindows();
  program.game().errors.HibaHozzairas(301);
  bool opened = false;
  program.opener().registerWindow(kWindowSettings, [&opened](Program& owner, QWidget* parent) {
    opened = true;
    return std::make_unique<TFormZRXBase>(owner, parent);
  });
  QCOMPARE(program.opener().FormNyitas(kWindowSettings), 0);
  QVERIFY(!opened);
}

void StartTest::secondInstanceAsksTheFirstToRestore() {
  test::TempFolder folder;
  const QString name = serverIn(folder.path());
  SingleInstance first(folder.path(), name);
  QVERIFY(first.claim());
  QVERIFY(std::filesystem::exists(SingleInstance::lockFileFor(folder.path())));
  QSignalSpy restore(&first, &SingleInstance::restoreRequested);
  SingleInstance second(folder.path(), name);
  QVERIFY(!second.claim());
  QVERIFY(restore.wait(5000));
  QCOMPARE(PeerUserId(-1), -1L);
}

void StartTest::anotherUsersConnectionIsRefused() {
  test::TempFolder folder;
  const QString name = serverIn(folder.path());
  // The running program's user is one this test process is not: every start of ours is a stranger.
  SingleInstance first(folder.path(), name, nullptr, CurrentUserId() + 1);
  QVERIFY(first.claim());
  QSignalSpy restore(&first, &SingleInstance::restoreRequested);
  QLocalSocket stranger;
  stranger.connectToServer(name);
  QVERIFY(stranger.waitForConnected(5000));
  stranger.write(QByteArray(kRestoreMessage) + '\n');
  stranger.flush();
  // The server drops the stranger without reading a word of it.
  QTRY_COMPARE(stranger.state(), QLocalSocket::UnconnectedState);
  QVERIFY(!restore.wait(500));
  QCOMPARE(restore.count(), 0);
}

void StartTest::staleServerIsReplaced() {
  test::TempFolder folder;
  const QString name = serverIn(folder.path());
  // What a killed instance leaves: the socket file with nobody listening.
  { std::ofstream(name.toStdString()) << ""; }
  QVERIFY(QFile::exists(name));
  SingleInstance instance(folder.path(), name);
  QVERIFY(instance.claim());
  QVERIFY(listening(name));
}

void StartTest::serverIsNeverInTheSharedTemporaryFolder() {
  test::TempFolder folder;
  const QString name = SingleInstance::serverNameFor(folder.path());
  // The user's runtime folder, or the program folder when there is none to trust.
  const QString parent = QFileInfo(name).absolutePath();
  const QString programFolder = QString::fromStdString(std::filesystem::weakly_canonical(folder.path()).string());
  QVERIFY2(parent == qEnvironmentVariable("XDG_RUNTIME_DIR") || parent == programFolder, qPrintable(name));
  QVERIFY(parent != QDir::tempPath());
}

void StartTest::plantedSocketDoesNotStopTheProgramAndTerminationLeavesNothing() {
  test::ShellFixture fixture;
  // Another user's server under the name earlier versions used.
  QLocalServer planted;
  QLocalServer::removeServer(oldServerName(fixture.folder()));
  QVERIFY(planted.listen(oldServerName(fixture.folder())));
  const QString name = SingleInstance::serverNameFor(fixture.folder());
  QProcess program;
  program.setProcessEnvironment(offscreen());
  program.start(ZRX_BINARY, {"--folder", QString::fromStdString(fixture.folder().string())});
  QVERIFY(program.waitForStarted());
  QTRY_VERIFY_WITH_TIMEOUT(listening(name), 10000);
  QCOMPARE(program.state(), QProcess::Running);

  for (const auto& [signalName, number] : {std::pair{"SIGTERM", SIGTERM}, std::pair{"SIGINT", SIGINT}}) {
    if (program.state() != QProcess::Running) {
      program.start(ZRX_BINARY, {"--folder", QString::fromStdString(fixture.folder().string())});
      QVERIFY(program.waitForStarted());
      QTRY_VERIFY_WITH_TIMEOUT(listening(name), 10000);
    }
    ::kill(static_cast<pid_t>(program.processId()), number);
    QVERIFY2(program.waitForFinished(10000), signalName);
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY2(!QFile::exists(name), signalName);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(fixture.folder())) {
      QVERIFY2(entry.path().extension() != ".tmp", entry.path().c_str());
    }
  }
}

void StartTest::twoStartsTogetherLeaveExactlyOneRunning() {
  test::ShellFixture fixture;
  const QStringList arguments = {"--folder", QString::fromStdString(fixture.folder().string())};
  QProcess first;
  QProcess second;
  for (QProcess* start : {&first, &second}) start->setProcessEnvironment(offscreen());
  first.start(ZRX_BINARY, arguments);
  second.start(ZRX_BINARY, arguments);
  QVERIFY(first.waitForStarted());
  QVERIFY(second.waitForStarted());
  QTRY_VERIFY_WITH_TIMEOUT(first.state() == QProcess::NotRunning || second.state() == QProcess::NotRunning, 20000);
  QProcess& ended = first.state() == QProcess::NotRunning ? first : second;
  QProcess& running = &ended == &first ? second : first;
  QCOMPARE(ended.exitCode(), 0);
  QTest::qWait(500);
  QCOMPARE(running.state(), QProcess::Running);
  running.terminate();
  QVERIFY(running.waitForFinished(10000));
}

void StartTest::secondProgramEndsAndAsksTheRunningOne() {
  test::ShellFixture fixture;
  SingleInstance first(fixture.folder(), SingleInstance::serverNameFor(fixture.folder()));
  QVERIFY(first.claim());
  QSignalSpy restore(&first, &SingleInstance::restoreRequested);
  QProcess second;
  second.setProcessEnvironment(offscreen());
  second.start(ZRX_BINARY, {"--folder", QString::fromStdString(fixture.folder().string())});
  QVERIFY(second.waitForStarted());
  QVERIFY(restore.wait(10000));
  QVERIFY(second.waitForFinished(10000));
  QCOMPARE(second.exitStatus(), QProcess::NormalExit);
  QCOMPARE(second.exitCode(), 0);
}

void StartTest::secondProgramEndsWhileTheFirstRuns() {
  test::ShellFixture fixture;
  const QStringList arguments = {"--folder", QString::fromStdString(fixture.folder().string())};
  QProcess first;
  first.setProcessEnvironment(offscreen());
  first.start(ZRX_BINARY, arguments);
  QVERIFY(first.waitForStarted());
  // The first program listens once it has made its windows.
  QTRY_VERIFY_WITH_TIMEOUT(
      [&] {
        QLocalSocket probe;
        probe.connectToServer(SingleInstance::serverNameFor(fixture.folder()));
        return probe.waitForConnected(200);
      }(),
      10000);
  QProcess second;
  second.setProcessEnvironment(offscreen());
  second.start(ZRX_BINARY, arguments);
  QVERIFY(second.waitForFinished(10000));
  QCOMPARE(second.exitCode(), 0);
  QCOMPARE(first.state(), QProcess::Running);
  first.kill();
  first.waitForFinished(5000);
}

QTEST_MAIN(StartTest)
#include "start_test.moc"
