#pragma once
// The texts that the equipment, information and magic-and-skills pages show.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game_state.h"
#include "records.h"

namespace zrx {

// A record description split into lines at every "#"; an empty description is
// the single line "(nincs leírás)".
TextList descriptionLines(std::string_view description);

// The details text of an item category (0..8); empty for any other category.
std::string categoryText(int category);

// What the item details box shows for an item; `inUse` marks it as the item
// in use of its category.
TextList itemDetailLines(const TInventoryRec& item, bool inUse);

// What the magic and skills details box shows for a spell or skill.
TextList magicSkillDetailLines(const TMagicSkillRec& entry);

// The second line of the question that offers to switch the item in use;
// `inUseName` is the name of the item in use now (empty when none).
std::string switchQuestionSecondLine(std::string_view inUseName);

// An own note built from the lines of the note input: every line preceded by
// one space. The note never holds a line break.
std::string composeOwnNote(const TextList& inputLines);

}  // namespace zrx
