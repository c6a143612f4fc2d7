#include "dice/own_dice_mark.h"

#include <QLabel>

#include "dice/own_dice.h"
#include "game/main_menu.h"
#include "game/menu_table.h"

namespace zrx {

void ShowOwnDiceMark(MainMenu& menu, const OwnDice& dice) {
  if (QLabel* mark = menu.shortcutLabel(kOwnDiceMenuCode)) mark->setText(dice.on() ? QString::fromUtf8(kMenuCheckMark) : QString());
}

}  // namespace zrx
