// Checks of the four special-change fields: each change read at its positions,
// its length found as the engine finds it, and the sequence numbers across the
// four fields running 01, 02, ... without gap or repetition.
#include <algorithm>
#include <map>

#include "code_check.h"

namespace zrx::book {
namespace {

// Entries of a list inside a change: the first at `from`, each further one after
// a separator other than "#"; the list ends where "#" follows an entry.
// `entry` checks one entry at a position and returns its length. Returns the change's length.
template <typename Entry>
std::size_t entryList(const CodeReader& r, std::size_t from, Entry entry) {
  std::size_t pos = from;
  for (;;) {
    const std::size_t next = pos + entry(pos);
    if (r.charAt(next) == '#') return next - 1;
    pos = next + 1;
  }
}

// An unknown command letter in the item, information or magic field drops the whole
// change, up to its "#".
std::size_t wholeChange(const CodeReader& r) { return r.text().ends_with('#') ? r.size() - 1 : r.size(); }

std::size_t characteristicChange(const CodeReader& r, CodeCheck& c) {
  if (r.charAt(3) == 'N') {
    c.baseValue(r.numberAt(4, 2));
    c.operatorAt(r, 6);
    r.numberAt(7, 2);
    return 8;
  }
  const auto amount = [&](std::size_t pos) { c.operatorAt(r, pos), r.numberAt(pos + 1, 2); };
  const char letter = r.charAt(4);
  if (std::string_view("VKCFDOSPITBL").find(letter) != std::string_view::npos) c.baseValue(r.numberAt(5, 2));
  switch (letter) {
    case 'V': return 6;
    case 'K': return amount(7), 9;
    case 'C':
    case 'F': return c.baseValue(r.numberAt(7, 2)), 8;
    case 'D': return r.digitAt(7), c.operatorAt(r, 8), 8;
    case 'O': return c.baseValue(r.numberAt(7, 2)), c.relation(r, 9), r.digitAt(11), amount(12), 14;
    case 'S': return c.oneOf(r, 7, "SB", "S (lucky) or B (unlucky)"), amount(8), 10;
    case 'P': return amount(7), c.chapter(r.numberAt(10, 3)), 12;
    case 'I': return amount(7), c.readInfo(r.numberAt(10, 3)), c.oneOf(r, 13, "+-", "a sign"), 13;
    case 'T': return amount(7), c.readItem(r.numberAt(10, 3)), c.oneOf(r, 13, "+-", "a sign"), 13;
    case 'B': {
      const char t = r.charAt(7);
      const int number = r.numberAt(8, 3);
      t == 'T' ? c.readItem(number) : c.readInfo(number);
      r.charAt(11);
      r.numberAt(12, 2);
      c.oneOf(r, 14, "AF", "A or F");
      return 14;
    }
    case 'L': return r.digitAt(7), 7;
    default: return c.warning("has no characteristic command letter at position 4"), 8;
  }
}

std::size_t criterion(const CodeReader& r, std::size_t pos, CodeCheck& c) {
  c.oneOf(r, pos, "ST", "S (pieces of an item) or T (items of a kind)");
  if (r.charAt(pos) == 'S') {
    c.readItem(r.numberAt(pos + 1, 3));
    if (r.sliceAt(pos + 4, 2) != "MM") r.numberAt(pos + 4, 2);
    return 6;
  }
  c.oneOf(r, pos + 1, "EMN", "a kind (E, M or N)");
  c.readItemKind(r.charAt(pos + 1));
  r.numberAt(pos + 2, 2);
  return 4;
}

std::size_t itemChange(const CodeReader& r, CodeCheck& c) {
  if (r.charAt(3) == 'N') return c.item(r.numberAt(4, 3)), r.charAt(7), r.numberAt(8, 3), 10;
  const auto item = [&](std::size_t pos) { c.item(r.numberAt(pos, 3)); return std::size_t{3}; };
  const auto taken = [&](std::size_t pos) { c.readItem(r.numberAt(pos, 3)); return std::size_t{3}; };
  const auto itemPieces = [&](std::size_t pos) { item(pos), r.digitAt(pos + 3); return std::size_t{4}; };
  const auto itemPrice = [&](std::size_t pos) { item(pos), r.numberAt(pos + 3, 3); return std::size_t{6}; };
  switch (r.charAt(4)) {
    case 'P': return item(5), r.charAt(8), r.numberAt(9, 3), c.chapter(r.numberAt(12, 3)), 14;
    case 'E': return c.oneOf(r, 5, "C", "C"), item(6), 8;
    case 'X': return taken(5), item(8), c.oneOf(r, 11, "S", "S"), 11;
    case 'M': return 4;
    case 'H': {
      taken(5);
      const std::string_view rel = r.sliceAt(8, 2);
      if (rel != "==" && rel != "!=" && rel != ">>" && rel != "<<" && rel != ">=" && rel != "<=") {
        c.warning("has \"" + std::string(rel) + "\" at position 8, which is no relation of this command");
      }
      return r.numberAt(10, 2), c.oneOf(r, 12, "HU", "H (end) or U (skip)"), 12;
    }
    case 'O': return entryList(r, 5, itemPieces);
    case 'V': return r.digitAt(5), entryList(r, 6, itemPieces);
    case 'B': return c.readBuying(), entryList(r, 5, itemPrice);
    case 'F': return r.numberAt(5, 2), entryList(r, 7, item);
    case 'L': return r.numberAt(5, 2), entryList(r, 7, taken);
    case 'K': {
      std::size_t end = 4 + criterion(r, 5, c);
      if (r.charAt(end + 1) != '#') end += 1 + criterion(r, end + 2, c);
      return end;
    }
    case 'T': {
      const int wanted = r.digitAt(5), given = r.digitAt(6);
      r.digitAt(7);
      for (int i = 0; i < wanted + given; ++i) i < wanted ? taken(8 + 3 * i) : item(8 + 3 * i);
      return 7 + 3 * (wanted + given);
    }
    default: return c.warning("has no item command letter at position 4"), wholeChange(r);
  }
}

std::size_t infoChange(const CodeReader& r, CodeCheck& c) {
  const auto sign = [&](std::size_t pos) { c.oneOf(r, pos, "+-", "a sign"); };
  switch (r.charAt(3)) {
    case 'N': return sign(4), c.info(r.numberAt(5, 3)), 7;
    case 'P': return c.chapter(r.numberAt(4, 3)), sign(7), c.info(r.numberAt(8, 3)), 10;
    case 'E': return c.readInfo(r.numberAt(4, 3)), sign(7), c.oneOf(r, 8, "HU", "H (end) or U (skip)"), 8;
    case 'I': return c.operatorAt(r, 4), r.numberAt(5, 2), c.info(r.numberAt(7, 3)), 9;
    case 'T':
      return r.charAt(4), c.readItem(r.numberAt(5, 3)), c.info(r.numberAt(8, 3)), sign(11), sign(12), 12;
    default: return c.warning("has no information command letter at position 3"), wholeChange(r);
  }
}

// Spells and skills: "N" adds or removes one, "S" changes its level, "K" its uses.
std::size_t magicChange(const CodeReader& r, CodeCheck& c) {
  switch (r.charAt(3)) {
    case 'N': return c.oneOf(r, 4, "+-", "a sign"), c.magicSkill(r.numberAt(5, 3)), 7;
    case 'S':
    case 'K': return c.magicSkill(r.numberAt(4, 3)), c.operatorAt(r, 7), r.numberAt(8, 2), 9;
    default: return c.warning("has no magic or skill command letter at position 3"), wholeChange(r);
  }
}

using ChangeReader = std::size_t (*)(const CodeReader&, CodeCheck&);
constexpr ChangeReader kReaders[4] = {characteristicChange, itemChange, infoChange, magicChange};

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

struct Numbered {
  int sequence;
  int queue;
};

// Reads one field's changes; the sequence numbers of those that could be read go to `out`.
void readQueue(const std::string& text, int queue, const SourceLines& lines, const BookIndex& index,
               Diagnostics& diags, const std::string& file, std::vector<Numbered>& out) {
  const std::string key = "SpecialChange" + std::to_string(queue);
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t hash = text.find('#', pos);
    const std::string change = text.substr(pos, hash == std::string::npos ? std::string::npos : hash - pos + 1);
    CodeCheck check(index, diags, file, lines.of(key), key + " change");
    check.run(change, [&](const CodeReader& r) {
      const int sequence = r.numberAt(1, 2);
      const std::size_t length = kReaders[queue - 1](r, check);
      out.push_back({sequence, queue});
      if (r.size() == length) return check.error("does not end with \"#\"");
      if (r.charAt(length + 1) != '#') check.error("is longer than its form (" + std::to_string(length) + " characters)");
    });
    if (hash == std::string::npos) break;
    pos = hash + 1;
  }
}

}  // namespace

