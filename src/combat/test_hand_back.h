#pragma once
// Where a finished test hands back: the requester that asked for it. The engine's parts
// are the one implementation (EngineHandBack); a test of the dice tests alone may record
// the hand-backs instead.
#include <string>

namespace zrx {

class Game;

class TestHandBack {
 public:
  virtual ~TestHandBack() = default;
  // The condition evaluation resumes with its saved conditions and continuation codes.
  virtual void FeltetelFelbontas(const std::string& conditions, const std::string& targets) = 0;
  // The special changes resume with the queue named by ResumeQueue.
  virtual void SpecialValtozasFeldolgozas() = 0;
  // The battle set-up again, after the roll that picks the opponent.
  virtual void CsataElokeszites() = 0;
  // The won and the lost round, applying the luck outcome.
  virtual void ForduloNyeres() = 0;
  virtual void ForduloVesztes() = 0;
  // The opponent's after-round rule, with the pips of the one-die roll.
  virtual void ForduloUtaniDobas(int pips) = 0;
};

class EngineHandBack : public TestHandBack {
 public:
  explicit EngineHandBack(Game& game) : game_(game) {}
  void FeltetelFelbontas(const std::string& conditions, const std::string& targets) override;
  void SpecialValtozasFeldolgozas() override;
  void CsataElokeszites() override;
  void ForduloNyeres() override;
  void ForduloVesztes() override;
  void ForduloUtaniDobas(int pips) override;

 private:
  Game& game_;
};

}  // namespace zrx
