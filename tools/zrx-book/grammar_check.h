#pragma once
// Checks a code against its form in the shared code grammar: every field read and
// judged by its kind, in the order the form lists them.
#include "code_check.h"
#include "code_grammar.h"

namespace zrx::book {

// Reads and judges every field of `form` in `r`: ranges, references, relations, one-of
// characters. A missing field or a non-number throws as CodeReader does.
void CheckFields(const grammar::CodeForm& form, const CodeReader& r, CodeCheck& check);
// Reads and judges one field of `form` as laid out in `r`.
void CheckField(const grammar::CodeForm& form, const grammar::PlacedField& p, const CodeReader& r, CodeCheck& check);
// Warns when `r` goes on past the last field of `form`.
void CheckLength(const grammar::CodeForm& form, const CodeReader& r, CodeCheck& check);

}  // namespace zrx::book
