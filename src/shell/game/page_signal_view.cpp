#include "game/page_signal_view.h"

#include <climits>

#include "page_signal.h"

namespace zrx {

std::optional<SignalView> SignalViewOfKind(int kind) {
  switch (SignalPage(kind)) {
    case kTestsPage:
      return SignalView{kTestsPage, {"Próbák", "Csaták"},
                        kind == 5 ? SignalOpening::EnableFight : SignalOpening::Nothing};
    case kEquipmentPage:
      return SignalView{kEquipmentPage, {"Felszerelési", "Tárgyak"}, SignalOpening::ItemChanges};
    case kSheetPage:
      return SignalView{kSheetPage, {"Kalandlap", ""}, SignalOpening::CharacteristicChanges};
    case kInformationPage:
      return SignalView{kInformationPage, {"Információk", ""},
                        kind == 13 ? SignalOpening::InformationChanges : SignalOpening::Nothing};
    case kStoryPage:
      return SignalView{kStoryPage, {"", ""}, SignalOpening::StoryChecks};
    case kMagicSkillsPage:
      return SignalView{kMagicSkillsPage, {"Varázslatok", "Képességek"}, SignalOpening::Nothing, false};
    default:
      return std::nullopt;
  }
}

QColor TickColour(int tick) { return tick % 2 != 0 ? QColor(0, 128, 0) : QColor(0, 0, 255); }

QColor NormalTabColour() { return QColor(240, 240, 240); }

int NextTick(int tick) { return tick >= INT_MAX - 1 ? 2 : tick + 1; }

}  // namespace zrx
