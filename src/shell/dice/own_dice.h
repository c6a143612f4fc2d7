#pragma once
// The game's dice source in the desktop program: the generated dice, or, while the player's
// own dice are switched on, every die asked for through the UI port with what it decides.
// The program's own random picks stay with the generated dice either way.
#include <filesystem>
#include <string_view>

#include "dice.h"

namespace zrx {

class UiPort;

class OwnDice : public Dice {
 public:
  // The switch starts as stored in `programFolder`.
  OwnDice(std::filesystem::path programFolder, UiPort& ui, Dice& generated);

  int roll(std::string_view purpose) override;
  int uniform(int count) override { return generated_.uniform(count); }

  bool on() const { return on_; }
  // Switches and stores; the switch holds for this run even when storing fails.
  void setOn(bool on);

 private:
  std::filesystem::path programFolder_;
  Dice& generated_;
  ManualDice manual_;
  bool on_;
};

}  // namespace zrx
