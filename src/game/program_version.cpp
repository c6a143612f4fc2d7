#include "program_version.h"

#include <optional>

namespace zrx {
namespace {

struct VersionParts {
  int major;
  int minor;
  int build;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int number(std::string_view digits) {
  int value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
}

// The parts of a text that begins with a version text ("0.705.10"); nothing otherwise.
std::optional<VersionParts> versionParts(std::string_view text) {
  if (text.size() < 8 || text[1] != '.' || text[5] != '.') return std::nullopt;
  for (const std::size_t at : {0, 2, 3, 4, 6, 7}) {
    if (!isDigit(text[at])) return std::nullopt;
  }
  return VersionParts{number(text.substr(0, 1)), number(text.substr(2, 3)), number(text.substr(6, 2))};
}

}  // namespace

UpdateResult JudgeUpdateLine(std::string_view firstLine, std::string_view local) {
  // A file saved with a byte-order mark or Windows line ends still holds the same line.
  if (firstLine.starts_with("\xEF\xBB\xBF")) firstLine.remove_prefix(3);
  while (!firstLine.empty() && (firstLine.back() == '\r' || firstLine.back() == '\n')) firstLine.remove_suffix(1);
  const std::optional<VersionParts> remote = versionParts(firstLine);
  const std::optional<VersionParts> own = versionParts(local);
  if (!remote || !own) return {};
  if (remote->major <= own->major && own->minor >= remote->minor && own->build >= remote->build) {
    return {UpdateVerdict::Current, {}};
  }
  return {UpdateVerdict::Newer, std::string(firstLine.substr(0, 8))};
}

}  // namespace zrx
