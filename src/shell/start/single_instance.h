#pragma once
// One running program per user and program folder. The first start listens on a local
// server; a later start finds it, asks it to restore and raise its window, and ends.
#include <QObject>
#include <QString>
#include <filesystem>

class QLocalServer;

namespace zrx {

// What a later start sends to the running program.
inline constexpr char kRestoreMessage[] = "ZRXRestoreMsg";
// Followed by a file's path: the running program opens its import window on it.
inline constexpr char kImportMessage[] = "ZRXImport ";

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(QString serverName, QObject* parent = nullptr);
  ~SingleInstance() override;

  // The server name of a user and a program folder.
  static QString serverNameFor(const std::filesystem::path& programFolder);

  // True when this is the first instance (it now listens); false when a running instance
  // took the restore message (and `importFile`, when given). A server left behind by a
  // crashed instance is removed and this start goes on as the first.
  bool claim(const QString& importFile = QString());

 signals:
  // A later start asked the running program to come to the front.
  void restoreRequested();
  // A later start passed on a package archive to import.
  void importRequested(const QString& file);

 private:

  QString serverName_;
  QLocalServer* server_ = nullptr;
};

}  // namespace zrx
