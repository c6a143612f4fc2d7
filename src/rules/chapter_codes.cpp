#include "chapter_codes.h"

#include "book_code.h"

namespace zrx {

std::string ChapterCodeEntry(std::string_view code) {
  if (code == kEndFailureCode) return std::string(kEndFailureEntry);
  if (code == kEndVictoryCode) return std::string(kEndVictoryEntry);
  // A longer code is the rest of the targets of a book with fewer condition groups than
  // continuation codes: read as one number it would lead to a chapter point that does
  // not exist, so it is reported as the malformed code it is.
  if (code.size() > 3) throw BookCodeError(std::string(code), 4, "a folytatás kódja 3 karakteres");
  return std::to_string(hexNumberAt(code, 1, 3));
}

int ChapterCodeNumber(std::string_view code) { return hexNumberAt(code, 1, 3); }

}  // namespace zrx
