#include "about/update_check.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace zrx {

UpdateCheck::UpdateCheck(const std::filesystem::path& programFolder, QObject* parent)
    : QObject(parent),
      filePath_(programFolder / "Other" / "zrxver.txt"),
      manager_(new QNetworkAccessManager(this)),
      timerFriss_(new QTimer(this)) {
  timerFriss_->setObjectName("TimerFriss");
  timerFriss_->setSingleShot(true);
  timerFriss_->setInterval(kDefaultTimeoutMs);
  connect(timerFriss_, &QTimer::timeout, this, &UpdateCheck::TimerFrissTimer);
}

UpdateCheck::~UpdateCheck() { cancel(); }

void UpdateCheck::setTimeout(int milliseconds) { timerFriss_->setInterval(milliseconds); }

void UpdateCheck::start(const QUrl& url, std::function<void(const UpdateResult&)> done) {
  if (running()) return;
  done_ = std::move(done);
  failed_ = false;
  received_ = 0;
  std::error_code ignored;
  std::filesystem::remove(filePath_, ignored);
  std::filesystem::create_directories(filePath_.parent_path(), ignored);
  file_ = std::make_unique<QFile>(QString::fromStdString(filePath_.string()));
  // A file that cannot be written still lets the transfer run; the check then fails.
  failed_ = !file_->open(QIODevice::WriteOnly);
  timerFriss_->start();
  QNetworkRequest request(url);
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  reply_ = manager_->get(request);
  connect(reply_, &QNetworkReply::readyRead, this, &UpdateCheck::onReadyRead);
  connect(reply_, &QNetworkReply::finished, this, &UpdateCheck::onFinished);
}

void UpdateCheck::onReadyRead() {
  const QByteArray data = reply_->readAll();
  if (failed_) return;
  received_ += data.size();
  if (received_ > kMaxFileBytes || file_->write(data) != data.size()) {
    failed_ = true;
    reply_->abort();
  }
}

void UpdateCheck::TimerFrissTimer() {
  if (!running()) return;
  failed_ = true;
  reply_->abort();
}

void UpdateCheck::onFinished() {
  timerFriss_->stop();
  if (reply_->error() != QNetworkReply::NoError) failed_ = true;
  if (!failed_) onReadyRead();
  dropReply();
  const UpdateResult result = failed_ ? UpdateResult{} : judgeFile();
  std::error_code ignored;
  std::filesystem::remove(filePath_, ignored);
  // The receiver may show a modal notice; nothing of the check is left to run after it.
  const auto done = std::exchange(done_, nullptr);
  if (done) done(result);
}

UpdateResult UpdateCheck::judgeFile() const {
  QFile file(QString::fromStdString(filePath_.string()));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return JudgeUpdateLine(file.readLine(kMaxFileBytes).toStdString());
}

void UpdateCheck::dropReply() {
  if (file_) file_->close();
  file_.reset();
  if (!reply_) return;
  QNetworkReply* reply = std::exchange(reply_, nullptr);
  reply->disconnect(this);
  reply->deleteLater();
}

void UpdateCheck::cancel() {
  if (!running()) return;
  timerFriss_->stop();
  QNetworkReply* reply = reply_;
  dropReply();
  reply->abort();
  done_ = nullptr;
  std::error_code ignored;
  std::filesystem::remove(filePath_, ignored);
}

}  // namespace zrx
