#pragma once
// The check mark of "Saját dobókockák" in the "Egyéb" menu, drawn in the item's shortcut
// column while the player's own dice are on.
namespace zrx {

class MainMenu;
class OwnDice;

void ShowOwnDiceMark(MainMenu& menu, const OwnDice& dice);

}  // namespace zrx
