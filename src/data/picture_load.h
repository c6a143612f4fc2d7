#pragma once
// The chapter and decorative pictures of a book, inflated and checked by one worker thread
// while the game goes on: the player reads the rules text while 50 MB of pictures inflate.
// The engine stays single-threaded: only the game thread asks a load anything, every
// question waits for the worker, and the worker touches nothing but its own input and the
// results below.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <thread>
#include <vector>

#include "picture.h"

namespace zrx {

class PictureLoad {
 public:
  // Fills the two lists; the loader's result (the item count, or a negative code).
  using Work = std::function<int(std::vector<Picture>& chapterPictures, std::vector<Picture>& decorPictures)>;

  // A load that is done already.
  PictureLoad(int result, std::vector<Picture> chapterPictures, std::vector<Picture> decorPictures);
  // A load that `work` does on a worker thread.
  explicit PictureLoad(Work work);
  // Waits for the worker: a game that ends, a new book or the program's exit never leaves
  // it running.
  ~PictureLoad() = default;
  PictureLoad(const PictureLoad&) = delete;
  PictureLoad& operator=(const PictureLoad&) = delete;

  // True once the result is there; never waits.
  bool finished() const { return finished_.load(std::memory_order_acquire); }
  // The loader's result, once the worker is done.
  int result();
  // The bytes of picture `index` of a list, once the worker is done; empty when the load
  // failed or has no such picture.
  std::span<const std::uint8_t> jpeg(Picture::List list, int index);

  // `count` pictures that read through `load`, for the game's lists.
  static std::vector<Picture> Pending(const std::shared_ptr<PictureLoad>& load, Picture::List list, int count);

 private:
  void wait();

  int result_ = 0;
  std::vector<Picture> chapterPictures_;
  std::vector<Picture> decorPictures_;
  std::atomic<bool> finished_{false};
  std::jthread worker_;  // last, so that it is joined before the results above go
};

}  // namespace zrx
