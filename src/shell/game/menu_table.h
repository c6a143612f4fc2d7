#pragma once
// The game window's menu: three titles, each with a drop-down panel of numbered items
// (code = title * 10 + row), their shortcut keys, and what each item does.
#include <array>
#include <string>
#include <vector>

namespace zrx {

// What choosing a menu item (or pressing its key) does.
enum class MenuAction {
  NewGame,       // the engine's new-game command
  Load,          // the save window in load mode
  Save,          // the save window in save mode, only while saving is allowed
  EndGame,       // the engine's end-game command
  StepBack,      // back to the previous chapter point where a save would be allowed
  Import,        // refused while a game runs, otherwise the import window
  Settings,      // refused while a game runs, otherwise the settings window
  Quit,          // closes the game window through the quit confirmation
  Nothing,       // "Statisztika"
  OpenWindow,    // a window of its own, by window code
  Editor,        // refused while a game runs, otherwise the book editor
  Introduction,  // the introduction, then the rules when it was left by "next"
  Rules,         // the rules, then the introduction when it was left by "back"
  OwnDice,       // switches the player's own dice on or off
  ReadAloud,     // switches reading the game aloud on or off
};

struct MenuEntry {
  int code;
  std::string caption;
  std::string shortcut;  // shown beside the caption ("F2"), empty for none
  int key;               // Qt::Key of the shortcut, 0 for none
  MenuAction action;
  int windowCode;        // window code of the window it opens, 0 for none
  // The notice (two lines) shown instead while a game runs; empty when the item runs anyway.
  std::array<std::string, 2> busyNotice;
};

// "Saját dobókockák", whose shortcut column carries its check mark.
inline constexpr int kOwnDiceMenuCode = 24;
// "Felolvasás", whose check mark stands before its key.
inline constexpr int kReadAloudMenuCode = 25;
// "Visszalépés", greyed (with the reason) where there is no step back.
inline constexpr int kStepBackMenuCode = 18;
// The mark of a checked item in its shortcut column.
inline constexpr char kMenuCheckMark[] = "✔";
// True for the items that switch something on or off.
inline bool MenuEntryCheckable(int code) { return code == kOwnDiceMenuCode || code == kReadAloudMenuCode; }

// Every item in menu order.
const std::vector<MenuEntry>& MenuEntries();
// The item of a code; nullptr for none.
const MenuEntry* MenuEntryByCode(int code);
// The item whose shortcut is this Qt key; nullptr for none.
const MenuEntry* MenuEntryByKey(int key);

// Titles of the three menus and the least heights of their drop-down panels (a panel
// grows when its items need more).
inline constexpr int kMenuCount = 3;
const std::array<std::string, kMenuCount>& MenuTitles();
inline constexpr std::array<int, kMenuCount> kMenuPanelHeights = {140, 70, 105};

}  // namespace zrx
