#include "code_check.h"

#include <cstdio>

namespace zrx::book {

BookIndex IndexBook(const SourceBook& book) {
  BookIndex index;
  for (const auto& c : book.chapters) index.chapters.insert(c.rec.Number);
  for (const auto& r : book.items) index.items.insert(r.rec.Number);
  for (const auto& r : book.infos) {
    index.infos.insert(r.rec.Number);
    if (r.rec.InfoFlag == 1) index.hiddenInfos.insert(r.rec.Number);
  }
  for (const auto& r : book.opponents) index.opponents.insert(r.rec.Number);
  for (const auto& r : book.baseValues) index.baseValues.insert(r.rec.Number);
  for (const auto& r : book.magicSkills) index.magicSkills.insert(r.rec.Number);
  return index;
}

CodeCheck::CodeCheck(const BookIndex& index, Diagnostics& diags, std::string file, int line, std::string field)
    : index_(index), diags_(diags), file_(std::move(file)), line_(line), field_(std::move(field)) {}

std::string CodeCheck::where() const { return field_ + " \"" + (shown_.empty() ? code_ : shown_) + "\""; }

void CodeCheck::run(std::string_view code, const std::function<void(const CodeReader&)>& body, std::string_view shown) {
  code_ = std::string(code);
  shown_ = std::string(shown);
  for (unsigned char c : code_) {
    if (c < 0x20 || c > 0x7E) return error("holds a character that is not plain ASCII");
  }
  try {
    body(CodeReader(code_));
  } catch (const CodeTooShort& e) {
    error("is shorter than its form (position " + std::to_string(e.position) + " is missing)");
  } catch (const zrx::BookCodeError& e) {
    error("has no number at position " + std::to_string(e.position()));
  }
}

void CodeCheck::error(const std::string& message) { diags_.error(file_, line_, where() + " " + message); }
void CodeCheck::warning(const std::string& message) { diags_.warning(file_, line_, where() + " " + message); }

void CodeCheck::missing(const char* kind, int number) {
  std::string digits = std::to_string(number);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  error(std::string("names ") + kind + " " + digits + ", which the book does not define");
}

void CodeCheck::chapter(int number) {
  if (!index_.chapters.contains(number)) missing("chapter point", number);
}
void CodeCheck::item(int number) {
  if (!index_.items.contains(number)) missing("item", number);
}
void CodeCheck::info(int number) {
  if (!index_.infos.contains(number)) missing("information", number);
}
void CodeCheck::opponent(int number) {
  if (!index_.opponents.contains(number)) missing("opponent", number);
}
void CodeCheck::baseValue(int number) {
  if (!index_.baseValues.contains(number)) missing("characteristic", number);
}
void CodeCheck::magicSkill(int number) {
  if (!index_.magicSkills.contains(number)) missing("spell or skill", number);
}

void CodeCheck::readItem(int number) {
  item(number);
  if (index_.reads) index_.reads->items.insert(number);
}
void CodeCheck::readInfo(int number) {
  info(number);
  if (index_.reads) index_.reads->infos.insert(number);
}
void CodeCheck::readMagicSkill(int number) {
  magicSkill(number);
  if (index_.reads) index_.reads->magicSkills.insert(number);
}
void CodeCheck::readItemKind(char kind) {
  if (index_.reads) index_.reads->itemKinds.insert(kind);
}
void CodeCheck::readSpellCount() {
  if (index_.reads) index_.reads->spellCount = true;
}

void CodeCheck::readBuying() {
  if (index_.reads) index_.reads->buying = true;
}

void CodeCheck::oneOf(const CodeReader& r, std::size_t pos, std::string_view allowed, const char* what) {
  const char c = r.charAt(pos);
  if (allowed.find(c) == std::string_view::npos) {
    warning("has '" + std::string(1, c) + "' at position " + std::to_string(pos) + " where " + what + " stands");
  }
}

void CodeCheck::relation(const CodeReader& r, std::size_t pos) {
  static const std::set<std::string_view> relations = {"==", ">>", "<<", "<>", ">=", "<=", "NK", "NN", "N<", "N>"};
  const std::string_view rel = r.sliceAt(pos, 2);
  // The engine lets an unknown relation decide nothing, which silently hides a continuation.
  if (!relations.contains(rel)) {
    error("has \"" + std::string(rel) + "\" at position " + std::to_string(pos) + ", which is no relation");
  }
}

void CodeCheck::operatorAt(const CodeReader& r, std::size_t pos) { oneOf(r, pos, "+-=", "an operator (+, - or =)"); }

}  // namespace zrx::book
