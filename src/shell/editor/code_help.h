#pragma once
// The status line's words for the code field under the cursor, taken from the code grammar.
#include <QString>
#include <optional>
#include <string_view>

#include "code_grammar.h"

namespace zrx {

// "<form> – <what the code does> · <field>, <from>–<to>. karakter: <meaning> (<range>)"
// for the field at the 0-based cursor `offset` of `text` (the character after the cursor,
// or the one before it at the end of a code); empty when no form of `family` applies.
QString CodeFieldHelp(grammar::CodeFamily family, std::string_view text, std::size_t offset);

// The grammar family of a chapter point's code field by its source key; nullopt for a key
// that holds no code.
std::optional<grammar::CodeFamily> ChapterCodeFamily(std::string_view key);

}  // namespace zrx
