#include "game_state.h"

namespace zrx {

void GameState::ResetPerGame() {
  tests = {};
  conditions = {};
  navigation = {};
  changes = {};
  offers = {};
  equipment = {};
  knowledge = {};
  battle = {};
  tally = {};
}

}  // namespace zrx
