// Changing one value of a book source: only its bytes change, the rest of the author's
// file stays as written, and the book parser reads the new value back.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "source_edit.h"
#include "source_parser.h"
#include "temp_folder.h"

namespace zrx::book {
namespace {

namespace fs = std::filesystem;
const fs::path kBooks = ZRX_SOURCE_BOOKS_DIR;

std::string readBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

SourceDocument openDocument(const std::string& bytes) {
  std::string error;
  auto doc = SourceDocument::FromBytes(bytes, "konyv.yaml", error);
  if (!doc) throw std::runtime_error(error);
  return std::move(*doc);
}

// Every package file beside the program and every book file it names.
std::vector<fs::path> bundledSources() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(kBooks)) {
    if (entry.path().extension() != ".yaml") continue;
    files.push_back(entry.path());
    Diagnostics diags;
    auto package = ParsePackageFile(entry.path(), diags);
    if (!package) continue;
    for (const auto& book : package->books) files.push_back(book.file);
  }
  return files;
}

TEST(SourceEdit, OpenAndSaveWithoutAChangeKeepsEveryByteOfEveryBundledSource) {
  test::TempFolder folder;
  const auto files = bundledSources();
  ASSERT_GE(files.size(), 5u);
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.string());
    std::string error;
    auto doc = SourceDocument::Open(file, error);
    ASSERT_TRUE(doc) << error;
    EXPECT_FALSE(doc->modified());
    const fs::path copy = folder.path() / file.filename();
    ASSERT_TRUE(doc->save(copy, error)) << error;
    EXPECT_EQ(readBytes(file), readBytes(copy));
  }
}

// The paths of every scalar under `node`.
void scalarPaths(const YAML::Node& node, ValuePath& path, std::vector<ValuePath>& out) {
  if (node.IsScalar()) out.push_back(path);
  if (node.IsSequence()) {
    for (std::size_t i = 0; i < node.size(); ++i) {
      path.push_back(i);
      scalarPaths(node[i], path, out);
      path.pop_back();
    }
  }
  if (node.IsMap()) {
    for (const auto& kv : node) {
      path.push_back(kv.first.Scalar());
      scalarPaths(kv.second, path, out);
      path.pop_back();
    }
  }
}

TEST(SourceEdit, EveryValueOfEveryBundledSourceCanBeChangedInPlace) {
  for (const fs::path& file : bundledSources()) {
    SCOPED_TRACE(file.string());
    const std::string original = readBytes(file);
    ValuePath path;
    std::vector<ValuePath> paths;
    scalarPaths(YAML::Load(original), path, paths);
    ASSERT_FALSE(paths.empty());
    // Every value would take a minute; a spread of about 40 per file meets every style.
    const std::size_t step = paths.size() / 40 + 1;
    for (std::size_t i = 0; i < paths.size(); i += step) {
      const ValuePath& place = paths[i];
      auto doc = openDocument(original);
      const std::string value = "é " + *doc.valueAt(place);
      std::string error;
      ASSERT_TRUE(doc.setValue(place, value, error)) << error;
      EXPECT_EQ(value, openDocument(doc.bytes()).valueAt(place));
      EXPECT_EQ(linesOf(original).size(), linesOf(doc.bytes()).size());
    }
  }
}

TEST(SourceEdit, AChangedTextAndCodeChangeOnlyTheirOwnLines) {
  const fs::path file = kBooks / "bevezeto" / "bevezeto.yaml";
  const std::string original = readBytes(file);
  auto doc = openDocument(original);
  Diagnostics diags;
  const auto book = ParseBookText(original, file, 1, diags);
  ASSERT_TRUE(book);
  // Chapter point 2: the first of its two paragraphs rewritten, and its magic change.
  const ValuePath text{"Chapters", std::size_t{3}, "Text"};
  const ValuePath code{"Chapters", std::size_t{3}, "SpecialChange4"};
  ASSERT_EQ(2, book->chapters[3].rec.Number);
  std::string newText = *doc.valueAt(text);
  newText.replace(0, newText.find('\n'), "A piac ma csendes, csak egy árus kínálja a portékáját.");
  std::string error;
  ASSERT_TRUE(doc.setValue(text, newText, error)) << error;
  ASSERT_TRUE(doc.setValue(code, "03N+003#", error)) << error;
  EXPECT_TRUE(doc.modified());

  const auto before = linesOf(original), after = linesOf(doc.bytes());
  ASSERT_EQ(before.size(), after.size());
  std::vector<int> changed;
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (before[i] != after[i]) changed.push_back(static_cast<int>(i) + 1);
  }
  EXPECT_EQ((std::vector<int>{doc.lineAt(code), doc.lineAt(text) + 1}), changed);
  EXPECT_EQ("    SpecialChange4: \"03N+003#\"", after[static_cast<std::size_t>(doc.lineAt(code)) - 1]);

  Diagnostics reread;
  const auto edited = ParseBookText(doc.bytes(), file, 1, reread);
  ASSERT_TRUE(edited);
  EXPECT_EQ("A piac ma csendes, csak egy árus kínálja a portékáját.", edited->chapters[3].text.front());
  EXPECT_EQ("03N+003#", edited->chapters[3].rec.SpecialChange4);
  EXPECT_EQ(diags.all().size(), reread.all().size());
}

