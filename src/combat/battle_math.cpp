#include "battle_math.h"

#include <algorithm>
#include <cmath>

#include "book_code.h"
#include "dice.h"
#include "opponent_grammar.h"
#include "use_code_grammar.h"

namespace zrx {
namespace {

constexpr long double kEasyFactor = 0.85L;
constexpr int kLowestPercent = 75;
constexpr int kPercentCount = 51;  // 75..125
constexpr int kTallyMax = 99;

}  // namespace

long double roundHalfEven(long double value) {
  const long double lower = std::floor(value);
  const long double fraction = value - lower;
  if (fraction > 0.5L) return lower + 1;
  if (fraction < 0.5L) return lower;
  return std::fmod(lower, 2.0L) == 0 ? lower : lower + 1;
}

int adjustToDifficulty(int value, int difficulty, int percent) {
  switch (difficulty) {
    case 0: return static_cast<int>(roundHalfEven(value * kEasyFactor));
    case 2: {
      const long double factor = static_cast<long double>(percent) / 100.0L;
      return static_cast<int>(roundHalfEven(value * factor));
    }
    default: return value;
  }
}

int drawDifficultyPercent(Dice& dice) { return kLowestPercent + dice.uniform(kPercentCount); }

int tallyTotal(std::string_view tally) { return tally.empty() ? 0 : numberAt(tally, 1, 2); }

std::string tallyAdd(std::string_view tally, int amount, std::string_view characteristic) {
  const int total = std::clamp(tallyTotal(tally) + amount, 0, kTallyMax);
  return (total < 10 ? "0" : "") + std::to_string(total) + std::string(characteristic);
}

std::string woundLine(std::string_view head, int lifeWound, int skillWound, std::string_view lifeName,
                      std::string_view skillName) {
  std::string line(head);
  const auto part = [](int amount, std::string_view name) { return std::to_string(amount) + " " + std::string(name); };
  if (lifeWound >= 1) {
    line += part(lifeWound, lifeName);
    if (skillWound > 0) line += " és " + part(skillWound, skillName);
    line += " pontot!";
  } else if (skillWound > 0) {
    line += part(skillWound, skillName) + " pontot!";
  }
  return line;
}

namespace opponent = grammar::opponent;

bool flightAllowed(std::string_view flightCode) {
  return flightCode.size() >= opponent::kFlightRounds.pos &&
         opponent::kFlightRounds.charIn(flightCode) != opponent::kNoFlight.letter.chars.front();
}

bool flightAvailableAtLoad(std::string_view flightCode) {
  if (!flightAllowed(flightCode)) return false;
  const char rule = opponent::kFlightRule.charIn(flightCode);
  return rule == '>' || rule == 'N';
}

bool flightAvailableAfterRound(std::string_view flightCode, int roundsFought) {
  if (!flightAllowed(flightCode)) return false;
  const int n = opponent::kFlightRounds.digitIn(flightCode);
  switch (opponent::kFlightRule.charIn(flightCode)) {
    case '<': return n <= roundsFought;
    case '>': return n >= roundsFought;
    case 'M': return roundsFought % n == 0;
    case 'N': return true;
    default: return false;
  }
}

bool periodDue(int period, int counter) {
  if (period == 1) return true;
  return period != 0 && counter % period == 0;
}

bool battleTestDue(char when, int roundsFought) {
  if (when == 'E') return roundsFought == 0;
  if (when < '0' || when > '9') return false;
  return periodDue(when - '0', roundsFought);
}

int AttackModifierOf(std::string_view code) {
  using namespace grammar::use;
  if (!IsBattleCode(code, 'T')) return 0;
  switch (kModifierSign.charIn(code)) {
    case '+': return kModifierAmount.digitIn(code);
    case '-': return -kModifierAmount.digitIn(code);
    default: return 0;
  }
}

}  // namespace zrx
