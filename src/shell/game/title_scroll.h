#pragma once
// The scrolling application title: the book title followed by " - ", turned left by one
// character per step.
#include <QString>

namespace zrx::shell {

QString ScrolledTitle(const QString& text, int step);

}  // namespace zrx::shell
