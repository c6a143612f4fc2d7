#include "hungarian_article.h"

namespace zrx {

std::string ArticleBefore(long long number) {
  // Zero ("nulla") and negatives ("mínusz") start with a consonant.
  if (number <= 0) return "a";
  // A number is read from its leading group of three digits: 1 000 is "ezer", 5 000 "ötezer".
  while (number >= 1000) number /= 1000;
  // The group's first word: a unit ("egy", "öt"), a ten ("ötven") or a hundred ("ötszáz";
  // "tíz" and "száz" start with a consonant).
  const bool unit = number < 10;
  const long long first = number >= 100 ? number / 100 : number >= 10 ? number / 10 : number;
  return first == 5 || (unit && first == 1) ? "az" : "a";
}

}  // namespace zrx
