#pragma once
// The program's drawn buttons (links, glyphs, the arrow, colour buttons) as a screen
// reader sees them: a button (or check box) named by its current caption, described by
// its help or why it is disabled, with its states and a press action.
#include <QAccessibleWidget>
#include <functional>

class QAbstractButton;

namespace zrx {

class ButtonInterface : public QAccessibleWidget {
 public:
  // `nameOf` gives the name of a button whose caption does not say enough (the arrow);
  // without it the name is the caption, else the name set on the widget (a glyph).
  ButtonInterface(QAbstractButton* button, std::function<QString()> nameOf = {});

  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString& actionName) const override;

 private:
  QAbstractButton* button() const;
  std::function<QString()> nameOf_;
};

// A caption as read aloud: "&&" is one "&", a single "&" marks a mnemonic.
QString SpokenCaption(QString caption);

}  // namespace zrx
