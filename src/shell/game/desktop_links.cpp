#include "game/desktop_links.h"

namespace zrx {
namespace {

// Deployment values of this build.
constexpr const char* kAuthorsAddress = "zrx@zrx-jatek.hu";
constexpr const char* kHomePage = "https://www.zrx-jatek.hu/";

}  // namespace

QString AuthorsMailUrl() {
  return QString("mailto:") + kAuthorsAddress + "?subject=" + QString("Levél Berend és Tarkó részére") + "&Body=";
}

QString HomePageUrl() { return kHomePage; }

}  // namespace zrx
