#include "game_transfer.h"

#include <charconv>

#include "characteristics.h"
#include "equipment.h"
#include "lifecycle.h"
#include "magic_skills.h"
#include "navigation.h"
#include "shown_list.h"

namespace zrx {
namespace {

int numberOf(std::string_view text) {
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::vector<SavedGame::Info> infoTimes(const Game& game, const TextList& list) {
  std::vector<SavedGame::Info> infos;
  for (const auto& entry : list) {
    const int number = numberOf(entry);
    infos.push_back({number, game.stores.infos.Find(number).Time});
  }
  return infos;
}

// The three main characteristics, then the book's special ones in slot order.
std::vector<SavedGame::Characteristic> characteristicsOf(Game& game) {
  std::vector<int> numbers = {1, 2, 3};
  const Characteristics characteristics(game);
  for (int slot = 1; slot <= game.state.CurrentBook.SpecialValueCount; ++slot) {
    numbers.push_back(characteristics.specialSlotNumber(slot));
  }
  std::vector<SavedGame::Characteristic> out;
  for (int number : numbers) {
    const TBaseValueRec rec = game.stores.baseValues.Find(number);
    out.push_back({number, rec.Minimum, rec.Start, rec.Current});
  }
  return out;
}

// A timed value from 1001 to 1999 is stored one higher when it is restored.
std::int32_t restoredTime(std::int32_t value) {
  return value >= 1001 && value <= 1999 ? value + 1 : value;
}

void restoreInfos(Game& game, const std::vector<SavedGame::Info>& infos, ShownList list) {
  for (const auto& info : infos) {
    list.append(info.number, game.stores.infos.Find(info.number).Name);
    if (info.time != 0) game.stores.infos.ChangeTime(info.number, '=', restoredTime(info.time));
  }
}

void restorePossessions(Game& game, const SavedGame& saved) {
  GameState& state = game.state;
  ScreenModel& screen = game.screen;
  for (int slot = 0; slot < kEquippedSlotCount; ++slot) {
    state.equipment.EquippedItems[static_cast<std::size_t>(slot) + 1] = saved.equippedItems[static_cast<std::size_t>(slot)];
  }
  for (int note = 0; note < kOwnNoteCount; ++note) {
    state.knowledge.OwnNotes[static_cast<std::size_t>(note) + 1] = saved.ownNotes[static_cast<std::size_t>(note)];
  }
  Equipment equipment(game);
  for (const auto& item : saved.equipment) {
    equipment.appendHeld(item.number);
    equipment.TargyDBSzamModositas(item.number, item.count);
  }
  // The file's sections, not the records' flags, say which list an entry belongs to.
  restoreInfos(game, saved.infos, ShownList(state.knowledge.InfoList, &screen.ListBox_IN));
  restoreInfos(game, saved.hiddenInfos, ShownList(state.knowledge.HiddenInfoList, nullptr));
}

void restoreCharacteristics(Game& game, const SavedGame& saved) {
  Characteristics characteristics(game);
  int index = 1;
  for (const auto& c : saved.characteristics) {
    characteristics.ErtekInicializalasBetoltes(std::to_string(c.number) + "|" + std::to_string(c.minimum) +
                                                   "|" + std::to_string(c.start) + "|" + std::to_string(c.current),
                                               index++);
  }
}

void restoreMagicSkills(Game& game, const SavedGame& saved) {
  MagicSkills magicSkills(game);
  for (const auto& m : saved.magicSkills) {
    magicSkills.add(m.number);
    game.stores.magicSkills.Change(m.number, 'S', static_cast<std::uint8_t>(m.level));
    game.stores.magicSkills.Change(m.number, 'K', static_cast<std::uint8_t>(m.uses));
  }
}

// Every path entry but the last: that one is entered again as the current chapter point.
void restorePath(Game& game, const SavedGame& saved) {
  Navigation navigation(game);
  for (std::size_t i = 0; i + 1 < saved.visitedPath.size(); ++i) {
    game.state.navigation.VisitedPath.push_back(saved.visitedPath[i]);
    navigation.LepesFeltoltes(saved.visitedPath[i]);
  }
}

}  // namespace

SavedGame CaptureSavedGame(Game& game) {
  const GameState& state = game.state;
  SavedGame saved;
  saved.sourceName = state.SourceName;
  saved.bookNumber = state.BookNumber;
  saved.playerName = state.PlayerName;
  saved.difficulty = state.Difficulty;
  saved.visitedPath = state.navigation.VisitedPath;
  saved.currentChapter = saved.visitedPath.empty() ? state.CurrentChapter : numberOf(saved.visitedPath.back());
  for (int note = 0; note < kOwnNoteCount; ++note) {
    saved.ownNotes[static_cast<std::size_t>(note)] = state.knowledge.OwnNotes[static_cast<std::size_t>(note) + 1];
  }
  for (int slot = 0; slot < kEquippedSlotCount; ++slot) {
    saved.equippedItems[static_cast<std::size_t>(slot)] = state.equipment.EquippedItems[static_cast<std::size_t>(slot) + 1];
  }
  for (const auto& entry : state.equipment.EquipmentList) {
    const int number = numberOf(entry);
    saved.equipment.push_back({number, game.stores.items.Find(number).Count});
  }
  saved.infos = infoTimes(game, state.knowledge.InfoList);
  saved.hiddenInfos = infoTimes(game, state.knowledge.HiddenInfoList);
  saved.characteristics = characteristicsOf(game);
  for (const auto& entry : state.knowledge.MagicSkillList) {
    const TMagicSkillRec rec = game.stores.magicSkills.Find(numberOf(entry));
    saved.magicSkills.push_back({numberOf(entry), rec.Level, rec.Uses});
  }
  return saved;
}

bool ApplySavedGame(Game& game, const SavedGame& saved) {
  GameState& state = game.state;
  state.SourceName = saved.sourceName;
  state.BookNumber = saved.bookNumber;
  state.Difficulty = saved.difficulty;
  Lifecycle lifecycle(game);
  if (!lifecycle.JatekInicializalas() || game.errors.FatalErrorFlag()) return false;
  lifecycle.ValtozoInicializalas();
  restorePossessions(game, saved);
  restoreCharacteristics(game, saved);
  restoreMagicSkills(game, saved);
  restorePath(game, saved);
  state.CurrentChapter = saved.currentChapter;
  return true;
}

}  // namespace zrx
