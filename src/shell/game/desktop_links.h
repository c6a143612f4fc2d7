#pragma once
// The two addresses the program opens: a mail to the authors and the home page.
#include <QString>

namespace zrx {

QString AuthorsMailUrl();
QString HomePageUrl();

}  // namespace zrx
