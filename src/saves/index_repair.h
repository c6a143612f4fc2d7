#pragma once
// A damaged save index is never fatal for good: it is set aside under a new name (never
// deleted) and a new index is built from the game files that still read.
#include <string>

#include "clock.h"
#include "save_folder.h"

namespace zrx {

struct IndexRepair {
  std::string setAsideName;  // the damaged index's new file name in the save folder
  int rebuiltGames = 0;      // game files the new index lists
};

// Sets the index aside as "Save_hibas_(<short date>).zrx" (a number added when that is
// taken) and writes a new index: every game file of a valid name that reads and passes
// the game check, oldest first. The fields the game file does not hold (save name, date,
// title) come from the damaged index's readable lines, else from the file's own name and
// time and the package's book list. 0; -1 the index could not be set aside; -2 the new
// index could not be written (the damaged one is then back in its place).
int RepairIndex(const SaveFolder& folder, const DateTime& now, IndexRepair& repair);

}  // namespace zrx
