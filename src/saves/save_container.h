#pragma once
// The coded container of save files: 16 random bytes, the compressed block shared
// with package files (coded sizes, level-9 zlib stream), 78 random bytes. The text in
// it is Windows-1250 lines, each ending in CR LF.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "container_format.h"
#include "filler_source.h"

namespace zrx {

inline constexpr std::size_t kSaveLeadBytes = 16;
inline constexpr std::size_t kSaveTrailerBytes = 78;
// Bytes before the compressed stream: the lead, coded size, 123 filler, coded size.
inline constexpr std::size_t kSaveHeaderBytes = kSaveLeadBytes + 4 + kBlockSizesGap + 4;
// The index and a game file are a few kilobytes of text; this is generous for both.
inline constexpr std::int32_t kMaxSaveTextSize = 1024 * 1024;
// A file larger than this is refused before it is read.
inline const std::uintmax_t kMaxSaveFileBytes =
    kSaveHeaderBytes + MaxCompressedSize(kMaxSaveTextSize) + kSaveTrailerBytes;

// Empty when zlib fails or the text is larger than kMaxSaveTextSize (it could not be read back).
std::vector<std::uint8_t> PackSaveContainer(std::string_view text, const FillerSource& filler);

// 0 on success; -3 when the sizes or the compressed bytes cannot be read (or are
// out of bounds); -4 when inflating fails or does not give exactly the declared size.
int UnpackSaveContainer(std::span<const std::uint8_t> file, std::string& text);

// Lines joined with CR LF after every line, the last one too.
std::string JoinLines(const std::vector<std::string>& lines);

// Text split into lines at CR LF, CR or LF; a final line break ends the last line.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace zrx
