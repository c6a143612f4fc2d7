#pragma once
// The program's named colours, in one place: the normal set (sky-blue body, navy commands)
// and the high-contrast set (black body, white text, yellow commands and focus frame).
// Every painting control and palette reads them here, so that switching the set repaints
// the whole program alike.
#include <QColor>
#include <QPalette>

namespace zrx {

// The "Szövegszín" option that switches the whole program to the high-contrast set.
inline constexpr int kHighContrastTextColour = 7;

struct LookColours {
  bool highContrast = false;
  QColor body;          // the windows' background
  QColor text;          // body text and labels
  QColor command;       // menu items, hints and other clickable texts
  QColor caption;       // the captions of the pages' groups and values
  QColor link;          // the links to the outside (mail, home page)
  QColor hover;         // a clickable text under the mouse
  QColor disabled;      // greyed text
  QColor focus;         // the frame round the focused control
  QColor frame;         // the windows' outer frame line
  QColor frameLight;    // the light and dark bevel lines
  QColor frameDark;
  QColor menuPanel;     // the drop-down panels
  QColor menuHighlight; // the highlighted menu item's band and text
  QColor menuHighlightText;
  QColor tab;           // a closed tab, the open one, and their captions
  QColor tabOpen;
  QColor tabText;
  QColor signalOdd;     // the waiting tab's two alternating colours
  QColor signalEven;
  QColor signalText;
  QColor picture;       // the frame round pictures and dice faces
  QColor field;         // the background of text fields and dice faces
  QColor fieldText;
  QColor pip;           // a die's pips, and the single pip of a one
  QColor pipOne;
  QColor arrowFill;     // the arrow and quantity buttons, pressed or not
  QColor arrowPressed;
  QColor controlFill;   // the scroll thumb, its outline and the scroll arrows
  QColor controlLine;
  QColor controlLit;
  QColor track;         // the scroll track, focused and not
  QColor trackFocused;
  QColor mapPaper;      // the adventure map's background and nodes
  QColor mapNode;
  QColor mapNodeCurrent;
  QColor mapLine;
  QColor mapText;
  QColor mapStep;       // the lines and arrows between the map's nodes
};

// The normal set, exactly the colours the program has always drawn with.
const LookColours& NormalLook();
// Black body, white text, yellow for commands and the focus frame.
const LookColours& HighContrastLook();

// The set in force, and switching it (the settings do, on every change).
const LookColours& Look();
void UseHighContrast(bool on);

// A colour that a caller chose for the normal set (a link's own colour): itself in the
// normal set, the set's command colour in high contrast.
QColor CommandColour(const QColor& normalChoice);

// The palette of a window's body in the set in force.
QPalette BodyPalette(QPalette base);

}  // namespace zrx
