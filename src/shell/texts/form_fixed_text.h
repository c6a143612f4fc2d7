#pragma once
// The fixed-text windows of the "Segítség" and "Egyéb" menus: a rich text from the program's
// resources in a `TZRX_FrameRichEdit`, closed by "Bezárás" or Escape. A window may offer
// topics that switch the text, and a link that leaves it for its partner window.
#include <vector>

#include "style/form_zrx_base.h"

namespace zrx {

class LinkLabel;
class TZRX_FrameRichEdit;

struct TextTopic {
  QString caption;   // the topic label; unused for a window of one text
  QString resource;  // the rich text's resource path
};

struct FixedTextContent {
  QString objectName;
  QString head;
  int windowCode;
  std::vector<TextTopic> topics;  // one topic: no topic labels
  QString linkCaption;            // empty: no link; otherwise it closes with kLeftByLink
};

class TFormFixedText : public TFormZRXBase {
  Q_OBJECT
 public:
  static constexpr QSize kTextWindowSize{720, 500};

  TFormFixedText(Program& program, FixedTextContent content, QWidget* parent);
  ~TFormFixedText() override;

  // Shows topic `index` and marks its label.
  void showTopic(int index);
  int topic() const { return topic_; }
  // Leaves by the link: the window that opened it hands over to the partner window.
  void LabelLinkClick();

  TZRX_FrameRichEdit* richText() const { return frameRichEdit_; }
  const std::vector<LinkLabel*>& topicLabels() const { return topicLabels_; }
  LinkLabel* linkLabel() const { return labelLink_; }
  LinkLabel* closeLabel() const { return labelBezaras_; }

 protected:
  void paintBody(QPainter& painter) override;

 private:
  FixedTextContent content_;
  TZRX_FrameRichEdit* frameRichEdit_;
  std::vector<LinkLabel*> topicLabels_;
  LinkLabel* labelLink_ = nullptr;
  LinkLabel* labelBezaras_;
  int topic_ = -1;
};

// "Bevezetés": the introduction; "Szabályok ismertetése" leads on to the rules.
class TFormIntro : public TFormFixedText {
  Q_OBJECT
 public:
  explicit TFormIntro(Program& program, QWidget* parent = nullptr);
};

// "Játékszabályok": five topics; "Vissza" leads back to the introduction.
class TFormRules : public TFormFixedText {
  Q_OBJECT
 public:
  explicit TFormRules(Program& program, QWidget* parent = nullptr);
};

// "Köszönetnyilvánítás".
class TFormThanks : public TFormFixedText {
  Q_OBJECT
 public:
  explicit TFormThanks(Program& program, QWidget* parent = nullptr);
};

// "Könyv-Információk": the bundled books.
class TFormInfo : public TFormFixedText {
  Q_OBJECT
 public:
  explicit TFormInfo(Program& program, QWidget* parent = nullptr);
};

// "Könyv-Javítások": what this program corrects in the classic rules and books.
class TFormRepair : public TFormFixedText {
  Q_OBJECT
 public:
  explicit TFormRepair(Program& program, QWidget* parent = nullptr);
};

}  // namespace zrx
