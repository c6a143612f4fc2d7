#include "chapter_codes.h"

#include "book_code.h"

namespace zrx {

std::string ChapterCodeEntry(std::string_view code) {
  if (code == kEndFailureCode) return std::string(kEndFailureEntry);
  if (code == kEndVictoryCode) return std::string(kEndVictoryEntry);
  // A well-formed code has three digits; a longer one (the rest of the targets when a
  // book has fewer groups than codes) is read as one number, as it is written.
  fieldAt(code, 1, 3);
  return std::to_string(hexNumberAt(code, 1, code.size()));
}

int ChapterCodeNumber(std::string_view code) { return hexNumberAt(code, 1, 3); }

}  // namespace zrx
