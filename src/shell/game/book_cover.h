#pragma once
// The running book's cover for the story page's picture frame. The game names the cover
// (at the rules text and the background story) but keeps no picture of it: it is read
// from the package once per book and kept here.
#include <filesystem>
#include <string>

#include "picture.h"

namespace zrx {

class BookCover {
 public:
  // The cover of book `bookNumber` (1-based) of `package`; nullptr when the package has
  // no covers or they cannot be read (the frame then stays empty, as before a picture).
  const Picture* find(const std::filesystem::path& programFolder, const std::string& package, int bookNumber);

 private:
  std::string package_;
  int bookNumber_ = 0;
  bool loaded_ = false;
  Picture cover_;
};

}  // namespace zrx
