#include "game.h"

#include <utility>

#include "book_code.h"
#include "lifecycle.h"

namespace zrx {

Game::Game(std::filesystem::path programFolder, UiPort& ui, Dice& dice, const Clock& clock,
           BookLoader& loader)
    : programFolder_(std::move(programFolder)), ui_(ui), dice_(dice), clock_(clock), loader_(loader) {}

int Game::KockaDobas(int count, bool shown, std::string_view purpose) {
  if (count < 1 || count > 4) return 0;
  state.tally.DiceThrown += count;
  int sum = 0;
  for (int position = 1; position <= count; ++position) {
    const int face = dice_.roll(purpose);
    sum += face;
    if (shown) showDie(count, position, face);
  }
  return sum;
}

void Game::showDie(int count, int position, int face) {
  int slot = position;
  if (count == 1) {
    // Up to three single-die rolls of a round stand side by side; later ones replace the third.
    slot = !screen.ImageDE(1, 1).visible() ? 1 : !screen.ImageDE(1, 2).visible() ? 2 : 3;
  }
  Control& image = screen.ImageDE(count, slot);
  image.setVisible(true);
  image.setPicture({PictureRef::Source::DiceFace, face});
}

bool Game::Perform(const std::function<void()>& action) {
  try {
    action();
    Lifecycle(*this).PicturesReady(false);
    return true;
  } catch (const BookCodeError& error) {
    ui_.BookCodeErrorBox(error.what());
    return false;
  }
}

}  // namespace zrx
