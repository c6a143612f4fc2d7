#pragma once
// What the player must attend to next (the game state's PendingKind, 0..20), and for each
// kind: the page where it waits, the signal shown beside the arrow, what opening that page
// does, and how the text player names it. Every front end and rule reads this one table.
#include <array>
#include <cstddef>

namespace zrx {

// Pages of the main window.
inline constexpr int kStoryPage = 0;
inline constexpr int kSheetPage = 1;
inline constexpr int kEquipmentPage = 2;
inline constexpr int kTestsPage = 3;
inline constexpr int kInformationPage = 4;
inline constexpr int kMagicSkillsPage = 5;
inline constexpr std::array<const char*, 7> kPageCaptions = {
    "Történet", "Kalandlap", "Felszerelési tárgyak", "Próbák - Csaták", "Információk", "Varázslatok - Képességek",
    "Speciális"};

enum class PendingKind {
  LuckTest = 0,
  Roll1 = 1,  // Roll1..Roll4: a roll with that many dice
  Roll2 = 2,
  Roll3 = 3,
  Roll4 = 4,
  Battle = 5,
  PickUp = 6,           // item offers ...
  ChooseAtMost = 7,
  Buy = 8,
  Demand = 9,
  DemandEither = 10,
  ItemChanges = 11,     // a change that waits for its page, by queue: 2
  CharacteristicChanges = 12,  // queue 1
  InformationChanges = 13,     // queue 3
  InfoUse = 14,
  Choice = 15,          // the continuations are ready to be chosen
  MagicSkillChanges = 16,      // queue 4
  Quantities = 17,      // ... item offers again
  ExchangeOffer = 18,
  ExchangeReceive = 19,
  GiveUp = 20,
};

constexpr int ToInt(PendingKind kind) { return static_cast<int>(kind); }

// The pending kind of a roll with 1..4 dice.
constexpr PendingKind RollKind(int dice) { return static_cast<PendingKind>(dice); }

// What the engine does when the player opens the signalled page.
enum class PageOpening {
  Nothing,
  EnableFight,        // the fight button
  ProcessQueue,       // the waiting change of `queue`
  ProcessQueueAtTwo,  // the same, only at "Változás jelzés" 2
  StoryChecks,        // the checks of the story page
};

struct PendingKindInfo {
  PendingKind kind;
  int page;                            // kStoryPage..kMagicSkillsPage
  std::array<const char*, 2> labels;   // LabelNext1 / LabelNext2 beside the arrow
  bool blinksTab;                      // the magic and skills signal names its page but paints no tab
  PageOpening opening;
  int queue;                           // for the ProcessQueue openings: 1..4
  bool picksOwnItems;                  // an offer in which the player picks own items
  const char* words;                   // how the text player names it
};

namespace pending_detail {
inline constexpr std::array<const char*, 2> kTests = {"Próbák", "Csaták"};
inline constexpr std::array<const char*, 2> kItems = {"Felszerelési", "Tárgyak"};
inline constexpr const char* kItemWords = "tárgyak választása (jelöl, darab, kiválaszt, felvesz)";
using O = PageOpening;
using K = PendingKind;
}  // namespace pending_detail

// Indexed by the kind's number.
inline constexpr std::array<PendingKindInfo, 21> kPendingKinds = [] {
  using namespace pending_detail;
  return std::array<PendingKindInfo, 21>{{
      {K::LuckTest, kTestsPage, kTests, true, O::Nothing, 0, false, "Szerencse próba (szerencse)"},
      {K::Roll1, kTestsPage, kTests, true, O::Nothing, 0, false, "Dobás egy kockával (dob 1)"},
      {K::Roll2, kTestsPage, kTests, true, O::Nothing, 0, false, "Dobás két kockával (dob 2)"},
      {K::Roll3, kTestsPage, kTests, true, O::Nothing, 0, false, "Dobás három kockával (dob 3)"},
      {K::Roll4, kTestsPage, kTests, true, O::Nothing, 0, false, "Dobás négy kockával (dob 4)"},
      {K::Battle, kTestsPage, kTests, true, O::EnableFight, 0, false, "Csata (harc)"},
      // An offer pauses the changes, so opening its page finds no change waiting there.
      {K::PickUp, kEquipmentPage, kItems, true, O::ProcessQueueAtTwo, 2, false, kItemWords},
      {K::ChooseAtMost, kEquipmentPage, kItems, true, O::ProcessQueueAtTwo, 2, false, kItemWords},
      {K::Buy, kEquipmentPage, kItems, true, O::ProcessQueueAtTwo, 2, false, kItemWords},
      {K::Demand, kEquipmentPage, kItems, true, O::ProcessQueueAtTwo, 2, true, kItemWords},
      {K::DemandEither, kEquipmentPage, kItems, true, O::ProcessQueueAtTwo, 2, true, kItemWords},
      {K::ItemChanges, kEquipmentPage, kItems, true, O::ProcessQueueAtTwo, 2, false, kItemWords},
      {K::CharacteristicChanges, kSheetPage, {"Kalandlap", ""}, true, O::ProcessQueue, 1, false,
       "a jellemzők változása"},
      {K::InformationChanges, kInformationPage, {"Információk", ""}, true, O::ProcessQueueAtTwo, 3, false,
       "az információk változása"},
      {K::InfoUse, kInformationPage, {"Információk", ""}, true, O::Nothing, 0, false,
       "egy információ felhasználása (infohasznál)"},
      {K::Choice, kStoryPage, {"", ""}, true, O::StoryChecks, 0, false, "a továbblépés választása"},
      // Magic and skill changes wait for their page like the others, so that they never stall.
      {K::MagicSkillChanges, kMagicSkillsPage, {"Varázslatok", "Képességek"}, false, O::ProcessQueueAtTwo, 4,
       false, "a varázslatok és képességek"},
      {K::Quantities, kEquipmentPage, kItems, true, O::ProcessQueueAtTwo, 2, false, kItemWords},
      {K::ExchangeOffer, kEquipmentPage, kItems, true, O::ProcessQueueAtTwo, 2, true, kItemWords},
      {K::ExchangeReceive, kEquipmentPage, kItems, true, O::ProcessQueueAtTwo, 2, false, kItemWords},
      {K::GiveUp, kEquipmentPage, kItems, true, O::ProcessQueueAtTwo, 2, true, kItemWords},
  }};
}();

// The row of a stored kind number; nullptr for a number that names nothing (-1 and others).
constexpr const PendingKindInfo* PendingKindInfoOf(int kind) {
  if (kind < 0 || kind >= static_cast<int>(kPendingKinds.size())) return nullptr;
  return &kPendingKinds[static_cast<std::size_t>(kind)];
}

// The page on which what a kind number names waits; -1 for none.
constexpr int SignalPage(int kind) {
  const PendingKindInfo* info = PendingKindInfoOf(kind);
  return info ? info->page : -1;
}

// An item offer waiting for the player's decision on the equipment page.
constexpr bool IsItemOffer(int kind) {
  const PendingKindInfo* info = PendingKindInfoOf(kind);
  return info && info->page == kEquipmentPage && info->kind != PendingKind::ItemChanges;
}

// The kind that signals a change waiting for its page, for the queues 1..4.
inline constexpr std::array<PendingKind, 4> kWaitingQueueKinds = {
    PendingKind::CharacteristicChanges, PendingKind::ItemChanges, PendingKind::InformationChanges,
    PendingKind::MagicSkillChanges};

}  // namespace zrx
