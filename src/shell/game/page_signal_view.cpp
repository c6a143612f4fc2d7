#include "game/page_signal_view.h"

#include <climits>

#include "pending_kind.h"
#include "style/look_colours.h"

namespace zrx {

std::optional<SignalView> SignalViewOfKind(int kind) {
  const PendingKindInfo* info = PendingKindInfoOf(kind);
  if (!info) return std::nullopt;
  return SignalView{info->page, {info->labels[0], info->labels[1]}, info->blinksTab};
}

QColor TickColour(int tick) { return tick % 2 != 0 ? Look().signalOdd : Look().signalEven; }

QColor NormalTabColour() { return Look().tab; }

int NextTick(int tick) { return tick >= INT_MAX - 1 ? 2 : tick + 1; }

}  // namespace zrx
