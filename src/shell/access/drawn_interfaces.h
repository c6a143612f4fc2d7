#pragma once
// The program's drawn pictures as a screen reader sees them: graphics with a name.
#include <QAccessibleWidget>
#include <functional>

class QAbstractButton;

namespace zrx {

class DrawnInterface : public QAccessibleWidget {
 public:
  DrawnInterface(QWidget* widget, QAccessible::Role role, std::function<QString()> nameOf);
  QString text(QAccessible::Text t) const override;

 private:
  std::function<QString()> nameOf_;
};

// A die of the dice panel: "Kocka: 4"; an empty face "Kocka: üres".
QString DiceFaceName(int face);
// What the story page's arrow takes, after its caption: "Tovább: " and the page it
// signals ("Felszerelési Tárgyak"), else the continuation chosen in the list, else the
// typed number.
QString ArrowName(const QAbstractButton& arrow);

}  // namespace zrx
