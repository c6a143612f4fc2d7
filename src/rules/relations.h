#pragma once
// The two-character relation operators of the books' codes.
#include <optional>
#include <string_view>

namespace zrx {

// How the single results of one item's comparisons combine into the verdict
// (the modes of KizaroFeltetelEllenorzes).
enum class RelationCombination { All = 0, Any = 1 };

struct RelationOperator {
  bool (*compare)(int a, int b);
  RelationCombination combination;
};

// The operator named by `op` ("==", ">>", "<<", "<>", ">=", "<=", "NK", "NN", "N<", "N>");
// nullopt for any other text.
std::optional<RelationOperator> FindRelation(std::string_view op);

}  // namespace zrx
