#pragma once
// The colour cycle of the victory window's three bands.
#include <QColor>
#include <array>

namespace zrx {

using BandColours = std::array<QColor, 3>;  // top, middle, bottom

// The bands of state 1..6; state 6 is also how the window starts.
BandColours VictoryBandColours(int state);
// The letters on a band: white, navy or black, whichever reads best on its colour.
QColor VictoryBandText(const QColor& band);
// The state after `state`: 1, 2, ... 6, then 1 again.
inline int NextVictoryState(int state) { return state % 6 + 1; }

}  // namespace zrx
