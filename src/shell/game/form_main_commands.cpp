// The game window's commands (menu items, their keys and the command buttons), the keys
// and mouse presses it watches program-wide, right-click help, and closing.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>

#include "dice/own_dice.h"
#include "dice/own_dice_mark.h"
#include "editor/editor_launch.h"
#include "editor/form_editor.h"
#include "game.h"
#include "game/action_reasons.h"
#include "game/control_render.h"
#include "game/focus_keeper.h"
#include "game/form_main.h"
#include "game/focus_keeper.h"
#include "game/main_menu.h"
#include "game/menu_table.h"
#include "game/right_click_help.h"
#include "import/import_requests.h"
#include "speech/read_aloud.h"
#include "start/program.h"
#include "start/window_opener.h"

namespace zrx {

void TFormMain::runMenu(int code) {
  const MenuEntry* entry = MenuEntryByCode(code);
  if (!entry) return;
  menu_->closeAll();
  const bool running = game_.state.GameLoaded;
  if (running && !entry->busyNotice[0].empty()) {
    game_.ui().QuestionFormInfo(entry->busyNotice[0], entry->busyNotice[1]);
    return;
  }
  switch (entry->action) {
    case MenuAction::NewGame:
      actions_.KlikkKezdes();
      focusStoryAfterStart();
      break;
    case MenuAction::Load:
      openWindow(entry->windowCode);
      focusStoryAfterStart();
      break;
    case MenuAction::Save:
      if (running && game_.state.SaveAllowed) openWindow(entry->windowCode);
      else if (running) tellRefusedSave();
      break;
    case MenuAction::EndGame:
      if (running) actions_.KlikkBefejezes();
      break;
    case MenuAction::StepBack:
      if (running) stepBack();
      break;
    case MenuAction::Import: OpenImportWindow(program()); break;
    case MenuAction::Editor: OpenEditorWindow(this); break;
    case MenuAction::Settings:
      openWindow(entry->windowCode);
      MainFormKurzorBeallitas();
      break;
    case MenuAction::Quit: close(); break;
    case MenuAction::Nothing: break;
    case MenuAction::OwnDice:
      program().ownDice().setOn(!program().ownDice().on());
      ShowOwnDiceMark(*menu_, program().ownDice());
      break;
    case MenuAction::ReadAloud:
      if (readAloud_->unavailableReason().isEmpty()) readAloud_->setOn(!readAloud_->on());
      break;
    case MenuAction::OpenWindow: openWindow(entry->windowCode); break;
    case MenuAction::Introduction:
    case MenuAction::Rules: {
      // Left by its link, each of the two windows hands over to the other.
      int window = entry->windowCode;
      while (program().opener().FormNyitas(window) == kLeftByLink && game_.state.PendingWindow < 2) {
        window = window == kWindowIntro ? kWindowRules : kWindowIntro;
      }
      break;
    }
  }
}

void TFormMain::openWindow(int code) {
  // A minimised sub-window minimises the program (the opener does it); an error reported
  // meanwhile shows the error window, which ends the program.
  program().opener().FormNyitas(code);
  if (game_.errors.FatalErrorFlag()) game_.ui().ErrorWindow(game_.errors);
  refresh();
}

void TFormMain::focusStoryAfterStart() {
  // The focus would stay on the command button that opened the game, whose Enter offers to
  // end that game at once: the player's next key belongs to the page.
  if (!game_.state.GameLoaded || pages_->currentWidget() == nullptr) return;
  if (QWidget* next = NextPressable(*pages_->currentWidget(), pages_->currentIndex())) next->setFocus(Qt::OtherFocusReason);
}

void TFormMain::tellRefusedSave() {
  const std::string notice = ActionWaitReason(game_, "BitBtn3");
  // "Itt most nem lehet menteni:" on the first line, the reason on the second.
  const std::size_t colon = notice.find(": ");
  if (colon == std::string::npos) game_.ui().QuestionFormInfo(notice, "");
  else game_.ui().QuestionFormInfo(notice.substr(0, colon + 1), notice.substr(colon + 2));
}

void TFormMain::explainWaitingActions() {
  for (const std::string& name : ActionsWithReasons()) {
    if (auto* control = findChild<QWidget*>(ToQString(name))) ExplainAction(*control, ToQString(ActionWaitReason(game_, name)));
  }
  if (auto* item = findChild<QWidget*>(QString("LabelMenu%1").arg(kStepBackMenuCode))) {
    const QString why = ToQString(actions_.StepBackRefusal());
    item->setEnabled(why.isEmpty());
    ExplainAction(*item, why);
  }
}

void TFormMain::stepBack() {
  bool stepped = false;
  std::string why;
  actions_.StepBack(stepped, why);
  if (!stepped && !why.empty()) game_.ui().QuestionFormInfo("Nincs visszalépés:", why + "!");
}

bool TFormMain::GlobalMouseDown(QWidget* pressed) {
  const bool noContinuations = game_.screen.ListBoxNext.items().empty();
  for (QWidget* w = pressed; w && w != this; w = w->parentWidget()) {
    if (w->objectName().isEmpty()) continue;
    const std::optional<HelpLines> help =
        RightClickHelp(ToStdString(w->objectName()), game_.state.Difficulty, noContinuations);
    if (help) {
      game_.ui().CommentFormMegjelenites((*help)[0], (*help)[1], (*help)[2]);
      return true;
    }
    // The empty continuation list has no help and takes none of its page's.
    if (w->objectName() == "ListBoxNext") return false;
  }
  return false;
}

bool TFormMain::handleKeyRelease(int key) {
  if (key == Qt::Key_Escape) {
    close();
    return true;
  }
  if (key == Qt::Key_Alt) {
    menu_->open(0, true);
    return true;
  }
  if (const MenuEntry* entry = MenuEntryByKey(key)) {
    runMenu(entry->code);
    return true;
  }
  return false;
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  // Only what happens inside this window, and not while another window is modal over it.
  if (!widget || widget->window() != this || (QApplication::activeModalWidget() && QApplication::activeModalWidget() != this)) {
    return TFormZRXBase::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (menu_->openMenu() >= 0 && !menu_->containsGlobal(mouse->globalPosition().toPoint())) menu_->closeAll();
      if (mouse->button() == Qt::RightButton && GlobalMouseDown(widget)) return true;
      break;
    }
    case QEvent::ContextMenu:
      // A right-click shows the program's help strip alone, never Qt's own menu of a text box.
      return true;
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->isAutoRepeat()) break;
      pressedKey_ = key->key();
      altAlone_ = key->key() == Qt::Key_Alt;
      if (menu_->openMenu() >= 0 && menu_->MenuPanelBillentyuzetFigyeles(key->key())) {
        pressedKey_ = 0;
        return true;
      }
      if (SwitchPageByKey(*pages_, key->key(), key->modifiers())) {
        pressedKey_ = 0;
        return true;
      }
      // Escape acts on its release, once; the dialog's own Escape would ask a second time.
      if (key->key() == Qt::Key_Escape) return true;
      // None of the buttons is a dialog default, so Enter presses the focused one here.
      auto* button = qobject_cast<QPushButton*>(widget);
      if (button && button->isEnabled() && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        pressedKey_ = 0;
        button->click();
        return true;
      }
      break;
    }
    case QEvent::KeyRelease: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->isAutoRepeat() || key->key() != pressedKey_) break;
      pressedKey_ = 0;
      if (key->key() == Qt::Key_Alt && !altAlone_) break;
      if (handleKeyRelease(key->key())) return true;
      break;
    }
    default: break;
  }
  return TFormZRXBase::eventFilter(watched, event);
}

bool TFormMain::canClose() {
  // `FormClose`: refused while fading in; then the quit confirmation. A minimised
  // confirmation minimised the program and comes back on restore.
  if (!TFormZRXBase::canClose()) return false;
  // An open editor asks about its unsaved changes first; keeping them keeps the program.
  for (TFormEditor* editor : findChildren<TFormEditor*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (!editor->close()) return false;
  }
  // After the error window the program ends without a question whose answer would be ignored.
  if (!program().quitConfirmed()) program().opener().FormNyitas(kWindowBye);
  if (game_.state.PendingWindow >= 2 || !program().quitConfirmed()) return false;
  if (game_.state.GameLoaded) actions_.Befejez();
  program().endProgram();
  return true;
}

}  // namespace zrx
