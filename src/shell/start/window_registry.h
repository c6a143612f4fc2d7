#pragma once
// The windows that `FormNyitas` opens by code, and how restoring the program reopens them.
namespace zrx {

class Program;

// Registers the windows built so far; the game window adds its commands' restore actions.
void RegisterWindows(Program& program);

}  // namespace zrx
