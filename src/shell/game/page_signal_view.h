#pragma once
// How the game window shows a page signal: which tab blinks, the hint labels beside the
// arrow, the blink colours per tick, and the tab row's geometry.
#include <array>
#include <optional>
#include <string>

#include <QColor>

namespace zrx {

struct SignalView {
  int page;                           // tab index 0..6
  std::array<std::string, 2> labels;  // LabelNext1 / LabelNext2; empty for none
  bool blinksTab = true;              // the magic and skills signal names its page but paints no tab
};

// The view of a PendingKind 0..20 (from the engine's table); nullopt for a kind that signals nothing.
std::optional<SignalView> SignalViewOfKind(int kind);

// Blink colours: green on odd ticks, blue on even ones; the normal colour of a tab.
QColor TickColour(int tick);
QColor NormalTabColour();
// The tick after this one; restarts at 2 before the counter would overflow.
int NextTick(int tick);

// Left and right x of each tab in the painted tab row (the last two take what they need).
struct TabSpan {
  int left;
  int right;
};
inline constexpr std::array<TabSpan, 5> kFixedTabSpans = {{{5, 71}, {75, 141}, {146, 279}, {282, 395}, {398, 483}}};

}  // namespace zrx
