#pragma once
// The state of a running game: plain data under the names the books' rules use.
// Items that belong to one subsystem are grouped in its sub-struct. Every per-game
// item has its start value as its default member initializer, so ResetPerGame (the
// one reset, run at game start and at game end) covers items added later as well.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "clock.h"
#include "picture.h"
#include "records.h"

namespace zrx {

using TextList = std::vector<std::string>;

// The three main characteristics mirrored from records 1..3.
struct MainValues {
  int Skill = 0, SkillStart = 0, SkillMin = 0;
  int Stamina = 0, StaminaStart = 0, StaminaMin = 0;
  int Luck = 0, LuckStart = 0, LuckMin = 0;
  bool operator==(const MainValues&) const = default;
};

// Dice and tests: results and the request/completion flags of the tests page.
struct TestState {
  int RollResult1 = 0, RollResult2 = 0, RollResult3 = 0;
  bool LuckTestLucky = false;
  bool ConditionLuckRequested = false, LuckTestDone = false;
  bool ConditionRollRequested = false, RollTestDone = false;
  bool ChangeLuckTestPending = false, ChangeLuckTestDone = false;
  bool ChangeRollPending = false, ChangeRollDone = false;
  bool operator==(const TestState&) const = default;
};

// The condition evaluator's verdict and its saved context between passes.
struct ConditionState {
  bool ConditionMet = false;
  bool TestPending = false;
  std::string PendingConditions, PendingTargets;
  std::string AwaitedInfo;  // awaited information number, or a luck item's whole text
  bool InfoUseAwaited = false, InfoUsed = false;
  int ContestScoreA = 0, ContestScoreB = 0;
  std::array<bool, 4> PartialResults{};  // comparisons 1..3; index 0 unused
  bool operator==(const ConditionState&) const = default;
};

// Chapter navigation.
struct NavigationState {
  TextList VisitedPath;      // decimal numbers of the numbered chapter points entered
  TextList NextChapterList;  // entries offered, or [Conditions, NextChapters] in typed mode
  bool TypedChoiceMode = false;
  int WrongGuessCount = 1;
  std::string PageMarks = "000000";
  int PendingKind = -1;
  int ChaptersShown = 0;               // chapter points shown in this game
  std::uint8_t ChaptersSinceSave = 0;  // stops at 255
  bool operator==(const NavigationState&) const = default;
};

// Special changes of the chapter point being processed.
struct SpecialChangeState {
  std::string ChangeQueue1, ChangeQueue2, ChangeQueue3, ChangeQueue4;
  int ChangeSequence = 0;
  bool ChangesActive = false;
  std::string ResumeQueue;
  int PendingChangeLength = 0;
  bool CharacteristicsChanged = false;
  bool operator==(const SpecialChangeState&) const = default;
};

// A pending item offer (choice, purchase, exchange).
struct OfferState {
  TextList OfferList, SelectionList, ExchangeCounts;
  // The piece count chosen in each quantity row 1..10 (index 0 unused); FT_LabelDB shows it.
  std::array<int, 11> QuantityCounts{};
  int OfferLimit = 0;
  int OfferChosen = 0;
  bool OfferResume = false;
  bool operator==(const OfferState&) const = default;
};

// Equipment held and in use; categories 1..6, index 0 unused.
struct EquipmentState {
  TextList EquipmentList;
  std::array<int, 7> EquippedItems{};
  std::array<bool, 7> SlotLocked{};
  bool operator==(const EquipmentState&) const = default;
};

// Information, magic and skills, own notes.
struct KnowledgeState {
  TextList InfoList, HiddenInfoList, MagicSkillList;
  std::array<std::string, 6> OwnNotes{};  // notes 1..5; index 0 unused
  bool operator==(const KnowledgeState&) const = default;
};

// The battle of the chapter point.
struct BattleState {
  TextList OpponentQueue;
  TMonsterRec CurrentOpponent, SecondOpponent, ThirdOpponent;
  int OpponentsPresent = 0;
  bool BattleRunning = false;
  bool OpponentChanged = false;
  bool LastBattleWon = false, LastBattleFled = false;
  int OpponentAttack = 0, PlayerAttack = 0, SecondAttack = 0, ThirdAttack = 0;
  int RoundsFought = 0, RoundsWon = 0, RoundsLost = 0;
  int LastRoundResult = 0;  // 0 none or draw, 1 won, 2 lost
  int ResultStreak = 0;
  bool LuckInBattle = false, BattleLuckTestDone = false, RoundRollPending = false;
  bool FlightLuckTest = false, WeaponLuckTest = false;
  bool OpponentRollPending = false, OpponentRollDone = false;
  std::string PlayerSkillWounds, PlayerLifeWounds, OpponentSkillDamage, OpponentLifeDamage;
  std::string BattleValueCodes;  // of the opponent that opened the battle: its skill and life characteristics
  bool operator==(const BattleState&) const = default;
};

// Tallies of this game for its statistics, kept where each event happens. They are not
// saved: a loaded game counts from its loading.
struct GameTally {
  int BattlesWon = 0, BattlesFled = 0, BattlesLost = 0;
  int RoundsFought = 0;
  int LuckTests = 0, LuckTestsPassed = 0;
  int DiceThrown = 0;
  int ItemsGained = 0, ItemsLost = 0;
  DateTime StartedAt;
  bool operator==(const GameTally&) const = default;
};

// The settings that the running game reads (the settings line is kept with the player names).
struct GameSettings {
  bool StepLogging = false;     // "Bejárt út mentése"
  int ChangeSignalLevel = 0;    // "Változás jelzés", 0..2
  int SaveInterval = 3;         // chapters-since-save needed before saving: 3, 13 or 23
  bool operator==(const GameSettings&) const = default;
};

struct GameState {
  // Lifecycle.
  std::string SourceName = "Source";
  int BookNumber = 0;
  int BookCount = -1;
  int Difficulty = 0;  // 0 "Könnyű", 1 "Normál", 2 "Véletlen"
  bool GameLoaded = false;
  TBookRec CurrentBook;
  int CurrentChapter = -1;
  std::vector<TextList> ChapterTexts;  // index = chapter; the last list is the rules text
  std::vector<Picture> ChapterPictures;
  std::vector<Picture> DecorPictures;
  bool QuestionAnswer = false;
  bool SaveAllowed = false;
  int PendingWindow = 0;
  std::string PlayerName;
  GameSettings settings;

  MainValues values;
  TestState tests;
  ConditionState conditions;
  NavigationState navigation;
  SpecialChangeState changes;
  OfferState offers;
  EquipmentState equipment;
  KnowledgeState knowledge;
  BattleState battle;
  GameTally tally;

  // Creates the per-game items empty or at their start values (game start) and releases
  // them (game end): every sub-struct above except the main values.
  void ResetPerGame();
};

}  // namespace zrx
