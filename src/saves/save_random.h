#pragma once
// The draw of new game-file names, injected so that tests can script it.
#include <cstdint>
#include <random>

namespace zrx {

class SaveRandom {
 public:
  virtual ~SaveRandom() = default;
  // Called before a file name is drawn.
  virtual void Reseed() {}
  // A uniform number in 0..bound-1; bound is at least 1.
  virtual std::uint32_t Below(std::uint32_t bound) = 0;
};

// Production source, seeded from the high-resolution clock when made and on every Reseed.
class ClockSeededRandom final : public SaveRandom {
 public:
  ClockSeededRandom() { Reseed(); }
  void Reseed() override;
  std::uint32_t Below(std::uint32_t bound) override;

 private:
  std::mt19937 generator_;
};

}  // namespace zrx
