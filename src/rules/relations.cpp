#include "relations.h"

#include <array>
#include <utility>

namespace zrx {

std::optional<RelationOperator> FindRelation(std::string_view op) {
  using C = RelationCombination;
  // "N<" and "N>" combine like "NK" and "NN": they are the inclusive forms of the
  // one-is-enough operators.
  static constexpr std::array<std::pair<std::string_view, RelationOperator>, 10> kTable{{
      {"==", {[](int a, int b) { return a == b; }, C::All}},
      {">>", {[](int a, int b) { return a > b; }, C::All}},
      {"<<", {[](int a, int b) { return a < b; }, C::All}},
      {"<>", {[](int a, int b) { return a != b; }, C::All}},
      {">=", {[](int a, int b) { return a >= b; }, C::All}},
      {"<=", {[](int a, int b) { return a <= b; }, C::All}},
      {"NK", {[](int a, int b) { return a > b; }, C::Any}},
      {"NN", {[](int a, int b) { return a < b; }, C::Any}},
      {"N<", {[](int a, int b) { return a >= b; }, C::Any}},
      {"N>", {[](int a, int b) { return a <= b; }, C::Any}},
  }};
  for (const auto& [name, relation] : kTable) {
    if (name == op) return relation;
  }
  return std::nullopt;
}

}  // namespace zrx
