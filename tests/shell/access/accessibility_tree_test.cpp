// Every window of a running game as a screen reader sees it: each visible control that a
// player can press or read has a role and a name (its caption, where it shows one), no two
// commands share a name, and each enabled command offers a press.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <functional>
#include <memory>

#include "dialogs/form_comment.h"
#include "dialogs/form_question.h"
#include "game/game_windows.h"
#include "page_signal.h"
#include "screens/form_new_game.h"
#include "screens/form_save_load.h"
#include "welcome/form_settings.h"
#include "welcome/form_welcome.h"
#include "window_test_support.h"

using namespace zrx;
using namespace zrx::test;

namespace {

constexpr int kSpecialPage = 6;

// What a sighted player reads on the control; empty when it shows no text.
QString captionOf(const QWidget& widget) {
  QString text;
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    text = button->text();
    text.replace("&&", "\x01").remove('&').replace('\x01', '&');
  } else if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    text = Qt::mightBeRichText(label->text()) ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                                              : label->text();
  }
  return text.simplified();
}

bool isPressable(const QWidget& widget) { return qobject_cast<const QAbstractButton*>(&widget) != nullptr; }

// A control a player presses or reads. The program's own drawn widgets count when they
// are not containers of other widgets.
bool isControl(const QWidget& widget) {
  if (isPressable(widget)) return true;
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    return !label->text().trimmed().isEmpty() || !label->pixmap().isNull();
  }
  if (qobject_cast<const QAbstractItemView*>(&widget) || qobject_cast<const QTextEdit*>(&widget) ||
      qobject_cast<const QPlainTextEdit*>(&widget) || qobject_cast<const QComboBox*>(&widget) ||
      qobject_cast<const QAbstractSpinBox*>(&widget) || qobject_cast<const QTabBar*>(&widget)) {
    return true;
  }
  if (qobject_cast<const QLineEdit*>(&widget)) {
    // The editor inside a combo or spin box is read as part of its box.
    const QWidget* box = widget.parentWidget();
    return !qobject_cast<const QComboBox*>(box) && !qobject_cast<const QAbstractSpinBox*>(box);
  }
  const bool ours = QByteArray(widget.metaObject()->className()).startsWith("zrx::");
  return ours && !widget.isWindow() && widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty();
}

QString describe(const QWidget& widget) {
  return QString("%1 (%2)").arg(widget.objectName(), widget.metaObject()->className());
}

bool hasPress(QAccessibleInterface& node) {
  QAccessibleActionInterface* actions = node.actionInterface();
  if (actions == nullptr) return false;
  const QStringList names = actions->actionNames();
  return names.contains(QAccessibleActionInterface::pressAction()) ||
         names.contains(QAccessibleActionInterface::toggleAction());
}

bool roleless(QAccessible::Role role) {
  return role == QAccessible::NoRole || role == QAccessible::Client || role == QAccessible::Pane ||
         role == QAccessible::Grouping;
}

// The rows of a list view: each is named, and those of the continuation list are pressed
// one by one.
void checkItems(const QWidget& view, QAccessibleInterface& node, QStringList& faults) {
  for (int i = 0; i < node.childCount(); ++i) {
    QAccessibleInterface* item = node.child(i);
    if (item == nullptr || item->role() != QAccessible::ListItem) continue;
    if (item->text(QAccessible::Name).isEmpty()) faults << describe(view) + ": a row without a name";
    QAccessibleActionInterface* actions = item->actionInterface();
    const bool pressed = actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
    if (view.objectName() == "ListBoxNext" && !pressed) {
      faults << describe(view) + ": row " + item->text(QAccessible::Name) + " cannot be pressed";
    }
  }
}

QStringList faultsOf(QWidget& window) {
  QStringList faults;
  QStringList pressNames;
  QAccessibleInterface* top = QAccessible::queryAccessibleInterface(&window);
  if (top == nullptr || top->text(QAccessible::Name).isEmpty()) faults << describe(window) + ": window without a name";
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (widget->window() != &window || !widget->isVisible()) continue;
    const auto* label = qobject_cast<QLabel*>(widget);
    if (label && label->text().trimmed().isEmpty() && label->pixmap().isNull()) {
      // An empty cell is silent, not named after its neighbourhood.
      QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
      const QString said = node ? node->text(QAccessible::Name) : QString();
      if (!said.isEmpty() && label->accessibleName().isEmpty()) faults << describe(*widget) + ": empty but reads " + said;
      continue;
    }
    if (!isControl(*widget)) continue;
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
    if (node == nullptr) {
      faults << describe(*widget) + ": not in the accessibility tree";
      continue;
    }
    const QString name = node->text(QAccessible::Name);
    const QString caption = captionOf(*widget);
    if (roleless(node->role())) faults << describe(*widget) + ": no role";
    if (name.isEmpty()) faults << describe(*widget) + ": no name";
    // A name may add what the caption leaves to the eye ("Kiválaszt: Ork"), after the caption.
    if (!caption.isEmpty() && name.simplified() != caption && !name.startsWith(caption + ": ")) {
      faults << describe(*widget) + ": named \"" + name + "\" but reads \"" + caption + "\"";
    }
    if (isPressable(*widget) && widget->isEnabled() && !hasPress(*node)) {
      faults << describe(*widget) + ": no press action";
    }
    // Two commands of one window that sound alike cannot be told apart by ear.
    if (isPressable(*widget) && !name.isEmpty()) {
      if (pressNames.contains(name)) faults << describe(*widget) + ": another command is also named " + name;
      pressNames << name;
    }
    if (qobject_cast<QAbstractItemView*>(widget)) checkItems(*widget, *node, faults);
  }
  return faults;
}

