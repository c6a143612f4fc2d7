#include "access/accessible_names.h"

#include <QAbstractButton>
#include <QHash>
#include <QLabel>
#include <QListWidget>
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
  for (QWidget* control : window->findChildren<QWidget*>()) DescribeByHelp(*control);
  QObject::connect(window, &QObject::destroyed, [window] { helpSources().remove(window); });
}

QString AccessibleHelpOf(const QWidget& widget) {
  const auto source = helpSources().constFind(widget.window());
  if (source == helpSources().constEnd() || widget.objectName().isEmpty()) return {};
  return (*source)(widget.objectName());
}

void DescribeByHelp(QWidget& widget) {
  // The program's own interfaces (buttons, lists, labels, drawn controls) ask for the help
  // each time instead.
  const bool ownInterface = qobject_cast<QAbstractButton*>(&widget) || qobject_cast<QListWidget*>(&widget) ||
                            qobject_cast<QLabel*>(&widget) ||
                            QString::fromLatin1(widget.metaObject()->className()).startsWith("zrx::");
  if (ownInterface || !widget.accessibleDescription().isEmpty()) return;
  const QString help = AccessibleHelpOf(widget);
  if (!help.isEmpty()) widget.setAccessibleDescription(help);
}

QString AccessibleDescriptionOf(const QWidget& widget) {
  if (!widget.accessibleDescription().isEmpty()) return widget.accessibleDescription();
  const QString help = AccessibleHelpOf(widget);
  return help.isEmpty() ? widget.toolTip() : help;
}

}  // namespace zrx
