#pragma once
// TFormNewGame ("Új játék kezdése"): the packages beside the program, the books of the
// chosen one with their descriptions and covers, and the difficulty. The window shows what
// the engine's selection lists; the choice goes back to the new-game command.
#include <memory>
#include <optional>

#include "style/form_zrx_base.h"
#include "ui_port.h"

class QButtonGroup;
class QComboBox;
class QPlainTextEdit;
class QTimer;

namespace zrx {

class LinkLabel;
class NewGameSelection;
class PictureView;

class TFormNewGame : public TFormZRXBase {
  Q_OBJECT
 public:
  static constexpr QSize kNewGameSize{660, 440};
  static constexpr int kTimerInterval = 500;

  explicit TFormNewGame(Program& program, QWidget* parent = nullptr);
  ~TFormNewGame() override;

  // Lists the packages and brings back the choices of a minimised screen. False when an
  // error was reported: the window is not shown and the error window follows.
  bool listPackages();

  // The book chosen with "Kiválasztás", once its timer has fired.
  const std::optional<NewGameChoice>& choice() const { return choice_; }

  void Label1Click();  // "Kiválasztás"
  void Label2Click();  // "Mégse"

  bool busy() const { return busy_; }
  bool ready() const { return ready_; }
  QComboBox* packageBox() const { return mainComboBox1_; }
  QComboBox* bookBox() const { return mainComboBox2_; }
  QButtonGroup* difficultyGroup() const { return radioGroup1_; }
  QPlainTextEdit* memo() const { return memo1_; }
  PictureView* cover() const { return image1_; }
  LinkLabel* chooseLabel() const { return label1_; }
  LinkLabel* cancelLabel() const { return label2_; }
  QTimer* packageTimer() const { return timerForrasValaszto_; }
  QTimer* gameTimer() const { return timerJatekValaszto_; }

 protected:
  bool canClose() override;
  void LabelMinClick() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool idle() const { return ready_ && !busy_; }
  void showLines(const std::vector<std::string>& lines);
  void ForrasBetoltesInditas(std::optional<int> restoredDifficulty);
  void TimerForrasValasztoTimer();
  void TimerJatekValasztoTimer();
  void KepSzovegBetoltes(int position);
  void setControlsEnabled(bool enabled);
  void closeAfterError();
  void offerList(QComboBox& list);
  // The choices a minimised screen leaves: package, book and difficulty positions.
  QString minimisedChoices() const;
  void restoreChoices(const QString& state);

  std::unique_ptr<NewGameSelection> selection_;
  std::optional<NewGameChoice> choice_;
  bool packageStage_ = true;
  bool busy_ = false;
  bool ready_ = true;
  QComboBox* mainComboBox1_;
  QComboBox* mainComboBox2_;
  QButtonGroup* radioGroup1_;
  QWidget* radioBox_;
  QPlainTextEdit* memo1_;
  PictureView* image1_;
  LinkLabel* label1_;
  LinkLabel* label2_;
  QTimer* timerForrasValaszto_;
  QTimer* timerJatekValaszto_;
};

}  // namespace zrx
