#pragma once
// The book codes' grammar as data: for every code letter (and subtype where the layout
// differs) the fields it holds, where, how wide, what may stand there and what it means.
// The interpreters read their positions from these tables, zrx-book's checker walks them,
// and an editor can name the field under the cursor. Positions are 1-based, as authors count.
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "book_code.h"

namespace zrx::grammar {

enum class CodeFamily {
  Condition,
  CharacteristicChange,  // SpecialChange1
  ItemChange,            // SpecialChange2
  InfoChange,            // SpecialChange3
  MagicSkillChange,      // SpecialChange4
  BattleCode,
  ItemUseCode,  // an item's UseCode
  InfoCode,     // an information's Code
  // The battle fields of an opponent, one family each.
  FlightCode,
  AttackMods,
  RollBattleCode,
  WoundMods,
  BattleValueCodes,
  ExtraCode,
  SpecialWeapon,
};

enum class FieldKind {
  Letter,           // the code letter or subtype that chooses the form; read by the lookup
  FreeChar,         // any character; read as it stands (a sign the interpreter tests, say)
  Digit,            // one decimal digit
  Number,           // a decimal number of `width` characters
  OneOf,            // one of `allowed`; any other character does nothing in play
  Relation,         // a two-character relation ("==", ">=", "NK", ...)
  CountRelation,    // one of the space-separated relations in `allowed`; another does nothing
  DiceCount,        // how many dice a roll uses: `min`..`max`
  ComparisonCount,  // how many times an item compares: `min`..`max`
  ListCount,        // how many of the repeated field follow: `min`..`max`
  ChapterOrWord,    // a chapter number or the word in `allowed` ("MAX", "NIF")
  AmountOrAll,      // a number, or the word in `allowed` for "all of them"
  DigitOrWord,      // one decimal digit, or one of the letters in `allowed`
  ItemKind,         // one of `allowed`: the kind of items a demand takes
  Item,             // record references, `width` digits
  Info,
  Opponent,
  BaseValue,
  MagicSkill,
  Chapter,
};

// The field is a record the code reads (a test or comparison), not one it grants.
inline constexpr unsigned kReads = 1;
// A reference field whose zero means "none".
inline constexpr unsigned kZeroIsNone = 2;
// The field begins a group: after a "#" that ends a field repeated to the end, the fields
// from here on repeat.
inline constexpr unsigned kGroupStart = 4;

enum class Repeat {
  Once,
  ByCount,  // as many times as the digit field named `count` says
  ToEnd,    // to the end of the code or its group (at least once)
  Entries,  // the fields so marked make one entry; entries follow one another after one
            // separator character each, and the entry followed by "#" is the last
};

struct Field {
  std::string_view name;  // English identifier
  std::size_t pos = 0;
  std::size_t width = 1;
  FieldKind kind = FieldKind::FreeChar;
  int min = 0;  // the range of counts (DiceCount, ComparisonCount, ListCount)
  int max = 0;
  // The characters that do something (OneOf, ItemKind), the word that stands for a number
  // (ChapterOrWord, AmountOrAll), or the space-separated relations (CountRelation).
  std::string_view allowed = {};
  std::string_view expected = {};  // OneOf: what stands there, in the checker's words
  std::string_view meaning = {};   // Hungarian, for the editor's status line
  unsigned flags = 0;
  Repeat repeat = Repeat::Once;
  std::string_view count = {};  // ByCount: the field that holds the number of repetitions

  // The field's value in `code`, through the engine's readers (which throw BookCodeError
  // when it is missing or not a number); `index` picks a repetition.
  char charIn(std::string_view code) const { return zrx::charAt(code, pos); }
  int digitIn(std::string_view code) const { return zrx::digitAt(code, pos); }
  int numberIn(std::string_view code, std::size_t index = 0) const {
    return zrx::numberAt(code, pos + index * width, width);
  }
  std::string_view textIn(std::string_view code) const { return zrx::fieldAt(code, pos, width); }
  constexpr std::size_t end() const { return pos + width - 1; }
};

// `field` placed at `pos`: a field that stands in several forms at different places.
constexpr Field At(Field field, std::size_t pos) {
  field.pos = pos;
  return field;
}

// This field's place inside one entry of a list (the entry that begins with `first`).
constexpr Field InEntry(Field field, const Field& first) {
  field.pos = field.pos - first.pos + 1;
  return field;
}

// A field of `InEntry` placed again in a code, its entry beginning at `start`.
constexpr Field EntryFieldAt(Field field, std::size_t start) {
  field.pos = start + field.pos - 1;
  return field;
}

// A form applies to a code when the code has one of `chars` at `pos` for each selector;
// an empty selector (pos 0) matches anything, one without `chars` any code that reaches `pos`.
struct Selector {
  std::size_t pos = 0;
  std::string_view chars = {};
};

// A selector that matches any character at `pos`: the code reaches that far.
constexpr Selector Reaches(std::size_t pos) { return {pos, {}}; }

struct CodeForm {
  std::string_view name;     // as the documentation names it ("VN", "D-", ...)
  std::string_view meaning;  // Hungarian: what the code does
  Selector letter;
  Selector subtype;
  std::span<const Field> fields;
  Selector detail = {};

  // The field called `fieldName`; naming one that the form lacks does not compile where
  // it is evaluated as a constant.
  constexpr const Field& field(std::string_view fieldName) const {
    for (const Field& f : fields) {
      if (f.name == fieldName) return f;
    }
    throw "no such field";
  }
  // The characters of one entry of the form's list (the fields marked Entries).
  constexpr std::size_t entryWidth() const {
    std::size_t width = 0;
    for (const Field& f : fields) width += f.repeat == Repeat::Entries ? f.width : 0;
    return width;
  }
  // The length of a form without repetitions: where its last field ends.
  constexpr std::size_t fixedLength() const {
    std::size_t end = 0;
    for (const Field& f : fields) end = f.end() > end ? f.end() : end;
    return end;
  }
};

// One field as it lies in one code: repeated fields once per repetition.
struct PlacedField {
  const Field* field;
  std::size_t pos;
  std::size_t index;  // the repetition, 0 for a single field
  std::size_t end() const { return pos + field->width - 1; }
};

std::span<const CodeForm> FormsOf(CodeFamily family);
// The form that applies to `code` (the first whose selectors match); nullptr when none does.
const CodeForm* FindForm(CodeFamily family, std::string_view code);
// The fields of `form` laid out over `code`; a count that cannot be read counts 0.
std::vector<PlacedField> Layout(const CodeForm& form, std::string_view code);
// Where the form ends in `code`: the end of its last field as laid out.
std::size_t FormLength(const CodeForm& form, std::string_view code);
// The field under the 1-based position `pos` of `code`.
std::optional<PlacedField> FieldAt(const CodeForm& form, std::string_view code, std::size_t pos);

// One code of a text that holds several (the items of a condition string, the changes of a
// change field with their "#"), with its 1-based start in the text.
struct CodeInText {
  std::string_view code;
  std::size_t start;
};
// The code that the 0-based `offset` of `text` lies in.
CodeInText CodeAt(CodeFamily family, std::string_view text, std::size_t offset);

}  // namespace zrx::grammar
