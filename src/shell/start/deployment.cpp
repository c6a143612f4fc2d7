#include "start/deployment.h"

#include <QtGlobal>

namespace zrx {
namespace {

// Deployment values of this build, to be replaced by the deployer.
constexpr const char* kAuthorsAddress = "zrx@zrx-jatek.hu";
constexpr const char* kHomePage = "https://www.zrx-jatek.hu/";
constexpr const char* kUpdateInfoPath = "_system/zrxver.txt";

}  // namespace

QString AuthorsMailUrl() {
  return QString("mailto:") + kAuthorsAddress + "?subject=" + QString("Levél Berend és Tarkó részére") + "&Body=";
}

QString HomePageUrl() { return kHomePage; }

QUrl UpdateInfoUrl() {
  const QString overridden = qEnvironmentVariable("ZRX_UPDATE_URL");
  if (!overridden.isEmpty()) return QUrl(overridden);
  return QUrl(QString(kHomePage) + kUpdateInfoPath);
}

}  // namespace zrx
