#pragma once
// A large book written at bench time: deterministic texts and 1024x768 JPEG pictures,
// in a package folder of its own that is removed with the object.
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "picture.h"

namespace zrx::bench {

struct BookShape {
  int lastChapter = 998;     // chapter points -1..lastChapter
  int chapterPictures = 255;  // the format's limit per kind
  int decorPictures = 145;
};

// One deterministic picture of the given size; `seed` varies its content.
Picture MakeBenchPicture(int width, int height, std::uint32_t seed);

class LargeBook {
 public:
  explicit LargeBook(BookShape shape);
  ~LargeBook();
  LargeBook(const LargeBook&) = delete;
  LargeBook& operator=(const LargeBook&) = delete;

  const std::filesystem::path& programFolder() const { return programFolder_; }
  std::filesystem::path file(const char* kind, int number) const;
  const BookShape& shape() const { return shape_; }
  // Bytes of the three files that a game start reads.
  std::uintmax_t gameFileBytes() const;

 private:
  BookShape shape_;
  std::filesystem::path programFolder_;
};

// The books of a bench run, each written on first use and removed at the end.
class BookShelf {
 public:
  const LargeBook& of(BookShape shape);

 private:
  std::map<std::tuple<int, int, int>, std::unique_ptr<LargeBook>> books_;
};

}  // namespace zrx::bench
