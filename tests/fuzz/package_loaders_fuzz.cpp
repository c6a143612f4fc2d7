// Every loader of a source package over a file of the fuzzer's bytes, served from memory.
// The first byte picks the file and loader; with its high bit set the rest is a payload
// that the package writer wraps in a valid container, so that the payload parsers are reached.
#include <array>
#include <cstdint>
#include <span>

#include "fuzz_folder.h"
#include "memory_files.h"
#include "names_block.h"
#include "package_fixture.h"
#include "source_coding.h"

namespace {

namespace fs = std::filesystem;
using zrx::fuzz::ProgramFolder;

struct Target {
  const char* file;
  const char* code;
  bool namesBlock;
};
constexpr Target kTargets[] = {
    {"Data0.zrx", "N00", true}, {"DataS1.zrx", "S01", false}, {"DataK1.zrx", "K01", false}, {"DataK0.zrx", "K00", false}};

// The package's files, read once; an input stands in for one of them while it runs.
struct PackageFiles {
  zrx::fuzz::MemoryFiles memory;
  std::array<std::vector<std::uint8_t>, std::size(kTargets)> originals;

  PackageFiles() {
    for (std::size_t i = 0; i < originals.size(); ++i) {
      originals[i] = zrx::test::ReadBytes(pathOf(kTargets[i]));
      memory.put(pathOf(kTargets[i]), originals[i]);
    }
  }
  static fs::path pathOf(const Target& target) { return ProgramFolder() / "Source" / target.file; }
};

PackageFiles& packageFiles() {
  static PackageFiles files;
  return files;
}

void runLoaders(int which, std::uint8_t detail) {
  zrx::SourceCoding source(ProgramFolder(), zrx::RemoveReadOnlyMark, packageFiles().memory.packageReader());
  int bookCount = 0;
  std::vector<zrx::TBookRec> books;
  std::vector<zrx::Picture> covers, chapterPictures, decorPictures;
  zrx::BookStores stores;
  std::vector<std::vector<std::string>> texts;
  switch (which) {
    case 0:
      source.CheckPackage("Source", bookCount);
      source.LoadGameData("Source", 1, stores);
      break;
    case 1:
      source.LoadChapterTexts("Source", 1, detail % 8, texts);
      break;
    case 2:
      source.LoadChapterPictures("Source", 1, detail % 4, detail / 64, chapterPictures, decorPictures);
      break;
    default:
      source.LoadBookList("Source", 1 + detail % 2, books, covers);
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const int which = data[0] & 3;
  const bool wrap = (data[0] & 0x80) != 0;
  const std::uint8_t detail = data[1];
  const std::span<const std::uint8_t> rest(data + 2, size - 2);
  const Target& target = kTargets[which];
  const fs::path file = PackageFiles::pathOf(target);
  PackageFiles& files = packageFiles();

  if (wrap) {
    zrx::ContainerParts parts;
    parts.packageName = "Source";
    parts.fileCode = target.code;
    parts.itemCount = detail;
    if (target.namesBlock) parts.namesBlock = zrx::InitialNamesBlock("1010000000", 45000.5);
    parts.payload.assign(rest.begin(), rest.end());
    const auto bytes = zrx::BuildContainer(parts);
    if (!bytes) return 0;
    files.memory.put(file, *bytes);
  } else {
    files.memory.put(file, rest);
  }
  runLoaders(which, detail);
  files.memory.put(file, files.originals[static_cast<std::size_t>(which)]);
  return 0;
}
