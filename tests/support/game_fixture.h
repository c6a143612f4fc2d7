#pragma once
// A Game wired to the test fakes: scripted dice and UI, a fixed clock, an in-memory book.
#include <gtest/gtest.h>

#include <filesystem>

#include "fixed_clock.h"
#include "game.h"
#include "memory_book_loader.h"
#include "scripted_dice.h"
#include "scripted_ui.h"

namespace zrx::test {

class GameFixture : public ::testing::Test {
 protected:
  explicit GameFixture(std::filesystem::path programFolder = std::filesystem::temp_directory_path())
      : game(std::move(programFolder), ui, dice, clock, loader) {}

  ScriptedUi ui;
  ScriptedDice dice;
  FixedClock clock;
  MemoryBookLoader loader;
  Game game;
};

}  // namespace zrx::test
