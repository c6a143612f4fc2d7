#pragma once
// Layout of the coded container shared by every package file, and of the
// names block that the "Source" package keeps in its "Data" file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zrx {

inline constexpr std::size_t kContainerHeaderOffset = 5;  // 5 filler bytes come first
inline constexpr std::size_t kContainerHeaderSize = 12;   // name (7), file code (4), item count (1)
inline constexpr std::size_t kContainerBlockOffset = 22;  // names block or compressed block
inline constexpr std::size_t kBlockSizesGap = 123;        // filler between the two block sizes
inline constexpr std::size_t kPackageNameMax = 6;
inline constexpr std::size_t kFileCodeMax = 3;

// Names block: a coded count, then entries of 3 filler bytes and a coded 29-byte record.
inline constexpr std::size_t kNameEntrySize = 32;
inline constexpr std::size_t kNameFillerSize = 3;
inline constexpr std::size_t kNameRecordSize = 29;
inline constexpr std::size_t kNameTextMax = 20;
inline constexpr int kReservedNameEntries = 2;  // the reserved entry and the settings line

// Declared sizes are trusted only up to a cap of their kind, checked before anything is
// allocated or inflated. Each cap leaves a wide margin above the largest real book.
inline constexpr std::int32_t kMaxPayloadSize = 256 * 1024 * 1024;  // pictures, whatever their count
// One picture of a pictures or covers file: a 1024x768 JPEG of the best quality is below 1 MiB.
inline constexpr std::int32_t kMaxPictureSize = 4 * 1024 * 1024;
inline constexpr std::int32_t kMaxDataPayloadSize = 16 * 1024 * 1024;  // records of a package
inline constexpr std::int32_t kMaxChapterTextSize = 64 * 1024;
// A texts file: its count, then per chapter an entry head and on average this much text.
inline constexpr std::int32_t kTextBudgetPerChapter = 8 * 1024;
inline constexpr std::int32_t kMaxChapterCount = 4096 + 2;  // three hexadecimal digits, rules and story
// The names block: far more names than one installation ever sees.
inline constexpr std::int32_t kMaxNameCount = 65536;
// Deflate cannot compress better than about 1032:1; a larger ratio is a lie.
inline constexpr std::int64_t kMaxInflateRatio = 1032;

// The payload cap of a texts file of `chapterCount` chapters.
std::int32_t MaxTextsPayloadSize(std::int32_t chapterCount);
// The payload cap of a pictures or covers file of `pictureCount` pictures.
std::int32_t MaxPicturesPayloadSize(std::int32_t pictureCount);
// The largest stream that deflate makes of `payloadSize` bytes (stored blocks at worst).
std::uintmax_t MaxCompressedSize(std::uintmax_t payloadSize);
// The largest package file of a kind ("Data", "DataS", "DataK") that is read at all.
std::uintmax_t MaxPackageFileSize(std::string_view kind);

inline constexpr const char* kSourcePackage = "Source";
inline constexpr const char* kDataKind = "Data";
inline constexpr const char* kTextsKind = "DataS";
inline constexpr const char* kPicturesKind = "DataK";

// "<kind><number>.zrx"
std::string PackageFileName(const std::string& kind, int number);

}  // namespace zrx
