#include "magic_skills.h"

#include "possession_texts.h"

namespace zrx {

void MagicSkills::add(int number) { list().append(number, game_.stores.magicSkills.Find(number).Name); }

void MagicSkills::ListBox_VKClick() {
  const int index = list().selectedIndex();
  if (!game_.state.GameLoaded || index < 0) return;
  const TMagicSkillRec rec = game_.stores.magicSkills.Find(list().numberAt(index));
  game_.screen.MemoVK_Leir.setItems(magicSkillDetailLines(rec));
}

}  // namespace zrx
