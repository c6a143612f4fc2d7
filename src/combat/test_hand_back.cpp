#include "test_hand_back.h"

#include "battle.h"
#include "conditions.h"
#include "special_changes.h"

namespace zrx {

void EngineHandBack::FeltetelFelbontas(const std::string& conditions, const std::string& targets) {
  Conditions(game_).FeltetelFelbontas(conditions, targets);
}

void EngineHandBack::SpecialValtozasFeldolgozas() { SpecialChanges(game_).resume(); }

void EngineHandBack::CsataElokeszites() { Battle(game_).CsataElokeszites(); }

void EngineHandBack::ForduloNyeres() { Battle(game_).ForduloNyeres(); }

void EngineHandBack::ForduloVesztes() { Battle(game_).ForduloVesztes(); }

void EngineHandBack::ForduloUtaniDobas(int pips) { Battle(game_).ForduloUtaniDobas(pips); }

}  // namespace zrx
