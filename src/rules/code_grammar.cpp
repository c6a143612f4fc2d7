#include "code_grammar.h"

#include <algorithm>

#include "condition_grammar.h"

namespace zrx::grammar {
namespace {

bool matches(const Selector& s, std::string_view code) {
  if (s.pos == 0) return true;
  return s.pos <= code.size() && s.chars.find(code[s.pos - 1]) != std::string_view::npos;
}

// The count that a ByCount field repeats by; 0 when it is missing or no digit.
std::size_t listCount(const CodeForm& form, std::string_view code) {
  for (const Field& f : form.fields) {
    if (f.kind != FieldKind::ListCount) continue;
    if (f.pos > code.size()) return 0;
    const char c = code[f.pos - 1];
    return (c >= '0' && c <= '9') ? static_cast<std::size_t>(c - '0') : 0;
  }
  return 0;
}

}  // namespace

std::span<const CodeForm> FormsOf(CodeFamily family) {
  switch (family) {
    case CodeFamily::Condition: return condition::kForms;
  }
  return {};
}

const CodeForm* FindForm(CodeFamily family, std::string_view code) {
  for (const CodeForm& form : FormsOf(family)) {
    if (matches(form.letter, code) && matches(form.subtype, code)) return &form;
  }
  return nullptr;
}

std::vector<PlacedField> Layout(const CodeForm& form, std::string_view code) {
  std::vector<PlacedField> placed;
  for (const Field& f : form.fields) {
    switch (f.repeat) {
      case Repeat::Once:
        placed.push_back({&f, f.pos, 0});
        break;
      case Repeat::ByCount:
        for (std::size_t i = 0, n = listCount(form, code); i < n; ++i) placed.push_back({&f, f.pos + i * f.width, i});
        break;
      case Repeat::ToEnd:
        placed.push_back({&f, f.pos, 0});
        for (std::size_t i = 1; f.pos + i * f.width <= code.size(); ++i) placed.push_back({&f, f.pos + i * f.width, i});
        break;
    }
  }
  return placed;
}

std::optional<PlacedField> FieldAt(const CodeForm& form, std::string_view code, std::size_t pos) {
  for (const PlacedField& p : Layout(form, code)) {
    if (p.pos <= pos && pos <= p.end()) return p;
  }
  return std::nullopt;
}

CodeInText CodeAt(CodeFamily family, std::string_view text, std::size_t offset) {
  std::string_view separators;
  switch (family) {
    case CodeFamily::Condition: separators = "#,"; break;
  }
  offset = std::min(offset, text.size());
  const std::size_t before = offset == 0 ? std::string_view::npos : text.find_last_of(separators, offset - 1);
  const std::size_t begin = before == std::string_view::npos ? 0 : before + 1;
  const std::size_t after = text.find_first_of(separators, offset);
  const std::size_t end = after == std::string_view::npos ? text.size() : after;
  return {text.substr(begin, end - begin), begin + 1};
}

}  // namespace zrx::grammar
