#include "sign_in.h"

#include <array>

#include "names_block.h"
#include "win1250.h"

namespace zrx {
namespace {

struct CodeRow {
  int result;
  int code;
};

// NevBeolvas results and the welcome window's codes for them.
constexpr std::array<CodeRow, 9> kReadErrors = {{
    {-11, 1}, {-10, 2}, {-7, 4}, {-6, 5}, {-5, 16}, {-4, 6}, {-3, 7}, {-2, 8}, {-1, 3}}};
// Writing the names at sign-in. A block that cannot be rewritten (-6) has no code of its
// own at sign-in; it is reported as the settings window reports the same failure.
constexpr std::array<CodeRow, 9> kWriteErrors = {{
    {-11, 10}, {-10, 12}, {-7, 22}, {-6, 114}, {-5, 13}, {-4, 15}, {-3, 14}, {-2, 9}, {-1, 11}}};

template <std::size_t N>
int codeFor(const std::array<CodeRow, N>& table, int result) {
  if (result >= 0) return 0;
  for (const CodeRow& row : table) {
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
  // The names file holds Windows-1250: a name it cannot hold is refused, never mangled.
  if (!FitsWin1250(cut)) return NameVerdict::NotWritable;
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

SignIn::SignIn(std::filesystem::path programFolder, const Clock& clock)
    : block_(std::make_unique<NamesBlock>(std::move(programFolder), clock, RandomFillerSource())) {}

SignIn::~SignIn() = default;

int SignIn::ReadNames() { return codeFor(kReadErrors, block_->ReadNames(names_)); }

const std::string& SignIn::settingsLine() const { return block_->settingsLine(); }

int SignIn::Record(const std::string& name) {
  return codeFor(kWriteErrors, block_->WriteName(&names_, name, kWriteNameOnly, ""));
}

}  // namespace zrx
