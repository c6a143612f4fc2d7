// Every rule of the book checker, each shown by a small faulty book with the
// finding it must produce and the source line it must name.
#include <gtest/gtest.h>

#include <sstream>

#include "linter.h"
#include "source_parser.h"

namespace zrx::book {
namespace {

// Lines 1-17 of every test book; the chapter points of a case follow from line 18.
constexpr const char* kBase =
    "Title: Próba\n"                                       // 1
    "MoneyItem: 1\n"                                       // 2
    "BaseValues:\n"                                        // 3
    "  - {Number: 1, Name: Ügyesség}\n"                    // 4
    "  - {Number: 2, Name: Életerő}\n"                     // 5
    "  - {Number: 3, Name: Szerencse}\n"                   // 6
    "Items:\n"                                             // 7
    "  - {Number: 1, Name: Pénz}\n"                        // 8
    "Infos:\n"                                             // 9
    "  - {Number: 1, Name: Hír}\n"                         // 10
    "Opponents:\n"                                         // 11
    "  - {Number: 1, Name: Ork, Skill: 5, Stamina: 5}\n"   // 12
    "MagicSkills:\n"                                       // 13
    "  - {Number: 1, Name: Varázs, IsMagic: 1}\n"          // 14
    "Chapters:\n"                                          // 15
    "  - {Number: -1, Next: [0]}\n"                        // 16
    "  - {Number: 0, Next: [1]}\n";                        // 17

Diagnostics lint(const std::string& chapters) {
  Diagnostics diags;
  auto book = ParseBookText(std::string(kBase) + chapters, "probe.yaml", 1, diags);
  if (book) LintBook(*book, diags);
  return diags;
}

std::string describe(const Diagnostics& diags) {
  std::ostringstream out;
  diags.print(out);
  return out.str();
}

struct Case {
  const char* name;
  const char* chapters;  // from line 18
  Severity severity;
  int line;
  const char* message;  // a part of the finding's text
};

constexpr const char* kEnd = "  - {Number: 2, Next: [győzelem]}\n";

TEST(LinterRules, EachFaultIsReportedWithItsLine) {
  const std::string end = kEnd;
  const Case cases[] = {
      {"condition shorter than its form", "  - {Number: 1, Next: [2], Conditions: \"K2001\"}\n", Severity::Error, 18,
       "Conditions \"K2001\" is shorter than its form (position 6 is missing)"},
      {"change shorter than its form", "  - {Number: 1, Next: [2], SpecialChange1: \"01N01+1#\"}\n", Severity::Error, 18,
       "SpecialChange1 change \"01N01+1#\" has no number at position 8"},
      {"non-number in a condition", "  - {Number: 1, Next: [2], Conditions: \"T00A>=001\"}\n", Severity::Error, 18,
       "Conditions \"T00A>=001\" has no number at position 4"},
      {"non-number in a battle", "  - {Number: 1, Next: [2], BattleCode: \"N0x1\"}\n", Severity::Error, 18,
       "BattleCode \"N0x1\" has no number at position 3"},
      {"undefined chapter point", "  - {Number: 1, Next: [2, 7]}\n", Severity::Error, 18,
       "Next \"2, 7\" names chapter point 007, which the book does not define"},
      {"undefined chapter point in a change", "  - {Number: 1, Next: [2], SpecialChange3: \"01P009+001#\"}\n",
       Severity::Error, 18, "names chapter point 009"},
      {"undefined item", "  - {Number: 1, Next: [2], SpecialChange2: \"01N009+001#\"}\n", Severity::Error, 18,
       "SpecialChange2 change \"01N009+001#\" names item 009, which the book does not define"},
      {"undefined item in an offer", "  - {Number: 1, Next: [2], SpecialChange2: \"01-B001005,002003#\"}\n",
       Severity::Error, 18, "names item 002"},
      {"undefined information", "  - {Number: 1, Next: [2], Conditions: \"I+004\"}\n", Severity::Error, 18,
       "Conditions \"I+004\" names information 004"},
      {"undefined opponent", "  - {Number: 1, Next: [2], BattleCode: \"N001003\"}\n", Severity::Error, 18,
       "BattleCode \"N001003\" names opponent 003"},
      {"undefined characteristic", "  - {Number: 1, Next: [2], SpecialChange1: \"01N05+01#\"}\n", Severity::Error, 18,
       "names characteristic 005"},
      {"undefined spell", "  - {Number: 1, Next: [2], Conditions: \"P2+002\"}\n", Severity::Error, 18,
       "Conditions \"P2+002\" names spell or skill 002"},
      {"sequence starting at 02", "  - {Number: 1, Next: [2], SpecialChange1: \"02N01+01#\"}\n", Severity::Error, 18,
       "sequence numbers skip 01"},
      {"sequence number twice", "  - {Number: 1, Next: [2], SpecialChange1: \"01N01+01#\", SpecialChange3: \"01N+001#\"}\n",
       Severity::Error, 18, "sequence number 01 is used twice"},
      {"sequence falling within a field", "  - {Number: 1, Next: [2], SpecialChange1: \"02N01+01#01N01+01#\"}\n",
       Severity::Error, 18, "sequence number 01 does not rise within SpecialChange1"},
      {"change without its separator", "  - {Number: 1, Next: [2], SpecialChange1: \"01N01+01\"}\n", Severity::Error, 18,
       "does not end with \"#\""},
      {"fewer groups than continuations", "  - {Number: 1, Next: [2, 2], Conditions: \"0\"}\n", Severity::Error, 18,
       "has 1 condition groups for 2 continuations (one group per continuation)"},
      {"typed answer that is no number", "  - {Number: 1, Next: [vége, 2], Conditions: \"X3\"}\n", Severity::Error, 18,
       "needs a chapter number as its first continuation"},
      {"die choosing among too few", "  - {Number: 1, Next: [2], BattleCode: \"R001001\"}\n", Severity::Warning, 18,
       "BattleCode \"R001001\" lists fewer than six opponents"},
      {"more groups than continuations", "  - {Number: 1, Next: [2], Conditions: \"0#C0\"}\n", Severity::Error, 18,
       "has 2 condition groups for 1 continuations"},
      {"unknown condition letter", "  - {Number: 1, Next: [2], Conditions: \"Q01\"}\n", Severity::Error, 18,
       "Conditions \"Q01\" begins with a letter that is no condition code"},
      {"unknown relation", "  - {Number: 1, Next: [2], Conditions: \"VN02=>03\"}\n", Severity::Error, 18,
       "Conditions \"VN02=>03\" has \"=>\" at position 5, which is no relation"},
      {"unknown relation in a change", "  - {Number: 1, Next: [2], SpecialChange1: \"01-O0102=<1+01#\"}\n",
       Severity::Error, 18, "which is no relation"},
      {"text names a number it does not offer", "  - {Number: 1, Next: [2], Text: \"Előre (2), vagy vissza (3)\"}\n",
       Severity::Warning, 18, "the text of chapter point 1 names \"(3)\", which is none of its continuations"},
      {"continuation the text never names", "  - {Number: 1, Next: [2], Text: \"Továbbmész.\"}\n", Severity::Warning,
       18, "chapter point 1 offers 2 but its text never names \"(2)\""},
      {"a line that breaks inside a sentence",
       "  - Number: 1\n    Next: [2]\n    Text: |\n      Az ösvény a láp felé\n      kanyarodik (2).\n", Severity::Warning,
       21, "the text of chapter point 1 breaks a line inside a sentence"},
  };
  for (const Case& c : cases) {
    const Diagnostics diags = lint(c.chapters + end);
    bool found = false;
    for (const Diagnostic& d : diags.all()) {
      if (d.message.find(c.message) == std::string::npos) continue;
      found = true;
      EXPECT_EQ(c.severity, d.severity) << c.name;
      EXPECT_EQ(c.line, d.line) << c.name;
      EXPECT_EQ("probe.yaml", d.file) << c.name;
    }
    EXPECT_TRUE(found) << c.name << ": expected \"" << c.message << "\" among\n" << describe(diags);
  }
}

TEST(LinterRules, LastChapterMustBeChapterCountMinusTwo) {
  // Chapter point 2 is missing: four records, but the last number is 3.
  const Diagnostics diags = lint("  - {Number: 1, Next: [3]}\n  - {Number: 3, Next: [vége]}\n");
  ASSERT_EQ(2, diags.errorCount()) << describe(diags);
  EXPECT_EQ(15, diags.all()[0].line);
  EXPECT_EQ("LastChapter is 3 but the book has 4 chapter records: LastChapter must be ChapterCount - 2",
            diags.all()[0].message);
  EXPECT_EQ("chapter point 2 is missing", diags.all()[1].message);
}

TEST(LinterRules, GivenLastChapterIsCheckedAtItsLine) {
  Diagnostics diags;
  auto book = ParseBookText(std::string("LastChapter: 4\n") + kBase + "  - {Number: 1, Next: [vége]}\n", "probe.yaml", 1,
                            diags);
  ASSERT_TRUE(book);
  LintBook(*book, diags);
  ASSERT_GE(diags.errorCount(), 1) << describe(diags);
  EXPECT_EQ(1, diags.all()[0].line);
  EXPECT_NE(std::string::npos, diags.all()[0].message.find("LastChapter is 4 but the book has 3 chapter records"));
}

TEST(LinterRules, WarningsForUnreachedAndDeadEndChapterPoints) {
  const Diagnostics unreached = lint("  - {Number: 1, Next: [győzelem]}\n  - {Number: 2, Next: [1]}\n");
  ASSERT_EQ(0, unreached.errorCount()) << describe(unreached);
  ASSERT_EQ(1, unreached.warningCount()) << describe(unreached);
  EXPECT_EQ(19, unreached.all()[0].line);
  EXPECT_EQ("no continuation reaches chapter point 2", unreached.all()[0].message);

  const Diagnostics deadEnd = lint("  - {Number: 1, Next: [2]}\n  - {Number: 2}\n");
  ASSERT_EQ(0, deadEnd.errorCount()) << describe(deadEnd);
  ASSERT_EQ(1, deadEnd.warningCount()) << describe(deadEnd);
  EXPECT_EQ(19, deadEnd.all()[0].line);
  EXPECT_EQ("chapter point 2 has no way on and is not an ending", deadEnd.all()[0].message);
}

TEST(LinterRules, TextAndContinuationsAgree) {
  struct Agreeing {
    const char* name;
    const char* chapters;
  } cases[] = {
      {"every continuation named", "  - {Number: 1, Next: [2, vége], Text: \"Előre (2), vagy feladod.\"}\n"},
      {"a hidden chapter point need not be named",
       "  - {Number: 1, Next: [2, 3], Text: \"Előre (2).\"}\n  - {Number: 3, Hidden: true, Next: [2]}\n"},
      {"the continuations of a typed answer stay secret",
       "  - {Number: 1, Next: [3, 2], Conditions: \"X3\", Text: \"Írd be a számot!\"}\n"
       "  - {Number: 3, Next: [2]}\n"},
      {"brackets that hold more than a number", "  - {Number: 1, Next: [2], Text: \"Előre (2) (2 pont) ()\"}\n"},
      {"lines that end where sentences end",
       "  - Number: 1\n    Next: [2]\n    Text: |\n      – Menj! – mondja. „Siess…”\n      Elindulsz (2).\n\n"
       "      Mögötted a kapu (ki tudja, meddig)\n\n      zárva marad: ennyi.\n"},
  };
  for (const Agreeing& c : cases) {
    const Diagnostics diags = lint(c.chapters + std::string(kEnd));
    EXPECT_EQ(0, diags.errorCount()) << c.name << "\n" << describe(diags);
    EXPECT_EQ(0, diags.warningCount()) << c.name << "\n" << describe(diags);
  }
}

TEST(LinterRules, MoreThan255PicturesIsAnError) {
  for (const char* key : {"DecorPictures", "ChapterPictures"}) {
    std::string list = std::string(key) + ": [";
    for (int i = 0; i < 256; ++i) list += (i ? ", " : "") + std::string("k") + std::to_string(i) + ".jpg";
    const Diagnostics diags = lint(std::string(kEnd) + "  - {Number: 1, Next: [2]}\n" + list + "]\n");
    bool found = false;
    for (const Diagnostic& d : diags.all()) {
      if (d.message.find("256") == std::string::npos || d.message.find("at most 255") == std::string::npos) continue;
      found = true;
      EXPECT_EQ(Severity::Error, d.severity);
      EXPECT_EQ(20, d.line) << key;
    }
    EXPECT_TRUE(found) << key << "\n" << describe(diags);
  }
}

TEST(LinterRules, StrictTurnsWarningsIntoErrors) {
  Diagnostics diags;
  diags.setStrict(true);
  auto book = ParseBookText(std::string(kBase) + "  - {Number: 1, Next: [2]}\n  - {Number: 2}\n", "probe.yaml", 1, diags);
  ASSERT_TRUE(book);
  LintBook(*book, diags);
  EXPECT_EQ(0, diags.warningCount()) << describe(diags);
  ASSERT_EQ(1, diags.errorCount()) << describe(diags);
  EXPECT_EQ("chapter point 2 has no way on and is not an ending", diags.all()[0].message);
}

TEST(LinterRules, WellFormedCodesOfEveryFamilyPass) {
  const Diagnostics diags = lint(
      "  - {Number: 1, Next: [2, 2, 2, vége],\n"
      "     Conditions: \"K2001001,I+001#VI01>=11+1+001,P2-001#VN01N<05,VN02N>09#EL0810200+0\",\n"
      "     SpecialChange1: \"01-O0102<<2-01#\", SpecialChange2: \"02-KS001MM,TN01#04-T112001001#\",\n"
      "     SpecialChange3: \"03TN001001++#\", SpecialChange4: \"05N+001#06S001=02#\", BattleCode: \"P001001#NIF001\"}\n" +
      std::string(kEnd));
  EXPECT_EQ(0, diags.errorCount()) << describe(diags);
  EXPECT_EQ(0, diags.warningCount()) << describe(diags);
}

}  // namespace
}  // namespace zrx::book