// A small book with a value in each style the author may have chosen.
const std::string kStyles =
    "# comment kept\n"
    "Title: Próba # the title\n"
    "SeriesTitle: 'Egy sorozat'\n"
    "Items:\n"
    "  - {Number: 1, Name: Kard, Description: \"Éles.\"}\n"
    "Chapters:\n"
    "  - Number: 0\n"
    "    Conditions: \"C0\"\n"
    "    Text: |\n"
    "      Első sor.\n"
    "\n"
    "      Harmadik sor.\n"
    "  - {Number: 1, Next: [vége], Text: Rövid}\n";

TEST(SourceEdit, AValueThatNeedsQuotingReadsBackTheSameThroughTheBookParser) {
  const std::vector<std::string> values = {
      "kulcs: érték", "szöveg #nem megjegyzés", "-kötőjellel", "árvíztűrő tükörfúrógép", "'idézve'",
      "\"kettős\" idézet", "[zárójel], {kapcsos}", "null", "~", "", " szóközzel ", "két\nsor", "vissza\\per",
      "&horgony *alias", "! tag", "| cső", "> nagyobb", "%procent", "@kukac", "tab\there",
  };
  const std::vector<ValuePath> places = {
      {"Title"}, {"SeriesTitle"}, {"Items", std::size_t{0}, "Description"}, {"Chapters", std::size_t{0}, "Conditions"},
      {"Chapters", std::size_t{0}, "Text"}, {"Chapters", std::size_t{1}, "Text"},
  };
  for (const ValuePath& place : places) {
    for (const std::string& value : values) {
      SCOPED_TRACE(std::get<std::string>(place.back()) + " = [" + value + "]");
      auto doc = openDocument(kStyles);
      std::string error;
      ASSERT_TRUE(doc.setValue(place, value, error)) << error;
      EXPECT_TRUE(doc.bytes().starts_with("# comment kept\n"));
      EXPECT_EQ(value, openDocument(doc.bytes()).valueAt(place));
      Diagnostics diags;
      const auto book = ParseBookText(doc.bytes(), "konyv.yaml", 1, diags);
      ASSERT_TRUE(book);
      EXPECT_EQ(2u, book->chapters.size());
      EXPECT_EQ("Kard", book->items.at(0).rec.Name);
    }
  }
}

TEST(SourceEdit, AStyleIsKeptWhenItCanHoldTheNewValue) {
  struct Case {
    ValuePath place;
    std::string value;
    std::string line;
  };
  const std::vector<Case> cases = {
      {{"Title"}, "Másik cím", "Title: Másik cím # the title"},
      {{"SeriesTitle"}, "Don't", "SeriesTitle: 'Don''t'"},
      {{"Items", std::size_t{0}, "Description"}, "Tompa.", "  - {Number: 1, Name: Kard, Description: \"Tompa.\"}"},
      {{"Chapters", std::size_t{1}, "Text"}, "Hosszabb szöveg", "  - {Number: 1, Next: [vége], Text: Hosszabb szöveg}"},
      {{"Chapters", std::size_t{1}, "Text"}, "a, b", "  - {Number: 1, Next: [vége], Text: 'a, b'}"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    auto doc = openDocument(kStyles);
    std::string error;
    ASSERT_TRUE(doc.setValue(c.place, c.value, error)) << error;
    const auto lines = linesOf(doc.bytes());
    EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), c.line)) << doc.bytes();
    EXPECT_EQ(linesOf(kStyles).size(), lines.size());
  }
  // A block keeps its form and indentation; its closing line break is kept by the chomping.
  auto doc = openDocument(kStyles);
  std::string error;
  ASSERT_TRUE(doc.setValue({"Chapters", std::size_t{0}, "Text"}, "Egy.\nKettő.", error)) << error;
  EXPECT_NE(std::string::npos, doc.bytes().find("    Text: |-\n      Egy.\n      Kettő.\n  - {Number: 1"));
}

