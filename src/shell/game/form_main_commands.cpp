// The game window's commands (menu items, their keys and the command buttons), the keys
// and mouse presses it watches program-wide, right-click help, and closing.
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "control_render.h"
#include "form_main.h"
#include "lifecycle.h"
#include "main_menu.h"
#include "menu_table.h"
#include "right_click_help.h"

namespace zrx::shell {

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
    case MenuAction::NewGame: perform([this] { Lifecycle(game_).KlikkKezdes(); }); break;
    case MenuAction::Load: openWindow(entry->windowCode); break;
    case MenuAction::Save:
      if (running && game_.state.SaveAllowed) openWindow(entry->windowCode);
      break;
    case MenuAction::EndGame:
      if (running) perform([this] { Lifecycle(game_).KlikkBefejezes(); });
      break;
    case MenuAction::Import:
      if (hooks_.openImportWindow) hooks_.openImportWindow();
      break;
    case MenuAction::Settings:
      openWindow(entry->windowCode);
      if (hooks_.applyCursors) hooks_.applyCursors();
      break;
    case MenuAction::Quit: close(); break;
    case MenuAction::Nothing: break;
    case MenuAction::OpenWindow: openWindow(entry->windowCode); break;
    case MenuAction::Editor:
      if (hooks_.openEditorWindow) hooks_.openEditorWindow();
      break;
    case MenuAction::Introduction:
    case MenuAction::Rules: {
      // Left by its link, each of the two windows hands over to the other.
      int window = entry->windowCode;
      while (hooks_.formNyitas && hooks_.formNyitas(window) == 1 && game_.state.PendingWindow < 2) {
        window = window == 60 ? 80 : 60;
      }
      if (game_.state.PendingWindow >= 2) showMinimized();
      break;
    }
  }
}

void TFormMain::openWindow(int code) {
  if (hooks_.formNyitas) hooks_.formNyitas(code);
  // A minimised sub-window minimises the program; it comes back on restore.
  if (game_.state.PendingWindow >= 2) showMinimized();
  if (game_.errors.FatalErrorFlag()) game_.ui().ErrorWindow(game_.errors);
  refresh();
}

bool TFormMain::GlobalMouseDown(QWidget* pressed) {
  const bool noContinuations = game_.screen.ListBoxNext.items().empty();
  for (QWidget* w = pressed; w && w != this; w = w->parentWidget()) {
    if (w->objectName().isEmpty()) continue;
    const std::optional<HelpLines> help =
        RightClickHelp(S(w->objectName()), game_.state.Difficulty, noContinuations);
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
    return QWidget::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (menu_->openMenu() >= 0 && !menu_->containsGlobal(mouse->globalPosition().toPoint())) menu_->closeAll();
      if (mouse->button() == Qt::RightButton && GlobalMouseDown(widget)) return true;
      break;
    }
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->isAutoRepeat()) break;
      pressedKey_ = key->key();
      altAlone_ = key->key() == Qt::Key_Alt;
      if (menu_->openMenu() >= 0 && menu_->MenuPanelBillentyuzetFigyeles(key->key())) {
        pressedKey_ = 0;
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
  return QWidget::eventFilter(watched, event);
}

void TFormMain::closeEvent(QCloseEvent* event) {
  const bool confirmed = hooks_.confirmQuit ? hooks_.confirmQuit() : true;
  if (game_.state.PendingWindow >= 2) {
    event->ignore();
    showMinimized();
    return;
  }
  if (!confirmed) {
    event->ignore();
    return;
  }
  if (game_.state.GameLoaded) perform([this] { Lifecycle(game_).Befejez(); });
  event->accept();
  if (hooks_.endProgram) hooks_.endProgram();
}

}  // namespace zrx::shell
