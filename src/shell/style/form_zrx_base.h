#pragma once
// TFormZRXBase: the look every window of the program shares. No system frame, a sky-blue
// body with a drawn frame, a caption row with the program icon (dragging it moves the
// window), a centred title and the minimise and close glyphs; an optional fade-in.
#include <QDialog>
#include <QPointer>
#include <QSize>

class QLabel;
class QPainter;
class QScreen;
class QScrollArea;
class QTimer;

namespace zrx {

class GlyphButton;
class Program;

// The body colour of every window in the normal colour set (sky blue).
QColor SkyBlue();

class TFormZRXBase : public QDialog {
  Q_OBJECT
 public:
  static constexpr QSize kDesignSize{536, 416};

  TFormZRXBase(Program& program, QWidget* parent = nullptr, QSize designSize = kDesignSize);
  ~TFormZRXBase() override;

  Program& program() const { return program_; }

  // `LabelHead`: the centred title in the caption row.
  void setHead(const QString& text);
  QString head() const;

  // The window's code (Part of the window-codes table; 0 for windows without one).
  // Minimising a window with a code leaves the code for the window that opened it.
  void setWindowCode(int code) { windowCode_ = code; }
  int windowCode() const { return windowCode_; }

  // The fade-in: the opacity it ends at (255, the comment strip stays at 220), and
  // whether it is still running.
  void setFadeTarget(int opacity) { fadeTarget_ = opacity; }
  bool fading() const;
  int fadeOpacity() const { return opacity_; }
  // Stops a running fade at full opacity (tests and the screenshots use it).
  void finishFade();

  // A window without the caption row (the comment strip): no icon, title or glyphs.
  void hideCaptionRow();

  // Redraws the window in the colour set in force (the settings switch it).
  void applyLook();

  // The minimise glyph can be switched off (the error window has none that works).
  void setMinimiseEnabled(bool enabled);

  // The id of the custom control that took the focus last (0: none yet).
  int focusedControlId() const { return focusedControlId_; }

  // Shrinks the window to `available` when it is larger, its content then scrolling inside,
  // and moves it inside `available`. Showing the window does this for its screen's free area.
  void fitInto(const QRect& available);
  // The design size the window's content keeps, shrunk or not.
  QSize designSize() const { return designSize_; }
  void setVisible(bool visible) override;

  GlyphButton* closeGlyph() const { return labelClose_; }
  GlyphButton* minimiseGlyph() const { return labelMin_; }
  QTimer* faderTimer() const { return timerFader_; }

 protected:
  // `LabelCloseClick` and `LabelMinClick`. The close glyph closes the window; the minimise
  // glyph of a window with a code leaves the code in `PendingWindow` and closes the window,
  // and of any other window minimises the program.
  virtual void LabelCloseClick();
  virtual void LabelMinClick();
  // Whether a close request may go on; the base refuses while fading in. Derived windows
  // add their own conditions (and may ask a question) and call the base first.
  virtual bool canClose();

  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // The window's own painting over its body colour, in design coordinates: the frame, and
  // what derived windows add.
  virtual void paintBody(QPainter& painter);
  bool event(QEvent* event) override;
  // Escape and the platform's close both go through closeEvent, so that every refusal holds.
  void reject() override;

 private:
  void TimerFaderTimer();
  // `FormActivate`: on every activation the pointer goes to the window's centre when the
  // setting asks for it, then one pixel down (where the platform lets a program move it).
  void FormActivate();
  // Fits the window again when it moves to another screen or its screen's free area changes.
  void followScreen();
  void followFreeArea(QScreen* screen);

  Program& program_;
  // The window that was active when this one showed; it takes the keyboard back.
  QPointer<QWidget> opener_;
  bool followingScreen_ = false;
  QMetaObject::Connection freeAreaWatch_;
  QLabel* imageIcon_;
  QLabel* labelHead_;
  GlyphButton* labelMin_;
  GlyphButton* labelClose_;
  QTimer* timerFader_;
  QSize designSize_;
  QScrollArea* contentScroll_ = nullptr;
  int opacity_ = 255;
  int fadeTarget_ = 255;
  int windowCode_ = 0;
  int focusedControlId_ = 0;
  bool closing_ = false;
  bool captionRow_ = true;
};

}  // namespace zrx
