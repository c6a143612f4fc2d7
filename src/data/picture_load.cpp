#include "picture_load.h"

#include <algorithm>

namespace zrx {

PictureLoad::PictureLoad(int result, std::vector<Picture> chapterPictures, std::vector<Picture> decorPictures)
    : result_(result), chapterPictures_(std::move(chapterPictures)), decorPictures_(std::move(decorPictures)),
      finished_(true) {}

PictureLoad::PictureLoad(Work work)
    : worker_([this, work = std::move(work)] {
        result_ = work(chapterPictures_, decorPictures_);
        finished_.store(true, std::memory_order_release);
      }) {}

void PictureLoad::wait() {
  // Joining hands the worker's results over to the game thread.
  if (worker_.joinable()) worker_.join();
}

int PictureLoad::result() {
  wait();
  return result_;
}

std::span<const std::uint8_t> PictureLoad::jpeg(Picture::List list, int index) {
  wait();
  const std::vector<Picture>& pictures = list == Picture::List::Chapter ? chapterPictures_ : decorPictures_;
  if (result_ < 1 || index < 0 || index >= static_cast<int>(pictures.size())) return {};
  return pictures[static_cast<std::size_t>(index)].jpeg();
}

std::vector<Picture> PictureLoad::Pending(const std::shared_ptr<PictureLoad>& load, Picture::List list, int count) {
  std::vector<Picture> pictures;
  pictures.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (int i = 0; i < count; ++i) pictures.emplace_back(load, list, i);
  return pictures;
}

}  // namespace zrx
