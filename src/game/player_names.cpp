#include "player_names.h"

#include <algorithm>
#include <array>

#include "error_log.h"
#include "names_block.h"
#include "win1250.h"

namespace zrx {
namespace {

// NevBeolvas results and the codes that the welcome and the settings window give them.
constexpr std::array<ResultCode, 9> kWelcomeReadErrors = {{
    {-11, 1}, {-10, 2}, {-7, 4}, {-6, 5}, {-5, 16}, {-4, 6}, {-3, 7}, {-2, 8}, {-1, 3}}};
constexpr std::array<ResultCode, 9> kSettingsReadErrors = {{
    {-11, 101}, {-10, 102}, {-7, 104}, {-6, 105}, {-5, 124}, {-4, 106}, {-3, 107}, {-2, 108}, {-1, 103}}};
// Writing the names at sign-in. A block that cannot be rewritten (-6) has no code of its
// own at sign-in; it is reported as the settings window reports the same failure.
constexpr std::array<ResultCode, 9> kSignInWriteErrors = {{
    {-11, 10}, {-10, 12}, {-7, 22}, {-6, 114}, {-5, 13}, {-4, 15}, {-3, 14}, {-2, 9}, {-1, 11}}};
// NevValtoztat: the settings window's rename and settings write.
constexpr std::array<ResultCode, 9> kSettingsWriteErrors = {{
    {-11, 110}, {-10, 112}, {-7, 115}, {-6, 114}, {-5, 113}, {-4, 116}, {-3, 117}, {-2, 109}, {-1, 111}}};
// NevTorol: deleting a name.
constexpr std::array<ResultCode, 6> kDeleteErrors = {{
    {-11, 119}, {-10, 121}, {-4, 122}, {-3, 123}, {-2, 118}, {-1, 120}}};

int codeFor(std::span<const ResultCode> table, int result) {
  if (result >= 0) return 0;
  for (const ResultCode& row : table) {
    if (row.result == result) return row.code;
  }
  return 0;
}

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

NameVerdict CheckPlayerName(const std::string& typed, std::string& name) {
  const std::string cut = trimmed(Utf8Cut(typed, kPlayerNameMax));
  if (cut.empty()) return NameVerdict::Empty;
  if (CheckName(cut) == -2) return NameVerdict::Forbidden;
  // The names file holds Windows-1250 lines: a name it cannot hold is refused, never
  // mangled, and so is a control character (Tab, a line break) that would split or hide it.
  const bool control = std::any_of(cut.begin(), cut.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
  });
  if (control || !FitsWin1250(cut)) return NameVerdict::NotWritable;
  name = cut;
  return NameVerdict::Accepted;
}

std::vector<std::pair<std::string, std::string>> NameNotices(NameVerdict verdict) {
  switch (verdict) {
    case NameVerdict::Forbidden:
      return {{"Nem megengedett karakterek vannak a névben!", "Adj meg másik nevet!"},
              {"A nem megengedett karakterek a következők:", "\\ / : * ? \" ' < > |"}};
    case NameVerdict::NotWritable:
      return {{"Nem megengedett karakterek vannak a névben!", "Adj meg másik nevet!"},
              {"A név csak magyar és közép-európai betűket tartalmazhat.", ""}};
    default:
      return {};
  }
}

PlayerNames::PlayerNames(std::filesystem::path programFolder, const Clock& clock)
    : block_(std::make_unique<NamesBlock>(std::move(programFolder), clock, RandomFillerSource())) {}

PlayerNames::~PlayerNames() = default;

int PlayerNames::ReadNames(NamesReader reader) {
  names_.clear();
  // Without the Windows-1250 converter no file of the program can be read or written:
  // reported like a names file that cannot be read, before anything is touched.
  if (!CodePageAvailable()) return kNoCodePageCode;
  const int result = block_->ReadNames(names_);
  return codeFor(reader == NamesReader::Welcome ? std::span<const ResultCode>(kWelcomeReadErrors)
                                                : std::span<const ResultCode>(kSettingsReadErrors),
                 result);
}

const std::string& PlayerNames::settingsLine() const { return block_->settingsLine(); }

int PlayerNames::Record(const std::string& name) {
  names_.clear();
  return codeFor(kSignInWriteErrors, block_->WriteName(&names_, name, kWriteNameOnly, ""));
}

int PlayerNames::Save(const std::string& name, const std::string& settingsLine) {
  if (name.empty() && settingsLine.empty()) return 0;
  const int mode = name.empty() ? kWriteSettingsOnly : settingsLine.empty() ? kWriteNameOnly : kWriteNameAndSettings;
  std::vector<std::string> listed;
  const int result = block_->WriteName(mode == kWriteSettingsOnly ? nullptr : &listed, name, mode, settingsLine);
  if (mode != kWriteSettingsOnly && result >= 0) names_ = std::move(listed);
  return codeFor(kSettingsWriteErrors, result);
}

int PlayerNames::Delete(const std::string& name) {
  std::vector<std::string> listed;
  const int result = block_->DeleteName(listed, name);
  if (result >= 0) names_ = std::move(listed);
  return codeFor(kDeleteErrors, result);
}

}  // namespace zrx
