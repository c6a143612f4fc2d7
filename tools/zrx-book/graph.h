#pragma once
// The chapter graph of a book in Graphviz dot: one node per chapter point, one
// edge per continuation, labelled with the condition group that governs it.
#include <ostream>

#include "source_model.h"

namespace zrx::book {

void WriteChapterGraph(const SourceBook& book, std::ostream& out);

}  // namespace zrx::book
