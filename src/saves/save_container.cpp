#include "save_container.h"

#include "byte_io.h"
#include "compressed_block.h"

namespace zrx {

std::vector<std::uint8_t> PackSaveContainer(std::string_view text, const FillerSource& filler) {
  if (text.size() > static_cast<std::size_t>(kMaxSaveTextSize)) return {};
  ByteWriter out;
  out.writeFiller(kSaveLeadBytes, filler);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  if (!AppendCompressedBlock(out, std::span<const std::uint8_t>(bytes, text.size()), filler)) return {};
  out.writeFiller(kSaveTrailerBytes, filler);
  return out.release();
}

int UnpackSaveContainer(std::span<const std::uint8_t> file, std::string& text) {
  text.clear();
  ByteReader in(file);
  if (!in.skip(kSaveLeadBytes)) return -3;
  std::vector<std::uint8_t> payload;
  switch (ReadCompressedBlock(in, payload, kMaxSaveTextSize)) {
    case kBlockRead:
      text.assign(payload.begin(), payload.end());
      return 0;
    case kBlockInflateFailed:
      return -4;
    default:
      return -3;
  }
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

}  // namespace zrx
