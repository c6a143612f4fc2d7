#include "title_scroll.h"

namespace zrx::shell {

QString ScrolledTitle(const QString& text, int step) {
  if (text.isEmpty()) return text;
  const qsizetype shift = step % text.size();
  return text.mid(shift) + text.left(shift);
}

}  // namespace zrx::shell
