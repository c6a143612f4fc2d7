#pragma once
// The example codes of docs/authoring.md: the first code quoted in the last cell of every
// table row, with the heading of the section the table stands in.
#include <filesystem>
#include <string>
#include <vector>

namespace zrx::test {

struct AuthoringExample {
  std::string section;  // the nearest heading above the table, without its "#" marks
  std::string code;
};

std::vector<AuthoringExample> AuthoringExamples(const std::filesystem::path& markdown);

// A code quoted anywhere in docs/authoring.md, with the record field it belongs to.
struct QuotedCode {
  std::string field;  // the first cell's name in a table row; else the name quoted in the
                      // heading or in the last line that ends in ":" ("... (`RollBattleCode`) ...:")
  std::string code;
};

// The quoted codes that are whole examples: at least two characters, no lowercase letter,
// no "…" and no space (those describe a code), not a part named in parentheses, and not
// followed by " +" (the first piece of a code described piece by piece).
std::vector<QuotedCode> QuotedExamples(const std::filesystem::path& markdown);

}  // namespace zrx::test
