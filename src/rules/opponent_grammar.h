#pragma once
// The battle fields of an opponent: flight (`FlightCode`), the attack rule (`AttackMods`),
// the after-round rule (`RollBattleCode`), the wounds (`WoundMods`), the battle's own
// characteristics (`BattleValueCodes`), the allies (`ExtraCode`) and the special weapon
// (`SpecialWeapon`). Each field is a family of its own.
#include "code_grammar.h"

namespace zrx::grammar::opponent {

using enum FieldKind;

// FlightCode: a digit n ("0": no flight) and the rule that n serves.
inline constexpr Field kFlightRounds{.name = "rounds", .pos = 1, .kind = Digit,
                                     .meaning = "0: nincs menekülés, más: a szabály száma"};
inline constexpr Field kFlightRule{.name = "rule", .pos = 2, .kind = OneOf, .allowed = "<>MN",
                                   .expected = "a flight rule (<, >, M or N)",
                                   .meaning = "<: az n. fordulótól, >: legfeljebb n forduló után, "
                                              "M: minden n. forduló után, N: bármikor"};
inline constexpr Field kNoFlightFields[] = {kFlightRounds};
inline constexpr Field kFlightFields[] = {kFlightRounds, kFlightRule};
inline constexpr CodeForm kNoFlight{"0", "nincs menekülés", {1, "0"}, {}, kNoFlightFields};
inline constexpr CodeForm kFlight{"n", "menekülés a szabály szerint", {1, "123456789"}, {}, kFlightFields};
inline constexpr CodeForm kFlightForms[] = {kNoFlight, kFlight};

// AttackMods: "1", a sign, a digit and when it holds; any other first character: no rule.
inline constexpr Field kAttackFields[] = {
    {.name = "letter", .pos = 1, .kind = Letter, .meaning = "1: a támadóerő változik"},
    {.name = "sign", .pos = 2, .kind = OneOf, .allowed = "+-", .expected = "a sign",
     .meaning = "+: nagyobb, -: kisebb támadóerő"},
    {.name = "amount", .pos = 3, .kind = Digit, .meaning = "ennyivel"},
    {.name = "when", .pos = 4, .kind = DigitOrWord, .allowed = "A",
     .meaning = "A: minden fordulóban, d: az első d fordulóban"},
};
inline constexpr CodeForm kAttack{"1", "a játékos támadóereje változik", {1, "1"}, {}, kAttackFields};
inline constexpr CodeForm kAttackForms[] = {kAttack};

// RollBattleCode: the after-round rule, chosen by its first character.
inline constexpr Field kRuleLetter{.name = "rule", .pos = 1, .kind = Letter,
                                   .meaning = "1: vége feltétel, 2: dobás, 3: információ, 4: sebzéshatár"};
inline constexpr Field kEndFields[] = {
    kRuleLetter,
    {.name = "result", .pos = 2, .kind = OneOf, .allowed = "GH", .expected = "G (won) or H (lost)",
     .meaning = "G: a csata megnyerve, H: elveszítve"},
    {.name = "ending", .pos = 3, .kind = FreeChar, .meaning = ">: vége halál nélkül, más: halál"},
    {.name = "counter", .pos = 4, .kind = OneOf, .allowed = "EFGNV", .expected = "a counter letter",
     .meaning = "E: nyert sorban, F: vívott, G: vesztett sorban, N: nyert, V: vesztett forduló"},
    {.name = "count", .pos = 5, .kind = Digit, .meaning = "ennyi forduló után"},
};
// An action of the after-round roll: a letter and its digit ("H>": the end without death).
constexpr Field ActionLetter(std::size_t pos, std::string_view name) {
  return {.name = name, .pos = pos, .kind = OneOf, .allowed = "EGHINRU", .expected = "an action letter",
          .meaning = "E/U: az ellenfél veszít/visszakap, I/R: a játékos veszít/visszakap, G: győzelem, "
                     "H: halál, N: semmi"};
}
constexpr Field ActionDigit(std::size_t pos, std::string_view name) {
  return {.name = name, .pos = pos, .kind = FreeChar, .meaning = "ennyi pont (H után >: vége halál nélkül)"};
}
inline constexpr Field kRollFields[] = {
    kRuleLetter,
    {.name = "when", .pos = 2, .kind = OneOf, .allowed = "MNV", .expected = "M, N or V",
     .meaning = "M: minden forduló, N: nyert, V: vesztett forduló után"},
    {.name = "low", .pos = 3, .kind = Digit, .meaning = "a: ennyi pipáig az első lépés"},
    {.name = "middle", .pos = 4, .kind = Digit, .meaning = "b: a+b pipáig a második lépés"},
    {.name = "spare", .pos = 5, .kind = FreeChar, .meaning = "bármely jel (nem számít)"},
    ActionLetter(6, "action1"), ActionDigit(7, "digit1"),
    ActionLetter(8, "action2"), ActionDigit(9, "digit2"),
    ActionLetter(10, "action3"), ActionDigit(11, "digit3"),
};
// The three actions, for pips up to a, up to a + b, and above.
inline constexpr const Field* kActionLetters[] = {&kRollFields[5], &kRollFields[7], &kRollFields[9]};
inline constexpr const Field* kActionDigits[] = {&kRollFields[6], &kRollFields[8], &kRollFields[10]};
inline constexpr Field kInfoFields[] = {
    kRuleLetter,
    {.name = "when", .pos = 2, .kind = OneOf, .allowed = "NV", .expected = "N or V",
     .meaning = "N: nyert, V: vesztett forduló után"},
    {.name = "info", .pos = 3, .width = 3, .kind = Info, .meaning = "Információ száma"},
};
inline constexpr Field kLimitFields[] = {
    kRuleLetter,
    {.name = "side", .pos = 2, .kind = OneOf, .allowed = "DGH", .expected = "D, G or H",
     .meaning = "D: mindkét fél, G: az ellenfelek, H: a játékos"},
    {.name = "ending", .pos = 3, .kind = OneOf, .allowed = ">V", .expected = "\">\" or V",
     .meaning = ">: vége halál nélkül (az ellenfeleknél győzelem), V: halál"},
    {.name = "kind", .pos = 4, .kind = OneOf, .allowed = "ET", .expected = "E (life) or T (skill)",
     .meaning = "E: Életerő, T: Ügyesség"},
    {.name = "threshold", .pos = 5, .width = 2, .kind = Number, .meaning = "ennyi elvesztett pont"},
};
inline constexpr CodeForm kEndRule{"1", "a csata vége a számlálók szerint", {1, "1"}, {}, kEndFields};
inline constexpr CodeForm kRollRule{"2", "dobás a forduló után", {1, "2"}, {}, kRollFields};
inline constexpr CodeForm kInfoRule{"3", "információ a forduló után", {1, "3"}, {}, kInfoFields};
inline constexpr CodeForm kLimitRule{"4", "sebzéshatár", {1, "4"}, {}, kLimitFields};
inline constexpr CodeForm kRuleForms[] = {kEndRule, kRollRule, kInfoRule, kLimitRule};

// WoundMods: the wounds of a lost round, then how often each is dealt.
constexpr Field Size(std::size_t pos, std::string_view name, std::string_view meaning) {
  return {.name = name, .pos = pos, .kind = DigitOrWord, .allowed = "D", .meaning = meaning};
}
constexpr Field Period(std::size_t pos, std::string_view name, std::string_view meaning) {
  return {.name = name, .pos = pos, .kind = Digit, .meaning = meaning};
}
inline constexpr Field kWoundFields[] = {
    Size(1, "opponentLife", "az ellenfél Életerő-vesztesége (D: egy kocka)"),
    Size(2, "opponentSkill", "az ellenfél Ügyesség-vesztesége (D: egy kocka)"),
    Size(3, "playerLife", "a játékos Életerő-vesztesége (D: egy kocka)"),
    Size(4, "playerSkill", "a játékos Ügyesség-vesztesége (D: egy kocka)"),
    Period(5, "opponentLifePeriod", "minden d. nyert fordulóban"),
    Period(6, "opponentSkillPeriod", "minden d. nyert fordulóban"),
    Period(7, "playerLifePeriod", "minden d. vesztett fordulóban"),
    Period(8, "playerSkillPeriod", "minden d. vesztett fordulóban"),
};
inline constexpr CodeForm kWounds{"WoundMods", "sebzések és gyakoriságuk", {}, {}, kWoundFields};
inline constexpr CodeForm kWoundForms[] = {kWounds};

// BattleValueCodes: the characteristics that serve as skill and life.
inline constexpr Field kBattleValueFields[] = {
    {.name = "skill", .pos = 1, .width = 2, .kind = BaseValue, .meaning = "az Ügyesség helyett ez az AlapÉrték"},
    {.name = "life", .pos = 3, .width = 2, .kind = BaseValue, .meaning = "az Életerő helyett ez az AlapÉrték"},
};
inline constexpr CodeForm kBattleValues{"BattleValueCodes", "a csata saját AlapÉrtékei", {}, {}, kBattleValueFields};
inline constexpr CodeForm kBattleValueForms[] = {kBattleValues};

// ExtraCode: the allies, one two-digit skill each.
inline constexpr Field kAllyFields[] = {
    {.name = "ally", .pos = 1, .width = 2, .kind = Number, .meaning = "egy szövetséges Ügyessége",
     .repeat = Repeat::ToEnd},
};
inline constexpr std::size_t kMaxAllies = 3;
inline constexpr CodeForm kAllies{"ExtraCode", "szövetségesek", {}, {}, kAllyFields};
inline constexpr CodeForm kAllyForms[] = {kAllies};

// SpecialWeapon: an item that kills the opponent, at once or after a lucky luck test.
inline constexpr Field kWeaponFields[] = {
    {.name = "item", .pos = 1, .width = 3, .kind = Item, .meaning = "Felszerelési Tárgy száma"},
    {.name = "luck", .pos = 4, .kind = FreeChar, .meaning = "S: csak sikeres Szerencse Próba után"},
};
inline constexpr CodeForm kWeapon{"SpecialWeapon", "Speciális Fegyver", {}, {}, kWeaponFields};
inline constexpr CodeForm kWeaponForms[] = {kWeapon};

}  // namespace zrx::grammar::opponent
