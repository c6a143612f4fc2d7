// zrx_save_state PROGRAMDIR: prints what the program's rewritten files hold, leaving out
// the moments of writing (they differ from run to run): the settings line and the names
// in file order, the index lines without their dates, and the lines of every game file
// that the index lists. Exits with 1 when any of them does not read.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "clock.h"
#include "names_block.h"
#include "save_folder.h"
#include "save_index.h"

namespace {

std::vector<std::string> split(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == '|') fields.emplace_back();
    else fields.back() += c;
  }
  return fields;
}

// The index line without its second field, the date of saving.
std::string withoutDate(const std::string& line) {
  const std::size_t first = line.find('|');
  const std::size_t second = first == std::string::npos ? first : line.find('|', first + 1);
  if (second == std::string::npos) return line;
  return line.substr(0, first + 1) + line.substr(second);
}

int dump(const std::filesystem::path& program) {
  const zrx::SystemClock clock;
  zrx::NamesBlock names(program, clock, [] { return std::uint8_t{0}; });
  std::vector<std::string> listed;
  if (names.ReadNames(listed) < 0) {
    std::cout << "names: unreadable\n";
    return 1;
  }
  std::cout << "settings: " << names.settingsLine() << "\nnames:";
  for (const auto& record : names.NameList()) std::cout << " [" << record.text << "]";
  std::cout << "\n";

  const zrx::SaveFolder folder(program);
  std::vector<std::string> index;
  if (folder.Read(index, zrx::kIndexName, zrx::kIndexExtension) != 0) {
    std::cout << "index: unreadable\n";
    return 1;
  }
  for (const auto& line : index) std::cout << "index: " << withoutDate(line) << "\n";
  for (std::size_t i = 1; i < index.size(); ++i) {
    const std::vector<std::string> fields = split(index[i]);
    const std::string file = fields.size() > 3 ? fields[3] : "";
    std::vector<std::string> lines;
    if (!zrx::IsValidSaveFileName(file) || folder.Read(lines, file, zrx::kGameExtension) != 0) {
      std::cout << "game " << file << ": unreadable\n";
      return 1;
    }
    std::cout << "game " << file << ":";
    for (const auto& line : lines) std::cout << " " << line << ";";
    std::cout << "\n";
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) try {
  if (argc != 2) {
    std::cerr << "usage: zrx_save_state PROGRAMDIR\n";
    return 2;
  }
  return dump(argv[1]);
} catch (const std::exception& e) {
  std::cerr << "zrx_save_state: " << e.what() << "\n";
  return 1;
}
