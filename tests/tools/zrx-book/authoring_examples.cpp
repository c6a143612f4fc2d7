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

}  // namespace

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
