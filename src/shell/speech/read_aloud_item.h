#pragma once
// The "Felolvasás" item of the "Egyéb" menu as the reading stands: a check mark before its
// key while on, greyed with the reason (tooltip and accessible description) while no
// speech service can be had.
namespace zrx {

class MainMenu;
class ReadAloud;

void ShowReadAloudItem(MainMenu& menu, const ReadAloud& reading);

}  // namespace zrx
