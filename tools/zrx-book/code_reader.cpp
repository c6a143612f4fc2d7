#include "code_reader.h"

namespace zrx::book {

BookCodeError::BookCodeError(Kind kind, std::string code, std::size_t position)
    : std::runtime_error(kind == Kind::Short ? "book code too short" : "book code field is not a number"),
      kind_(kind),
      code_(std::move(code)),
      position_(position) {}

char CodeReader::charAt(std::size_t pos) const {
  if (!has(pos)) throw BookCodeError(BookCodeError::Kind::Short, std::string(code_), pos);
  return code_[pos - 1];
}

int CodeReader::digitAt(std::size_t pos) const {
  const char c = charAt(pos);
  if (c < '0' || c > '9') throw BookCodeError(BookCodeError::Kind::NotNumber, std::string(code_), pos);
  return c - '0';
}

int CodeReader::numberAt(std::size_t pos, std::size_t len) const {
  requireLength(pos + len - 1);
  int value = 0;
  for (std::size_t i = 0; i < len; ++i) value = value * 10 + digitAt(pos + i);
  return value;
}

std::string_view CodeReader::sliceAt(std::size_t pos, std::size_t len) const {
  requireLength(pos + len - 1);
  return code_.substr(pos - 1, len);
}

void CodeReader::requireLength(std::size_t len) const {
  if (code_.size() < len) throw BookCodeError(BookCodeError::Kind::Short, std::string(code_), code_.size() + 1);
}

}  // namespace zrx::book
