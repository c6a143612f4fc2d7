#pragma once
// The items of the condition language, one form per code letter and layout.
#include "code_grammar.h"

namespace zrx::grammar::condition {

using enum FieldKind;

inline constexpr Field kLetter{.name = "letter", .pos = 1, .kind = Letter, .meaning = "feltétel betűje"};

inline constexpr Field kWonFields[] = {
    kLetter,
    {.name = "outcome", .pos = 2, .kind = OneOf, .allowed = "01", .expected = "0 or 1",
     .meaning = "0: az utolsó csata megnyerve, 1: nem"},
};
inline constexpr Field kFledFields[] = {
    kLetter,
    {.name = "outcome", .pos = 2, .kind = OneOf, .allowed = "01", .expected = "0 or 1",
     .meaning = "0: elmenekült az utolsó csatából, 1: nem"},
};
inline constexpr Field kLuckFields[] = {
    kLetter,
    {.name = "count", .pos = 2, .kind = FreeChar, .meaning = "a próba jele (a játék nem olvassa)"},
    {.name = "outcome", .pos = 3, .kind = OneOf, .allowed = "01", .expected = "0 or 1",
     .meaning = "0: szerencsés, 1: szerencsétlen Szerencse Próba"},
};

inline constexpr Field kDice{.name = "dice", .pos = 2, .kind = DiceCount, .min = 1, .max = 4,
                             .meaning = "kockák száma (1–4)"};
inline constexpr Field kRollForm{.name = "form", .pos = 5, .kind = OneOf, .allowed = ".-",
                                 .expected = "\".\" or \"-\"",
                                 .meaning = "\".\": pontosan ennyi, \"-\": tartomány"};
inline constexpr Field kRollExactFields[] = {
    kLetter, kDice, {.name = "low", .pos = 3, .width = 2, .kind = Number, .meaning = "a dobás értéke"}, kRollForm};
inline constexpr Field kRollRangeFields[] = {
    kLetter, kDice, {.name = "low", .pos = 3, .width = 2, .kind = Number, .meaning = "a tartomány alja"}, kRollForm,
    {.name = "high", .pos = 6, .width = 2, .kind = Number, .meaning = "a tartomány teteje"}};

inline constexpr Field kVisitedFields[] = {
    kLetter,
    {.name = "kind", .pos = 2, .kind = OneOf, .allowed = "FT", .expected = "F or T",
     .meaning = "F: az előző FejezetPont, T: meglátogatott FejezetPont"},
    {.name = "sign", .pos = 3, .kind = FreeChar, .meaning = "+: igen, -: nem"},
    {.name = "chapter", .pos = 4, .width = 3, .kind = ChapterOrWord, .allowed = "MAX",
     .meaning = "FejezetPont száma (MAX = 1000)"},
};
inline constexpr Field kInfoFields[] = {
    kLetter,
    {.name = "sign", .pos = 2, .kind = FreeChar, .meaning = "+: birtokolja (használni kell), -: nem"},
    {.name = "info", .pos = 3, .width = 3, .kind = Info, .meaning = "Információ száma", .flags = kReads},
};
inline constexpr Field kAllItemsFields[] = {
    kLetter,
    {.name = "count", .pos = 2, .kind = ListCount, .min = 2, .max = 3, .meaning = "tárgyak száma (2 vagy 3)"},
    {.name = "item", .pos = 3, .width = 3, .kind = Item, .meaning = "Felszerelési Tárgy száma", .flags = kReads,
     .repeat = Repeat::ByCount, .count = "count"},
};
inline constexpr Field kAnyItemFields[] = {
    kLetter,
    {.name = "minimum", .pos = 2, .kind = Digit, .meaning = "legalább ennyi darab"},
    {.name = "item", .pos = 3, .width = 3, .kind = Item, .meaning = "Felszerelési Tárgy száma", .flags = kReads,
     .repeat = Repeat::ToEnd},
};
inline constexpr Field kItemCountFields[] = {
    kLetter,
    {.name = "item", .pos = 2, .width = 3, .kind = Item, .meaning = "Felszerelési Tárgy száma", .flags = kReads},
    {.name = "relation", .pos = 5, .width = 2, .kind = Relation, .meaning = "reláció"},
    {.name = "amount", .pos = 7, .width = 3, .kind = Number, .meaning = "darabszám"},
};

inline constexpr Field kMagicSubtype{.name = "subtype", .pos = 2, .kind = OneOf, .allowed = "12",
                                     .expected = "1 or 2",
                                     .meaning = "1: ismert varázslatok száma, 2: egy Varázslat vagy Képesség"};
inline constexpr Field kSpellCountFields[] = {
    kLetter, kMagicSubtype,
    {.name = "relation", .pos = 3, .width = 2, .kind = Relation, .meaning = "reláció"},
    {.name = "amount", .pos = 5, .width = 2, .kind = Number, .meaning = "varázslatok száma"},
};
inline constexpr Field kMagicKnownFields[] = {
    kLetter, kMagicSubtype,
    {.name = "sign", .pos = 3, .kind = FreeChar, .meaning = "+: ismeri, -: nem"},
    {.name = "magicSkill", .pos = 4, .width = 3, .kind = MagicSkill, .meaning = "Varázslat vagy Képesség száma",
     .flags = kReads},
};

inline constexpr Field kCharacteristicHead[] = {
    kLetter,
    {.name = "subtype", .pos = 2, .kind = OneOf, .allowed = "NDTI", .expected = "a subtype (N, D, T or I)",
     .meaning = "N: számmal, D: dobásokkal, T: dobások összegével, I: összeggel és Információval"},
    {.name = "base", .pos = 3, .width = 2, .kind = BaseValue, .meaning = "AlapÉrték száma"},
    {.name = "relation", .pos = 5, .width = 2, .kind = Relation, .meaning = "reláció"},
};
inline constexpr Field kCharacteristicValueFields[] = {
    kCharacteristicHead[0], kCharacteristicHead[1], kCharacteristicHead[2], kCharacteristicHead[3],
    {.name = "value", .pos = 7, .width = 2, .kind = Number, .meaning = "az érték, amihez mér"},
};
inline constexpr Field kRollDice{.name = "dice", .pos = 7, .kind = DiceCount, .min = 1, .max = 4,
                                 .meaning = "kockák száma (1–4)"};
inline constexpr Field kComparisons{.name = "comparisons", .pos = 8, .kind = ComparisonCount, .min = 1, .max = 3,
                                    .meaning = "dobások száma (1–3)"};
inline constexpr Field kCharacteristicRollFields[] = {
    kCharacteristicHead[0], kCharacteristicHead[1], kCharacteristicHead[2], kCharacteristicHead[3],
    kRollDice, kComparisons,
};
inline constexpr Field kCharacteristicInfoFields[] = {
    kCharacteristicHead[0], kCharacteristicHead[1], kCharacteristicHead[2], kCharacteristicHead[3],
    kRollDice, kComparisons,
    {.name = "sign", .pos = 9, .kind = FreeChar, .meaning = "+: hozzáad, más: levon"},
    {.name = "amount", .pos = 10, .kind = Digit, .meaning = "módosítás"},
    {.name = "when", .pos = 11, .kind = OneOf, .allowed = "+-", .expected = "a sign",
     .meaning = "+: ha birtokolja az Információt, -: ha nem"},
    {.name = "info", .pos = 12, .width = 3, .kind = Info, .meaning = "Információ száma", .flags = kReads},
};

inline constexpr Field kDiceGameSubtype{.name = "subtype", .pos = 2, .kind = OneOf, .allowed = "DLWS",
                                        .expected = "a subtype (D, L, W or S)",
                                        .meaning = "D: páros-páratlan, L/W: verseny, S: egy dobás"};
inline constexpr Field kParityFields[] = {
    kLetter, kDiceGameSubtype,
    {.name = "parity", .pos = 3, .kind = OneOf, .allowed = "PR", .expected = "P (odd) or R (even)",
     .meaning = "P: páratlan, R: páros"},
    {.name = "wanted", .pos = 4, .kind = Digit, .meaning = "ennyi dobás legyen ilyen"},
    {.name = "rolls", .pos = 5, .kind = Digit, .meaning = "dobások száma (1–3)"},
};
inline constexpr Field kContestStart{.name = "start", .pos = 3, .width = 2, .kind = Number,
                                     .meaning = "az A fél kezdő értéke"};
inline constexpr Field kContestTail[] = {
    {.name = "dice", .pos = 7, .kind = DiceCount, .min = 1, .max = 4, .meaning = "kockák száma (1–4)"},
    {.name = "base", .pos = 8, .width = 2, .kind = BaseValue, .meaning = "a B fél AlapÉrtéke (00: nincs)",
     .flags = kZeroIsNone},
    {.name = "sign", .pos = 10, .kind = FreeChar, .meaning = "+: hozzáad, más: levon"},
    {.name = "bonus", .pos = 11, .kind = Digit, .meaning = "a B fél módosítója"},
};
inline constexpr Field kRaceFields[] = {
    kLetter, kDiceGameSubtype, kContestStart,
    {.name = "target", .pos = 5, .width = 2, .kind = Number, .meaning = "a cél, amit el kell érni"},
    kContestTail[0], kContestTail[1], kContestTail[2], kContestTail[3],
};
inline constexpr Field kSingleRollFields[] = {
    kLetter, kDiceGameSubtype, kContestStart,
    {.name = "relation", .pos = 5, .width = 2, .kind = Relation, .meaning = "reláció: A a B-hez"},
    kContestTail[0], kContestTail[1], kContestTail[2], kContestTail[3],
};

inline constexpr Field kTypedFields[] = {
    kLetter,
    {.name = "attempts", .pos = 2, .kind = Digit, .meaning = "próbálkozások száma"},
};

inline constexpr CodeForm kWon{"C", "az utolsó csata kimenete", {1, "C"}, {}, kWonFields};
inline constexpr CodeForm kFled{"M", "menekülés az utolsó csatából", {1, "M"}, {}, kFledFields};
inline constexpr CodeForm kLuck{"S", "Szerencse Próba", {1, "S"}, {}, kLuckFields};
inline constexpr CodeForm kRollRange{"D-", "dobás egy tartományban", {1, "D"}, {5, "-"}, kRollRangeFields};
inline constexpr CodeForm kRollExact{"D.", "dobás pontos értéke", {1, "D"}, {}, kRollExactFields};
inline constexpr CodeForm kVisited{"F", "meglátogatott FejezetPont", {1, "F"}, {}, kVisitedFields};
inline constexpr CodeForm kInfo{"I", "Információ birtoklása", {1, "I"}, {}, kInfoFields};
inline constexpr CodeForm kAllItems{"K", "minden felsorolt Tárgy megvan", {1, "K"}, {}, kAllItemsFields};
inline constexpr CodeForm kAnyItem{"Y", "valamelyik Tárgy megvan", {1, "Y"}, {}, kAnyItemFields};
inline constexpr CodeForm kItemCount{"T", "Tárgy darabszáma", {1, "T"}, {}, kItemCountFields};
inline constexpr CodeForm kSpellCount{"P1", "ismert varázslatok száma", {1, "P"}, {2, "1"}, kSpellCountFields};
inline constexpr CodeForm kMagicKnown{"P2", "Varázslat vagy Képesség ismerete", {1, "P"}, {}, kMagicKnownFields};
inline constexpr CodeForm kCharacteristicValue{"VN", "AlapÉrték egy számhoz mérve", {1, "V"}, {2, "N"},
                                               kCharacteristicValueFields};
inline constexpr CodeForm kCharacteristicInfo{"VI", "AlapÉrték dobásösszeghez mérve, Információval", {1, "V"},
                                              {2, "I"}, kCharacteristicInfoFields};
inline constexpr CodeForm kCharacteristicRoll{"VD", "AlapÉrték dobásokhoz (VD) vagy összegükhöz (VT) mérve",
                                              {1, "V"}, {}, kCharacteristicRollFields};
inline constexpr CodeForm kParity{"ED", "páros vagy páratlan dobások", {1, "E"}, {2, "D"}, kParityFields};
inline constexpr CodeForm kSingleRoll{"ES", "egy dobás mindkét félnek", {1, "E"}, {2, "S"}, kSingleRollFields};
inline constexpr CodeForm kRace{"EL", "verseny egy célig (EL: A nyer, EW: B nyer)", {1, "E"}, {}, kRaceFields};
// A typed answer stands alone as the whole condition string.
inline constexpr CodeForm kTyped{"X", "beírandó továbblépés", {1, "X"}, {}, kTypedFields};

inline constexpr CodeForm kForms[] = {
    kWon, kFled, kLuck, kRollRange, kRollExact, kVisited, kInfo, kAllItems, kAnyItem, kItemCount,
    kSpellCount, kMagicKnown, kCharacteristicValue, kCharacteristicInfo, kCharacteristicRoll,
    kParity, kSingleRoll, kRace, kTyped,
};

}  // namespace zrx::grammar::condition
