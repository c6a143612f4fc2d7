#include "pending_kind.h"

#include <string>

#include <gtest/gtest.h>

namespace zrx {
namespace {

// The kinds by ranges, as the page signal is described to players and authors: the page,
// the hint beside the arrow, and what opening the page does.
TEST(PendingKindTable, MatchesThePageSignalRanges) {
  using O = PageOpening;
  const struct {
    int first;
    int last;
    int page;
    const char* label1;
    const char* label2;
    bool blinksTab;
    O opening;
    int queue;
  } ranges[] = {
      {0, 4, kTestsPage, "Próbák", "Csaták", true, O::Nothing, 0},
      {5, 5, kTestsPage, "Próbák", "Csaták", true, O::EnableFight, 0},
      {6, 11, kEquipmentPage, "Felszerelési", "Tárgyak", true, O::ProcessQueueAtTwo, 2},
      {12, 12, kSheetPage, "Kalandlap", "", true, O::ProcessQueue, 1},
      {13, 13, kInformationPage, "Információk", "", true, O::ProcessQueueAtTwo, 3},
      {14, 14, kInformationPage, "Információk", "", true, O::Nothing, 0},
      {15, 15, kStoryPage, "", "", true, O::StoryChecks, 0},
      // Magic and skill changes are processed on their page too, or they would never run.
      {16, 16, kMagicSkillsPage, "Varázslatok", "Képességek", false, O::ProcessQueueAtTwo, 4},
      {17, 20, kEquipmentPage, "Felszerelési", "Tárgyak", true, O::ProcessQueueAtTwo, 2},
  };
  int covered = 0;
  for (const auto& r : ranges) {
    for (int kind = r.first; kind <= r.last; ++kind, ++covered) {
      const PendingKindInfo* info = PendingKindInfoOf(kind);
      ASSERT_NE(nullptr, info) << kind;
      EXPECT_EQ(kind, ToInt(info->kind));
      EXPECT_EQ(r.page, info->page) << kind;
      EXPECT_EQ(r.page, SignalPage(kind)) << kind;
      EXPECT_EQ(std::string(r.label1), info->labels[0]) << kind;
      EXPECT_EQ(std::string(r.label2), info->labels[1]) << kind;
      EXPECT_EQ(r.blinksTab, info->blinksTab) << kind;
      EXPECT_EQ(r.opening, info->opening) << kind;
      EXPECT_EQ(r.queue, info->queue) << kind;
      EXPECT_NE(std::string(), info->words) << kind;
    }
  }
  EXPECT_EQ(static_cast<int>(kPendingKinds.size()), covered);
  for (const int none : {-1, 21, 100}) {
    EXPECT_EQ(nullptr, PendingKindInfoOf(none));
    EXPECT_EQ(-1, SignalPage(none));
    EXPECT_FALSE(IsItemOffer(none));
  }
}

TEST(PendingKindTable, OffersAndWaitingQueues) {
  for (int kind = 0; kind <= 20; ++kind) {
    const bool offer = (kind >= 6 && kind <= 10) || kind >= 17;
    EXPECT_EQ(offer, IsItemOffer(kind)) << kind;
    const bool ownItems = kind == 9 || kind == 10 || kind == 18 || kind == 20;
    EXPECT_EQ(ownItems, PendingKindInfoOf(kind)->picksOwnItems) << kind;
  }
  // Queues 1..4 hold characteristic, item, information, and magic and skill changes.
  const int waiting[] = {12, 11, 13, 16};
  for (int queue = 1; queue <= 4; ++queue) {
    const PendingKind kind = kWaitingQueueKinds[static_cast<std::size_t>(queue - 1)];
    EXPECT_EQ(waiting[queue - 1], ToInt(kind));
    EXPECT_EQ(queue, PendingKindInfoOf(ToInt(kind))->queue);
  }
}

}  // namespace
}  // namespace zrx
