// Writes the seed corpora of the fuzz targets, made by the package writer and the save
// writer, into <folder>/<target>/. Run at build time.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "archive_writer.h"
#include "fixed_clock.h"
#include "game_file.h"
#include "names_block.h"
#include "package_fixture.h"
#include "save_container.h"
#include "save_index.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

void writeSeed(const fs::path& folder, const std::string& name, std::uint8_t lead, const Bytes& body,
               std::uint8_t second = 0, bool withSecond = false) {
  fs::create_directories(folder);
  Bytes bytes = {lead};
  if (withSecond) bytes.push_back(second);
  bytes.insert(bytes.end(), body.begin(), body.end());
  zrx::test::WriteBytes(folder / name, bytes);
}

Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

void packageSeeds(const fs::path& out, const fs::path& program) {
  const fs::path source = program / "Source";
  const char* files[] = {"Data0.zrx", "DataS1.zrx", "DataK1.zrx", "DataK0.zrx"};
  const std::uint8_t details[] = {1, 5, 2 * 64 + 1, 1};
  for (std::uint8_t which = 0; which < 4; ++which) {
    const fs::path file = source / files[which];
    writeSeed(out, std::string("raw-") + files[which], which, zrx::test::ReadBytes(file), details[which], true);
    const zrx::ContainerParts parts = zrx::test::ReadContainer(file, which == 0);
    writeSeed(out, std::string("payload-") + files[which], static_cast<std::uint8_t>(0x80 | which), parts.payload,
              which == 0 || which == 3 ? 1 : details[which], true);
  }
}

void namesSeeds(const fs::path& out, const fs::path& program) {
  const zrx::test::FixedClock clock;
  zrx::NamesBlock block(program, clock, [] { return std::uint8_t{0}; });
  std::vector<std::string> names;
  for (const char* name : {"Anna", "Béla", "Őrült Űrhajós"}) block.WriteName(&names, name, zrx::kWriteNameOnly, "");
  const Bytes file = zrx::test::ReadBytes(program / "Source" / "Data0.zrx");
  const std::size_t end = zrx::test::BlockSizesOffset(2 + 3);
  fs::create_directories(out);
  zrx::test::WriteBytes(out / "three-names", Bytes(file.begin() + zrx::kContainerBlockOffset, file.begin() + static_cast<long>(end)));
  zrx::test::WriteBytes(out / "no-names", zrx::InitialNamesBlock("1010000000", 45000.25));
}

void saveSeeds(const fs::path& out) {
  zrx::SavedGame game;
  game.sourceName = "Source";
  game.bookNumber = 1;
  game.playerName = "Anna";
  game.difficulty = 2;
  game.currentChapter = 12;
  game.ownNotes = {"jegyzet", "", "ő", "", "x"};
  game.equippedItems = {7, 0, 0, 0, 0, 0};
  game.equipment = {{1, 25}, {7, 1}};
  game.infos = {{4, 0}, {16, 1500}};
  game.hiddenInfos = {{30, 2000}};
  game.characteristics = {{1, 0, 9, 9}, {2, 0, 20, 18}, {3, 0, 8, 8}, {5, 0, 12, 12}};
  game.magicSkills = {{3, 1, 2}};
  game.visitedPath = {"0", "1", "5", "12"};
  std::vector<std::string> lines = zrx::ComposeGameLines(game);
  lines.push_back("AAAAAAAAAA");
  const std::string gameText = zrx::JoinLines(lines);
  const std::string indexText = zrx::JoinLines({std::string(zrx::kIndexSentinel),
                                                "Anna|2026.01.02. 10:11:12|Első|AAAAAAAAAA|Source|Könyv|0|12",
                                                "Béla|2026.01.03. 10:11:12|Más|BBBBBBBBBB|Source|Könyv|2|40"});
  const auto filler = [] { return std::uint8_t{0x42}; };
  writeSeed(out, "index-file", 0, zrx::PackSaveContainer(indexText, filler));
  writeSeed(out, "game-file", 1, zrx::PackSaveContainer(gameText, filler));
  writeSeed(out, "index-text", 2, bytesOf(indexText));
  writeSeed(out, "game-text", 3, bytesOf(gameText));
}

// A package archive as the packer writes it, of the package written for the other seeds.
void archiveSeeds(const fs::path& out, const fs::path& program) {
  zrx::test::WriteTestPackage(program, zrx::test::MakePackage("Kaland", 2));
  fs::create_directories(out);
  if (zrx::WritePackageArchive(program / "Kaland", "0.705.10", out / "package.zrxcs") != zrx::kArchiveWritten)
    throw std::runtime_error("cannot pack the seed package");
}

// A whole book that checks clean in under a kilobyte: the book target runs with short
// inputs, and this one reaches the compiler from the start.
constexpr const char* kCompactBook = R"(Title: A kis kapu
MoneyItem: 1
SpecialValues: [3]
BaseValues:
  - {Number: 1, Name: Ügyesség, Dice: 1, Bonus: 6}
  - {Number: 2, Name: Életerő, Dice: 2, Bonus: 12, LimitFatal: 1}
  - {Number: 3, Name: Szerencse, Dice: 1, Bonus: 6}
Items:
  - {Number: 1, Name: Garas, Category: 0, Value: 1}
  - {Number: 2, Name: Kard, Category: 1, Value: 2, UseCode: K01+F1}
Infos:
  - {Number: 1, Name: Jelszó, Kind: 0}
Opponents:
  - {Number: 1, Name: Őr, Skill: 6, Stamina: 6, FlightCode: 1N, BattleFlag: 1}
Chapters:
  - {Number: -1, Next: [0], Text: "Szabályok."}
  - {Number: 0, Next: [1, 2], Conditions: "0#I+001", SpecialChange2: "01N001+005#", Text: "Kapu előtt állsz."}
  - {Number: 1, BattleCode: "N001", Next: [3], Conditions: "C0", Text: "Az őr rád támad."}
  - {Number: 2, Next: [3, vége], Conditions: "S10#S11", Text: "Próbáld a szerencsédet."}
  - {Number: 3, Next: [győzelem], Text: "Bent vagy."}
)";

}  // namespace

int main(int argc, char** argv) try {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_seeds OUTDIR BOOKSDIR\n");
    return 2;
  }
  const fs::path out = argv[1];
  zrx::test::TempFolder program;
  zrx::test::WriteTestPackage(program.path(), zrx::test::MakePackage());
  packageSeeds(out / "package_loaders", program.path());
  namesSeeds(out / "names_block", program.path());
  saveSeeds(out / "save_files");
  archiveSeeds(out / "archive_reader", program.path());
  fs::create_directories(out / "book_source");
  for (const auto& entry : fs::recursive_directory_iterator(argv[2])) {
    if (entry.path().extension() == ".yaml" && entry.path().filename() != "source.yaml")
      fs::copy_file(entry.path(), out / "book_source" / entry.path().filename(), fs::copy_options::overwrite_existing);
  }
  std::ofstream(out / "book_source" / "compact.yaml", std::ios::binary) << kCompactBook;
  return 0;
} catch (const std::exception& e) {
  std::fprintf(stderr, "make_seeds: %s\n", e.what());
  return 1;
}
