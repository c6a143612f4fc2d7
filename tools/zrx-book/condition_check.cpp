// Checks of the condition language: one group per continuation, every item walked
// along its form in the code grammar, every record it names defined.
#include <sstream>
#include <vector>

#include "code_check.h"
#include "condition_grammar.h"
#include "grammar_check.h"

namespace zrx::book {
namespace {

namespace form = grammar::condition;

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::stringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.emplace_back();
  return parts;
}

// What one item's fields cannot say on their own.
void contextual(const grammar::CodeForm& f, const CodeReader& r, CodeCheck& check) {
  if (f.name == form::kSpellCount.name) check.readSpellCount();
  if (f.name == form::kParity.name) {
    const int k = form::kParity.field("wanted").digitIn(r.text());
    const int n = form::kParity.field("rolls").digitIn(r.text());
    if (n < 1 || n > 3 || k < 1 || k > n) check.warning("counts " + std::to_string(k) + " of " + std::to_string(n) + " rolls");
  }
}

void conditionItem(const CodeReader& r, CodeCheck& check) {
  r.charAt(1);
  const grammar::CodeForm* f = grammar::FindForm(grammar::CodeFamily::Condition, r.text());
  // A typed answer is a whole condition string, never an item of a group.
  if (!f || f->name == form::kTyped.name) {
    // Never met in play: the continuation it guards would silently never be offered.
    return check.error("begins with a letter that is no condition code");
  }
  CheckFields(*f, r, check);
  contextual(*f, r, check);
  CheckLength(*f, r, check);
}

}  // namespace

void CheckConditions(const TChapterRec& chapter, CodeCheck& check) {
  const std::string& conditions = chapter.Conditions;
  const std::size_t targets = chapter.NextChapters.size() / 3;
  if (conditions.empty()) return;
  if (conditions[0] == 'X') {
    check.run(conditions, [&](const CodeReader& r) {
      if (r.digitAt(form::kTyped.field("attempts").pos) < 1) check.warning("allows no attempt");
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
