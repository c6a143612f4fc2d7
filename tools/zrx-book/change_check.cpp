// Checks of the four special-change fields: each change walked along its form in the code grammar,
// its length found as the engine finds it, and the sequence numbers across the
// four fields running 01, 02, ... without gap or repetition.
#include <map>

#include "code_check.h"
#include "grammar_check.h"
#include "item_change_grammar.h"

namespace zrx::book {
namespace {

using grammar::CodeFamily;
namespace change = grammar::change;

// An unknown command letter in the item, information or magic field drops the whole
// change, up to its "#".
std::size_t wholeChange(const CodeReader& r) { return r.text().ends_with('#') ? r.size() - 1 : r.size(); }

struct ChangeField {
  CodeFamily family;
  std::size_t letterPos;  // where the command letter stands (after an "N" test at 3 when it is 4)
  const char* letterName;
};
constexpr ChangeField kChangeFields[4] = {
    {CodeFamily::CharacteristicChange, 4, "characteristic"},
    {CodeFamily::ItemChange, 4, "item"},
    {CodeFamily::InfoChange, 3, "information"},
    {CodeFamily::MagicSkillChange, 3, "magic or skill"},
};

// Reads one change along its form; returns its length as the engine finds it.
std::size_t readChange(int queue, const CodeReader& r, CodeCheck& c) {
  const ChangeField& field = kChangeFields[queue - 1];
  // The letters are read as the engine reads them: "N" at 3 first in the fields with a plain form.
  if (r.charAt(3) != 'N' && field.letterPos == 4) r.charAt(4);
  const grammar::CodeForm* form = grammar::FindForm(field.family, r.text());
  if (!form) {
    c.warning(std::string("has no ") + field.letterName + " command letter at position " +
              std::to_string(field.letterPos));
    return queue == 1 ? change::kUnknownCharacteristicLength : wholeChange(r);
  }
  if (form->name == change::kItemShop.name && queue == 2) c.readBuying();
  CheckFields(*form, r, c);
  return grammar::FormLength(*form, r.text());
}

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
      const std::size_t length = readChange(queue, r, check);
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
