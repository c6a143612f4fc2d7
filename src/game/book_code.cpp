#include "book_code.h"

#include <limits>

namespace zrx {
namespace {

std::string describe(std::string_view code, std::size_t position, std::string_view reason) {
  return "Hibás könyvkód: \"" + std::string(code) + "\", " + std::to_string(position) +
         ". karakter: " + std::string(reason);
}

constexpr std::string_view kTooShort = "a kód rövidebb az alakjánál";
constexpr std::string_view kNotNumber = "a mező nem szám";

int digitValue(char c, int base) {
  if (c >= '0' && c <= '9') return c - '0';
  if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Parses `text` (taken from `code` at `pos`) in `base`; throws with the field's position.
int parseNumber(std::string_view code, std::size_t pos, std::string_view text, int base) {
  std::size_t i = 0;
  bool negative = false;
  if (base == 10 && !text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    i = 1;
  }
  if (i == text.size()) throw BookCodeError(std::string(code), pos, kNotNumber);
  long long value = 0;
  for (; i < text.size(); ++i) {
    const int d = digitValue(text[i], base);
    if (d < 0) throw BookCodeError(std::string(code), pos + i, kNotNumber);
    value = value * base + d;
    if (value > std::numeric_limits<int>::max()) {
      throw BookCodeError(std::string(code), pos, kNotNumber);
    }
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace

BookCodeError::BookCodeError(std::string code, std::size_t position, std::string_view reason)
    : std::runtime_error(describe(code, position, reason)),
      code_(std::move(code)),
      position_(position) {}

std::string_view fieldAt(std::string_view code, std::size_t pos, std::size_t len) {
  if (pos == 0 || pos - 1 + len > code.size()) {
    throw BookCodeError(std::string(code), pos, kTooShort);
  }
  return code.substr(pos - 1, len);
}

char charAt(std::string_view code, std::size_t pos) { return fieldAt(code, pos, 1)[0]; }

int digitAt(std::string_view code, std::size_t pos) {
  const int d = digitValue(charAt(code, pos), 10);
  if (d < 0) throw BookCodeError(std::string(code), pos, kNotNumber);
  return d;
}

int numberAt(std::string_view code, std::size_t pos, std::size_t len) {
  return parseNumber(code, pos, fieldAt(code, pos, len), 10);
}

int hexNumberAt(std::string_view code, std::size_t pos, std::size_t len) {
  return parseNumber(code, pos, fieldAt(code, pos, len), 16);
}

int numberOf(std::string_view text) { return parseNumber(text, 1, text, 10); }

}  // namespace zrx
