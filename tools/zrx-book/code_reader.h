#pragma once
// Positional reading of book codes, as the engine reads them: 1-based positions,
// single digits, fixed-width numbers. A missing field or a non-number throws
// BookCodeError; the checker turns it into a finding.
#include <stdexcept>
#include <string>
#include <string_view>

namespace zrx::book {

class BookCodeError : public std::runtime_error {
 public:
  enum class Kind { Short, NotNumber };
  BookCodeError(Kind kind, std::string code, std::size_t position);
  Kind kind() const { return kind_; }
  const std::string& code() const { return code_; }
  std::size_t position() const { return position_; }

 private:
  Kind kind_;
  std::string code_;
  std::size_t position_;
};

class CodeReader {
 public:
  explicit CodeReader(std::string_view code) : code_(code) {}

  std::size_t size() const { return code_.size(); }
  std::string_view text() const { return code_; }
  bool has(std::size_t pos) const { return pos >= 1 && pos <= code_.size(); }

  char charAt(std::size_t pos) const;
  int digitAt(std::size_t pos) const;
  int numberAt(std::size_t pos, std::size_t len) const;
  std::string_view sliceAt(std::size_t pos, std::size_t len) const;
  // Throws Short unless the code has at least `len` characters.
  void requireLength(std::size_t len) const;

 private:
  std::string_view code_;
};

}  // namespace zrx::book
