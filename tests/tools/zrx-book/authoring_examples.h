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

}  // namespace zrx::test
