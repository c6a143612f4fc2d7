#pragma once
// One run of the text player over streams: sign-in, then commands until the input ends
// or the player quits. Everything the binary does goes through here, so tests drive a
// Session directly with string streams.
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "book_loader.h"
#include "clock.h"
#include "dice.h"
#include "game.h"
#include "line_input.h"
#include "output_buffers.h"
#include "player_actions.h"
#include "save_random.h"
#include "screen_renderer.h"
#include "settings_line.h"
#include "text_ui.h"

namespace zrx {

struct SessionOptions {
  std::filesystem::path programFolder;
  std::optional<std::uint32_t> seed;  // reproducible dice and save-file names
  bool manualDice = false;            // the player throws every die and types the pips
  bool script = false;                // echo every line; end-of-input failures count
  bool quiet = false;                 // for screen readers: changes in words, no decoration
};

class Session {
 public:
  Session(const SessionOptions& options, std::istream& in, std::ostream& out);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Signs in, then runs commands to the end. The exit status: 0, or 1 when a command
  // failed in script mode or an error ended the program.
  int run();
  // The welcome window: reads the names, asks for a name until one is accepted and recorded.
  // False when the input ended or an error ended the program.
  bool signIn();
  // Runs one command line and prints what changed. False when the command failed.
  bool execute(const std::string& line);

  // Runs a player action through the engine's door (a malformed book code is shown and
  // play goes on). False when the action was abandoned or refused, or the input ended in it.
  bool perform(const std::function<ActionOutcome(PlayerActions&)>& action);

  Game& game() { return game_; }
  TextUi& ui() { return ui_; }
  LineInput& input() { return input_; }
  ScreenRenderer& renderer() { return renderer_; }
  SaveRandom& saveRandom() { return *saveRandom_; }
  SessionStatus& status() { return status_; }
  PlayerActions& actions() { return actions_; }
  bool quiet() const { return quiet_; }
  void setQuiet(bool quiet);
  std::ostream& out() { return out_; }
  // Answers given on the command line for the prompts of the dialog the command opens.
  std::vector<std::string>& presetAnswers() { return preset_; }
  // A dialog's prompt: the next preset answer, else the next input line.
  std::optional<std::string> ask(const std::string& prompt);

 private:
  std::optional<NewGameChoice> newGameDialog();
  void showErrorWindowIfReported();

  CountingBuffer counter_;
  std::ostream out_;
  SessionStatus status_;
  LineInput input_;
  SystemClock clock_;
  std::unique_ptr<SaveRandom> saveRandom_;
  PackageBookLoader loader_;
  TextUi ui_;
  std::unique_ptr<Dice> generated_;  // generated dice; with manual dice, the program's own picks
  std::unique_ptr<Dice> dice_;       // the dice of the game
  Game game_;
  PlayerActions actions_{game_};
  ScreenRenderer renderer_;
  std::vector<std::string> preset_;
  bool quiet_ = false;
};

}  // namespace zrx
