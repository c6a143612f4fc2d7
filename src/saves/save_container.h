#pragma once
// The coded container of save files: random filler, the two coded lengths and one
// level-9 zlib stream of Windows-1250 text lines, each ending in CR LF.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "filler_source.h"

namespace zrx {

// The largest text a save file may declare; larger declarations are refused unread.
inline constexpr std::size_t kMaxSaveTextBytes = 16u << 20;

// Bytes before the compressed stream: 16 filler, coded size, 123 filler, coded size.
inline constexpr std::size_t kSaveHeaderBytes = 16 + 4 + 123 + 4;
inline constexpr std::size_t kSaveTrailerBytes = 78;

std::vector<std::uint8_t> PackSaveContainer(std::string_view text, const FillerSource& filler);

// 0 on success; -3 when the sizes or the compressed bytes cannot be read (or are
// out of bounds); -4 when inflating fails or does not give exactly the declared size.
int UnpackSaveContainer(std::span<const std::uint8_t> file, std::string& text);

// Lines joined with CR LF after every line, the last one too.
std::string JoinLines(const std::vector<std::string>& lines);

// Text split into lines at CR LF, CR or LF; a final line break ends the last line.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace zrx
