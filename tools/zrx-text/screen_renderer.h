#pragma once
// Renders the engine's screen model as text. After each command it prints what changed
// since the last look: the chapter label and text, the continuations, the page signal
// (which page waits and why), characteristics, dice and battle lines, lists and
// descriptions. A page command prints a whole page.
#include <cstdint>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "control_catalogue.h"
#include "screen_model.h"

namespace zrx {


// Page captions in page order ("Történet" .. "Speciális").
const std::vector<std::string>& PageCaptions();

// Why a page waits, for a PendingKind; empty for none.
std::string PendingReason(int pendingKind);

class ScreenRenderer {
 public:
  ScreenRenderer(const ScreenModel& screen, std::ostream& out);

  // Prints what changed since the last call (or since construction) and remembers the screen.
  void renderChanges();
  // Prints every shown control of a page (0..6) and remembers the screen.
  void renderPage(int page);
  // Remembers the screen without printing.
  void remember();
  // Quiet: for screen readers, only what changed, in words, without separators or the
  // visited path repeated after every step.
  void setQuiet(bool quiet) { quiet_ = quiet; }
  // What a line of a list holds beyond its name (pieces, in use), told after the name.
  using LineNote = std::function<std::string(std::size_t line)>;
  void setLineNote(const std::string& list, LineNote note) { notes_[list] = std::move(note); }
  bool quiet() const { return quiet_; }
  // Forgets what these controls showed, so that the next look tells them again even
  // when an action wrote the same values (a round with the same result, a repeated roll).
  void forget(const std::vector<std::string>& names);

 private:
  struct Seen {
    std::uint64_t version = 0;
    std::string text;
    std::vector<std::string> items;
    bool visible = true;
    bool enabled = true;
  };
  // A control of the screen with what the renderer knows of it, found once: a command
  // looks at every control, so it goes by position, never by name.
  struct Slot {
    const std::string* name = nullptr;
    const Control* control = nullptr;
    const ControlEntry* shown = nullptr;  // its catalogue entry, when the renderer tells it
    bool seenOnce = false;  // `seen` holds what it showed last
    Seen seen;
  };
  static constexpr std::size_t kNoSlot = static_cast<std::size_t>(-1);

  // The slot of a named control, kNoSlot when the screen has none.
  std::size_t slotOf(std::string_view name) const;
  bool changed(std::size_t slot) const;
  void rememberControl(std::size_t slot);
  void printControl(std::size_t slot, bool always);
  void printList(const std::string& caption, const Control& control, bool numbered, const LineNote* note = nullptr);
  void printSignal();
  // "=== 12 ===", or in quiet mode "FejezetPont: 12".
  void printChapterHead();
  void printDice();
  // Choice boxes with their prices, and quantity rows: all of them, or the changed ones.
  void printOfferRows(bool always);
  void printActions(bool always);
  std::vector<std::string> availableActions() const;

  const ScreenModel& screen_;
  std::ostream& out_;
  std::vector<Slot> slots_;             // in the screen's name order
  std::vector<std::size_t> tableSlots_;  // the table's controls, in table order (kNoSlot: not on this screen)
  // Slots of the controls that a command looks at by name.
  std::size_t pageControl_, storyName_, chapterLabel_, storyText_, nextList_, nextEdit_, next1_, next2_, timer_;
  std::vector<std::size_t> offerBoxes_, offerPrices_, rowNames_, rowCounts_, actionSlots_;
  std::vector<std::vector<std::size_t>> diceSlots_;  // per roll action 1..4, its face slots
  std::vector<std::string> lastActions_;
  bool quiet_ = false;
  std::map<std::string, LineNote, std::less<>> notes_;
};

}  // namespace zrx
