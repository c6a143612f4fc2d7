#include "container_format.h"

#include <algorithm>

namespace zrx {

std::string PackageFileName(const std::string& kind, int number) {
  return kind + std::to_string(number) + ".zrx";
}

std::int32_t MaxTextsPayloadSize(std::int32_t chapterCount) {
  const std::int64_t chapters = std::clamp<std::int32_t>(chapterCount, 0, kMaxChapterCount);
  // The count, an entry head per chapter, and room for one chapter of the longest kind.
  constexpr std::int64_t kEntryHead = 3 + 4 + 4;
  return static_cast<std::int32_t>(4 + chapters * (kEntryHead + kTextBudgetPerChapter) + kMaxChapterTextSize);
}

std::int32_t MaxPicturesPayloadSize(std::int32_t pictureCount) {
  // The counts, then per picture an entry head and the largest picture.
  constexpr std::int64_t kEntryHead = 3 + 4 + 4;
  const std::int64_t size = 8 + std::max<std::int64_t>(pictureCount, 0) * (kEntryHead + kMaxPictureSize);
  return static_cast<std::int32_t>(std::min<std::int64_t>(size, kMaxPayloadSize));
}

std::uintmax_t MaxCompressedSize(std::uintmax_t payloadSize) {
  // Stored blocks cost 5 bytes per 16 KiB; zlib adds its head and check sum.
  return payloadSize + 5 * (payloadSize / 16383 + 1) + 64;
}

std::uintmax_t MaxPackageFileSize(std::string_view kind) {
  // Everything in front of the stream: the container head, the names block (only in a
  // "Data" file), the two coded sizes and the filler between them.
  constexpr std::uintmax_t kHead = kContainerBlockOffset + 4 + kBlockSizesGap + 4;
  if (kind == kDataKind)
    return kHead + 4 + std::uintmax_t{kMaxNameCount} * kNameEntrySize + MaxCompressedSize(kMaxDataPayloadSize);
  if (kind == kTextsKind) return kHead + MaxCompressedSize(static_cast<std::uintmax_t>(MaxTextsPayloadSize(kMaxChapterCount)));
  return kHead + MaxCompressedSize(kMaxPayloadSize);
}

}  // namespace zrx