// The window to walk, and whether the test owns it.
struct Shown {
  QWidget* window;
  std::unique_ptr<QWidget> owned;
};
using WindowMaker = std::function<Shown(GameWindowRig&)>;

// Shows the game window on `page` of a game that went along `path`.
WindowMaker gamePage(int page, QStringList path = {"0", "1"}) {
  return [page, path](GameWindowRig& rig) {
    rig.startGame("Source", 1, 0);
    for (const QString& entry : path) rig.chooseContinuation(entry.toStdString());
    rig.openPage(page);
    return Shown{&rig.window(), nullptr};
  };
}

template <typename Window, typename... Args>
WindowMaker own(Args... args) {
  return [args...](GameWindowRig& rig) {
    auto window = std::make_unique<Window>(rig.program(), args...);
    QWidget* shown = window.get();
    return Shown{shown, std::move(window)};
  };
}

}  // namespace

Q_DECLARE_METATYPE(WindowMaker)

class AccessibilityTreeTest : public QObject {
  Q_OBJECT

 private slots:
  void everyControlNamedAndPressable_data() {
    QTest::addColumn<WindowMaker>("make");
    QTest::newRow("Történet") << gamePage(kStoryPage);
    QTest::newRow("Háttértörténet") << gamePage(kStoryPage, {"0"});
    QTest::newRow("Kalandlap") << gamePage(kSheetPage);
    QTest::newRow("Felszerelési tárgyak") << gamePage(kEquipmentPage);
    QTest::newRow("Próbák - Csaták") << gamePage(kTestsPage);
    QTest::newRow("Információk") << gamePage(kInformationPage);
    QTest::newRow("Varázslatok - Képességek") << gamePage(kMagicSkillsPage);
    QTest::newRow("Speciális") << gamePage(kSpecialPage);
    QTest::newRow("no game") << WindowMaker([](GameWindowRig& rig) { return Shown{&rig.window(), nullptr}; });
    QTest::newRow("welcome") << WindowMaker([](GameWindowRig& rig) {
      return Shown{rig.program().welcome(), nullptr};
    });
    QTest::newRow("new game") << own<TFormNewGame>();
    QTest::newRow("load") << own<TFormSaveLoad>(SaveWindowMode::Load);
    QTest::newRow("settings") << own<TFormSettings>();
    QTest::newRow("settings, other panel") << WindowMaker([](GameWindowRig& rig) {
      auto window = std::make_unique<TFormSettings>(rig.program());
      window->findChild<QAbstractButton*>("ButtonPanel")->click();
      QWidget* shown = window.get();
      return Shown{shown, std::move(window)};
    });
    QTest::newRow("death") << own<TFormDeath>(nullptr);
    QTest::newRow("victory") << own<TFormWIN>(nullptr);
    QTest::newRow("pair choice") << own<TFormParValaszt>(std::string("Válassz ellenfelet!"),
                                                         std::vector<std::string>{"Ork 7 8", "Goblin 5 6"}, nullptr);
    QTest::newRow("help strip") << own<TFormComment>(QStringList{"Egy sor", "", "Harmadik sor"}, nullptr);
    QTest::newRow("question") << own<TFormQuestion>(TFormQuestion::Kind::Question, QString("Biztosan"),
                                                    QString("kilépsz?"), nullptr);
  }

  void everyControlNamedAndPressable() {
    QFETCH(WindowMaker, make);
    GameWindowRig rig(std::make_unique<PipQueue>());
    Shown shown = make(rig);
    shown.window->show();
    rig.settleLayout();
    const QStringList faults = faultsOf(*shown.window);
    QVERIFY2(faults.isEmpty(), qPrintable("\n" + faults.join("\n")));
  }
};

QTEST_MAIN(AccessibilityTreeTest)
#include "accessibility_tree_test.moc"
