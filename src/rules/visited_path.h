#pragma once
// The visited-path memo and its text-file export.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "clock.h"

namespace zrx {

// A memo line takes further numbers while it is shorter than this many characters.
inline constexpr std::size_t kPathLineLimit = 38;

// The text that one chapter point adds to the memo: the number and ", ".
std::string PathMemoEntry(std::string_view number);
// A line that has reached the limit takes no further numbers.
bool PathMemoLineIsFull(const std::string& line);

// Appends `number` followed by ", " to the last line of the memo while that line is
// shorter than kPathLineLimit characters, else starts a new line with it.
void AppendToPathMemo(std::vector<std::string>& lines, std::string_view number);

// Writes the lines to "<folder>/Other/BejartUtak_(<short date>)_<n>.txt" with the first n
// from 1 that names no existing file. Returns the path written, nullopt when it could not
// be written.
std::optional<std::filesystem::path> WritePathFile(const std::filesystem::path& programFolder,
                                                   const std::vector<std::string>& lines,
                                                   const DateTime& moment);

}  // namespace zrx
