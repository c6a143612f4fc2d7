#pragma once
// The game's own modal windows that the UI port opens: the pair choice before a battle
// round (TFormParValaszt), the death window (TFormDeath) and the victory window (TFormWIN).
#include <string>
#include <vector>

#include "style/form_zrx_base.h"

class QLabel;
class QTimer;

namespace zrx {

class Program;

// One " Kiválaszt " button per opponent line; closes only through a button.
class TFormParValaszt : public TFormZRXBase {
  Q_OBJECT
 public:
  TFormParValaszt(Program& program, const std::string& header, const std::vector<std::string>& opponentLines,
                  QWidget* parent);
  // The button pressed, 1..3; 0 while none was.
  int chosen() const { return chosen_; }

 protected:
  bool canClose() override;

 private:
  int chosen_ = 0;
};

// "MEGHALTÁL!" with the skull; closes after ten seconds, on a double click or on Escape or
// Enter, refuses every other close.
class TFormDeath : public TFormZRXBase {
  Q_OBJECT
 public:
  static constexpr int kCloseAfterMs = 10000;
  TFormDeath(Program& program, QWidget* parent);
  QTimer* closeTimer() const { return timer_; }

 protected:
  bool canClose() override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void finish();
  QTimer* timer_;
  bool closing_ = false;
};

// Three bands whose colours advance every 150 ms; closes after twelve seconds, on a
// double click on a band or on Escape or Enter, refuses every other close.
class TFormWIN : public TFormZRXBase {
  Q_OBJECT
 public:
  static constexpr int kCloseAfterMs = 12000;
  static constexpr int kColourStepMs = 150;
  TFormWIN(Program& program, QWidget* parent);
  QTimer* closeTimer() const { return closeTimer_; }
  QTimer* colourTimer() const { return colourTimer_; }
  int colourState() const { return state_; }
  QLabel* band(int i) const { return bands_[static_cast<std::size_t>(i)]; }
  // One step of the colour cycle (the colour timer calls it).
  void advanceColours();

 protected:
  bool canClose() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void paintBands();
  void finish();

  std::vector<QLabel*> bands_;
  QTimer* colourTimer_;
  QTimer* closeTimer_;
  int state_ = 6;
  bool closing_ = false;
};

// The pair choice: the header line and one line per standing opponent. Returns the button
// pressed, 1..number of lines.
int ShowPairChoice(Program& program, const std::string& header, const std::vector<std::string>& opponentLines);

// The death window; returns when it has closed.
void ShowDeathWindow(Program& program);

// The victory window; returns when it has closed.
void ShowVictoryWindow(Program& program);

}  // namespace zrx
