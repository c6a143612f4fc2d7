// The version window and its update check against a local HTTP server: the verdicts and
// their notices, failures and the time-out, and the update file gone afterwards.
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "about/form_version.h"
#include "about/update_check.h"
#include "shell_fixture.h"
#include "start/deployment.h"
#include "style/link_label.h"

using namespace zrx;

namespace {

// How the local server answers the update file's request.
enum class Answer { File, NotFound, Silent };

// An HTTP server on the loopback address that answers every request the same way.
class UpdateServer : public QObject {
 public:
  UpdateServer(Answer answer, QByteArray body) : answer_(answer), body_(std::move(body)) {
    QVERIFY(server_.listen(QHostAddress::LocalHost));
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { respond(*socket); });
      }
    });
  }
  QUrl url() const { return QUrl(QString("http://127.0.0.1:%1/_system/zrxver.txt").arg(server_.serverPort())); }
  int requests() const { return requests_; }

 private:
  void respond(QTcpSocket& socket) {
    request_ += socket.readAll();
    if (!request_.contains("\r\n\r\n")) return;
    request_.clear();
    ++requests_;
    if (answer_ == Answer::Silent) return;
    const QByteArray status = answer_ == Answer::File ? "200 OK" : "404 Not Found";
    const QByteArray body = answer_ == Answer::File ? body_ : QByteArray("<html>Nincs ilyen oldal</html>");
    socket.write("HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: " +
                 QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    socket.disconnectFromHost();
  }

  QTcpServer server_;
  Answer answer_;
  QByteArray body_;
  QByteArray request_;
  int requests_ = 0;
};

struct Notice {
  QString line1;
  QString line2;
};

// Runs the update check of a shown version window and returns the notice it ended with,
// checking on the way that the window waits busy while the transfer runs.
Notice checkForUpdate(TFormVersion& window) {
  Notice notice;
  bool shown = false;
  test::WhenModalOpens([&](QWidget& modal) {
    notice = {modal.findChild<QLabel*>("Label1")->text(), modal.findChild<QLabel*>("Label2")->text()};
    shown = true;
    for (QPushButton* button : modal.findChildren<QPushButton*>())
      if (button->text() == " OK ") button->click();
  });
  window.updateLabel()->click();
  if (!shown) {
    // Still running: the labels wait and the busy cursor is up.
    [&] {
      QVERIFY(window.updateCheck().running());
      QVERIFY(!window.updateLabel()->isEnabled());
      QVERIFY(!window.mailLabel()->isEnabled());
      QVERIFY(!window.webLabel()->isEnabled());
      QVERIFY(QGuiApplication::overrideCursor() != nullptr);
      // A second click while it runs starts nothing more.
      window.LabelFrissitesClick();
    }();
  }
  [&] { QTRY_VERIFY_WITH_TIMEOUT(shown, 10000); }();
  return notice;
}

}  // namespace

class VersionTest : public QObject {
  Q_OBJECT
 private slots:
  void showsVersionAndSystem();
  void updateAddressComesFromTheEnvironment();
  void judgesThePublishedVersion_data();
  void judgesThePublishedVersion();
  void closingDuringACheckDropsIt();
};

void VersionTest::showsVersionAndSystem() {
  test::ShellFixture fixture;
  TFormVersion window(fixture.program());
  QCOMPARE(window.head(), QString("Verzió"));
  QCOMPARE(window.versionInfo()->text(), QString("ZRX - 0.705.10 béta"));
  QVERIFY(window.osVersion()->text().startsWith("Rendszer: "));
  QVERIFY(window.osVersion()->text().endsWith(" bit)"));
  QCOMPARE(window.updateLabel()->text(), QString("Új verzió keresése"));
}

void VersionTest::updateAddressComesFromTheEnvironment() {
  qunsetenv("ZRX_UPDATE_URL");
  QCOMPARE(UpdateInfoUrl().path(), QString("/_system/zrxver.txt"));
  QCOMPARE(UpdateInfoUrl().toString(), HomePageUrl() + "_system/zrxver.txt");
  qputenv("ZRX_UPDATE_URL", "http://127.0.0.1:9/tukor/zrxver.txt");
  QCOMPARE(UpdateInfoUrl().toString(), QString("http://127.0.0.1:9/tukor/zrxver.txt"));
  qunsetenv("ZRX_UPDATE_URL");
}

