#include "editor/code_help.h"

namespace zrx {
namespace {

using grammar::FieldKind;

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// What may stand in the field, in the author's words; empty where the meaning says it.
QString rangeOf(const grammar::Field& field) {
  const QString digits = QString("%1 számjegy").arg(field.width);
  switch (field.kind) {
    case FieldKind::Digit: return "0–9";
    case FieldKind::OneOf:
    case FieldKind::ItemKind: return "ezek egyike: " + text(field.allowed);
    case FieldKind::Relation: return "két karakteres reláció";
    case FieldKind::CountRelation: return "ezek egyike: " + text(field.allowed);
    case FieldKind::DiceCount:
    case FieldKind::ComparisonCount:
    case FieldKind::ListCount: return QString("%1–%2").arg(field.min).arg(field.max);
    case FieldKind::ChapterOrWord: return "FejezetPont száma (" + digits + ") vagy " + text(field.allowed);
    case FieldKind::AmountOrAll: return digits + " vagy " + text(field.allowed);
    case FieldKind::DigitOrWord: return "számjegy vagy ezek egyike: " + text(field.allowed);
    // A number, or a record's number that the meaning names.
    case FieldKind::Number:
    case FieldKind::Item:
    case FieldKind::Info:
    case FieldKind::Opponent:
    case FieldKind::BaseValue:
    case FieldKind::MagicSkill:
    case FieldKind::Chapter: return digits;
    case FieldKind::Letter:
    case FieldKind::FreeChar: return {};
  }
  return {};
}

std::optional<grammar::PlacedField> fieldAt(const grammar::CodeForm& form, const grammar::CodeInText& code,
                                            std::size_t offset) {
  // 1-based place in the code of the character after the cursor.
  const std::size_t pos = offset + 2 - code.start;
  if (auto field = grammar::FieldAt(form, code.code, pos)) return field;
  return pos > 1 ? grammar::FieldAt(form, code.code, pos - 1) : std::nullopt;
}

}  // namespace

QString CodeFieldHelp(grammar::CodeFamily family, std::string_view code, std::size_t offset) {
  grammar::CodeInText inText = grammar::CodeAt(family, code, offset);
  // At the very end of a change the cursor stands after its closing "#": the change before it.
  if (inText.code.empty() && offset > 0) inText = grammar::CodeAt(family, code, offset - 1);
  const grammar::CodeForm* form = grammar::FindForm(family, inText.code);
  if (!form) return {};
  QString help = text(form->name) + " – " + text(form->meaning);
  const auto field = fieldAt(*form, inText, std::min(offset, inText.start - 1 + inText.code.size()));
  if (!field) return help;
  help += QString(" · %1, %2–%3. karakter: %4")
              .arg(text(field->field->name))
              .arg(field->pos)
              .arg(field->end())
              .arg(text(field->field->meaning));
  const QString range = rangeOf(*field->field);
  return range.isEmpty() ? help : help + " (" + range + ")";
}

std::optional<grammar::CodeFamily> ChapterCodeFamily(std::string_view key) {
  using grammar::CodeFamily;
  if (key == "Conditions") return CodeFamily::Condition;
  if (key == "SpecialChange1") return CodeFamily::CharacteristicChange;
  if (key == "SpecialChange2") return CodeFamily::ItemChange;
  if (key == "SpecialChange3") return CodeFamily::InfoChange;
  if (key == "SpecialChange4") return CodeFamily::MagicSkillChange;
  if (key == "BattleCode") return CodeFamily::BattleCode;
  return std::nullopt;
}

}  // namespace zrx
