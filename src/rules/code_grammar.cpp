#include "code_grammar.h"

#include <algorithm>

#include "battle_grammar.h"
#include "condition_grammar.h"
#include "item_change_grammar.h"
#include "opponent_grammar.h"
#include "use_code_grammar.h"

namespace zrx::grammar {
namespace {

bool matches(const Selector& s, std::string_view code) {
  if (s.pos == 0) return true;
  if (s.pos > code.size()) return false;
  return s.chars.empty() || s.chars.find(code[s.pos - 1]) != std::string_view::npos;
}

// The separator between two entries of a list: any character but "#".
constexpr Field kEntrySeparator{.name = "separator", .kind = FieldKind::FreeChar,
                                .meaning = "elválasztó a lista elemei között (a \"#\" zárja a listát)"};

// The digit of the placed field named `name`; 0 when it is missing or no digit.
std::size_t countIn(const std::vector<PlacedField>& placed, std::string_view name, std::string_view code) {
  for (const PlacedField& p : placed) {
    if (p.field->name != name) continue;
    if (p.pos > code.size()) return 0;
    const char c = code[p.pos - 1];
    return (c >= '0' && c <= '9') ? static_cast<std::size_t>(c - '0') : 0;
  }
  return 0;
}

// Places the entries of a list (`entry`: the fields marked Entries) from `at` to its "#".
void placeEntries(std::span<const Field> entry, std::size_t at, std::string_view code,
                  std::vector<PlacedField>& placed) {
  std::size_t width = 0;
  for (const Field& f : entry) width += f.width;
  for (std::size_t index = 0;; ++index) {
    for (const Field& f : entry) placed.push_back({&f, at + (f.pos - entry.front().pos), index});
    at += width;
    if (at > code.size()) {
      // The list has no end: its terminator is missing.
      placed.push_back({&kEntrySeparator, at, index});
      return;
    }
    if (code[at - 1] == '#') return;
    placed.push_back({&kEntrySeparator, at, index});
    ++at;
  }
}

// The index of the field that begins a group; the number of fields when none does.
std::size_t groupStart(const CodeForm& form) {
  for (std::size_t i = 0; i < form.fields.size(); ++i) {
    if (form.fields[i].flags & kGroupStart) return i;
  }
  return form.fields.size();
}

}  // namespace

std::span<const CodeForm> FormsOf(CodeFamily family) {
  switch (family) {
    case CodeFamily::Condition: return condition::kForms;
    case CodeFamily::CharacteristicChange: return change::kCharacteristicForms;
    case CodeFamily::ItemChange: return change::kItemForms;
    case CodeFamily::InfoChange: return change::kInfoForms;
    case CodeFamily::MagicSkillChange: return change::kMagicForms;
    case CodeFamily::BattleCode: return battle::kForms;
    case CodeFamily::ItemUseCode: return use::kItemForms;
    case CodeFamily::InfoCode: return use::kInfoForms;
    case CodeFamily::FlightCode: return opponent::kFlightForms;
    case CodeFamily::AttackMods: return opponent::kAttackForms;
    case CodeFamily::RollBattleCode: return opponent::kRuleForms;
    case CodeFamily::WoundMods: return opponent::kWoundForms;
    case CodeFamily::BattleValueCodes: return opponent::kBattleValueForms;
    case CodeFamily::ExtraCode: return opponent::kAllyForms;
    case CodeFamily::SpecialWeapon: return opponent::kWeaponForms;
  }
  return {};
}

const CodeForm* FindForm(CodeFamily family, std::string_view code) {
  for (const CodeForm& form : FormsOf(family)) {
    if (matches(form.letter, code) && matches(form.subtype, code) && matches(form.detail, code)) return &form;
  }
  return nullptr;
}

std::vector<PlacedField> Layout(const CodeForm& form, std::string_view code) {
  std::vector<PlacedField> placed;
  // Each repetition beyond the first (or a missing first) moves the later fields.
  std::ptrdiff_t shift = 0;
  const auto width = [](const Field& f) { return static_cast<std::ptrdiff_t>(f.width); };
  for (std::size_t i = 0; i < form.fields.size(); ++i) {
    const Field& f = form.fields[i];
    const std::size_t pos = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(f.pos) + shift);
    switch (f.repeat) {
      case Repeat::Once:
        placed.push_back({&f, pos, 0});
        break;
      case Repeat::ByCount: {
        const std::size_t n = countIn(placed, f.count, code);
        for (std::size_t k = 0; k < n; ++k) placed.push_back({&f, pos + k * f.width, k});
        shift += (static_cast<std::ptrdiff_t>(n) - 1) * width(f);
        break;
      }
      case Repeat::ToEnd: {
        const std::size_t hash = pos <= code.size() ? code.find('#', pos - 1) : std::string_view::npos;
        const std::size_t end = hash == std::string_view::npos ? code.size() : hash;
        placed.push_back({&f, pos, 0});
        std::size_t k = 1;
        for (; pos + k * f.width <= end; ++k) placed.push_back({&f, pos + k * f.width, k});
        // A "#" after the list starts the next group at the field that begins one.
        const std::size_t group = groupStart(form);
        if (hash != std::string_view::npos && group < i) {
          shift = static_cast<std::ptrdiff_t>(hash + 2) - static_cast<std::ptrdiff_t>(form.fields[group].pos);
          i = group - 1;
        }
        break;
      }
      case Repeat::Entries: {
        std::size_t last = i;
        while (last + 1 < form.fields.size() && form.fields[last + 1].repeat == Repeat::Entries) ++last;
        placeEntries(form.fields.subspan(i, last - i + 1), pos, code, placed);
        i = last;
        break;
      }
    }
  }
  return placed;
}

std::size_t FormLength(const CodeForm& form, std::string_view code) {
  std::size_t length = 0;
  for (const PlacedField& p : Layout(form, code)) {
    if (p.field != &kEntrySeparator) length = std::max(length, p.end());
  }
  return length;
}

std::optional<PlacedField> FieldAt(const CodeForm& form, std::string_view code, std::size_t pos) {
  for (const PlacedField& p : Layout(form, code)) {
    if (p.pos <= pos && pos <= p.end()) return p;
  }
  return std::nullopt;
}

CodeInText CodeAt(CodeFamily family, std::string_view text, std::size_t offset) {
  // A condition string holds items between "#" and ","; a change field, changes that end in "#";
  // any other field (a battle declaration with its groups, a use code, an opponent's code)
  // is one code.
  const bool changes = family == CodeFamily::CharacteristicChange || family == CodeFamily::ItemChange ||
                       family == CodeFamily::InfoChange || family == CodeFamily::MagicSkillChange;
  const std::string_view separators = family == CodeFamily::Condition ? "#," : changes ? "#" : "";
  offset = std::min(offset, text.size());
  const std::size_t before = offset == 0 ? std::string_view::npos : text.find_last_of(separators, offset - 1);
  const std::size_t begin = before == std::string_view::npos ? 0 : before + 1;
  const std::size_t after = text.find_first_of(separators, offset);
  // A change keeps its closing "#": it ends the change's last list.
  const std::size_t end = after == std::string_view::npos ? text.size()
                          : family == CodeFamily::Condition ? after
                                                            : after + 1;
  return {text.substr(begin, end - begin), begin + 1};
}

}  // namespace zrx::grammar
