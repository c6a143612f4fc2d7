#include "information.h"

#include "possession_texts.h"
#include "conditions.h"

namespace zrx {

ShownList Information::listFor(int info) const {
  if (game_.stores.infos.Find(info).InfoFlag == 1) return {game_.state.knowledge.HiddenInfoList, nullptr};
  return shown();
}

bool Information::possesses(int info) const { return listFor(info).contains(info); }

void Information::add(int info) {
  ShownList list = listFor(info);
  if (!list.contains(info)) list.append(info, game_.stores.infos.Find(info).Name);
}

void Information::remove(int info) {
  ShownList list = listFor(info);
  list.removeAt(list.indexOf(info));
}

void Information::ListBox_INClick() {
  const int index = shown().selectedIndex();
  if (!game_.state.GameLoaded || index < 0) return;
  const TInfoRec rec = game_.stores.infos.Find(shown().numberAt(index));
  game_.screen.MemoIN_Leir.setItems(descriptionLines(rec.Description));
}

void Information::ListBox_INDblClick() {
  ConditionState& conditions = game_.state.conditions;
  const int index = shown().selectedIndex();
  if (!game_.state.GameLoaded || !conditions.InfoUseAwaited || index < 0) return;
  if (game_.state.knowledge.InfoList[static_cast<std::size_t>(index)] != conditions.AwaitedInfo) return;
  conditions.InfoUsed = true;
  conditions.InfoUseAwaited = false;
  conditions.TestPending = false;
  // Copies: the evaluation rewrites the saved context while it runs.
  const std::string pendingConditions = conditions.PendingConditions;
  const std::string pendingTargets = conditions.PendingTargets;
  Conditions(game_).FeltetelFelbontas(pendingConditions, pendingTargets);
}

bool Information::InfoIdoModositas(int info, char op, int amount) {
  game_.stores.infos.ChangeTime(info, op, amount);
  return op == '-' && game_.stores.infos.Find(info).Time <= 0;
}

void Information::countDownTimes(int firstKind, int lastKind) {
  InfoStore& infos = game_.stores.infos;
  const auto countDown = [&](ShownList list) {
    for (int i = 0; i < list.size();) {
      const int number = list.numberAt(i);
      const int kind = infos.Find(number).Kind;
      if (kind >= firstKind && kind <= lastKind) {
        if (InfoIdoModositas(number, '-', 1)) {
          list.removeAt(i);
          continue;
        }
      }
      ++i;
    }
  };
  countDown(shown());
  countDown(ShownList(game_.state.knowledge.HiddenInfoList, nullptr));
}

}  // namespace zrx