void CheckSpecialChanges(const TChapterRec& chapter, const SourceLines& lines, const BookIndex& index,
                         Diagnostics& diags, const std::string& file) {
  const std::string* fields[4] = {&chapter.SpecialChange1, &chapter.SpecialChange2, &chapter.SpecialChange3,
                                  &chapter.SpecialChange4};
  std::vector<Numbered> numbers;
  for (int queue = 1; queue <= 4; ++queue) readQueue(*fields[queue - 1], queue, lines, index, diags, file, numbers);
  if (numbers.empty()) return;
  const auto report = [&](int queue, const std::string& message) {
    diags.error(file, lines.of("SpecialChange" + std::to_string(queue)), message);
  };
  std::map<int, int> seen;  // sequence number -> queue
  std::map<int, int> lastInQueue;
  for (const Numbered& n : numbers) {
    const std::string nn = twoDigits(n.sequence);
    if (lastInQueue.contains(n.queue) && n.sequence <= lastInQueue[n.queue]) {
      report(n.queue, std::string("sequence number ") + nn + " does not rise within SpecialChange" + std::to_string(n.queue));
    }
    lastInQueue[n.queue] = n.sequence;
    if (!seen.emplace(n.sequence, n.queue).second) report(n.queue, std::string("sequence number ") + nn + " is used twice");
  }
  int expected = 1;
  for (const auto& [sequence, queue] : seen) {
    if (sequence != expected) {
      const std::string nn = twoDigits(expected);
      report(queue, std::string("sequence numbers skip ") + nn + ": the changes from there on never run");
      break;
    }
    ++expected;
  }
}

}  // namespace zrx::book
