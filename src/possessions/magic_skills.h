#pragma once
// The spells and skills the player knows (MagicSkillList with its list box) and the
// details of the selected one.
#include "game.h"
#include "shown_list.h"

namespace zrx {

class MagicSkills {
 public:
  explicit MagicSkills(Game& game) : game_(game) {}

  // Appends a spell or skill to the list and its name to the list box.
  void add(int number);
  // Selection on the magic and skills list: description, kind, levels and uses.
  void ListBox_VKClick();

 private:
  ShownList list() const { return {game_.state.knowledge.MagicSkillList, &game_.screen.ListBox_VK}; }

  Game& game_;
};

}  // namespace zrx
