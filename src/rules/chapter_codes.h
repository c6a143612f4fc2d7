#pragma once
// Continuation codes of a chapter point and the list entries they become.
#include <string>
#include <string_view>

namespace zrx {

inline constexpr std::string_view kEndFailureCode = "HHH";
inline constexpr std::string_view kEndVictoryCode = "GGG";
inline constexpr std::string_view kEndFailureEntry = "Vége";
inline constexpr std::string_view kEndVictoryEntry = "Győzelem";

// "HHH" gives "Vége", "GGG" gives "Győzelem", any other code the decimal text of its
// hexadecimal value ("00A" gives "10"). A code that is not hexadecimal, or not exactly
// three characters long, raises BookCodeError.
std::string ChapterCodeEntry(std::string_view code);

// The chapter number of a hexadecimal continuation code (the first three characters).
int ChapterCodeNumber(std::string_view code);

}  // namespace zrx
