#pragma once
// TFormComment: the comment strip, three centred lines in a low window that fades in to
// a slight transparency and closes on a click anywhere on it. Not modal.
#include "style/form_zrx_base.h"

namespace zrx {

class TFormComment : public TFormZRXBase {
  Q_OBJECT
 public:
  static constexpr QSize kCommentSize{460, 110};
  static constexpr int kCommentOpacity = 220;

  TFormComment(Program& program, const QStringList& lines, QWidget* parent);

  // `CommentFormMegjelenites`: shows a strip that deletes itself when it closes.
  static TFormComment* showComment(Program& program, const QStringList& lines);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace zrx
