#pragma once
// The bench's own check, run once before it measures: the game start's load of the large
// book (its pictures inflated by a worker) holds exactly what the synchronous loaders read.
#include <vector>

#include "game_state.h"
#include "large_book.h"
#include "record_store.h"

namespace zrx::bench {

// Book 1 of a large book as the synchronous loaders read it.
struct SynchronousLoad {
  BookStores stores;
  std::vector<TextList> texts;
  std::vector<Picture> chapterPictures, decorPictures;
};
// Throws std::runtime_error when the book does not load.
SynchronousLoad LoadSynchronously(const LargeBook& book);

// Throws std::runtime_error naming what differs.
void CheckStartedGameMatchesSynchronousLoad(const LargeBook& book);

}  // namespace zrx::bench
