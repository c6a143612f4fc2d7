// The visited-path memo on the adventure sheet and its export.
#include "game.h"
#include "navigation.h"
#include "visited_path.h"

namespace zrx {

void Navigation::LepesFeltoltes(std::string_view number) {
  Control& memo = game_.screen.MemoFP;
  std::vector<std::string> lines = memo.items();
  AppendToPathMemo(lines, number);
  memo.setItems(std::move(lines));
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
