// Checks of the condition language: one group per continuation, every item read
// at its positions, every record it names defined.
#include <sstream>
#include <vector>

#include "code_check.h"

namespace zrx::book {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::stringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.emplace_back();
  return parts;
}

void extra(const CodeReader& r, std::size_t length, CodeCheck& check) {
  if (r.size() > length) check.warning("has characters after its form (" + std::to_string(length) + " characters)");
}

void diceCount(const CodeReader& r, std::size_t pos, CodeCheck& check) {
  const int dice = r.digitAt(pos);
  if (dice < 1 || dice > 4) check.warning("asks for a roll with " + std::to_string(dice) + " dice (1 to 4 work)");
}

void chapterOrMax(const CodeReader& r, std::size_t pos, CodeCheck& check) {
  if (r.sliceAt(pos, 3) == "MAX") return;
  check.chapter(r.numberAt(pos, 3));
}

void characteristicItem(const CodeReader& r, CodeCheck& check) {
  check.oneOf(r, 2, "NDTI", "a subtype (N, D, T or I)");
  check.baseValue(r.numberAt(3, 2));
  check.relation(r, 5);
  const char subtype = r.charAt(2);
  if (subtype == 'N') {
    r.numberAt(7, 2);
    return extra(r, 8, check);
  }
  diceCount(r, 7, check);
  const int comparisons = r.digitAt(8);
  if (comparisons < 1 || comparisons > 3) check.warning("makes " + std::to_string(comparisons) + " comparisons (1 to 3 work)");
  if (subtype != 'I') return extra(r, 8, check);
  r.charAt(9);
  r.digitAt(10);
  check.oneOf(r, 11, "+-", "a sign");
  check.readInfo(r.numberAt(12, 3));
  extra(r, 14, check);
}

void parityOrContest(const CodeReader& r, CodeCheck& check) {
  check.oneOf(r, 2, "DLWS", "a subtype (D, L, W or S)");
  if (r.charAt(2) == 'D') {
    check.oneOf(r, 3, "PR", "P (odd) or R (even)");
    const int k = r.digitAt(4);
    const int n = r.digitAt(5);
    if (n < 1 || n > 3 || k < 1 || k > n) check.warning("counts " + std::to_string(k) + " of " + std::to_string(n) + " rolls");
    return extra(r, 5, check);
  }
  r.numberAt(3, 2);
  if (r.charAt(2) == 'S') {
    check.relation(r, 5);
  } else {
    r.numberAt(5, 2);
  }
  diceCount(r, 7, check);
  const int c = r.numberAt(8, 2);
  if (c != 0) check.baseValue(c);
  r.charAt(10);
  r.digitAt(11);
  extra(r, 11, check);
}

// Three-digit item numbers from `from` to the end; a cut-off last one is too short.
void itemList(const CodeReader& r, std::size_t from, CodeCheck& check) {
  r.requireLength(from + 2);
  for (std::size_t pos = from; pos <= r.size(); pos += 3) check.readItem(r.numberAt(pos, 3));
}

void conditionItem(const CodeReader& r, CodeCheck& check) {
  switch (r.charAt(1)) {
    case 'C':
    case 'M':
      check.oneOf(r, 2, "01", "0 or 1");
      return extra(r, 2, check);
    case 'S':
      r.charAt(2);
      check.oneOf(r, 3, "01", "0 or 1");
      return extra(r, 3, check);
    case 'D':
      diceCount(r, 2, check);
      r.numberAt(3, 2);
      check.oneOf(r, 5, ".-", "\".\" or \"-\"");
      if (r.charAt(5) == '-') return r.numberAt(6, 2), extra(r, 7, check);
      return extra(r, 5, check);
    case 'F':
      check.oneOf(r, 2, "FT", "F or T");
      r.charAt(3);
      chapterOrMax(r, 4, check);
      return extra(r, 6, check);
    case 'I':
      r.charAt(2);
      check.readInfo(r.numberAt(3, 3));
      return extra(r, 5, check);
    case 'K': {
      const int count = r.digitAt(2);
      if (count != 2 && count != 3) check.warning("lists " + std::to_string(count) + " items (K2 or K3 work)");
      for (int i = 0; i < count; ++i) check.readItem(r.numberAt(3 + 3 * i, 3));
      return extra(r, 2 + 3 * count, check);
    }
    case 'Y':
      r.digitAt(2);
      return itemList(r, 3, check);
    case 'T':
      check.readItem(r.numberAt(2, 3));
      check.relation(r, 5);
      r.numberAt(7, 3);
      return extra(r, 9, check);
    case 'P':
      check.oneOf(r, 2, "12", "1 or 2");
      if (r.charAt(2) == '1') return check.readSpellCount(), check.relation(r, 3), r.numberAt(5, 2), extra(r, 6, check);
      r.charAt(3);
      check.readMagicSkill(r.numberAt(4, 3));
      return extra(r, 6, check);
    case 'V':
      return characteristicItem(r, check);
    case 'E':
      return parityOrContest(r, check);
    default:
      // Never met in play: the continuation it guards would silently never be offered.
      check.error("begins with a letter that is no condition code");
  }
}

}  // namespace

void CheckConditions(const TChapterRec& chapter, CodeCheck& check) {
  const std::string& conditions = chapter.Conditions;
  const std::size_t targets = chapter.NextChapters.size() / 3;
  if (conditions.empty()) return;
  if (conditions[0] == 'X') {
    check.run(conditions, [&](const CodeReader& r) {
      if (r.digitAt(2) < 1) check.warning("allows no attempt");
      if (targets != 2) check.error("needs exactly two continuations: the right answer and the way taken after the last wrong one");
      const std::string first = chapter.NextChapters.substr(0, 3);
      if (first == "HHH" || first == "GGG") check.error("needs a chapter number as its first continuation: the number to type");
    });
    return;
  }
  const std::vector<std::string> groups = split(conditions, '#');
  if (groups.size() != targets) {
    check.run(conditions, [&](const CodeReader&) {
      check.error("has " + std::to_string(groups.size()) + " condition groups for " + std::to_string(targets) +
                  " continuations (one group per continuation)");
    });
  }
  for (const std::string& group : groups) {
    if (group == "0") continue;
    for (const std::string& item : split(group, ',')) check.run(item, [&](const CodeReader& r) { conditionItem(r, check); });
  }
}

}  // namespace zrx::book
