#include "game/menu_table.h"

#include <Qt>

#include "start/window_opener.h"

namespace zrx {

const std::vector<MenuEntry>& MenuEntries() {
  using enum MenuAction;
  static const std::vector<MenuEntry> entries = {
      {11, "Kezdés", "F2", Qt::Key_F2, NewGame, kWindowNewGame, {}},
      {12, "Betöltés", "F3", Qt::Key_F3, Load, kWindowLoad, {}},
      {13, "Mentés", "F4", Qt::Key_F4, Save, kWindowSave, {}},
      {14, "Befejezés", "F8", Qt::Key_F8, EndGame, 0, {}},
      {kStepBackMenuCode, "Visszalépés", "F7", Qt::Key_F7, StepBack, 0, {}},
      {15, "Importálás", "", 0, Import, 0,
       {"Új játékcsomag importálásához be kell fejezned", " az éppen folyó játékot!"}},
      {16, "Beállítások", "F6", Qt::Key_F6, Settings, kWindowSettings,
       {"A játék beállításaihoz be kell fejezned", " az éppen folyó játékot!"}},
      {17, "Kilépés a Programból", "", 0, Quit, kWindowBye, {}},
      {21, "Statisztika", "", 0, Nothing, 0, {}},
      {22, "Köszönetnyilvánítás", "", 0, OpenWindow, kWindowThanks, {}},
      {23, "Történet Szerkesztő", "", 0, Editor, 0,
       {"A Szerkesztő program használatához be kell fejezned", "az éppen folyó játékot!"}},
      {kOwnDiceMenuCode, "Saját dobókockák", "", 0, OwnDice, 0, {}},
      {kReadAloudMenuCode, "Felolvasás", "F9", Qt::Key_F9, ReadAloud, 0, {}},
      {31, "Bevezetés", "", 0, Introduction, kWindowIntro, {}},
      {32, "Játékszabályok", "F1", Qt::Key_F1, Rules, kWindowRules, {}},
      {33, "Javítások", "F10", Qt::Key_F10, OpenWindow, kWindowRepair, {}},
      {34, "Információ", "F11", Qt::Key_F11, OpenWindow, kWindowInfo, {}},
      {35, "Verzió", "F12", Qt::Key_F12, OpenWindow, kWindowVersion, {}},
  };
  return entries;
}

const MenuEntry* MenuEntryByCode(int code) {
  for (const MenuEntry& entry : MenuEntries()) {
    if (entry.code == code) return &entry;
  }
  return nullptr;
}

const MenuEntry* MenuEntryByKey(int key) {
  if (key == 0) return nullptr;
  for (const MenuEntry& entry : MenuEntries()) {
    if (entry.key == key) return &entry;
  }
  return nullptr;
}

const std::array<std::string, kMenuCount>& MenuTitles() {
  static const std::array<std::string, kMenuCount> titles = {"Játék", "Egyéb", "Segítség"};
  return titles;
}

}  // namespace zrx
