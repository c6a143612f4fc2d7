#include "game/book_cover.h"

#include <vector>

#include "source_coding.h"

namespace zrx {

const Picture* BookCover::find(const std::filesystem::path& programFolder, const std::string& package,
                               int bookNumber) {
  if (package != package_ || bookNumber != bookNumber_) {
    package_ = package;
    bookNumber_ = bookNumber;
    std::vector<TBookRec> books;
    std::vector<Picture> covers;
    SourceCoding coding(programFolder);
    int bookCount = 0;
    const bool read = coding.CheckPackage(package, bookCount) >= 0 &&
                      coding.LoadBookList(package, bookCount, books, covers) >= 0;
    loaded_ = read && bookNumber >= 1 && bookNumber <= static_cast<int>(covers.size());
    cover_ = loaded_ ? covers[static_cast<std::size_t>(bookNumber - 1)] : Picture{};
  }
  return loaded_ ? &cover_ : nullptr;
}

}  // namespace zrx
