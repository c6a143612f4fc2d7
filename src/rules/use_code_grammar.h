#pragma once
// The codes that items and information carry (`UseCode`, an information's `Code`): a usable
// item ("A") or one in use ("K") in groups of six characters, and the battle codes ("C"),
// whose second letter says what they do in a battle.
#include "code_grammar.h"

namespace zrx::grammar::use {

using enum FieldKind;

inline constexpr Field kLetter{.name = "letter", .pos = 1, .kind = Letter,
                               .meaning = "A: használható, K: használatban hat, C: csatában hat"};

// One group of an "A" or "K" code; a code of exactly one group's length holds one, any
// other code two, the second beginning after the first.
inline constexpr std::size_t kGroupWidth = 6;
inline constexpr std::size_t kMaxGroups = 2;
inline constexpr Field kCharacteristic{.name = "characteristic", .pos = 2, .width = 2, .kind = BaseValue,
                                       .meaning = "AlapÉrték száma"};
inline constexpr Field kOperator{.name = "operator", .pos = 4, .kind = OneOf, .allowed = "+-=D",
                                 .expected = "an operator (+, -, = or D)",
                                 .meaning = "művelet: + hozzáad, - levon, = beállít, D: kockadobás"};
inline constexpr Field kKind{.name = "kind", .pos = 5, .kind = FreeChar,
                             .meaning = "fajta: A minimum, F új kezdőérték, H fél kezdőérték, más: mennyiség"};
inline constexpr Field kDigit{.name = "digit", .pos = 6, .kind = Digit,
                              .meaning = "számjegy (a fajtával együtt mennyiség)"};
// A plain kind (any but A, F and H) reads the kind and the digit together as its amount.
inline constexpr Field kPlainAmount{.name = "amount", .pos = 5, .width = 2, .kind = Number, .meaning = "mennyiség"};
inline constexpr Field kSign{.name = "sign", .pos = 4, .kind = OneOf, .allowed = "+-", .expected = "a sign",
                             .meaning = "+: növeli, -: csökkenti"};
inline constexpr Field kStartKind{.name = "kind", .pos = 5, .kind = OneOf, .allowed = "F", .expected = "F",
                                  .meaning = "F: a kezdőérték változik, amíg használatban van"};
inline constexpr Field kStartAmount{.name = "digit", .pos = 6, .kind = Digit, .meaning = "ennyivel"};
inline constexpr Field kSecondGroup{.name = "group2", .pos = 7, .kind = FreeChar,
                                    .meaning = "a második csoport eleje (nem számít)"};

// A field of the second group.
constexpr Field Second(Field field, std::string_view name) {
  field.pos += kGroupWidth;
  field.name = name;
  return field;
}

inline constexpr Field kUsableFields[] = {kLetter, kCharacteristic, kOperator, kKind, kDigit};
inline constexpr Field kUsableTwoFields[] = {
    kLetter, kCharacteristic, kOperator, kKind, kDigit, kSecondGroup,
    Second(kCharacteristic, "characteristic2"), Second(kOperator, "operator2"), Second(kKind, "kind2"),
    Second(kDigit, "digit2")};
inline constexpr Field kInUseFields[] = {kLetter, kCharacteristic, kSign, kStartKind, kStartAmount};
inline constexpr Field kInUseTwoFields[] = {
    kLetter, kCharacteristic, kSign, kStartKind, kStartAmount, kSecondGroup,
    Second(kCharacteristic, "characteristic2"), Second(kSign, "sign2"), Second(kStartKind, "kind2"),
    Second(kStartAmount, "digit2")};

// The battle codes.
inline constexpr char kBattleLetter = 'C';
inline constexpr Field kBattleKind{.name = "battleKind", .pos = 2, .kind = Letter,
                                   .meaning = "T támadóerő, V/N sebzés, U próba, F a forduló eredménye"};
inline constexpr Field kModifierSign{.name = "sign", .pos = 3, .kind = OneOf, .allowed = "+-", .expected = "a sign",
                                     .meaning = "+: nagyobb, -: kisebb támadóerő"};
inline constexpr Field kModifierAmount{.name = "amount", .pos = 4, .kind = Digit, .meaning = "ennyivel"};
inline constexpr Field kModifierFields[] = {kLetter, kBattleKind, kModifierSign, kModifierAmount};

// "CV" (the player's wounds in a lost round) and "CN" (the opponent's in a won round).
inline constexpr Field kWoundTrigger{.name = "trigger", .pos = 3, .kind = OneOf, .allowed = "DN",
                                     .expected = "D (die) or N (no die)", .meaning = "D: kockadobásra, N: mindig"};
inline constexpr Field kWoundSign{.name = "sign", .pos = 4, .kind = OneOf, .allowed = "+-", .expected = "a sign",
                                  .meaning = "+: kevesebb, -: több Életerő veszik el"};
inline constexpr Field kWoundAmount{.name = "amount", .pos = 5, .kind = Digit, .meaning = "ennyi Életerő pont"};
// The pips from `pos` to `pos + 1` for which a die lets the code act.
constexpr Field Low(std::size_t pos) {
  return {.name = "low", .pos = pos, .kind = Digit, .meaning = "a kocka legalább ennyit mutat"};
}
constexpr Field High(std::size_t pos) {
  return {.name = "high", .pos = pos, .kind = Digit, .meaning = "a kocka legfeljebb ennyit mutat"};
}
inline constexpr Field kWoundFields[] = {kLetter, kBattleKind, kWoundTrigger, kWoundSign, kWoundAmount};
inline constexpr Field kWoundDieFields[] = {kLetter, kBattleKind, kWoundTrigger, kWoundSign, kWoundAmount,
                                            Low(6), High(7)};

// "CU": a test of two dice against the skill; "CF": the round's result fixed.
inline constexpr Field kTestKind{.name = "test", .pos = 3, .kind = OneOf, .allowed = "ABC",
                                 .expected = "a test kind (A, B or C)",
                                 .meaning = "A: a játékos halhat meg, B: az ellenfél, C: bármelyik"};
constexpr Field When(std::size_t pos) {
  return {.name = "when", .pos = pos, .kind = FreeChar,
          .meaning = "E: az első forduló előtt, 1: minden fordulóban, d: minden d-edikben"};
}
inline constexpr Field kTestFields[] = {kLetter, kBattleKind, kTestKind, When(4)};
inline constexpr Field kForced{.name = "result", .pos = 3, .kind = FreeChar,
                               .meaning = "N: a forduló megnyerve, V: elveszítve"};
inline constexpr Field kForcedTrigger{.name = "trigger", .pos = 5, .kind = OneOf, .allowed = "DN",
                                      .expected = "D (die) or N (always)", .meaning = "D: kockadobásra, N: mindig"};
inline constexpr Field kForcedFields[] = {kLetter, kBattleKind, kForced, When(4), kForcedTrigger};
inline constexpr Field kForcedDieFields[] = {kLetter, kBattleKind, kForced, When(4), kForcedTrigger, Low(6), High(7)};

inline constexpr CodeForm kUsableTwo{"AA", "használható Tárgy, két csoport", {1, "A"}, {}, kUsableTwoFields,
                                     Reaches(kGroupWidth + 1)};
inline constexpr CodeForm kUsable{"A", "használható Tárgy", {1, "A"}, {}, kUsableFields};
inline constexpr CodeForm kInUseTwo{"KK", "használatban hat, két csoport", {1, "K"}, {}, kInUseTwoFields,
                                    Reaches(kGroupWidth + 1)};
inline constexpr CodeForm kInUse{"K", "használatban hat", {1, "K"}, {}, kInUseFields};
inline constexpr CodeForm kModifier{"CT", "támadóerő minden fordulóban", {1, "C"}, {2, "T"}, kModifierFields};
inline constexpr CodeForm kWoundDie{"CVD", "sebzés változik, ha a kocka engedi (CV: a játékosé, CN: az ellenfélé)", {1, "C"}, {2, "VN"},
                                    kWoundDieFields, {3, "D"}};
inline constexpr CodeForm kWound{"CVN", "sebzés változik (CV: a játékosé, CN: az ellenfélé)", {1, "C"}, {2, "VN"}, kWoundFields};
inline constexpr CodeForm kTest{"CU", "próba két kockával az Ügyesség ellen", {1, "C"}, {2, "U"}, kTestFields};
inline constexpr CodeForm kForcedDie{"CFD", "a forduló eredménye, ha a kocka engedi", {1, "C"}, {2, "F"},
                                     kForcedDieFields, {5, "D"}};
inline constexpr CodeForm kForcedResult{"CF", "a forduló eredménye", {1, "C"}, {2, "F"}, kForcedFields};

inline constexpr CodeForm kItemForms[] = {kUsableTwo, kUsable, kInUseTwo, kInUse, kModifier,
                                          kWoundDie, kWound, kTest, kForcedDie, kForcedResult};
// Information carries only the attack modifier.
inline constexpr CodeForm kInfoForms[] = {kModifier};

// Whether `code` is a battle code whose second letter is `kind`.
constexpr bool IsBattleCode(std::string_view code, char kind) {
  return code.size() >= kBattleKind.pos && code[kLetter.pos - 1] == kBattleLetter && code[kBattleKind.pos - 1] == kind;
}

}  // namespace zrx::grammar::use
