#pragma once
// A Game wired to the test fakes: scripted dice and UI, a fixed clock, an in-memory book.
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>

#include "fixed_clock.h"
#include "game.h"
#include "lifecycle.h"
#include "memory_book_loader.h"
#include "scripted_dice.h"
#include "scripted_ui.h"

namespace zrx::test {

class GameFixture : public ::testing::Test {
 protected:
  explicit GameFixture(std::filesystem::path programFolder = std::filesystem::temp_directory_path())
      : game(std::move(programFolder), ui, dice, clock, loader) {}

  // Starts book 1 of the loader's book at a difficulty; `pips` are the character's dice
  // (Skill, two for Stamina, Luck, then those of the book's special characteristics).
  void startGame(int difficulty, std::initializer_list<int> pips) {
    dice.push(pips);
    Lifecycle(game).Indit(NewGameChoice{.package = "Source", .bookNumber = 1, .bookCount = 1,
                                        .difficulty = difficulty});
  }

  ScriptedUi ui;
  ScriptedDice dice;
  FixedClock clock;
  MemoryBookLoader loader;
  Game game;
};

}  // namespace zrx::test
