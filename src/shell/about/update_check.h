#pragma once
// The update check: downloads the file that names the newest published version into
// "Other/zrxver.txt", reads its first line, deletes it again and judges the line. Runs from
// the event loop; a time-out timer aborts a transfer that takes too long.
#include <QObject>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <memory>

#include "program_version.h"

class QFile;
class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace zrx {

class UpdateCheck : public QObject {
  Q_OBJECT
 public:
  static constexpr int kDefaultTimeoutMs = 15000;
  // The update file is one short line; a longer download is not it.
  static constexpr qint64 kMaxFileBytes = 64 * 1024;

  explicit UpdateCheck(const std::filesystem::path& programFolder, QObject* parent = nullptr);
  ~UpdateCheck() override;

  // Starts a check; `done` receives the verdict once the transfer has ended, failed or
  // timed out. Does nothing while a check runs.
  void start(const QUrl& url, std::function<void(const UpdateResult&)> done);
  // Drops a running check without a verdict (its window is closing).
  void cancel();
  bool running() const { return reply_ != nullptr; }

  void setTimeout(int milliseconds);
  // `TimerFriss`.
  QTimer* timeoutTimer() const { return timerFriss_; }
  const std::filesystem::path& filePath() const { return filePath_; }

 private:
  void onReadyRead();
  void onFinished();
  void TimerFrissTimer();
  void dropReply();
  UpdateResult judgeFile() const;

  std::filesystem::path filePath_;
  QNetworkAccessManager* manager_;
  QTimer* timerFriss_;
  QNetworkReply* reply_ = nullptr;
  std::unique_ptr<QFile> file_;
  std::function<void(const UpdateResult&)> done_;
  qint64 received_ = 0;
  bool failed_ = false;
};

}  // namespace zrx
