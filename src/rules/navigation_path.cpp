// The visited-path memo on the adventure sheet and its export.
#include "game.h"
#include "navigation.h"
#include "visited_path.h"

namespace zrx {

// Changes only the memo's last line, so that restoring a long path stays linear.
void Navigation::LepesFeltoltes(std::string_view number) {
  Control& memo = game_.screen.MemoFP;
  const std::vector<std::string>& lines = memo.items();
  if (lines.empty() || PathMemoLineIsFull(lines.back())) {
    memo.addItem(PathMemoEntry(number));
    return;
  }
  std::string last = lines.back() + PathMemoEntry(number);
  memo.removeItem(static_cast<int>(lines.size()) - 1);
  memo.addItem(std::move(last));
}

bool Navigation::LepesekFajlbaMentese() {
  const auto& lines = game_.screen.MemoFP.items();
  if (lines.empty() || !game_.state.GameLoaded) return false;
  return WritePathFile(game_.programFolder(), lines, game_.clock().now()).has_value();
}

void Navigation::MemoFPDblClick() {
  if (LepesekFajlbaMentese()) {
    game_.ui().QuestionFormInfo("A bejárt FejezetPontok listáját sikeresen", "elmentetted!");
  }
}

}  // namespace zrx
