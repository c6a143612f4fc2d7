#pragma once
// The bench's own check, run once before it measures: the game start's load of the large
// book (its pictures inflated by a worker) holds exactly what the synchronous loaders read.
#include "large_book.h"

namespace zrx::bench {

// Throws std::runtime_error naming what differs.
void CheckStartedGameMatchesSynchronousLoad(const LargeBook& book);

}  // namespace zrx::bench
