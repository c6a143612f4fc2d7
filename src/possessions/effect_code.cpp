#include "effect_code.h"

#include <cmath>

#include "book_code.h"
#include "use_code_grammar.h"

namespace zrx {
namespace {

using namespace grammar::use;

std::size_t groupCount(std::string_view useCode) {
  return useCode.size() == kGroupWidth ? 1 : kMaxGroups;
}

// `field` of the group that starts `offset` characters into the code.
grammar::Field inGroup(const grammar::Field& field, std::size_t offset) {
  return grammar::At(field, field.pos + offset);
}

static_assert(kOperator.pos == kSign.pos && kKind.pos == kStartKind.pos && kDigit.pos == kStartAmount.pos);

// The fields every group has; `offset` is where the group starts within the code. The
// operator and the sign of an in-use modifier share their place.
EffectGroup readCommonFields(std::string_view code, std::size_t offset) {
  EffectGroup group;
  group.characteristic = inGroup(kCharacteristic, offset).numberIn(code);
  group.op = inGroup(kOperator, offset).charIn(code);
  group.kind = inGroup(kKind, offset).charIn(code);
  group.digit = inGroup(kDigit, offset).charIn(code);
  return group;
}

bool isPlainKind(char kind) { return kind != 'A' && kind != 'F' && kind != 'H'; }

}  // namespace

bool effectCodeIs(std::string_view useCode, char letter) {
  return useCode.size() >= kLetter.pos && useCode[kLetter.pos - 1] == letter;
}

std::vector<EffectGroup> usableItemGroups(std::string_view useCode) {
  std::vector<EffectGroup> groups;
  for (std::size_t g = 0; g < groupCount(useCode); ++g) {
    const std::size_t offset = g * kGroupWidth;
    EffectGroup group = readCommonFields(useCode, offset);
    if (isPlainKind(group.kind)) group.amount = inGroup(kPlainAmount, offset).numberIn(useCode);
    groups.push_back(group);
  }
  return groups;
}

std::vector<EffectGroup> modifierGroups(std::string_view useCode) {
  std::vector<EffectGroup> groups;
  for (std::size_t g = 0; g < groupCount(useCode); ++g) {
    const std::size_t offset = g * kGroupWidth;
    EffectGroup group = readCommonFields(useCode, offset);
    if (group.kind == 'F') group.amount = inGroup(kStartAmount, offset).digitIn(useCode);
    groups.push_back(group);
  }
  return groups;
}

int halfToEven(int value) {
  // The default floating-point rounding mode rounds halves to even.
  return static_cast<int>(std::nearbyint(value / 2.0));
}

}  // namespace zrx
