#pragma once
// The context of a running game: everything a subsystem reaches. The subsystems
// (characteristics, lifecycle, dice tests, conditions, navigation, ...) are small objects
// over a Game&, named after their operations; they keep no state of their own, so any
// code may make one where it needs it.
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include "book_loader.h"
#include "clock.h"
#include "dice.h"
#include "error_log.h"
#include "game_state.h"
#include "picture_load.h"
#include "record_store.h"
#include "screen_model.h"
#include "ui_port.h"

namespace zrx {

class Game {
 public:
  Game(std::filesystem::path programFolder, UiPort& ui, Dice& dice, const Clock& clock,
       BookLoader& loader);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  BookStores stores;
  GameState state;
  ScreenModel screen;
  ErrorLog errors;
  // A rehearsal is a copy of a game that plays the rest of a battle for its odds: it stops
  // where the battle ends, so the story never goes on from a rehearsed victory.
  bool rehearsal = false;
  // The running book's pictures while a worker still loads them; the lists in `state`
  // read through it. Its result is taken, and a failure reported, once (Lifecycle).
  std::shared_ptr<PictureLoad> picturesLoading;

  UiPort& ui() { return ui_; }
  Dice& dice() { return dice_; }
  const Clock& clock() const { return clock_; }
  BookLoader& loader() { return loader_; }
  const std::filesystem::path& programFolder() const { return programFolder_; }

  // The one roll of the system: the sum of `count` dice (1..4); any other count rolls
  // nothing and gives 0. Shown rolls put their faces into the dice panel's slots.
  // `purpose` names what the roll decides ("Sebzés", "Szerencse próba", ...); dice that
  // the player throws by hand show it.
  int KockaDobas(int count, bool shown, std::string_view purpose);

  // Runs engine code under the book-code guard; front ends reach it only through the door
  // of player actions (PlayerActions), tests and tools set up their games with it. A
  // malformed book code abandons the action where it arose (the state stays as far as it
  // was changed), is shown in the error message box, and the program goes on. False when
  // the action was abandoned.
  // Pictures that finished loading meanwhile are taken, a failure reported.
  bool Perform(const std::function<void()>& action);

 private:
  void showDie(int count, int position, int face);

  std::filesystem::path programFolder_;
  UiPort& ui_;
  Dice& dice_;
  const Clock& clock_;
  BookLoader& loader_;
};

}  // namespace zrx