void VersionTest::judgesThePublishedVersion_data() {
  QTest::addColumn<int>("answer");
  QTest::addColumn<QByteArray>("body");
  QTest::addColumn<QString>("line1");
  QTest::addColumn<QString>("line2");
  const QString current = "Nem érhető el új ZRX verzió!";
  const QString failed = "Az új verzió keresése nem sikerült!";
  const QString visit = "Látogass el honlapunkra a letöltéshez!";
  const auto file = static_cast<int>(Answer::File);
  QTest::newRow("same version") << file << QByteArray("0.705.10\r\n") << current << "";
  QTest::newRow("older build") << file << QByteArray("0.705.09\n") << current << "";
  QTest::newRow("newer minor") << file << QByteArray("0.706.05\r\nmegjegyzés\r\n") << "Új ZRX verzió (0.706.05) érhető el!"
                               << visit;
  QTest::newRow("older minor, higher build") << file << QByteArray("0.704.20") << "Új ZRX verzió (0.704.20) érhető el!"
                                             << visit;
  QTest::newRow("long first line") << file << QByteArray("0.705.11 javított kiadás\n")
                                   << "Új ZRX verzió (0.705.11) érhető el!" << visit;
  QTest::newRow("empty file") << file << QByteArray() << failed << "";
  QTest::newRow("empty first line") << file << QByteArray("\n0.706.05\n") << failed << "";
  QTest::newRow("not a version") << file << QByteArray("<!DOCTYPE html><p>Karbantartás</p>") << failed << "";
  QTest::newRow("not found") << static_cast<int>(Answer::NotFound) << QByteArray() << failed << "";
  QTest::newRow("never answers") << static_cast<int>(Answer::Silent) << QByteArray() << failed << "";
}

void VersionTest::judgesThePublishedVersion() {
  QFETCH(int, answer);
  QFETCH(QByteArray, body);
  QFETCH(QString, line1);
  QFETCH(QString, line2);
  UpdateServer server(static_cast<Answer>(answer), body);
  qputenv("ZRX_UPDATE_URL", server.url().toEncoded());
  test::ShellFixture fixture;
  // A file left by an earlier check never stands in for the download.
  const std::filesystem::path file = fixture.folder() / "Other" / "zrxver.txt";
  std::ofstream(file) << "0.999.99\n";
  TFormVersion window(fixture.program());
  window.updateCheck().setTimeout(300);
  window.show();

  const Notice notice = checkForUpdate(window);
  qunsetenv("ZRX_UPDATE_URL");
  QCOMPARE(notice.line1, line1);
  QCOMPARE(notice.line2, line2);
  QCOMPARE(server.requests(), 1);
  QVERIFY(!std::filesystem::exists(file));
  QVERIFY(!window.updateCheck().running());
  QVERIFY(!window.updateCheck().timeoutTimer()->isActive());
  QVERIFY(window.updateLabel()->isEnabled());
  QVERIFY(window.mailLabel()->isEnabled());
  QVERIFY(window.webLabel()->isEnabled());
  QVERIFY(QGuiApplication::overrideCursor() == nullptr);
  QVERIFY(window.isVisible());
}

void VersionTest::closingDuringACheckDropsIt() {
  UpdateServer server(Answer::Silent, {});
  qputenv("ZRX_UPDATE_URL", server.url().toEncoded());
  test::ShellFixture fixture;
  auto window = std::make_unique<TFormVersion>(fixture.program());
  window->show();
  window->LabelFrissitesClick();
  qunsetenv("ZRX_UPDATE_URL");
  QVERIFY(window->updateCheck().running());
  QTRY_COMPARE(server.requests(), 1);
  QTest::keyClick(window.get(), Qt::Key_Escape);
  QVERIFY(!window->isVisible());
  QVERIFY(!window->updateCheck().running());
  QVERIFY(QGuiApplication::overrideCursor() == nullptr);
  QVERIFY(!std::filesystem::exists(fixture.folder() / "Other" / "zrxver.txt"));
  // No notice follows once the window has gone.
  window.reset();
  QCoreApplication::processEvents();
  QVERIFY(QApplication::activeModalWidget() == nullptr);
}

QTEST_MAIN(VersionTest)
#include "version_test.moc"
