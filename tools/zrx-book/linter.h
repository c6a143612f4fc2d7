#pragma once
// The book checker: every book code read as the engine reads it, every record it
// names looked up, the chapter numbering and the chapter graph examined.
#include <optional>
#include <vector>

#include "diagnostics.h"
#include "source_model.h"

namespace zrx::book {

// The continuations of a chapter point as chapter numbers; kEndContinuation and
// kVictoryContinuation stand for the end markers, nullopt for an unreadable code.
std::vector<std::optional<int>> DecodeContinuations(const std::string& nextChapters);

void LintBook(const SourceBook& book, Diagnostics& diags);

// Every book, and the records the books of one package share.
void LintPackage(const SourcePackage& package, Diagnostics& diags);

}  // namespace zrx::book
