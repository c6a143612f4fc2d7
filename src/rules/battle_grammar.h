#pragma once
// The battle declaration of a chapter point: the opponents, fought in order ("N"), one of
// them picked by a die ("R"), or groups keyed by the chapter point the player came from ("P").
#include "code_grammar.h"

namespace zrx::grammar::battle {

using enum FieldKind;

inline constexpr Field kLetter{.name = "letter", .pos = 1, .kind = Letter,
                               .meaning = "N: mind sorban, R: dobás választ, P: csoportok"};
inline constexpr Field kOpponent{.name = "opponent", .pos = 2, .width = 3, .kind = Opponent,
                                 .meaning = "Ellenfél száma", .repeat = Repeat::ToEnd};
inline constexpr Field kAllFields[] = {kLetter, kOpponent};
inline constexpr Field kPairFields[] = {
    kLetter,
    {.name = "key", .pos = 2, .width = 3, .kind = ChapterOrWord, .allowed = "NIF",
     .meaning = "az előző FejezetPont száma, vagy NIF: mindig", .flags = kGroupStart},
    {.name = "opponent", .pos = 5, .width = 3, .kind = Opponent, .meaning = "Ellenfél száma", .repeat = Repeat::ToEnd},
};

inline constexpr CodeForm kAll{"N", "csata a felsorolt ellenfelekkel", {1, "N"}, {}, kAllFields};
inline constexpr CodeForm kRolled{"R", "egy kockadobás választ a hat ellenfélből", {1, "R"}, {}, kAllFields};
inline constexpr CodeForm kPairs{"P", "csoportok \"#\" között, az előző FejezetPont szerint", {1, "P"}, {},
                                 kPairFields};
inline constexpr CodeForm kForms[] = {kAll, kRolled, kPairs};

// A die picks at most this many opponents; a pairing declaration is read up to this many groups.
inline constexpr std::size_t kRolledOpponents = 6;
inline constexpr std::size_t kMaxGroups = 5;

}  // namespace zrx::grammar::battle
