#include "start/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <cstdlib>

namespace zrx {
namespace {

constexpr int kConnectTimeoutMs = 1000;
// A first start may still be laying out its folder before it listens.
constexpr int kHandOverPatienceMs = 15000;
constexpr int kRetryMs = 100;

// $XDG_RUNTIME_DIR when it is an absolute folder of this user that nobody else may enter.
std::filesystem::path runtimeFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime == nullptr || !std::filesystem::path(runtime).is_absolute()) return {};
  struct stat info {};
  if (::stat(runtime, &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid() ||
      (info.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
    return {};
  }
  return runtime;
}

}  // namespace

long CurrentUserId() { return static_cast<long>(::getuid()); }

long PeerUserId(qintptr socketDescriptor) {
  struct ucred credentials {};
  socklen_t size = sizeof credentials;
  if (::getsockopt(static_cast<int>(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0) return -1;
  return static_cast<long>(credentials.uid);
}

SingleInstance::SingleInstance(std::filesystem::path programFolder, QString serverName, QObject* parent,
                               long ownerUserId)
    : QObject(parent), lockFile_(lockFileFor(programFolder)), serverName_(std::move(serverName)),
      ownerUserId_(ownerUserId) {}

SingleInstance::~SingleInstance() {
  // The server's socket goes with it; the lock file stays for the next start.
  if (server_ != nullptr) server_->close();
  if (lockFd_ >= 0) ::close(lockFd_);
}

QString SingleInstance::serverNameFor(const std::filesystem::path& programFolder) {
  const std::filesystem::path folder = std::filesystem::weakly_canonical(programFolder);
  const QByteArray key = QByteArray::fromStdString(folder.string());
  const QString folderHash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(12);
  const std::filesystem::path runtime = runtimeFolder();
  const std::filesystem::path socket =
      runtime.empty() ? folder / ".zrx-instance" : runtime / ("zrx-" + folderHash.toStdString());
  return QString::fromStdString(socket.string());
}

std::filesystem::path SingleInstance::lockFileFor(const std::filesystem::path& programFolder) {
  return programFolder / ".zrx-instance.lock";
}

bool SingleInstance::claim(const QString& importFile) {
  lockFd_ = ::open(lockFile_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  // Without a lock file the program still plays, unguarded, rather than not at all.
  if (lockFd_ >= 0 && ::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
    ::close(lockFd_);
    lockFd_ = -1;
    askTheRunningProgram(importFile);
    return false;
  }
  listen();
  return true;
}

void SingleInstance::listen() {
  // The lock is ours: a socket at the name is a leftover of a killed start.
  QLocalServer::removeServer(serverName_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(serverName_)) return;
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      // Only the program's own user may bring it to the front.
      if (PeerUserId(socket->socketDescriptor()) != ownerUserId_) {
        socket->abort();
        continue;
      }
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        while (socket->canReadLine()) {
          const QByteArray line = socket->readLine().chopped(1);
          if (line == kRestoreMessage) emit restoreRequested();
          else if (line.startsWith(kImportMessage)) emit importRequested(QString::fromUtf8(line.mid(sizeof kImportMessage - 1)));
        }
      });
    }
  });
}

void SingleInstance::askTheRunningProgram(const QString& importFile) const {
  const QDeadlineTimer patience(kHandOverPatienceMs);
  while (!patience.hasExpired()) {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (socket.waitForConnected(kConnectTimeoutMs) && PeerUserId(socket.socketDescriptor()) == ownerUserId_) {
      socket.write(QByteArray(kRestoreMessage) + '\n');
      if (!importFile.isEmpty()) socket.write(QByteArray(kImportMessage) + importFile.toUtf8() + '\n');
      socket.waitForBytesWritten(kConnectTimeoutMs);
      socket.disconnectFromServer();
      return;
    }
    QThread::msleep(kRetryMs);
  }
}

}  // namespace zrx
