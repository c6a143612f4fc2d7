#pragma once
// Every control of the main window, once: its page, what kind of thing it is, and how a
// player who reads the window as text names it. The screen model is built from it, the
// text player tells the window's changes through it, and the desktop window binds a widget
// to each control it lists (a test of each front end holds it to that).
#include <string>
#include <string_view>
#include <vector>

namespace zrx {

enum class ControlKind {
  Text,          // a label: told as "caption: text"
  Lines,         // a memo: its lines under the caption
  NumberedList,  // a list the player picks from by number
  Part,          // told as part of a row or panel the front end tells whole (choice boxes, dice faces)
  Command,       // something the player presses; its state is told by the actions it offers
  State,         // the window's own state (active page, page signal, offer arrangement)
};

// The page of the controls that belong to the window rather than one of its seven pages.
inline constexpr int kWindowWide = -1;

// Rows of the equipment page: choice boxes with price labels, and quantity rows.
inline constexpr int kChoiceBoxes = 17;
inline constexpr int kQuantityRows = 10;

struct ControlEntry {
  std::string name;
  int page;  // 0..6, or kWindowWide
  ControlKind kind;
  // The text player's name for it; the text of `captionControl` follows it when that is set
  // (a battle row's value is named by its row and the label beside it).
  std::string caption;
  std::string captionControl;
};

// In the order the text player tells them.
const std::vector<ControlEntry>& ControlCatalogue();
// The entry of `name`; nullptr for a name the window does not have.
const ControlEntry* FindControlEntry(std::string_view name);

}  // namespace zrx
