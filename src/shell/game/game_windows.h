#pragma once
// The windows the game opens in the middle of play: the pair choice before a round
// (TFormParValaszt), the death window (TFormDeath) and the victory window (TFormWIN).
// The desktop UI port opens them; each runs modally and returns when it has closed.
#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTimer;

namespace zrx::shell {

// Closes only through one of its " Kiválaszt " buttons; the result is the button, 1..3.
class TFormParValaszt : public QDialog {
  Q_OBJECT
 public:
  TFormParValaszt(const std::string& header, const std::vector<std::string>& opponentLines, QWidget* parent = nullptr);
  int chosen() const { return chosen_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override {}

 private:
  int chosen_ = 0;
};

// Closes after ten seconds or on a double click; every other close is refused.
class TFormDeath : public QDialog {
  Q_OBJECT
 public:
  explicit TFormDeath(QWidget* parent = nullptr);
  QTimer* closeTimer() const { return timer_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void reject() override {}

 private:
  void finish();
  QTimer* timer_;
  bool closing_ = false;
};

// Three bands whose colours cycle every 150 ms; closes after twelve seconds or on a double
// click on a band; every other close is refused.
class TFormWIN : public QDialog {
  Q_OBJECT
 public:
  explicit TFormWIN(QWidget* parent = nullptr);
  QTimer* closeTimer() const { return closeTimer_; }
  int colourState() const { return state_; }
  QLabel* band(int i) const { return bands_[static_cast<std::size_t>(i)]; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void reject() override {}

 private:
  void advanceColours();
  void paintBands();
  void finish();

  std::vector<QLabel*> bands_;
  QTimer* colourTimer_;
  QTimer* closeTimer_;
  int state_ = 6;
  bool closing_ = false;
};

// Run the windows modally over `parent`.
int RunParValaszt(QWidget* parent, const std::string& header, const std::vector<std::string>& opponentLines);
void RunDeathWindow(QWidget* parent);
void RunVictoryWindow(QWidget* parent);

}  // namespace zrx::shell
