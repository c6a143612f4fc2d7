#pragma once
// The file side of saving, loading and deleting a game: the index and the game
// files change together here; the game state is not touched.
#include <string>
#include <string_view>
#include <vector>

#include "game_file.h"
#include "save_folder.h"
#include "save_index.h"
#include "save_random.h"

namespace zrx {

// Writes a game under the entry's save name. `existing` is the position in
// index.entries of the save being overwritten (its line and file name are reused),
// or -1 for a new save, which gets a newly drawn file name and a new index line.
// The file name is appended to `gameLines`. 0; -1 no save folder; -2 no index file;
// -3 writing the game file failed; -4 writing the index failed. On success `index`
// holds the new state.
int StoreGame(const SaveFolder& folder, SaveIndex& index, std::string_view player,
              SaveEntry entry, std::vector<std::string> gameLines, int existing,
              SaveRandom& random);

// Reads, checks and parses the game file of a save of `player`. 0; the read's code
// (-11, -10, -2, -3, -4); the check's code (-1, -5, -21 to -24); -5 when its package
// is not one of the program's package folders.
int ReadGame(const SaveFolder& folder, const SaveEntry& entry, std::string_view player,
             SavedGame& game);

// Removes the save at `position` of index.entries from the index, then its file.
// 0; -1 no save folder; -2 no index file; -3 rewriting the index failed.
int DeleteGame(const SaveFolder& folder, SaveIndex& index, std::size_t position);

}  // namespace zrx
