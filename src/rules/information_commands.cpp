// Queue 3: information changes. The letter is at position 3; i is a 3-digit information
// number, s a sign, p a chapter number.
#include "book_code.h"
#include "change_commands.h"
#include "equipment.h"
#include "game.h"
#include "information.h"

namespace zrx {
namespace {

constexpr int kCountedInfoFirst = 3001;
constexpr int kCountedInfoLast = 3999;

}  // namespace

void InformationCommands::Run(std::string_view change, ChangeRun& run) {
  switch (charAt(change, 3)) {
    case 'N': plain(change, run); break;
    case 'P': afterChapter(change, run); break;
    case 'E': endOrSkip(change, run); break;
    case 'I': changeTime(change, run); break;
    case 'T': byItem(change, run); break;
    default: run.length = WholeChangeLength(change); break;
  }
}

void InformationCommands::addOrRemove(char sign, int info) {
  Information information(game_);
  if (sign == '+') {
    information.add(info);
  } else if (sign == '-') {
    information.remove(info);
  }
}

bool InformationCommands::timedKind(int info) const {
  const int kind = game_.stores.infos.Find(info).Kind;
  return kind >= kCountedInfoFirst && kind <= kCountedInfoLast;
}

void InformationCommands::plain(std::string_view change, ChangeRun& run) {
  run.length = 7;
  const char sign = charAt(change, 4);
  addOrRemove(sign, numberAt(change, 5, 3));
}

void InformationCommands::afterChapter(std::string_view change, ChangeRun& run) {
  run.length = 10;
  const int chapter = numberAt(change, 4, 3);
  const char sign = charAt(change, 7);
  const int info = numberAt(change, 8, 3);
  if (PreviousChapterIs(game_.state, chapter)) addOrRemove(sign, info);
}

void InformationCommands::endOrSkip(std::string_view change, ChangeRun& run) {
  run.length = 8;
  const bool possessed = Information(game_).possesses(numberAt(change, 4, 3));
  const char sign = charAt(change, 7);
  if (!((sign == '+' && possessed) || (sign == '-' && !possessed))) return;
  switch (charAt(change, 8)) {
    case 'H': run.endFlag = true; break;
    case 'U': run.skipFlag = true; break;
    default: break;
  }
}

void InformationCommands::changeTime(std::string_view change, ChangeRun& run) {
  run.length = 9;
  const char op = charAt(change, 4);
  const int amount = numberAt(change, 5, 2);
  const int info = numberAt(change, 7, 3);
  if (!timedKind(info) || !Information(game_).possesses(info)) return;
  Information information(game_);
  if (information.InfoIdoModositas(info, op, amount)) information.remove(info);
}

void InformationCommands::byItem(std::string_view change, ChangeRun& run) {
  run.length = 12;
  const char mode = charAt(change, 4);
  const int item = numberAt(change, 5, 3);
  const int info = numberAt(change, 8, 3);
  const char itemSign = charAt(change, 11);
  const char infoSign = charAt(change, 12);
  const int count = Equipment(game_).count(item);
  if (!((count > 0 && itemSign == '+') || (count == 0 && itemSign == '-'))) return;
  Information information(game_);
  const bool possessed = information.possesses(info);
  if (mode == 'N') {
    if (possessed && infoSign == '-') information.remove(info);
    if (!possessed && infoSign == '+') information.add(info);
    return;
  }
  if (!possessed || !timedKind(info)) return;
  if (information.InfoIdoModositas(info, infoSign == '+' ? '+' : '-', 1)) information.remove(info);
}

}  // namespace zrx
