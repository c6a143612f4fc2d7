#pragma once
// A running game of a small book, in a program folder with a save folder and an index.
#include <string>

#include "game_fixture.h"
#include "save_folder.h"
#include "save_test_support.h"

namespace zrx::test {

// Builds the test book: chapters 1..10 in a ring, a special characteristic "05",
// items, information of each kind, spells and skills.
void FillTestBook(BookStores& book, std::vector<TextList>& texts);

struct ProgramFolderHolder {
  ProgramFolder program;
};

class SaveGameFixture : protected ProgramFolderHolder, public zrx::test::GameFixture {
 protected:
  SaveGameFixture();

  // Starts a game of the test book for player "Anna" at "Véletlen" and walks a long
  // path, ending at chapter 7 with possessions of every kind.
  void playToTheMiddle();
  // Writes the index with the sentinel and the given lines after it.
  void writeIndex(const std::vector<std::string>& lines = {});
  std::vector<std::string> readIndex() const;

  SaveFolder folder{program.path(), CountingFiller()};
};

}  // namespace zrx::test
