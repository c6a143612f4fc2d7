#pragma once
// Positional reading of book codes for the checker, over the engine's own readers
// (game/book_code.h), so that the checker accepts exactly what the game accepts.
// The reader first makes sure a field is there at all: a missing field throws
// CodeTooShort; a field that is there but holds no number throws the engine's BookCodeError.
#include <string_view>

#include "book_code.h"

namespace zrx::book {

struct CodeTooShort {
  std::size_t position;  // the first position that is missing
};

class CodeReader {
 public:
  explicit CodeReader(std::string_view code) : code_(code) {}

  std::size_t size() const { return code_.size(); }
  std::string_view text() const { return code_; }

  char charAt(std::size_t pos) const;
  int digitAt(std::size_t pos) const;
  int numberAt(std::size_t pos, std::size_t len) const;
  std::string_view sliceAt(std::size_t pos, std::size_t len) const;
  // Throws CodeTooShort unless the code has at least `len` characters.
  void requireLength(std::size_t len) const;

 private:
  std::string_view code_;
};

}  // namespace zrx::book
