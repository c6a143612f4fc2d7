// Damaged package files give their negative result codes: never a crash,
// never an allocation of a declared size before it is checked.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "byte_io.h"
#include "container_format.h"
#include "key_coding.h"
#include "package_fixture.h"
#include "record_codec.h"
#include "source_coding.h"
#include "temp_folder.h"

namespace zrx {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using test::ReadBytes;
using test::WriteBytes;

// Every package here is "Source" with two books of chapter points -1..3, or "Kaland" alike.
constexpr int kChapterCount = 5;

struct Target {
  fs::path file;
  std::size_t sizesOffset;  // where the coded compressed size stands
  bool namesBlock;
};

std::int32_t codedSizeAt(const fs::path& file, std::size_t offset) {
  const Bytes bytes = ReadBytes(file);
  return DecodeInt32(CodingKey::kShort, 0, std::span<const std::uint8_t, 4>(bytes.data() + offset, 4));
}

void setCodedSize(const fs::path& file, std::size_t offset, std::int32_t value) {
  Bytes bytes = ReadBytes(file);
  const auto coded = EncodeInt32(CodingKey::kShort, 0, value);
  std::copy(coded.begin(), coded.end(), bytes.begin() + static_cast<long>(offset));
  WriteBytes(file, bytes);
}

void changeBytes(const fs::path& file, const std::function<void(Bytes&)>& change) {
  Bytes bytes = ReadBytes(file);
  change(bytes);
  WriteBytes(file, bytes);
}

void rewriteContainer(const Target& t, const std::function<void(ContainerParts&)>& change) {
  ContainerParts parts = test::ReadContainer(t.file, t.namesBlock);
  change(parts);
  WriteBytes(t.file, *BuildContainer(parts));
}

void rewritePayload(const Target& t, const std::function<void(Bytes&)>& change) {
  rewriteContainer(t, [&](ContainerParts& parts) { change(parts.payload); });
}

void putInt32(Bytes& bytes, std::size_t offset, std::int32_t value) {
  const auto le = StoreInt32(value);
  std::copy(le.begin(), le.end(), bytes.begin() + static_cast<long>(offset));
}

// Damage that any container file can suffer, with the result of opening and unpacking it.
struct ContainerCase {
  const char* name;
  std::function<void(const Target&)> corrupt;
  int expected;
};

const std::vector<ContainerCase>& containerCases() {
  static const std::vector<ContainerCase> cases = {
      {"missing", [](const Target& t) { fs::remove(t.file); }, -11},
      {"read-only mark that cannot be removed",
       [](const Target& t) { fs::permissions(t.file, fs::perms::owner_write, fs::perm_options::remove); }, -10},
      {"a folder in its place", [](const Target& t) { fs::remove(t.file); fs::create_directory(t.file); }, -2},
      {"shorter than its header", [](const Target& t) { fs::resize_file(t.file, 12); }, -2},
      {"header names another package",
       [](const Target& t) { changeBytes(t.file, [](Bytes& b) { b[7] ^= 0x20; }); }, -1},
      {"wrong file code",
       [](const Target& t) { rewriteContainer(t, [](ContainerParts& p) { p.fileCode[2] = '9'; }); }, -1},
      {"cut before the block sizes", [](const Target& t) { fs::resize_file(t.file, t.sizesOffset + 2); }, -3},
      {"compressed size beyond the file",
       [](const Target& t) { setCodedSize(t.file, t.sizesOffset, codedSizeAt(t.file, t.sizesOffset) + 1000); }, -3},
      {"negative compressed size", [](const Target& t) { setCodedSize(t.file, t.sizesOffset, -5); }, -3},
      {"declared size above the cap",
       [](const Target& t) { setCodedSize(t.file, t.sizesOffset + 127, kMaxPayloadSize + 1); }, -3},
      {"declared size beyond any deflate ratio",
       [](const Target& t) {
         setCodedSize(t.file, t.sizesOffset + 127, codedSizeAt(t.file, t.sizesOffset) * 2000);
       },
       -3},
      {"cut inside the compressed block",
       [](const Target& t) { fs::resize_file(t.file, fs::file_size(t.file) - 3); }, -3},
      {"inflates to more than declared",
       [](const Target& t) {
         setCodedSize(t.file, t.sizesOffset + 127, codedSizeAt(t.file, t.sizesOffset + 127) - 1);
       },
       -4},
      {"inflates to fewer than declared",
       [](const Target& t) {
         setCodedSize(t.file, t.sizesOffset + 127, codedSizeAt(t.file, t.sizesOffset + 127) + 1);
       },
       -4},
      {"damaged stream", [](const Target& t) { changeBytes(t.file, [](Bytes& b) { b.back() ^= 0xFF; }); }, -4},
  };
  return cases;
}

struct Operation {
  const char* name;
  const char* package;
  const char* file;
  std::function<int(SourceCoding&)> run;
  std::map<int, int> resultFor;  // the loader's own code for an open / unpack result, where it differs
};

int loadBookList(SourceCoding& s, const char* package) {
  std::vector<TBookRec> books;
  std::vector<Picture> covers;
  return s.LoadBookList(package, 2, books, covers);
}

int loadTexts(SourceCoding& s) {
  std::vector<std::vector<std::string>> texts;
  return s.LoadChapterTexts("Source", 1, kChapterCount, texts);
}

int loadPictures(SourceCoding& s) {
  std::vector<Picture> chapterPictures, decorPictures;
  return s.LoadChapterPictures("Source", 1, 1, 2, chapterPictures, decorPictures);
}

// The same load with its block inflated by a worker.
int loadPicturesInBackground(SourceCoding& s) { return s.StartChapterPictures("Source", 1, 1, 2)->result(); }

int loadGameData(SourceCoding& s, const char* package, int bookNumber = 1) {
  BookStores stores;
  return s.LoadGameData(package, bookNumber, stores);
}

const std::vector<Operation>& operations() {
  static const std::vector<Operation> ops = {
      {"game data", "Source", "Data0.zrx", [](SourceCoding& s) { return loadGameData(s, "Source"); }, {}},
      {"game data of another package", "Kaland", "Data0.zrx",
       [](SourceCoding& s) { return loadGameData(s, "Kaland"); }, {}},
      {"package check", "Source", "Data0.zrx",
       [](SourceCoding& s) {
         int books = 0;
         return s.CheckPackage("Source", books);
       },
       {}},
      {"book list", "Source", "Data0.zrx", [](SourceCoding& s) { return loadBookList(s, "Source"); }, {}},
      {"book covers", "Source", "DataK0.zrx", [](SourceCoding& s) { return loadBookList(s, "Source"); },
       {{-11, -111}, {-10, -110}, {-2, -102}, {-1, -101}, {-3, -7}, {-4, -8}}},
      {"chapter texts", "Source", "DataS1.zrx", loadTexts, {}},
      {"chapter pictures", "Source", "DataK1.zrx", loadPictures, {}},
      {"chapter pictures in the background", "Source", "DataK1.zrx", loadPicturesInBackground, {}},
  };
  return ops;
}

class PackageCorruption : public ::testing::Test {
 public:
  PackageCorruption() {
    for (const char* package : {"Source", "Kaland"})
      test::WriteTestPackage(written_.path(), test::MakePackage(package, 2));
  }

