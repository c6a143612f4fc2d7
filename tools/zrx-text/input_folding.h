#pragma once
// Typed words are matched without regard to case and accents, so that a keyboard without
// Hungarian letters reaches every command and continuation ("tovabb gyozelem", "SUGO").
#include <string>
#include <string_view>

namespace zrx {

// Lower case, with the accents of the Hungarian letters taken off ("Győzelem" -> "gyozelem").
std::string FoldForMatch(std::string_view text);

// Whether two words match when folded.
inline bool SameWord(std::string_view a, std::string_view b) { return FoldForMatch(a) == FoldForMatch(b); }

}  // namespace zrx
