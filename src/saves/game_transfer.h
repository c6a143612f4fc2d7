#pragma once
// Between a running game and the content of a game file: the game write (what a save
// records) and the game apply (restoring a checked file over a fresh game).
#include "game.h"
#include "game_file.h"

namespace zrx {

// The saved content of the running game, without the file name; changes nothing. A
// malformed special-characteristic code of the book throws BookCodeError.
SavedGame CaptureSavedGame(Game& game);

// Restores a saved game: package, book and difficulty, the game start on that book,
// then every saved item in file order, and the chapter point to enter next as
// CurrentChapter (not entered here). False when the game start reported an error;
// nothing after it has been applied then.
bool ApplySavedGame(Game& game, const SavedGame& saved);

}  // namespace zrx
