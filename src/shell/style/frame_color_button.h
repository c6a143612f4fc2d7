#pragma once
// TZRX_FrameColorButton: a drawn button whose outline and caption light up when the mouse
// is over the drawing (decided by the colour of the pixel under it) or when it has the focus.
#include <QAbstractButton>
#include <QColor>
#include <QImage>
#include <array>

#include "style/focus_event.h"

namespace zrx {

class WindowServices;

class TZRX_FrameColorButton : public QAbstractButton, public FocusParticipant {
  Q_OBJECT
 public:
  static constexpr QSize kDesignSize{250, 40};
  // The hover states: outside, over the background, over the drawing.
  enum Hover { kOutside = 0, kOverBackground = 1, kOverDrawing = 2 };

  // The five drawing colours: outer and inner outline unlit, outline lit, caption unlit, lit.
  using Colours = std::array<QColor, 5>;
  static Colours DefaultColours();

  TZRX_FrameColorButton(const WindowServices& services, QWidget* parent, QSize size = kDesignSize);

  // `AlapraHozas`: colours, background, caption and its alignment, lit or not, focus id.
  void AlapraHozas(const Colours& colours, const QColor& background, const QString& caption,
                   Qt::Alignment alignment, bool lit, int focusId);
  void SzinBeallitas(const Colours& colours, const QColor& background);
  void SzovegBeallitas(const QString& caption);

  bool lit() const { return lit_; }
  int hover() const { return hover_; }
  const QImage& content() const { return image_; }
  int focusId() const override { return focusId_; }
  void focusTaken(int focusId) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The colours drawn: the caller's in the normal set, the high-contrast set's own there.
  Colours paintedColours() const;
  QColor paintedBackground() const;
  void HatterRajzolas();
  void KorvonalRajzolas(bool lit);
  void redraw(bool lit);

  const WindowServices& services_;
  QImage image_;  // `Image_Content`
  Colours colours_ = DefaultColours();
  QColor background_;
  Qt::Alignment alignment_ = Qt::AlignCenter;
  bool lit_ = false;
  bool hasFocus_ = false;
  int hover_ = kOutside;
  int focusId_ = 0;
};

}  // namespace zrx
