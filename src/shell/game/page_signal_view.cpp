#include "game/page_signal_view.h"

#include <climits>

#include "pending_kind.h"

namespace zrx {

std::optional<SignalView> SignalViewOfKind(int kind) {
  const PendingKindInfo* info = PendingKindInfoOf(kind);
  if (!info) return std::nullopt;
  return SignalView{info->page, {info->labels[0], info->labels[1]}, info->blinksTab};
}

QColor TickColour(int tick) { return tick % 2 != 0 ? QColor(0, 128, 0) : QColor(0, 0, 255); }

QColor NormalTabColour() { return QColor(240, 240, 240); }

int NextTick(int tick) { return tick >= INT_MAX - 1 ? 2 : tick + 1; }

}  // namespace zrx
