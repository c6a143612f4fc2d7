#pragma once
// Reading book codes (conditions, special changes, battle declarations, item codes) by
// position. Positions are 1-based, as the books' authors count them. A field that is
// missing or not a number raises BookCodeError; nothing else in the engine throws.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace zrx {

class BookCodeError : public std::runtime_error {
 public:
  BookCodeError(std::string code, std::size_t position, std::string_view reason);

  const std::string& code() const { return code_; }
  std::size_t position() const { return position_; }

 private:
  std::string code_;
  std::size_t position_;
};

// The character at `pos`; throws when the code is shorter.
char charAt(std::string_view code, std::size_t pos);

// The decimal digit at `pos`.
int digitAt(std::string_view code, std::size_t pos);

// The decimal number in the `len` characters from `pos`: digits with an optional leading
// sign ("07", "-3", "+12").
int numberAt(std::string_view code, std::size_t pos, std::size_t len);

// The hexadecimal number in the `len` characters from `pos` (chapter codes such as "00A").
int hexNumberAt(std::string_view code, std::size_t pos, std::size_t len);

// The `len` characters from `pos`; throws when the code is shorter.
std::string_view fieldAt(std::string_view code, std::size_t pos, std::size_t len);

// Parses a whole text as a decimal number as numberAt does; throws BookCodeError
// (position 1) when it is not one. For numbers that book codes carry in lists.
int numberOf(std::string_view text);

}  // namespace zrx