TEST(SourceEdit, AMissingKeyIsAddedBesideTheFirstKeyOfItsMap) {
  struct Case {
    ValuePath place;
    std::string value;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {{"Chapters", std::size_t{0}, "BattleCode"}, "R001", "  - Number: 0\n    BattleCode: R001\n    Conditions:"},
      {{"Chapters", std::size_t{1}, "Conditions"}, "C0#M1", "  - {Number: 1, Conditions: C0#M1, Next: [vége]"},
      {{"Chapters", std::size_t{0}, "Picture"}, "kép: 1.jpg", "    Picture: \"kép: 1.jpg\"\n"},
      {{"BookNote"}, "Megjegyzés", "Title: Próba # the title\nBookNote: Megjegyzés\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    auto doc = openDocument(kStyles);
    std::string error;
    ASSERT_TRUE(doc.setValue(c.place, c.value, error)) << error;
    EXPECT_NE(std::string::npos, doc.bytes().find(c.expected)) << doc.bytes();
    EXPECT_EQ(c.value, openDocument(doc.bytes()).valueAt(c.place));
  }
}

TEST(SourceEdit, AListInBracketsIsRewrittenOrAdded) {
  auto doc = openDocument(kStyles + "  - Number: 2\n    Next:\n      - 1\n");
  std::string error;
  ASSERT_TRUE(doc.setList({"Chapters", std::size_t{1}, "Next"}, {"0", "vége", "it's, odd"}, error)) << error;
  EXPECT_NE(std::string::npos, doc.bytes().find("  - {Number: 1, Next: [0, vége, \"it's, odd\"], Text: Rövid}\n"));
  ASSERT_TRUE(doc.setList({"Chapters", std::size_t{0}, "Next"}, {"1"}, error)) << error;
  EXPECT_NE(std::string::npos, doc.bytes().find("  - Number: 0\n    Next: [1]\n    Conditions: \"C0\"\n"));
  ASSERT_TRUE(doc.setList({"Chapters", std::size_t{1}, "Next"}, {}, error)) << error;
  EXPECT_NE(std::string::npos, doc.bytes().find("Next: [], Text"));
  const std::string before = doc.bytes();
  EXPECT_FALSE(doc.setList({"Chapters", std::size_t{2}, "Next"}, {"0"}, error));
  EXPECT_EQ("konyv.yaml:17: only a list written in [ ] can be changed here", error);
  EXPECT_EQ(before, doc.bytes());
  Diagnostics diags;
  const auto book = ParseBookText(doc.bytes(), "konyv.yaml", 1, diags);
  ASSERT_TRUE(book);
  EXPECT_EQ("001", book->chapters[0].rec.NextChapters);
}

TEST(SourceEdit, HostileOrBrokenSourcesGiveAClearMessage) {
  struct Case {
    std::string text;
    std::string message;
  };
  std::string bomb = "a0: &a0 [x, x, x, x, x, x, x, x, x]\n";
  for (int i = 1; i < 10; ++i) {
    const std::string prev = "*a" + std::to_string(i - 1);
    bomb += "a" + std::to_string(i) + ": &a" + std::to_string(i) + " [" + prev + ", " + prev + ", " + prev + ", " +
            prev + ", " + prev + ", " + prev + ", " + prev + ", " + prev + ", " + prev + "]\n";
  }
  const std::vector<Case> cases = {
      {"Title: [nyitva\nChapters: x\n", "konyv.yaml:2: not valid YAML"},
      {"\t- Tabulátor: rossz\n  : :\n", "konyv.yaml:1: not valid YAML"},
      {"a: &hurok [*hurok]\n", "konyv.yaml:1: aliases (*name) are not supported"},
      {bomb, "konyv.yaml:2: aliases (*name) are not supported"},
      {std::string(kMaxSourceBytes + 1, 'x'), "konyv.yaml: the file is larger than 16 MB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    std::string error;
    EXPECT_FALSE(SourceDocument::FromBytes(c.text, "konyv.yaml", error));
    EXPECT_TRUE(error.starts_with(c.message)) << error;
  }
  // A value that is a list is not overwritten by a single value.
  auto doc = openDocument(kStyles);
  std::string error;
  EXPECT_FALSE(doc.setValue({"Chapters"}, "x", error));
  EXPECT_EQ("konyv.yaml:7: this value is a list or a map, not a single value", error);
  EXPECT_EQ(kStyles, doc.bytes());
}

TEST(SourceEdit, AnAssignedDocumentLeavesTheOneItCameFromAsItWas) {
  auto first = openDocument(kStyles);
  auto second = openDocument("Title: Másik\n");
  second = first;
  std::string error;
  ASSERT_TRUE(second.setValue({"Title"}, "Új", error)) << error;
  EXPECT_EQ("Próba", first.valueAt({"Title"}));
  EXPECT_EQ("Új", second.valueAt({"Title"}));
  EXPECT_EQ(kStyles, first.bytes());
}

TEST(SourceEdit, AFailedSaveLeavesTheOldFileWhole) {
  test::TempFolder folder;
  const fs::path file = folder.path() / "konyv.yaml";
  std::ofstream(file, std::ios::binary) << kStyles;
  std::string error;
  auto doc = SourceDocument::Open(file, error);
  ASSERT_TRUE(doc) << error;
  ASSERT_TRUE(doc->setValue({"Title"}, "Új cím", error)) << error;
  EXPECT_FALSE(doc->save(folder.path() / "nincs" / "konyv.yaml", error));
  EXPECT_NE(std::string::npos, error.find("could not be written"));
  EXPECT_TRUE(doc->modified());
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(doc->save(file, error)) << error;
  EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read, fs::status(file).permissions());
  EXPECT_FALSE(doc->modified());
  EXPECT_EQ(doc->bytes(), readBytes(file));
  EXPECT_EQ(std::vector<fs::path>{file}, (std::vector<fs::path>{fs::directory_iterator(folder.path())->path()}));
}

}  // namespace
}  // namespace zrx::book
