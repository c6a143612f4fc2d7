#pragma once
// The addresses of this deployment: a mail to the authors, the home page, and the file on
// the home page's host that names the newest published version.
#include <QString>
#include <QUrl>

namespace zrx {

QString AuthorsMailUrl();
QString HomePageUrl();
// The update file's address; the environment variable ZRX_UPDATE_URL replaces it (packagers
// pointing at a mirror, tests at a local server).
QUrl UpdateInfoUrl();

}  // namespace zrx
