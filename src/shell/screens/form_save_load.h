#pragma once
// TFormSaveLoad: saving the running game, loading a saved one, deleting a save. The window
// lists what the engine's save screen reads from the index and runs its actions a moment
// after the click, once the busy state is painted.
#include <memory>

#include "save_load_screen.h"
#include "style/form_zrx_base.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QTimer;

namespace zrx {

class LinkLabel;

class TFormSaveLoad : public TFormZRXBase {
  Q_OBJECT
 public:
  static constexpr QSize kSaveLoadSize{640, 470};
  static constexpr int kActionDelay = 750;

  TFormSaveLoad(Program& program, SaveWindowMode mode, QWidget* parent = nullptr);
  ~TFormSaveLoad() override;

  // Reads the player's saves. False when the window must not be shown: an error was
  // reported, or the player has no save to load (the notice has told so).
  bool readSaves();

  void LabelMentesClick();
  void LabelBetoltesClick();
  void LabelTorlesClick();

  bool ready() const { return ready_; }
  QLineEdit* nameField() const { return editMentesNev_; }
  QListWidget* list() const { return listBoxMentes_; }
  QLabel* details() const { return labelMentesReszlet_; }
  LinkLabel* saveLabel() const { return labelMentes_; }
  LinkLabel* loadLabel() const { return labelBetoltes_; }
  LinkLabel* deleteLabel() const { return labelTorles_; }
  LinkLabel* backLabel() const { return labelVissza_; }
  LinkLabel* importLabel() const { return labelImportalas_; }
  QTimer* saveTimer() const { return timerMentesVegrehajto_; }
  QTimer* loadTimer() const { return timerJatekBetolto_; }
  QTimer* deleteTimer() const { return timerTorlesVegrehajto_; }

 protected:
  bool canClose() override;
  void LabelMinClick() override;
  void paintBody(QPainter& painter) override;

 private:
  bool saveMode() const { return screen_.mode() == SaveWindowMode::Save; }
  int selected() const;
  void fillList();
  void onSelection();
  void onTyped(const QString& text);
  void showNormalState();
  // The busy look: the clicked label's caption in green, the others that must wait disabled.
  void startAction(LinkLabel& label, const QString& caption, QTimer& timer);
  void finishAction(SaveWindowNext next);
  QTimer* makeTimer(void (TFormSaveLoad::*fire)());
  void TimerMentesVegrehajtoTimer();
  void TimerJatekBetoltoTimer();
  void TimerTorlesVegrehajtoTimer();

  std::unique_ptr<SaveRandom> random_;
  SaveLoadScreen screen_;
  bool ready_ = true;
  bool selecting_ = false;
  std::string pendingName_;
  std::size_t pendingPosition_ = 0;
  QLabel* labelMentesNev_;
  QLineEdit* editMentesNev_;
  QListWidget* listBoxMentes_;
  QLabel* labelMentesReszlet_;
  LinkLabel* labelMentes_;
  LinkLabel* labelBetoltes_;
  LinkLabel* labelTorles_;
  LinkLabel* labelImportalas_;
  LinkLabel* labelVissza_;
  QTimer* timerMentesVegrehajto_;
  QTimer* timerJatekBetolto_;
  QTimer* timerTorlesVegrehajto_;
};

}  // namespace zrx
