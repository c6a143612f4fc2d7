// The save index and a game file of the fuzzer's bytes, served from memory. The first
// byte picks the file and whether the rest is the whole file or the text that a valid
// container wraps. What reads must write to the file system and read again as the same thing.
#include <cstdint>
#include <string>

#include "filler_source.h"
#include "fuzz_folder.h"
#include "game_file.h"
#include "memory_files.h"
#include "save_container.h"
#include "save_index.h"

namespace {

namespace fs = std::filesystem;
using zrx::fuzz::Finding;
constexpr const char* kGameName = "AAAAAAAAAA";

// The save folder on disk, whose files an input stands in for while it is read.
struct SaveFiles {
  zrx::fuzz::MemoryFiles memory;
  zrx::SaveFolder folder;

  SaveFiles() : folder(zrx::fuzz::ProgramFolder(), [] { return std::uint8_t{0x33}; }, zrx::RemoveReadOnlyMark,
                       memory.saveReader()) {
    if (zrx::LayEmptySaveIndex(zrx::fuzz::ProgramFolder()) != 0) Finding("cannot lay the save folder");
    // SaveFolder::Read looks for the file on disk before it reads it.
    zrx::fuzz::PlaceInput(folder.filePath(kGameName, zrx::kGameExtension), {});
  }
};

void indexRoundTrip(const zrx::SaveFolder& folder, zrx::fuzz::MemoryFiles& memory, const fs::path& file) {
  zrx::SaveIndex index;
  if (zrx::SearchIndex(folder, "Anna", index) != 0) return;
  memory.forget(file);  // what is written is read back from the disk
  if (folder.Write(index.lines, zrx::kIndexName, zrx::kIndexExtension) != 0) Finding("a read index cannot be written");
  zrx::SaveIndex again;
  if (zrx::SearchIndex(folder, "Anna", again) != 0) Finding("a written index does not read");
  if (again.lines != index.lines || again.takenFileNames != index.takenFileNames) Finding("the index changed");
}

void gameRoundTrip(const zrx::SaveFolder& folder, zrx::fuzz::MemoryFiles& memory, const fs::path& file) {
  std::vector<std::string> lines;
  if (folder.Read(lines, kGameName, zrx::kGameExtension) != 0 || lines.size() < 3) return;
  zrx::SavedGame game;
  if (zrx::CheckGameLines(lines, kGameName, lines[2]) != 0 || zrx::ParseGameLines(lines, game) != 0) return;
  memory.forget(file);
  std::vector<std::string> written = zrx::ComposeGameLines(game);
  if (!game.fileName.empty()) written.push_back(game.fileName);
  if (folder.Write(written, kGameName, zrx::kGameExtension) != 0) Finding("a read game cannot be written");
  zrx::SavedGame again;
  if (folder.Read(lines, kGameName, zrx::kGameExtension) != 0 || zrx::ParseGameLines(lines, again) != 0)
    Finding("a written game does not read");
  if (!(again == game)) Finding("the game changed on its way through the file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  static SaveFiles files;
  const zrx::SaveFolder& folder = files.folder;
  const bool index = (data[0] & 1) == 0;
  const bool wrap = (data[0] & 2) != 0;
  const std::span<const std::uint8_t> rest(data + 1, size - 1);
  const auto file = index ? folder.filePath(zrx::kIndexName, zrx::kIndexExtension)
                          : folder.filePath(kGameName, zrx::kGameExtension);
  if (wrap) {
    const std::string text(rest.begin(), rest.end());
    files.memory.put(file, zrx::PackSaveContainer(text, [] { return std::uint8_t{0x11}; }));
  } else {
    files.memory.put(file, rest);
  }
  if (index) indexRoundTrip(folder, files.memory, file); else gameRoundTrip(folder, files.memory, file);
  return 0;
}
