#include "speech/read_aloud_item.h"

#include <QLabel>

#include "game/action_reasons.h"
#include "game/control_render.h"
#include "game/main_menu.h"
#include "game/menu_table.h"
#include "speech/read_aloud.h"

namespace zrx {

void ShowReadAloudItem(MainMenu& menu, const ReadAloud& reading) {
  MenuItemLabel* item = menu.item(kReadAloudMenuCode);
  QLabel* shortcut = menu.shortcutLabel(kReadAloudMenuCode);
  if (!item || !shortcut) return;
  const QString reason = reading.unavailableReason();
  item->setEnabled(reason.isEmpty());
  shortcut->setEnabled(reason.isEmpty());
  const QString key = ToQString(MenuEntryByCode(kReadAloudMenuCode)->shortcut);
  shortcut->setText(reading.on() ? QString::fromUtf8(kMenuCheckMark) + " " + key : key);
  ExplainAction(*item, reason);
}

}  // namespace zrx
