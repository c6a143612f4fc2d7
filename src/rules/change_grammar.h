#pragma once
// The special changes of the four fields, one form per command letter. Every change
// begins with its two-digit sequence number; in the characteristic and item fields the
// third character is "N" for the plain change or any other mark before the letter at 4.
#include "code_grammar.h"

namespace zrx::grammar::change {

using enum FieldKind;

inline constexpr Field kSequence{.name = "sequence", .pos = 1, .width = 2, .kind = Number,
                                 .meaning = "a változás sorszáma (01, 02, ...)"};
inline constexpr Field kPlain{.name = "plain", .pos = 3, .kind = Letter, .meaning = "N: egyszerű változás"};
inline constexpr Field kMarker{.name = "marker", .pos = 3, .kind = FreeChar,
                               .meaning = "bármely jel az N helyett (szokás szerint -)"};
inline constexpr Field kCommand4{.name = "command", .pos = 4, .kind = Letter, .meaning = "a parancs betűje"};
inline constexpr Field kCommand3{.name = "command", .pos = 3, .kind = Letter, .meaning = "a parancs betűje"};

// What stands after the letter in most forms: an operator and a two-digit amount.
constexpr Field Operator(std::size_t pos) {
  return {.name = "operator", .pos = pos, .kind = OneOf, .allowed = "+-=", .expected = "an operator (+, - or =)",
          .meaning = "művelet: + hozzáad, - levon, = beállít"};
}
constexpr Field Amount(std::size_t pos, std::size_t width = 2) {
  return {.name = "amount", .pos = pos, .width = width, .kind = Number, .meaning = "mennyiség"};
}
constexpr Field Sign(std::size_t pos, std::string_view name = "sign", std::string_view meaning = "+: igen, -: nem") {
  return {.name = name, .pos = pos, .kind = OneOf, .allowed = "+-", .expected = "a sign", .meaning = meaning};
}
constexpr Field Base(std::size_t pos, std::string_view name = "base") {
  return {.name = name, .pos = pos, .width = 2, .kind = BaseValue, .meaning = "AlapÉrték száma"};
}
constexpr Field ItemRef(std::size_t pos, std::string_view name = "item", unsigned flags = 0) {
  return {.name = name, .pos = pos, .width = 3, .kind = Item, .meaning = "Felszerelési Tárgy száma", .flags = flags};
}
constexpr Field InfoRef(std::size_t pos, unsigned flags = 0) {
  return {.name = "info", .pos = pos, .width = 3, .kind = Info, .meaning = "Információ száma", .flags = flags};
}
constexpr Field ChapterRef(std::size_t pos) {
  return {.name = "chapter", .pos = pos, .width = 3, .kind = Chapter, .meaning = "az előző FejezetPont száma"};
}
inline constexpr Field kEndOrSkip{.name = "outcome", .pos = 0, .kind = OneOf, .allowed = "HU",
                                  .expected = "H (end) or U (skip)",
                                  .meaning = "H: vége a kalandnak, U: a többi változás elmarad"};

// SpecialChange1: characteristics.
inline constexpr Field kCharPlainFields[] = {kSequence, kPlain, Base(4), Operator(6), Amount(7)};
inline constexpr Field kCharToStartFields[] = {kSequence, kMarker, kCommand4, Base(5)};
inline constexpr Field kCharStartFields[] = {kSequence, kMarker, kCommand4, Base(5), Operator(7), Amount(8)};
inline constexpr Field kCharCopyFields[] = {kSequence, kMarker, kCommand4, Base(5), Base(7, "source")};
inline constexpr Field kCharRollFields[] = {
    kSequence, kMarker, kCommand4, Base(5),
    {.name = "dice", .pos = 7, .kind = Digit, .meaning = "kockák száma (1–4)"}, Operator(8)};
inline constexpr Field kCharRollRelationFields[] = {
    kSequence, kMarker, kCommand4, Base(5), Base(7, "compared"),
    {.name = "relation", .pos = 9, .width = 2, .kind = Relation, .meaning = "reláció: az AlapÉrték a dobáshoz"},
    {.name = "dice", .pos = 11, .kind = Digit, .meaning = "kockák száma (1–4)"}, Operator(12), Amount(13)};
inline constexpr Field kCharLuckFields[] = {
    kSequence, kMarker, kCommand4, Base(5),
    {.name = "when", .pos = 7, .kind = OneOf, .allowed = "SB", .expected = "S (lucky) or B (unlucky)",
     .meaning = "S: szerencsés, B: szerencsétlen próba után"},
    Operator(8), Amount(9)};
inline constexpr Field kCharChapterFields[] = {kSequence, kMarker, kCommand4, Base(5), Operator(7), Amount(8),
                                               ChapterRef(10)};
inline constexpr Field kCharInfoFields[] = {kSequence, kMarker, kCommand4, Base(5), Operator(7), Amount(8),
                                            InfoRef(10, kReads), Sign(13, "when", "+: ha birtokolja, -: ha nem")};
inline constexpr Field kCharItemFields[] = {kSequence, kMarker, kCommand4, Base(5), Operator(7), Amount(8),
                                            ItemRef(10, "item", kReads), Sign(13, "when", "+: ha birtokolja, -: ha nem")};
inline constexpr Field kBoundTail[] = {
    {.name = "held", .pos = 11, .kind = FreeChar, .meaning = "+ vagy - (a játék nem dönt vele)"},
    {.name = "limit", .pos = 12, .width = 2, .kind = Number, .meaning = "a határ"},
    {.name = "side", .pos = 14, .kind = OneOf, .allowed = "AF", .expected = "A or F",
     .meaning = "A: legalább ennyire emeli, F: legfeljebb ennyire csökkenti"},
};
inline constexpr Field kBoundRecord{.name = "record", .pos = 7, .kind = FreeChar,
                                    .meaning = "I: Információ, T: Tárgy"};
inline constexpr Field kCharBoundItemFields[] = {kSequence,    kMarker,      kCommand4,   Base(5), kBoundRecord,
                                                 ItemRef(8, "item", kReads), kBoundTail[0], kBoundTail[1],
                                                 kBoundTail[2]};
inline constexpr Field kCharBoundInfoFields[] = {kSequence,    kMarker,      kCommand4,   Base(5), kBoundRecord,
                                                 InfoRef(8, kReads), kBoundTail[0], kBoundTail[1],
                                                 kBoundTail[2]};
inline constexpr Field kCharWoundsFields[] = {
    kSequence, kMarker, kCommand4, Base(5),
    {.name = "kept", .pos = 7, .kind = Digit, .meaning = "ennyi seb marad meg"}};

inline constexpr CodeForm kCharPlain{"N", "az AlapÉrték változik", {3, "N"}, {}, kCharPlainFields};
inline constexpr CodeForm kCharToStart{"V", "vissza a kezdő értékre", {4, "V"}, {}, kCharToStartFields};
inline constexpr CodeForm kCharStart{"K", "a kezdő érték változik", {4, "K"}, {}, kCharStartFields};
inline constexpr CodeForm kCharCopy{"C", "átveszi egy másik AlapÉrték értékét", {4, "C"}, {}, kCharCopyFields};
inline constexpr CodeForm kCharExchange{"F", "két AlapÉrték cseréje", {4, "F"}, {}, kCharCopyFields};
inline constexpr CodeForm kCharRoll{"D", "dobás szerinti változás", {4, "D"}, {}, kCharRollFields};
inline constexpr CodeForm kCharRollRelation{"O", "változás, ha a dobás a relációnak megfelel", {4, "O"}, {},
                                            kCharRollRelationFields};
inline constexpr CodeForm kCharLuck{"S", "Szerencse Próba szerinti változás", {4, "S"}, {}, kCharLuckFields};
inline constexpr CodeForm kCharChapter{"P", "változás, ha az előző FejezetPont ez volt", {4, "P"}, {},
                                       kCharChapterFields};
inline constexpr CodeForm kCharInfo{"I", "változás Információ szerint", {4, "I"}, {}, kCharInfoFields};
inline constexpr CodeForm kCharItem{"T", "változás Tárgy szerint", {4, "T"}, {}, kCharItemFields};
inline constexpr CodeForm kCharBoundItem{"BT", "határ (Tárgy)", {4, "B"}, {7, "T"}, kCharBoundItemFields};
inline constexpr CodeForm kCharBoundInfo{"BI", "határ (Információ)", {4, "B"}, {}, kCharBoundInfoFields};
inline constexpr CodeForm kCharWounds{"L", "az utolsó csata sebei vissza", {4, "L"}, {}, kCharWoundsFields};

inline constexpr CodeForm kCharacteristicForms[] = {
    kCharPlain, kCharToStart, kCharStart, kCharCopy, kCharExchange, kCharRoll, kCharRollRelation,
    kCharLuck, kCharChapter, kCharInfo, kCharItem, kCharBoundItem, kCharBoundInfo, kCharWounds,
};
// A change whose letter is none of these is passed over as this many characters.
inline constexpr std::size_t kUnknownCharacteristicLength = 8;

// SpecialChange3: information.
inline constexpr Field kInfoPlainFields[] = {kSequence, kCommand3, Sign(4, "sign", "+: megszerzi, -: elveszti"),
                                             InfoRef(5)};
inline constexpr Field kInfoChapterFields[] = {kSequence, kCommand3, ChapterRef(4),
                                               Sign(7, "sign", "+: megszerzi, -: elveszti"), InfoRef(8)};
inline constexpr Field kInfoEndFields[] = {kSequence, kCommand3, InfoRef(4, kReads),
                                           Sign(7, "when", "+: ha birtokolja, -: ha nem"), At(kEndOrSkip, 8)};
inline constexpr Field kInfoTimeFields[] = {kSequence, kCommand3, Operator(4), Amount(5), InfoRef(7)};
inline constexpr Field kInfoItemFields[] = {
    kSequence, kCommand3,
    {.name = "mode", .pos = 4, .kind = FreeChar, .meaning = "N: megszerzi vagy elveszti, más: a számlálója lép"},
    {.name = "item", .pos = 5, .width = 3, .kind = Item, .meaning = "Felszerelési Tárgy száma", .flags = kReads},
    InfoRef(8), Sign(11, "itemHeld", "+: ha a Tárgy megvan, -: ha nincs"),
    Sign(12, "infoSign", "+: megszerzi vagy nő, -: elveszti vagy csökken")};

inline constexpr CodeForm kInfoPlain{"N", "Információ megszerzése vagy elvesztése", {3, "N"}, {}, kInfoPlainFields};
inline constexpr CodeForm kInfoChapter{"P", "ugyanez, ha az előző FejezetPont ez volt", {3, "P"}, {},
                                       kInfoChapterFields};
inline constexpr CodeForm kInfoEnd{"E", "Információ szerint vége vagy kihagyás", {3, "E"}, {}, kInfoEndFields};
inline constexpr CodeForm kInfoTime{"I", "számláló változása", {3, "I"}, {}, kInfoTimeFields};
inline constexpr CodeForm kInfoItem{"T", "Tárgy szerinti változás", {3, "T"}, {}, kInfoItemFields};
inline constexpr CodeForm kInfoForms[] = {kInfoPlain, kInfoChapter, kInfoEnd, kInfoTime, kInfoItem};

// SpecialChange4: spells and skills.
constexpr Field MagicSkillRef(std::size_t pos) {
  return {.name = "magicSkill", .pos = pos, .width = 3, .kind = MagicSkill, .meaning = "Varázslat vagy Képesség száma"};
}
inline constexpr Field kMagicPlainFields[] = {kSequence, kCommand3, Sign(4, "sign", "+: megtanulja, -: elfelejti"),
                                              MagicSkillRef(5)};
inline constexpr Field kMagicValueFields[] = {kSequence, kCommand3, MagicSkillRef(4), Operator(7), Amount(8)};
inline constexpr CodeForm kMagicPlain{"N", "Varázslat vagy Képesség megtanulása vagy elfelejtése", {3, "N"}, {},
                                      kMagicPlainFields};
inline constexpr CodeForm kMagicLevel{"S", "a szint (Szint) változik", {3, "S"}, {}, kMagicValueFields};
inline constexpr CodeForm kMagicUses{"K", "a használhatóság (Felhasználhatóság) változik", {3, "K"}, {},
                                     kMagicValueFields};
inline constexpr CodeForm kMagicForms[] = {kMagicPlain, kMagicLevel, kMagicUses};

}  // namespace zrx::grammar::change
