#include "texts/form_fixed_text.h"

#include <QFile>
#include <QPainter>

#include "game/form_main.h"
#include "screens/action_label.h"
#include "start/program.h"
#include "start/window_opener.h"
#include "style/frame_rich_edit.h"
#include "style/frames.h"
#include "style/link_label.h"

namespace zrx {
namespace {

constexpr int kMargin = 20;
constexpr int kTextTop = 48;
constexpr int kTextHeight = 392;
constexpr int kTopicWidth = 240;
constexpr int kBottomRow = 456;
// The rich text's focus id in its window.
constexpr int kTextFocusId = 1;

QString resourceText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

QString textPath(const char* name) { return QString(":/zrx/texts/") + name + ".html"; }

}  // namespace

TFormFixedText::TFormFixedText(Program& program, FixedTextContent content, QWidget* parent)
    : TFormZRXBase(program, parent, kTextWindowSize), content_(std::move(content)) {
  setObjectName(content_.objectName);
  setWindowTitle("ZRX - " + content_.head);
  setHead(content_.head);
  setWindowCode(content_.windowCode);

  const bool withTopics = content_.topics.size() > 1;
  const int textLeft = withTopics ? kMargin + kTopicWidth + 10 : kMargin;
  frameRichEdit_ = new TZRX_FrameRichEdit(this, QSize(kTextWindowSize.width() - kMargin - textLeft, kTextHeight));
  frameRichEdit_->setObjectName("FrameRichEdit");
  frameRichEdit_->move(textLeft, kTextTop);

  if (withTopics) {
    int y = kTextTop;
    for (std::size_t i = 0; i < content_.topics.size(); ++i) {
      LinkLabel* label = MakeCommandLabel(program, content_.topics[i].caption, this);
      label->setObjectName(QString("LabelTema%1").arg(i + 1));
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      label->setPointSize(10);
      label->setGeometry(kMargin, y, kTopicWidth, 26);
      connect(label, &LinkLabel::clicked, this, [this, i] { showTopic(static_cast<int>(i)); });
      topicLabels_.push_back(label);
      y += 34;
    }
  }
  if (!content_.linkCaption.isEmpty()) {
    labelLink_ = MakeCommandLabel(program, content_.linkCaption, this);
    labelLink_->setObjectName("LabelLink");
    labelLink_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    labelLink_->setGeometry(kMargin, kBottomRow, 260, 28);
    connect(labelLink_, &LinkLabel::clicked, this, [this] { LabelLinkClick(); });
  }
  labelBezaras_ = MakeCommandLabel(program, "Bezárás", this);
  labelBezaras_->setObjectName("LabelBezaras");
  labelBezaras_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  labelBezaras_->setGeometry(kTextWindowSize.width() - kMargin - 160, kBottomRow, 160, 28);
  connect(labelBezaras_, &LinkLabel::clicked, this, [this] { close(); });

  showTopic(0);
  frameRichEdit_->setFocus();
}

TFormFixedText::~TFormFixedText() = default;

void TFormFixedText::showTopic(int index) {
  if (index < 0 || index >= static_cast<int>(content_.topics.size())) return;
  topic_ = index;
  frameRichEdit_->setHtml(resourceText(content_.topics[static_cast<std::size_t>(index)].resource));
  frameRichEdit_->KomponensReset();
  frameRichEdit_->AlapraHozas(kTextFocusId);
  // The topic on show is marked in maroon and waits for no click.
  for (std::size_t i = 0; i < topicLabels_.size(); ++i) {
    if (static_cast<int>(i) == index) {
      topicLabels_[i]->setColours(CommandMaroon());
    } else {
      topicLabels_[i]->setColours(CommandNavy(), CommandBlue());
    }
  }
}

void TFormFixedText::LabelLinkClick() {
  if (canClose()) done(TFormMain::kLeftByLink);
}

void TFormFixedText::paintBody(QPainter& painter) {
  TFormZRXBase::paintBody(painter);
  SzovegKeretRajzolas(painter, frameRichEdit_->geometry().adjusted(-2, -2, 2, 2));
}

TFormIntro::TFormIntro(Program& program, QWidget* parent)
    : TFormFixedText(program,
                     {"FormIntro", "Bevezetés", kWindowIntro, {{"", textPath("intro")}}, "Szabályok ismertetése"},
                     parent) {}

TFormRules::TFormRules(Program& program, QWidget* parent)
    : TFormFixedText(program,
                     {"FormRules",
                      "Játékszabályok",
                      kWindowRules,
                      {{"Alapvető szabályok", textPath("rules_basic")},
                       {"Harc ellenfelekkel", textPath("rules_battle")},
                       {"A Szerencse használata", textPath("rules_luck")},
                       {"A program alapvető szabályai", textPath("rules_program")},
                       {"Lapfülek és használatuk", textPath("rules_tabs")}},
                      "Vissza"},
                     parent) {}

TFormThanks::TFormThanks(Program& program, QWidget* parent)
    : TFormFixedText(program, {"FormThanks", "Köszönetnyilvánítás", kWindowThanks, {{"", textPath("thanks")}}, ""},
                     parent) {}

TFormInfo::TFormInfo(Program& program, QWidget* parent)
    : TFormFixedText(program, {"FormInfo", "Könyv-Információk", kWindowInfo, {{"", textPath("info")}}, ""}, parent) {}

TFormRepair::TFormRepair(Program& program, QWidget* parent)
    : TFormFixedText(program, {"FormRepair", "Könyv-Javítások", kWindowRepair, {{"", textPath("repair")}}, ""},
                     parent) {}

}  // namespace zrx
