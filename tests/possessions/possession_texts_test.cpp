#include "possession_texts.h"

#include <gtest/gtest.h>

namespace zrx {
namespace {

TEST(PossessionTexts, DescriptionsSplitAtEveryHash) {
  struct Case { const char* name; std::string description; TextList expected; };
  const Case cases[] = {
      {"empty", "", {"(nincs leírás)"}},
      {"one line", "Egy öreg kard", {"Egy öreg kard"}},
      {"trailing hash", "Kard#", {"Kard", ""}},
      {"leading hash", "#Kard", {"", "Kard"}},
      {"only a hash", "#", {"", ""}},
      {"double hash", "Első##Harmadik", {"Első", "", "Harmadik"}},
      {"three lines", "a#b#c", {"a", "b", "c"}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, descriptionLines(c.description)) << c.name;
}

TEST(PossessionTexts, CategoryTexts) {
  EXPECT_EQ("Pénz-kategóriájú Tárgy", categoryText(0));
  EXPECT_EQ("Fegyver-kategóriájú Tárgy", categoryText(1));
  EXPECT_EQ("Kesztyű-kategóriájú Tárgy", categoryText(6));
  EXPECT_EQ("Gyűrű/Ékszer-kategóriájú Tárgy", categoryText(7));
  EXPECT_EQ("Általános-kategóriájú Tárgy", categoryText(8));
  EXPECT_EQ("", categoryText(9));
  EXPECT_EQ("", categoryText(255));
}

TEST(PossessionTexts, ItemDetails) {
  struct Case { const char* name; TInventoryRec item; bool inUse; TextList expected; };
  const Case cases[] = {
      {"weapon in use",
       {.Name = "Kard", .Description = "Éles#", .Count = 1, .Value = 12, .Category = 1,
        .Magic = 1, .Unique = 1, .NotDroppable = 1},
       true,
       {"Éles", "", " * * * * * * * * * * ", "DarabSzám: 1 -- Pénzérték: 12",
        "Fegyver-kategóriájú Tárgy (használatban)", "Egyedi Tárgy", "Mágikus Tárgy",
        "Nem eldobható Tárgy"}},
      {"weapon merely held",
       {.Count = 2, .Value = 0, .Category = 1}, false,
       {"(nincs leírás)", " * * * * * * * * * * ", "DarabSzám: 2 -- Pénzérték: 0",
        "Fegyver-kategóriájú Tárgy", "Nem egyedi Tárgy", "Nem mágikus Tárgy",
        "Eldobható Tárgy"}},
      {"ring is never in use",
       {.Description = "Gyűrű", .Count = 1, .Value = 5, .Category = 7}, true,
       {"Gyűrű", " * * * * * * * * * * ", "DarabSzám: 1 -- Pénzérték: 5",
        "Gyűrű/Ékszer-kategóriájú Tárgy", "Nem egyedi Tárgy", "Nem mágikus Tárgy",
        "Eldobható Tárgy"}},
      {"unknown category gives an empty line",
       {.Description = "x", .Count = 40, .Value = 1, .Category = 9}, false,
       {"x", " * * * * * * * * * * ", "DarabSzám: 40 -- Pénzérték: 1", "",
        "Nem egyedi Tárgy", "Nem mágikus Tárgy", "Eldobható Tárgy"}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, itemDetailLines(c.item, c.inUse)) << c.name;
}

TEST(PossessionTexts, MagicAndSkillDetails) {
  struct Case { const char* name; TMagicSkillRec entry; TextList expected; };
  const Case cases[] = {
      {"spell without limit",
       {.IsMagic = 1, .Description = "Tűzgolyó", .Level = 2, .MaxLevel = 5, .Uses = 0},
       {"Tűzgolyó", " * * * * * * * * * * ", "Varázslat",
        "Aktuális Szint: 2 -- Maximális Szint: 5", "Felhasználhatóság: Korlátlan"}},
      {"skill with three uses",
       {.IsMagic = 0, .Level = 1, .MaxLevel = 10, .Uses = 3},
       {"(nincs leírás)", " * * * * * * * * * * ", "Képesség",
        "Aktuális Szint: 1 -- Maximális Szint: 10", "Felhasználhatóság: 3 Használat"}},
      {"flag other than 1 is a skill",
       {.IsMagic = 2, .Description = "a#b", .Level = 255, .MaxLevel = 0, .Uses = 255},
       {"a", "b", " * * * * * * * * * * ", "Képesség",
        "Aktuális Szint: 255 -- Maximális Szint: 0", "Felhasználhatóság: 255 Használat"}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, magicSkillDetailLines(c.entry)) << c.name;
}

TEST(PossessionTexts, SwitchQuestionNamesTheItemInUse) {
  EXPECT_EQ("(\"Rozsdás kard(..)\" helyett)", switchQuestionSecondLine("Rozsdás kard"));
  EXPECT_EQ("(\"(..)\" helyett)", switchQuestionSecondLine(""));
  // The cut counts characters, not bytes.
  EXPECT_EQ("(\"Ősi árnyékok kardja, a hő(..)\" helyett)",
            switchQuestionSecondLine("Ősi árnyékok kardja, a hősök fegyvere"));
}

TEST(PossessionTexts, OwnNotesJoinLinesWithLeadingSpaces) {
  EXPECT_EQ(" Kulcs a kútban", composeOwnNote({"Kulcs", "a kútban"}));
  EXPECT_EQ(" egy", composeOwnNote({"egy"}));
  EXPECT_EQ(" ", composeOwnNote({""}));
  EXPECT_EQ("", composeOwnNote({}));
  EXPECT_EQ(" Kulcs a kútban", composeOwnNote({"Kulcs\r\na kútban"})) << "a break inside a line";
  EXPECT_EQ(" a b  c", composeOwnNote({"a\nb", "\nc"}));
}

}  // namespace
}  // namespace zrx
