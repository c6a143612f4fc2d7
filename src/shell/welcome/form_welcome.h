#pragma once
// TFormWelcome: the first window and the program's main window (closing it ends the
// program). It loads the resources, reads the names and the settings, lets the player
// sign in, and hands over to the game window. While a game runs it scrolls the title.
#include <memory>

#include "start/platform_check.h"
#include "style/form_zrx_base.h"
#include "welcome/header_colour_cycle.h"

class QComboBox;
class QLabel;
class QTimer;

namespace zrx {

class LinkLabel;
class PlayerNames;

class TFormWelcome : public TFormZRXBase {
  Q_OBJECT
 public:
  static constexpr int kCornerCut = 130;
  static constexpr int kColourCycleMs = 75;
  static constexpr int kSignInPauseMs = 500;
  static constexpr int kTitleScrollMs = 650;

  explicit TFormWelcome(Program& program, QWidget* parent = nullptr);
  ~TFormWelcome() override;

  // Runs the checks of the window's showing: the platform, the resources, the names and
  // the settings; then shows the window, or the notice or the error window that ends it.
  void start();

  // The player's sign-in (`Label4`, or Enter in the name field).
  void signIn();

  // The scrolling title while a game runs; off restores the plain title.
  void setTitleScrolling(bool on, const QString& title);

  bool signedIn() const { return signedIn_; }
  QComboBox* nameField() const { return comboBox1_; }
  LinkLabel* signInLink() const { return label4_; }
  QLabel* header() const { return labelSzinesFejlec_; }
  const HeaderColourCycle& colourCycle() const { return cycle_; }
  QTimer* closingTimer() const { return timerBezaro_; }

 protected:
  bool canClose() override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void TimerBezaroTimer();
  void TimerColorChangerTimer();
  void TimerTitleScrollerTimer();
  void handOver();

  PlatformCheck platform_;
  int resourceError_ = 0;
  std::unique_ptr<PlayerNames> names_;
  HeaderColourCycle cycle_;
  QString scrollingTitle_;
  bool signedIn_ = false;
  bool signingIn_ = false;

  QLabel* labelSzinesFejlec_;
  QLabel* label2_;
  QLabel* label3_;
  QComboBox* comboBox1_;
  LinkLabel* label4_;
  QLabel* imageMainLogo_;
  QTimer* timerBezaro_;
  QTimer* timerTitleScroller_;
  QTimer* timerColorChanger_;
};

}  // namespace zrx
