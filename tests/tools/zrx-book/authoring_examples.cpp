#include "authoring_examples.h"

#include <fstream>

namespace zrx::test {
namespace {

// The last cell of a table row; empty for a line that is no row or a divider.
std::string lastCell(const std::string& line) {
  if (line.size() < 2 || line.front() != '|') return {};
  const std::size_t close = line.find_last_of('|');
  const std::size_t open = line.find_last_of('|', close - 1);
  if (open == std::string::npos || open == close) return {};
  return line.substr(open + 1, close - open - 1);
}

// The quoted texts of `line` with the character before and the text after each.
struct Quote {
  std::string text;
  char before;
  std::string after;
};
std::vector<Quote> quotes(const std::string& line) {
  std::vector<Quote> found;
  for (std::size_t open = line.find('`'); open != std::string::npos; open = line.find('`', open + 1)) {
    const std::size_t close = line.find('`', open + 1);
    if (close == std::string::npos) break;
    found.push_back({line.substr(open + 1, close - open - 1), open == 0 ? ' ' : line[open - 1],
                     line.substr(close + 1)});
    open = close;
  }
  return found;
}

bool wholeExample(const Quote& q) {
  if (q.text.size() < 2 || q.before == '(' || q.after.starts_with(" +")) return false;
  for (unsigned char c : q.text) {
    if (c == ' ' || c >= 0x80 || (c >= 'a' && c <= 'z')) return false;
  }
  return true;
}

}  // namespace

std::vector<QuotedCode> QuotedExamples(const std::filesystem::path& markdown) {
  std::vector<QuotedCode> examples;
  std::ifstream in(markdown);
  std::string line;
  std::string field;
  while (std::getline(in, line)) {
    const std::vector<Quote> found = quotes(line);
    if (line.starts_with('#') || line.ends_with(':')) {
      if (!found.empty()) field = found.front().text;
      continue;
    }
    std::string rowField = field;
    std::vector<Quote> codes = found;
    if (line.starts_with('|')) {
      const std::vector<Quote> first = quotes(line.substr(0, line.find('|', 1)));
      rowField = first.empty() ? "" : first.front().text;
      codes = quotes(lastCell(line));
    }
    for (const Quote& q : codes) {
      if (wholeExample(q)) examples.push_back({rowField, q.text});
    }
  }
  return examples;
}

std::vector<AuthoringExample> AuthoringExamples(const std::filesystem::path& markdown) {
  std::vector<AuthoringExample> examples;
  std::ifstream in(markdown);
  std::string line;
  std::string section;
  while (std::getline(in, line)) {
    if (line.starts_with('#')) {
      section = line.substr(line.find_first_not_of('#'));
      section.erase(0, section.find_first_not_of(' '));
      continue;
    }
    // Header and divider rows quote no code.
    const std::string cell = lastCell(line);
    const std::size_t open = cell.find('`');
    const std::size_t close = open == std::string::npos ? open : cell.find('`', open + 1);
    if (close != std::string::npos) examples.push_back({section, cell.substr(open + 1, close - open - 1)});
  }
  return examples;
}

}  // namespace zrx::test
