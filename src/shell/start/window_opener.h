#pragma once
// `FormNyitas`: opens a window by its code, modally, and destroys it when it closes; and
// the restore handler that reopens a window that was minimised.
#include <functional>
#include <map>
#include <memory>

class QWidget;

namespace zrx {

class Program;
class TFormZRXBase;

// The window codes (also the values of `PendingWindow` for a minimised window).
enum WindowCode {
  kWindowBye = 10,
  kWindowSave = 20,
  kWindowLoad = 30,
  kWindowVersion = 40,
  kWindowThanks = 50,
  kWindowIntro = 60,
  kWindowInfo = 70,
  kWindowRules = 80,
  kWindowNewGame = 90,
  kWindowSettings = 100,
  kWindowRepair = 110,
};

class WindowOpener {
 public:
  // Makes the window of a code, parented to the game window; it is deleted after it closes.
  using Factory = std::function<std::unique_ptr<TFormZRXBase>(Program&, QWidget* parent)>;
  // What restoring the program does for a code: repeats the command that opened the window.
  using RestoreAction = std::function<void()>;

  explicit WindowOpener(Program& program);

  // The windows are registered by the parts of the program that build them.
  void registerWindow(int code, Factory factory);
  void registerRestoreAction(int code, RestoreAction action);
  bool hasWindow(int code) const { return factories_.contains(code); }

  // `FormNyitas`: `PendingWindow` is 1 while the window is up. The new-game, save, load and
  // settings windows are not opened once an error has been reported. Returns the window's
  // dialog result (0 when it was not opened). After a minimise `PendingWindow` holds the code.
  int FormNyitas(int code);
  // The same for a window made by `factory`, for a window whose opener needs its result.
  int FormNyitas(int code, const Factory& factory);

  // The restore handler: acts on `PendingWindow` (10 closes the game window, the others
  // repeat their command); other values do nothing.
  void RestoreHandler();

 private:
  Program& program_;
  std::map<int, Factory> factories_;
  std::map<int, RestoreAction> restoreActions_;
};

}  // namespace zrx