  // A fresh copy of the written package; read-only marks are never removable here.
  Target freshPackage(const std::string& package, const std::string& file) {
    folder_ = std::make_unique<test::TempFolder>();
    fs::copy(written_.path() / package, folder_->path() / package);
    const bool names = package == kSourcePackage && file == "Data0.zrx";
    return {folder_->path() / package / file, test::BlockSizesOffset(names ? kReservedNameEntries : -1), names};
  }
  SourceCoding coding() const {
    return SourceCoding(folder_->path(), [](const fs::path&) { return false; });
  }

 private:
  test::TempFolder written_;
  std::unique_ptr<test::TempFolder> folder_;
};

TEST_F(PackageCorruption, EveryLoaderReportsDamagedContainers) {
  for (const Operation& op : operations()) {
    for (const ContainerCase& c : containerCases()) {
      const Target target = freshPackage(op.package, op.file);
      c.corrupt(target);
      SourceCoding source = coding();
      const auto mapped = op.resultFor.find(c.expected);
      EXPECT_EQ(mapped == op.resultFor.end() ? c.expected : mapped->second, op.run(source))
          << op.name << ": " << c.name;
    }
  }
}

// Payload offsets of the test package (two books, records as MakePackage makes them).
struct DataLayout {
  std::size_t books = 3 + kPackageHeaderSize + 3;
  std::size_t monsters = books + 2 * (1 + kBookRecSize);
  std::size_t items = monsters + 2 * (1 + kMonsterRecSize);
  std::size_t infos = items + 2 * (1 + kInventoryRecSize);
  std::size_t baseValues = infos + 1 * (1 + kInfoRecSize);
  std::size_t magicSkills = baseValues + 4 * (1 + kBaseValueRecSize);
  std::size_t chapterBlocks = magicSkills + 1 * (1 + kMagicSkillRecSize);
  std::size_t blockSize = 1 + 4 + kChapterCount * (1 + kChapterRecSize);
};

struct PayloadCase {
  const char* name;
  std::function<void(Bytes&)> change;
  int expected;
};

void runPayloadCases(PackageCorruption& fixture, const char* package, const char* file,
                     const std::vector<PayloadCase>& cases, const std::function<int(SourceCoding&)>& run) {
  for (const PayloadCase& c : cases) {
    const Target target = fixture.freshPackage(package, file);
    rewritePayload(target, c.change);
    SourceCoding source = fixture.coding();
    EXPECT_EQ(c.expected, run(source)) << file << ": " << c.name;
  }
}

const auto cutAt = [](std::size_t size) { return [size](Bytes& b) { b.resize(size); }; };

TEST_F(PackageCorruption, GameDataGroupsCutShort) {
  const DataLayout at;
  const std::vector<PayloadCase> cases = {
      {"package header", cutAt(60), -5},
      {"book records", cutAt(at.books + 500), -5},
      {"opponent records", cutAt(at.monsters + 20), -6},
      {"equipment item records", cutAt(at.items + 400), -7},
      {"information records", cutAt(at.infos + 1), -8},
      {"characteristic records", cutAt(at.baseValues + 3 * 38), -9},
      {"magic and skill records", cutAt(at.magicSkills + 378), -12},
      {"chapter block number", cutAt(at.chapterBlocks + 3), -14},
      {"chapter records of the chosen book", cutAt(at.chapterBlocks + 5 + 3 * 1416 + 10), -13},
      {"chapter block of the other book", cutAt(at.chapterBlocks + at.blockSize + 100), -14},
      {"chapter block of an unknown book", [&](Bytes& b) { putInt32(b, at.chapterBlocks + 1, 77); }, -14},
      {"negative opponent count", [](Bytes& b) { putInt32(b, 3 + 109, -1); }, -6},
      {"huge opponent count", [](Bytes& b) { putInt32(b, 3 + 109, 0x7FFFFFFF); }, -6},
  };
  runPayloadCases(*this, "Source", "Data0.zrx", cases, [](SourceCoding& s) { return loadGameData(s, "Source"); });
}

TEST_F(PackageCorruption, GameDataWithoutTheChosenBookOrWithoutBooks) {
  freshPackage("Source", "Data0.zrx");
  SourceCoding source = coding();
  EXPECT_EQ(-15, loadGameData(source, "Source", 9));
  const Target target = freshPackage("Source", "Data0.zrx");
  rewriteContainer(target, [](ContainerParts& p) { p.itemCount = 0; });
  SourceCoding empty = coding();
  EXPECT_EQ(0, loadGameData(empty, "Source"));  // nothing to load, and no failure either
}

TEST_F(PackageCorruption, PackageCheck) {
  const auto check = [](SourceCoding& s) {
    int books = 0;
    return s.CheckPackage("Source", books);
  };
  runPayloadCases(*this, "Source", "Data0.zrx",
                  {{"package header cut", cutAt(100), -5},
                   {"package header names another package", [](Bytes& b) { b[3 + 1] = 'X'; }, -100}},
                  check);
  const Target target = freshPackage("Source", "Data0.zrx");
  rewriteContainer(target, [](ContainerParts& p) { p.itemCount = 0; });
  SourceCoding source = coding();
  EXPECT_EQ(-100, check(source)) << "no books";
}

TEST_F(PackageCorruption, BookList) {
  const DataLayout at;
  runPayloadCases(*this, "Kaland", "Data0.zrx",
                  {{"book records cut", cutAt(at.books + 965 + 10), -5},
                   {"an ill-formed book outside Source", [&](Bytes& b) { putInt32(b, at.books + 1 + 145, 50); }, -6},
                   {"a book number outside the table", [&](Bytes& b) { putInt32(b, at.books + 1, 3); }, -6},
                   {"the same book number twice", [&](Bytes& b) { putInt32(b, at.books + 1, 2); }, -6}},
                  [](SourceCoding& s) { return loadBookList(s, "Kaland"); });
  runPayloadCases(*this, "Kaland", "DataK0.zrx",
                  {{"cover count differs", [](Bytes& b) { putInt32(b, 0, 3); }, -12},
                   {"no cover count", cutAt(2), -12},
                   {"cover entry cut", cutAt(40), -5},
                   {"cover is not a JPEG", [](Bytes& b) { b[4 + 3 + 8] = 0; }, -5},
                   {"cover of book 9", [](Bytes& b) { putInt32(b, 4 + 3, 9); }, -5}},
                  [](SourceCoding& s) { return loadBookList(s, "Kaland"); });
}

TEST_F(PackageCorruption, ChapterTexts) {
  runPayloadCases(*this, "Source", "DataS1.zrx",
                  {{"count differs", [](Bytes& b) { putInt32(b, 0, kChapterCount + 1); }, -6},
                   {"no count", cutAt(3), -5},
                   {"entry cut", [](Bytes& b) { b.resize(b.size() - 2); }, -5},
                   {"index outside the lists", [](Bytes& b) { putInt32(b, 4 + 3, kChapterCount); }, -5},
                   {"index below -1", [](Bytes& b) { putInt32(b, 4 + 3, -2); }, -5},
                   {"negative size", [](Bytes& b) { putInt32(b, 4 + 3 + 4, -1); }, -5},
                   {"size beyond the payload", [](Bytes& b) { putInt32(b, 4 + 3 + 4, 1 << 30); }, -5}},
                  loadTexts);
  // A chapter count that the payload cannot hold is refused before the lists are made.
  runPayloadCases(*this, "Source", "DataS1.zrx", {{"huge count", [](Bytes& b) { putInt32(b, 0, 1 << 30); }, -5}},
                  [](SourceCoding& s) {
                    std::vector<std::vector<std::string>> texts;
                    return s.LoadChapterTexts("Source", 1, 1 << 30, texts);
                  });
}

TEST_F(PackageCorruption, ChapterPictures) {
  for (const auto& load : {loadPictures, loadPicturesInBackground})
    runPayloadCases(*this, "Source", "DataK1.zrx",
                    {{"total differs", [](Bytes& b) { putInt32(b, 0, 4); }, -6},
                     {"decor count differs", [](Bytes& b) { putInt32(b, 4, 2); }, -6},
                     {"counts cut", cutAt(6), -5},
                     {"entry cut", [](Bytes& b) { b.resize(b.size() - 1); }, -5},
                     {"picture is not a JPEG", [](Bytes& b) { b[8 + 3 + 8 + 1] = 0x00; }, -5},
                     {"negative size", [](Bytes& b) { putInt32(b, 8 + 3 + 4, -9); }, -5}},
                    load);
}

}  // namespace
}  // namespace zrx
