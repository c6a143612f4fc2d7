#include "access/accessible_names.h"

#include <QHash>
#include <QObject>
#include <QWidget>

namespace zrx {
namespace {

const QHash<QString, QString>& names() {
  static const QHash<QString, QString> table{
      {"RichEdit1", "A FejezetPont szövege"},
      {"Image1", "A FejezetPont képe"},
      {"ListBoxNext", "Továbbhaladási lehetőségek"},
      {"EditNext", "A következő FejezetPont száma"},
      {"MemoFP", "Eddig bejárt út"},
      {"ListBox_FT", "Felszerelési tárgyak"},
      {"MemoFT_Leir", "A tárgy leírása"},
      {"ListBox_IN", "Információk"},
      {"MemoIN_Leir", "Az információ leírása"},
      {"Memo_SI", "Saját információ"},
      {"SpinEditINFO", "A saját információ sorszáma"},
      {"ListBox_VK", "Varázslatok - Képességek"},
      {"MemoVK_Leir", "A varázslat vagy képesség leírása"},
      {"FormNewGame/Image1", "A könyv borítója"},
      {"FormNewGame/Memo1", "A könyv leírása"},
      {"ListBoxMentes", "Mentett játékok"},
      {"ImageKoponya", "Koponya"},
  };
  return table;
}

QHash<const QWidget*, HelpSource>& helpSources() {
  static QHash<const QWidget*, HelpSource> sources;
  return sources;
}

}  // namespace

QString AccessibleNameFor(const QWidget& widget) {
  const QString own = widget.objectName();
  if (own.isEmpty()) return {};
  const QString inWindow = names().value(widget.window()->objectName() + "/" + own);
  return inWindow.isEmpty() ? names().value(own) : inWindow;
}

void SetAccessibleHelp(QWidget* window, HelpSource help) {
  helpSources().insert(window, std::move(help));
  QObject::connect(window, &QObject::destroyed, [window] { helpSources().remove(window); });
}

QString AccessibleDescriptionOf(const QWidget& widget) {
  if (!widget.accessibleDescription().isEmpty()) return widget.accessibleDescription();
  const auto source = helpSources().constFind(widget.window());
  if (source == helpSources().constEnd() || widget.objectName().isEmpty()) return widget.toolTip();
  const QString help = (*source)(widget.objectName());
  return help.isEmpty() ? widget.toolTip() : help;
}

}  // namespace zrx
