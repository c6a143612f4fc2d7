// Writes a small broken book into a program folder for the end-to-end run of the player:
// chapter point 1 offers a continuation whose code is not a chapter number.
#include <iostream>

#include "text_player_fixture.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: zrx_text_broken_book FOLDER\n";
    return 2;
  }
  using namespace zrx::test;
  WriteTestPackage(argv[1], StoryPackage({PlainChapter(-1, "000"), PlainChapter(0, "001"), PlainChapter(1, "0Z2"),
                                          PlainChapter(2, "GGG")},
                                         "Törött könyv"));
  return 0;
}
