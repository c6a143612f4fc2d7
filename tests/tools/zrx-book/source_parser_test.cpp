// The source format: continuations, texts, descriptions and pictures as the
// compiler writes them into the records.
#include <gtest/gtest.h>

#include <sstream>

#include "graph.h"
#include "linter.h"
#include "source_parser.h"

namespace zrx::book {
namespace {

TEST(SourceParser, ContinuationCodes) {
  EXPECT_EQ("000", ContinuationCode(0));
  EXPECT_EQ("00A", ContinuationCode(10));
  EXPECT_EQ("3E8", ContinuationCode(1000));
  EXPECT_EQ("HHH", ContinuationCode(kEndContinuation));
  EXPECT_EQ("GGG", ContinuationCode(kVictoryContinuation));
  const auto decoded = DecodeContinuations("00AHHHGGGx1y");
  ASSERT_EQ(4u, decoded.size());
  EXPECT_EQ(10, decoded[0]);
  EXPECT_EQ(kEndContinuation, decoded[1]);
  EXPECT_EQ(kVictoryContinuation, decoded[2]);
  EXPECT_FALSE(decoded[3]);
}

constexpr const char* kBook =
    "Title: Próba\n"
    "SpecialValues: [4, 12]\n"
    "Description: |\n"
    "  Első sor\n"
    "  Második sor\n"
    "Items:\n"
    "  - {Number: 5, Name: Kötél, Description: \"a#b\", Count: 2}\n"
    "Chapters:\n"
    "  - Number: 1\n"
    "    Picture: b.jpg\n"
    "    Next: [10, vége, Győzelem]\n"
    "    Text: |\n"
    "      Első bekezdés,\n"
    "      két sorban.\n"
    "\n"
    "      Második bekezdés.\n"
    "  - {Number: 2, Picture: a.jpg}\n"
    "  - {Number: 3, Picture: b.jpg}\n";

TEST(SourceParser, WritesEveryFieldAsTheRecordHoldsIt) {
  Diagnostics diags;
  auto book = ParseBookText(kBook, "probe.yaml", 3, diags);
  ASSERT_TRUE(book);
  EXPECT_EQ(0, diags.errorCount());
  EXPECT_EQ(3, book->book.Number);
  EXPECT_EQ("0412", book->book.SpecialValueCodes);
  EXPECT_EQ(2, book->book.SpecialValueCount);
  EXPECT_EQ("Első sor#Második sor", book->book.Description1);
  EXPECT_EQ("a#b", book->items.at(0).rec.Description);
  EXPECT_EQ(2, book->items.at(0).rec.Count);
  const TChapterRec& first = book->chapters.at(0).rec;
  EXPECT_EQ("00AHHHGGG", first.NextChapters);
  EXPECT_EQ((std::vector<std::string>{"Első bekezdés,", "két sorban.", "", "Második bekezdés."}),
            book->chapters.at(0).text);
  // Pictures are numbered in the order in which chapter points first name them.
  EXPECT_EQ((std::vector<std::string>{"b.jpg", "a.jpg"}), book->chapterPictureFiles);
  EXPECT_EQ(1, first.PictureNumber);
  EXPECT_EQ(2, book->chapters.at(1).rec.PictureNumber);
  EXPECT_EQ(1, book->chapters.at(2).rec.PictureNumber);
  EXPECT_EQ(2, book->book.ChapterPictureCount);
  EXPECT_EQ(3, book->book.ChapterCount);
  EXPECT_EQ(3, book->book.LastChapter);
}

TEST(SourceParser, FaultsOfFormAreReportedAtTheirLine) {
  struct Case {
    const char* name;
    const char* yaml;
    int line;
    const char* message;
  };
  const Case cases[] = {
      {"unknown key", "Title: X\nChapters:\n  - {Number: 1, Nxt: [2]}\n", 3, "unknown key 'Nxt' in a chapter point"},
      {"too long", "Title: X\nItems:\n  - {Number: 1, UseCode: A02+04A02+041}\n", 3, "'UseCode' is longer than 12 characters"},
      {"not a number", "Title: X\nOpponents:\n  - {Number: 1, Skill: sok}\n", 3, "'Skill' must be a whole number"},
      {"out of range", "Title: X\nItems:\n  - {Number: 1, Category: 9}\n", 3, "'Category' must lie between 0 and 8"},
      {"bad continuation", "Title: X\nChapters:\n  - {Number: 1, Next: [vég]}\n", 3, "'Next' must be a whole number"},
      {"outside Windows-1250", "Title: X ☃\n", 1, "a character that Windows-1250 cannot hold"},
      {"no number", "Title: X\nChapters:\n  - {Next: [1]}\n", 3, "a chapter point has no 'Number'"},
  };
  for (const Case& c : cases) {
    Diagnostics diags;
    ParseBookText(c.yaml, "probe.yaml", 1, diags);
    bool found = false;
    for (const Diagnostic& d : diags.all()) {
      if (d.message.find(c.message) == std::string::npos) continue;
      found = true;
      EXPECT_EQ(c.line, d.line) << c.name;
    }
    std::ostringstream all;
    diags.print(all);
    EXPECT_TRUE(found) << c.name << ": " << all.str();
  }
}

TEST(ChapterGraph, OneEdgePerContinuationLabelledWithItsGroup) {
  Diagnostics diags;
  auto book = ParseBookText(
      "Title: G\nChapters:\n  - {Number: -1, Next: [1, 2, vége], Conditions: \"0#C0#M1\", BattleCode: N001}\n"
      "  - {Number: 1}\n  - {Number: 2}\n",
      "g.yaml", 1, diags);
  ASSERT_TRUE(book);
  std::ostringstream dot;
  WriteChapterGraph(*book, dot);
  const std::string text = dot.str();
  EXPECT_NE(std::string::npos, text.find("\"-1\" [label=\"Szabályok\\n(csata)\"];"));
  EXPECT_NE(std::string::npos, text.find("\"-1\" -> \"1\";"));
  EXPECT_NE(std::string::npos, text.find("\"-1\" -> \"2\" [label=\"C0\"];"));
  EXPECT_NE(std::string::npos, text.find("\"-1\" -> vege [label=\"M1\"];"));
  EXPECT_EQ(std::string::npos, text.find("red, "));
}

TEST(ChapterGraph, DanglingContinuationsAreRedAndNeverPlainEdges) {
  Diagnostics diags;
  auto book = ParseBookText("Title: G\nChapters:\n  - {Number: -1, Next: [1, 7], Conditions: \"0#C0\"}\n  - {Number: 1}\n",
                            "g.yaml", 1, diags);
  ASSERT_TRUE(book);
  std::ostringstream dot;
  WriteChapterGraph(*book, dot);
  const std::string text = dot.str();
  EXPECT_NE(std::string::npos, text.find("\"-1\" -> \"1\";"));
  EXPECT_EQ(std::string::npos, text.find("\"-1\" -> \"7\";"));
  EXPECT_EQ(std::string::npos, text.find("\"-1\" -> \"7\" [label=\"C0\"];"));
  EXPECT_NE(std::string::npos, text.find("\"-1\" -> \"7\" [label=\"C0\", color=red, fontcolor=red, style=dashed];"));
  EXPECT_NE(std::string::npos, text.find("\"7\" [label=\"7\\n(nincs ilyen FejezetPont)\", color=red"));
}

}  // namespace
}  // namespace zrx::book
