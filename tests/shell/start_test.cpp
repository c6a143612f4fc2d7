// Start-up: the platform check, opening windows by code, and the single instance.
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QRandomGenerator>
#include <QTimer>
#include <QSignalSpy>
#include <QTest>
#include <fstream>

#include "game/form_main.h"
#include "shell_fixture.h"
#include "start/platform_check.h"
#include "start/single_instance.h"
#include "start/window_opener.h"
#include "style/glyph_button.h"

using namespace zrx;

namespace {

QString uniqueServerName() {
  return QString("zrx-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(QRandomGenerator::global()->generate());
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
  void anErrorKeepsTheInstallationWindowsShut();
  void secondInstanceAsksTheFirstToRestore();
  void staleServerIsReplaced();
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
  testing::ShellFixture fixture;
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
  testing::ShellFixture fixture;
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

void StartTest::anErrorKeepsTheInstallationWindowsShut() {
  testing::ShellFixture fixture;
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
  const QString name = uniqueServerName();
  SingleInstance first(name);
  QVERIFY(first.claim());
  QSignalSpy restore(&first, &SingleInstance::restoreRequested);
  SingleInstance second(name);
  QVERIFY(!second.claim());
  QVERIFY(restore.wait(5000));
}

void StartTest::staleServerIsReplaced() {
  const QString name = uniqueServerName();
  // What a crashed instance leaves: the socket file with nobody listening.
  const QString socketFile = QDir::tempPath() + "/" + name;
  { std::ofstream(socketFile.toStdString()) << ""; }
  QVERIFY(QFile::exists(socketFile));
  SingleInstance instance(name);
  QVERIFY(instance.claim());
  QLocalSocket probe;
  probe.connectToServer(name);
  QVERIFY(probe.waitForConnected(2000));
}

void StartTest::secondProgramEndsAndAsksTheRunningOne() {
  testing::ShellFixture fixture;
  SingleInstance first(SingleInstance::serverNameFor(fixture.folder()));
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
  testing::ShellFixture fixture;
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
