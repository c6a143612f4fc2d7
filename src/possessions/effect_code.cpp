#include "effect_code.h"

#include <cmath>

#include "book_code.h"

namespace zrx {
namespace {

constexpr std::size_t kGroupLength = 6;

std::size_t groupCount(std::string_view useCode) {
  return useCode.size() == kGroupLength ? 1 : 2;
}

// The fields every group has; `offset` is where the group starts within the code.
EffectGroup readCommonFields(std::string_view code, std::size_t offset) {
  EffectGroup group;
  group.characteristic = numberAt(code, offset + 2, 2);
  group.op = charAt(code, offset + 4);
  group.kind = charAt(code, offset + 5);
  group.digit = charAt(code, offset + 6);
  return group;
}

bool isPlainKind(char kind) { return kind != 'A' && kind != 'F' && kind != 'H'; }

}  // namespace

bool effectCodeIs(std::string_view useCode, char letter) {
  return !useCode.empty() && useCode.front() == letter;
}

std::vector<EffectGroup> usableItemGroups(std::string_view useCode) {
  std::vector<EffectGroup> groups;
  for (std::size_t g = 0; g < groupCount(useCode); ++g) {
    const std::size_t offset = g * kGroupLength;
    EffectGroup group = readCommonFields(useCode, offset);
    if (isPlainKind(group.kind)) group.amount = numberAt(useCode, offset + 5, 2);
    groups.push_back(group);
  }
  return groups;
}

std::vector<EffectGroup> modifierGroups(std::string_view useCode) {
  std::vector<EffectGroup> groups;
  for (std::size_t g = 0; g < groupCount(useCode); ++g) {
    const std::size_t offset = g * kGroupLength;
    EffectGroup group = readCommonFields(useCode, offset);
    if (group.kind == 'F') group.amount = digitAt(useCode, offset + 6);
    groups.push_back(group);
  }
  return groups;
}

int halfToEven(int value) {
  // The default floating-point rounding mode rounds halves to even.
  return static_cast<int>(std::nearbyint(value / 2.0));
}

}  // namespace zrx
