#include "dice/own_dice.h"

#include <utility>

#include "dice/own_dice_setting.h"

namespace zrx {

OwnDice::OwnDice(std::filesystem::path programFolder, UiPort& ui, Dice& generated)
    : programFolder_(std::move(programFolder)),
      generated_(generated),
      manual_(ui, generated),
      on_(LoadOwnDiceSetting(programFolder_)) {}

int OwnDice::roll(std::string_view purpose) { return on_ ? manual_.roll(purpose) : generated_.roll(purpose); }

void OwnDice::setOn(bool on) {
  on_ = on;
  SaveOwnDiceSetting(programFolder_, on);
}

}  // namespace zrx
