#include "code_reader.h"

namespace zrx::book {

char CodeReader::charAt(std::size_t pos) const {
  requireLength(pos);
  return zrx::charAt(code_, pos);
}

int CodeReader::digitAt(std::size_t pos) const {
  requireLength(pos);
  return zrx::digitAt(code_, pos);
}

int CodeReader::numberAt(std::size_t pos, std::size_t len) const {
  requireLength(pos + len - 1);
  return zrx::numberAt(code_, pos, len);
}

std::string_view CodeReader::sliceAt(std::size_t pos, std::size_t len) const {
  requireLength(pos + len - 1);
  return zrx::fieldAt(code_, pos, len);
}

void CodeReader::requireLength(std::size_t len) const {
  if (code_.size() < len) throw CodeTooShort{code_.size() + 1};
}

}  // namespace zrx::book
