#pragma once
// The order in which the names are offered: newest first, picked as a selection that
// takes the newest among places 0..m (the first place on equal times) and swaps it with
// place m, without that selection's quadratic work.
#include <string>
#include <vector>

namespace zrx {

struct NameRecord;

// Appends the texts newest first to `names`; `records` ends in ascending time order,
// exactly as the plain selection leaves it.
void ListNewestFirst(std::vector<NameRecord>& records, std::vector<std::string>& names);

}  // namespace zrx
