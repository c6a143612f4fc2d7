// Queue 3: information changes. The letter is at position 3; i is a 3-digit information
// number, s a sign, p a chapter number.
#include "book_code.h"
#include "change_commands.h"
#include "change_grammar.h"
#include "equipment.h"
#include "game.h"
#include "information.h"

namespace zrx {
namespace {

namespace form = grammar::change;
using grammar::Field;

constexpr const Field& kPlainSign = form::kInfoPlain.field("sign");
constexpr const Field& kPlainInfo = form::kInfoPlain.field("info");
constexpr const Field& kChapterNumber = form::kInfoChapter.field("chapter");
constexpr const Field& kChapterSign = form::kInfoChapter.field("sign");
constexpr const Field& kChapterInfo = form::kInfoChapter.field("info");
constexpr const Field& kEndInfo = form::kInfoEnd.field("info");
constexpr const Field& kEndWhen = form::kInfoEnd.field("when");
constexpr const Field& kEndOutcome = form::kInfoEnd.field("outcome");
constexpr const Field& kTimeOperator = form::kInfoTime.field("operator");
constexpr const Field& kTimeAmount = form::kInfoTime.field("amount");
constexpr const Field& kTimeInfo = form::kInfoTime.field("info");
constexpr const Field& kItemMode = form::kInfoItem.field("mode");
constexpr const Field& kItemNumber = form::kInfoItem.field("item");
constexpr const Field& kItemInfo = form::kInfoItem.field("info");
constexpr const Field& kItemHeld = form::kInfoItem.field("itemHeld");
constexpr const Field& kItemInfoSign = form::kInfoItem.field("infoSign");

constexpr int kCountedInfoFirst = 3001;
constexpr int kCountedInfoLast = 3999;

}  // namespace

void InformationCommands::Run(std::string_view change, ChangeRun& run) {
  switch (form::kCommand3.charIn(change)) {
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
  run.length = form::kInfoPlain.fixedLength();
  const char sign = kPlainSign.charIn(change);
  addOrRemove(sign, kPlainInfo.numberIn(change));
}

void InformationCommands::afterChapter(std::string_view change, ChangeRun& run) {
  run.length = form::kInfoChapter.fixedLength();
  const int chapter = kChapterNumber.numberIn(change);
  const char sign = kChapterSign.charIn(change);
  const int info = kChapterInfo.numberIn(change);
  if (PreviousChapterIs(game_.state, chapter)) addOrRemove(sign, info);
}

void InformationCommands::endOrSkip(std::string_view change, ChangeRun& run) {
  run.length = form::kInfoEnd.fixedLength();
  const bool possessed = Information(game_).possesses(kEndInfo.numberIn(change));
  const char sign = kEndWhen.charIn(change);
  if (!((sign == '+' && possessed) || (sign == '-' && !possessed))) return;
  switch (kEndOutcome.charIn(change)) {
    case 'H': run.endFlag = true; break;
    case 'U': run.skipFlag = true; break;
    default: break;
  }
}

void InformationCommands::changeTime(std::string_view change, ChangeRun& run) {
  run.length = form::kInfoTime.fixedLength();
  const char op = kTimeOperator.charIn(change);
  const int amount = kTimeAmount.numberIn(change);
  const int info = kTimeInfo.numberIn(change);
  if (!timedKind(info) || !Information(game_).possesses(info)) return;
  Information information(game_);
  if (information.InfoIdoModositas(info, op, amount)) information.remove(info);
}

void InformationCommands::byItem(std::string_view change, ChangeRun& run) {
  run.length = form::kInfoItem.fixedLength();
  const char mode = kItemMode.charIn(change);
  const int item = kItemNumber.numberIn(change);
  const int info = kItemInfo.numberIn(change);
  const char itemSign = kItemHeld.charIn(change);
  const char infoSign = kItemInfoSign.charIn(change);
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
