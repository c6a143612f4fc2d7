#pragma once
// What the chapter codes of a compiled book read, found by the checker's own readers.
#include <vector>

#include "code_check.h"
#include "records.h"

namespace zrx::book {

// The records read by the conditions and special changes of `chapters`, with the items
// that `opponents` can be beaten with. Codes that cannot be read add nothing.
RecordReads ReadsOfChapters(const std::vector<TChapterRec>& chapters, const std::vector<TMonsterRec>& opponents);

}  // namespace zrx::book
