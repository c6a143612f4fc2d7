#include "dice/own_dice_setting.h"

#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace zrx {
namespace {

constexpr std::size_t kLongestKeyFile = 16;  // anything longer is damaged, not read on

}  // namespace

std::filesystem::path OwnDiceSettingFile(const std::filesystem::path& programFolder) {
  return programFolder / "Other" / "zrxkocka.txt";
}

bool LoadOwnDiceSetting(const std::filesystem::path& programFolder) {
  std::ifstream in(OwnDiceSettingFile(programFolder), std::ios::binary);
  if (!in) return false;
  std::string text(kLongestKeyFile + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  return text == "1" || text == "1\n" || text == "1\r\n";
}

bool SaveOwnDiceSetting(const std::filesystem::path& programFolder, bool on) {
  const std::filesystem::path file = OwnDiceSettingFile(programFolder);
  std::error_code ignored;
  std::filesystem::create_directories(file.parent_path(), ignored);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << (on ? "1" : "0") << "\r\n";
  out.flush();
  return static_cast<bool>(out);
}

}  // namespace zrx
