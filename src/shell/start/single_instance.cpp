#include "start/single_instance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace zrx {
namespace {

constexpr int kConnectTimeoutMs = 1000;

}  // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), serverName_(std::move(serverName)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverNameFor(const std::filesystem::path& programFolder) {
  const QByteArray folder = QByteArray::fromStdString(std::filesystem::weakly_canonical(programFolder).string());
  const QString folderHash = QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(12);
  return QString("zrx-%1-%2").arg(getuid()).arg(folderHash);
}

bool SingleInstance::claim(const QString& importFile) {
  {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (socket.waitForConnected(kConnectTimeoutMs)) {
      socket.write(QByteArray(kRestoreMessage) + '\n');
      if (!importFile.isEmpty()) socket.write(QByteArray(kImportMessage) + importFile.toUtf8() + '\n');
      socket.waitForBytesWritten(kConnectTimeoutMs);
      socket.disconnectFromServer();
      return false;
    }
  }
  // Nobody answered: whatever socket file is there was left by a crashed instance.
  QLocalServer::removeServer(serverName_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(serverName_)) return true;  // play on without the guard rather than not at all
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        while (socket->canReadLine()) {
          const QByteArray line = socket->readLine().chopped(1);
          if (line == kRestoreMessage) emit restoreRequested();
          else if (line.startsWith(kImportMessage)) emit importRequested(QString::fromUtf8(line.mid(sizeof kImportMessage - 1)));
        }
      });
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
  });
  return true;
}

}  // namespace zrx
