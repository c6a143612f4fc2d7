#include "newest_first.h"

#include "names_block.h"

namespace zrx {
namespace {

// A tournament tree over the places: every node holds the place of the newest record
// below it (the first place on equal times), -1 when all places below are taken out.
class NewestTree {
 public:
  explicit NewestTree(const std::vector<NameRecord>& records) : records_(records) {
    while (leaves_ < records.size()) leaves_ *= 2;
    nodes_.assign(2 * leaves_, -1);
    for (std::size_t place = 0; place < records.size(); ++place) nodes_[leaves_ + place] = static_cast<long>(place);
    for (std::size_t node = leaves_ - 1; node >= 1; --node) nodes_[node] = winner(nodes_[2 * node], nodes_[2 * node + 1]);
  }

  std::size_t newest() const { return static_cast<std::size_t>(nodes_[1]); }

  // The record at `place` changed (or left the selection when `active` is false).
  void update(std::size_t place, bool active) {
    std::size_t node = leaves_ + place;
    nodes_[node] = active ? static_cast<long>(place) : -1;
    for (node /= 2; node >= 1; node /= 2) nodes_[node] = winner(nodes_[2 * node], nodes_[2 * node + 1]);
  }

 private:
  long winner(long a, long b) const {
    if (a < 0) return b;
    if (b < 0) return a;
    const double ta = records_[static_cast<std::size_t>(a)].timestamp;
    const double tb = records_[static_cast<std::size_t>(b)].timestamp;
    if (tb > ta) return b;
    if (ta > tb) return a;
    return a < b ? a : b;
  }

  const std::vector<NameRecord>& records_;
  std::size_t leaves_ = 1;
  std::vector<long> nodes_;
};

}  // namespace

void ListNewestFirst(std::vector<NameRecord>& records, std::vector<std::string>& names) {
  if (records.empty()) return;
  NewestTree tree(records);
  for (std::size_t m = records.size(); m-- > 0;) {
    const std::size_t newest = tree.newest();
    names.push_back(records[newest].text);
    std::swap(records[newest], records[m]);
    tree.update(m, false);
    if (newest != m) tree.update(newest, true);
  }
}

}  // namespace zrx
