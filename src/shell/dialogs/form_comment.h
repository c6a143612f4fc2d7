#pragma once
// TFormComment: the comment strip, three centred lines in a low window that fades in to
// a slight transparency and closes on a click anywhere on it. Not modal.
#include <vector>

#include "style/form_zrx_base.h"

class QLabel;

namespace zrx {

class TFormComment : public TFormZRXBase {
  Q_OBJECT
 public:
  // The least size; a strip grows to its lines.
  static constexpr QSize kCommentSize{460, 110};
  static constexpr int kCommentOpacity = 220;

  TFormComment(Program& program, const QStringList& lines, QWidget* parent);

  // `CommentFormMegjelenites`: shows a strip that deletes itself when it closes.
  static TFormComment* showComment(Program& program, const QStringList& lines);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  static constexpr int kEdge = 10;
  static constexpr int kTop = 18;
  static constexpr int kLineHeight = 24;
  // Sizes the strip to its lines: as wide as the longest needs (wrapping beyond the
  // screen's width), as high as the lines then are.
  void fitToLines(const std::vector<QLabel*>& labels);
};

}  // namespace zrx
