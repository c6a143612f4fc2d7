#pragma once
// TFormQuestion: the two-line question (" Igen " / " Nem ") and notice (" OK ") window.
// It closes only by its buttons.
#include "style/form_zrx_base.h"

class QLabel;
class QPushButton;

namespace zrx {

class TFormQuestion : public TFormZRXBase {
  Q_OBJECT
 public:
  enum class Kind { Question, Notice };
  static constexpr QSize kQuestionSize{420, 170};

  TFormQuestion(Program& program, Kind kind, const QString& line1, const QString& line2, QWidget* parent);

  // Which answer holds the focus (and Enter) when the window opens.
  enum class Focus { Yes, No };

  // `QuestionFormKerdes` and `QuestionFormInfo`: show the window modally; true for " Igen ".
  static bool ask(Program& program, const QString& line1, const QString& line2, Focus focus = Focus::Yes);
  static void inform(Program& program, const QString& line1, const QString& line2);

  bool answer() const { return answer_; }
  QPushButton* yesButton() const { return yes_; }
  QPushButton* noButton() const { return no_; }

 protected:
  bool canClose() override;

 private:
  void answerWith(bool yes);

  QPushButton* yes_;
  QPushButton* no_;
  bool answer_ = false;
  bool closedByButton_ = false;
};

}  // namespace zrx
