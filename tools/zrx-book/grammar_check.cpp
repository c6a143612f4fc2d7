#include "grammar_check.h"

namespace zrx::book {
namespace {

using grammar::FieldKind;
using grammar::PlacedField;

std::string range(const grammar::Field& f) { return std::to_string(f.min) + " to " + std::to_string(f.max); }

// A count outside its field's range does nothing useful in play: a warning.
void count(const PlacedField& p, const CodeReader& r, CodeCheck& check, const std::string& form) {
  const grammar::Field& f = *p.field;
  const int n = r.digitAt(p.pos);
  if (n >= f.min && n <= f.max) return;
  const std::string shown = std::to_string(n);
  switch (f.kind) {
    case FieldKind::DiceCount:
      return check.warning("asks for a roll with " + shown + " dice (" + range(f) + " work)");
    case FieldKind::ComparisonCount:
      return check.warning("makes " + shown + " comparisons (" + range(f) + " work)");
    default:
      return check.warning("lists " + shown + " items (" + form + std::to_string(f.min) + " or " + form +
                           std::to_string(f.max) + " work)");
  }
}

void reference(const PlacedField& p, const CodeReader& r, CodeCheck& check) {
  const grammar::Field& f = *p.field;
  const int n = r.numberAt(p.pos, f.width);
  if (n == 0 && (f.flags & grammar::kZeroIsNone)) return;
  const bool reads = f.flags & grammar::kReads;
  switch (f.kind) {
    case FieldKind::Item: return reads ? check.readItem(n) : check.item(n);
    case FieldKind::Info: return reads ? check.readInfo(n) : check.info(n);
    case FieldKind::MagicSkill: return reads ? check.readMagicSkill(n) : check.magicSkill(n);
    case FieldKind::Opponent: return check.opponent(n);
    case FieldKind::BaseValue: return check.baseValue(n);
    default: return check.chapter(n);
  }
}

// A relation outside the command's own set decides nothing in play: a warning.
void countRelation(const PlacedField& p, const CodeReader& r, CodeCheck& check) {
  const std::string_view rel = r.sliceAt(p.pos, p.field->width);
  const std::string_view allowed = p.field->allowed;
  for (std::size_t at = 0; at + rel.size() <= allowed.size(); at += rel.size() + 1) {
    if (allowed.substr(at, rel.size()) == rel) return;
  }
  check.warning("has \"" + std::string(rel) + "\" at position " + std::to_string(p.pos) +
                ", which is no relation of this command");
}

}  // namespace

void CheckField(const grammar::CodeForm& form, const PlacedField& p, const CodeReader& r, CodeCheck& check) {
  const grammar::Field& f = *p.field;
  switch (f.kind) {
    case FieldKind::Letter: return;
    case FieldKind::FreeChar: r.charAt(p.pos); return;
    case FieldKind::Digit: r.digitAt(p.pos); return;
    case FieldKind::Number: r.numberAt(p.pos, f.width); return;
    case FieldKind::OneOf: return check.oneOf(r, p.pos, f.allowed, std::string(f.expected).c_str());
    case FieldKind::Relation: return check.relation(r, p.pos);
    case FieldKind::CountRelation: return countRelation(p, r, check);
    case FieldKind::DigitOrWord:
      if (f.allowed.find(r.charAt(p.pos)) == std::string_view::npos) r.digitAt(p.pos);
      return;
    case FieldKind::AmountOrAll:
      if (r.sliceAt(p.pos, f.width) != f.allowed) r.numberAt(p.pos, f.width);
      return;
    case FieldKind::ItemKind:
      check.oneOf(r, p.pos, f.allowed, std::string(f.expected).c_str());
      return check.readItemKind(r.charAt(p.pos));
    case FieldKind::DiceCount:
    case FieldKind::ComparisonCount:
    case FieldKind::ListCount: return count(p, r, check, std::string(form.letter.chars.substr(0, 1)));
    case FieldKind::ChapterOrWord:
      if (r.sliceAt(p.pos, f.width) == f.allowed) return;
      return check.chapter(r.numberAt(p.pos, f.width));
    default: return reference(p, r, check);
  }
}

void CheckFields(const grammar::CodeForm& form, const CodeReader& r, CodeCheck& check) {
  for (const PlacedField& p : grammar::Layout(form, r.text())) CheckField(form, p, r, check);
}

void CheckLength(const grammar::CodeForm& form, const CodeReader& r, CodeCheck& check) {
  const std::size_t length = grammar::FormLength(form, r.text());
  if (r.size() > length) check.warning("has characters after its form (" + std::to_string(length) + " characters)");
}

}  // namespace zrx::book
