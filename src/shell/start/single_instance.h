#pragma once
// One running program per user and program folder. The first start holds a lock on a file
// of the program folder and listens on a local server in the user's runtime folder; a later
// start cannot take the lock, asks the running program to restore and raise its window,
// and ends.
#include <QObject>
#include <QString>
#include <filesystem>

class QLocalServer;

namespace zrx {

// What a later start sends to the running program.
inline constexpr char kRestoreMessage[] = "ZRXRestoreMsg";
// Followed by a file's path: the running program opens its import window on it.
inline constexpr char kImportMessage[] = "ZRXImport ";

// The real user id of this process.
long CurrentUserId();

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // Only connections of `ownerUserId` (the user running the program) are listened to.
  SingleInstance(std::filesystem::path programFolder, QString serverName, QObject* parent = nullptr,
                 long ownerUserId = CurrentUserId());
  ~SingleInstance() override;

  // The server of a program folder: a socket in $XDG_RUNTIME_DIR (a folder only its user
  // can enter), else in the program folder itself; never in the shared temporary folder.
  static QString serverNameFor(const std::filesystem::path& programFolder);
  // The lock file in the program folder.
  static std::filesystem::path lockFileFor(const std::filesystem::path& programFolder);

  // True when this is the first instance: it holds the lock (taken before anything of the
  // folder is written) and listens. False when another start holds the lock; the running
  // program has then been asked to restore (and to import `importFile`, when given).
  // Whatever socket lies at the server's name while the lock is ours is a leftover and is
  // replaced.
  bool claim(const QString& importFile = QString());

 signals:
  // A later start of the same user asked the running program to come to the front.
  void restoreRequested();
  // A later start passed on a package archive to import.
  void importRequested(const QString& file);

 private:
  void listen();
  void askTheRunningProgram(const QString& importFile) const;

  std::filesystem::path lockFile_;
  QString serverName_;
  int lockFd_ = -1;
  QLocalServer* server_ = nullptr;
  long ownerUserId_;
};

// The user id at the other end of a connected local socket; -1 when it cannot be told.
long PeerUserId(qintptr socketDescriptor);

}  // namespace zrx
