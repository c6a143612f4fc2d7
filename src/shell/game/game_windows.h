#pragma once
// The game's own modal windows that the UI port opens: the pair choice before a battle
// round, the death window and the victory window.
#include <string>
#include <vector>

namespace zrx {

class Program;

// The pair choice: the header line and one line per standing opponent. Returns the button
// pressed, 1..number of lines.
int ShowPairChoice(Program& program, const std::string& header, const std::vector<std::string>& opponentLines);

// The death window; returns when it has closed.
void ShowDeathWindow(Program& program);

// The victory window; returns when it has closed.
void ShowVictoryWindow(Program& program);

}  // namespace zrx
