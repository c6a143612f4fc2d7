#include "load_check.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "container_format.h"
#include "lifecycle.h"
#include "session.h"
#include "source_coding.h"

namespace zrx::bench {

SynchronousLoad LoadSynchronously(const LargeBook& book) {
  SourceCoding source(book.programFolder());
  SynchronousLoad load;
  const BookShape& shape = book.shape();
  if (source.LoadGameData(kSourcePackage, 1, load.stores) < 1 ||
      source.LoadChapterTexts(kSourcePackage, 1, shape.lastChapter + 2, load.texts) < 1 ||
      source.LoadChapterPictures(kSourcePackage, 1, shape.decorPictures, shape.chapterPictures,
                                 load.chapterPictures, load.decorPictures) < 1)
    throw std::runtime_error("the bench book does not load");
  return load;
}

void CheckStartedGameMatchesSynchronousLoad(const LargeBook& book) {
  const auto [stores, texts, chapterPictures, decorPictures] = LoadSynchronously(book);
  const BookShape& shape = book.shape();
  // The game start's load alone: starting the game goes on to change the characteristics.
  std::istringstream in;
  std::ostringstream out;
  Session session(SessionOptions{.programFolder = book.programFolder()}, in, out);
  Game& game = session.game();
  game.state.SourceName = kSourcePackage;
  game.state.BookNumber = 1;
  if (!Lifecycle(game).JatekInicializalas()) throw std::runtime_error("the game start does not load the large book");
  const auto same = [](const auto& a, const auto& b) { return std::ranges::equal(a, b); };
  const std::pair<const char*, bool> parts[] = {
      {"books", same(stores.books, game.stores.books)},
      {"chapter points", same(stores.chapters, game.stores.chapters)},
      {"opponents", same(stores.monsters, game.stores.monsters)},
      {"items", same(stores.items, game.stores.items)},
      {"information", same(stores.infos, game.stores.infos)},
      {"magic and skills", same(stores.magicSkills, game.stores.magicSkills)},
      {"characteristics", same(stores.baseValues, game.stores.baseValues)},
      {"chapter texts", texts == game.state.ChapterTexts},
      {"chapter pictures", chapterPictures == game.state.ChapterPictures},
      {"decorative pictures", decorPictures == game.state.DecorPictures},
  };
  std::string differing;
  for (const auto& [name, equal] : parts)
    if (!equal) differing += std::string(differing.empty() ? "" : ", ") + name;
  if (!differing.empty()) throw std::runtime_error("the started game differs from the synchronous load: " + differing);
  if (chapterPictures.size() != static_cast<std::size_t>(shape.chapterPictures) ||
      decorPictures.size() != static_cast<std::size_t>(shape.decorPictures))
    throw std::runtime_error("the large book's pictures are not all there");
}

}  // namespace zrx::bench
