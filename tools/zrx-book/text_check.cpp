// A chapter text and its continuations should name the same chapter points. "(n)" in the
// text without a continuation n sends the reader to a number that cannot be taken; a
// continuation that the text never names is a way the reader cannot know of, unless
// its chapter point is marked hidden on purpose.
#include <set>
#include <string_view>

#include "code_check.h"
#include "linter.h"

namespace zrx::book {
namespace {

// Every "(n)" of the text: digits alone between brackets.
std::set<int> mentions(const std::vector<std::string>& text) {
  std::set<int> out;
  for (const std::string& line : text) {
    for (std::size_t open = line.find('('); open != std::string::npos; open = line.find('(', open + 1)) {
      const std::size_t close = line.find(')', open);
      if (close == std::string::npos || close == open + 1 || close - open > 5) continue;
      const std::string inside = line.substr(open + 1, close - open - 1);
      if (inside.find_first_not_of("0123456789") == std::string::npos) out.insert(std::stoi(inside));
    }
  }
  return out;
}

// Whether a line ends where a sentence may: after ".", "!", "?", ":" or "…", closing
// quotes and brackets aside.
bool endsSentence(std::string_view line) {
  while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
  for (bool stripped = true; stripped;) {
    stripped = false;
    for (const std::string_view closing : {"\"", "'", ")", "»", "”", "’"}) {
      if (line.ends_with(closing)) {
        line.remove_suffix(closing.size());
        stripped = true;
      }
    }
  }
  if (line.ends_with("…")) return true;
  return !line.empty() && std::string_view(".!?:").find(line.back()) != std::string_view::npos;
}

}  // namespace

void CheckTextLineBreaks(const SourceBook& book, const SourceChapter& chapter, Diagnostics& diags) {
  // The game keeps every line break of the source: a paragraph belongs on one line.
  for (std::size_t i = 0; i + 1 < chapter.text.size(); ++i) {
    if (chapter.text[i].empty() || chapter.text[i + 1].empty() || endsSentence(chapter.text[i])) continue;
    diags.warning(book.fileName(), chapter.lines.of("Text") + 1 + static_cast<int>(i),
                  "the text of chapter point " + std::to_string(chapter.rec.Number) +
                      " breaks a line inside a sentence, which the game shows as it stands (write each paragraph "
                      "on one line)");
  }
}

void CheckTextMentions(const SourceBook& book, const SourceChapter& chapter, Diagnostics& diags) {
  // A chapter point still without its text is not judged by it.
  if (chapter.text.empty()) return;
  const std::string file = book.fileName();
  const std::set<int> named = mentions(chapter.text);
  std::set<int> offered;
  const auto targets = DecodeContinuations(chapter.rec.NextChapters);
  // A typed answer's continuations are the number to find out and the way after the last
  // wrong answer: neither is written in the text.
  const bool typedAnswer = !chapter.rec.Conditions.empty() && chapter.rec.Conditions[0] == 'X';
  for (const auto& target : targets) {
    if (!target || *target < 0) continue;
    offered.insert(*target);
    // The opening reads on without numbers: rules text to background story to chapter point 1.
    const bool opening = *target == 0 || (chapter.rec.Number == 0 && *target == 1);
    if (opening || named.contains(*target) || typedAnswer) continue;
    const SourceChapter* reached = book.findChapter(*target);
    if (reached && reached->hidden) continue;
    diags.warning(file, chapter.lines.of("Text"),
                  "chapter point " + std::to_string(chapter.rec.Number) + " offers " + std::to_string(*target) +
                      " but its text never names \"(" + std::to_string(*target) +
                      ")\" (mark that chapter point Hidden: true if it is meant to be found)");
  }
  for (int n : named) {
    if (offered.contains(n)) continue;
    diags.warning(file, chapter.lines.of("Text"),
                  "the text of chapter point " + std::to_string(chapter.rec.Number) + " names \"(" + std::to_string(n) +
                      ")\", which is none of its continuations");
  }
}

}  // namespace zrx::book
