#include "about/form_version.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QUrl>

#include "about/update_check.h"
#include "dialogs/qt_ui_port.h"
#include "program_version.h"
#include "resources/resources.h"
#include "screens/action_label.h"
#include "start/deployment.h"
#include "start/platform_check.h"
#include "start/program.h"
#include "start/window_opener.h"
#include "style/link_label.h"
#include "style/window_services.h"

namespace zrx {
namespace {

const QString kUpdateCaption = "Új verzió keresése";

QLabel* makeLine(const QString& text, QWidget* parent, const QRect& place) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignCenter);
  label->setGeometry(place);
  return label;
}

LinkLabel* makeLink(Program& program, const QString& text, QWidget* parent, const QRect& place) {
  auto* link = new LinkLabel(text, parent);
  link->setColours(QColor(0, 0, 255), QColor(0, 0, 128));
  link->setDisabledColour(QColor(128, 128, 128));
  link->setAlignment(Qt::AlignCenter);
  link->setGeometry(place);
  program.services().KurzorAllitas(*link, CursorKind::Link);
  return link;
}

}  // namespace

TFormVersion::TFormVersion(Program& program, QWidget* parent)
    : TFormZRXBase(program, parent, kVersionSize), updateCheck_(new UpdateCheck(program.folder(), this)) {
  setObjectName("FormVersion");
  setWindowTitle("ZRX - Verzió");
  setHead("Verzió");
  setWindowCode(kWindowVersion);
  const int width = kVersionSize.width();

  labelVersionInfo_ = makeLine("ZRX - " + QString::fromUtf8(kProgramVersion) + " béta", this, QRect(10, 48, width - 20, 30));
  labelVersionInfo_->setObjectName("LabelVersionInfo");
  labelVersionInfo_->setFont(program.resources().headerFont(16));
  labelOSVersion_ = makeLine("Rendszer: " + CheckThisPlatform().description, this, QRect(10, 84, width - 20, 22));
  labelOSVersion_->setObjectName("LabelOSVersion");
  labelOSVersion_->setWordWrap(true);

  labelFrissites_ = MakeCommandLabel(program, kUpdateCaption, this);
  labelFrissites_->setObjectName("LabelFrissites");
  labelFrissites_->setGeometry(10, 124, width - 20, 28);
  connect(labelFrissites_, &LinkLabel::clicked, this, [this] { LabelFrissitesClick(); });

  labelEmailSend_ = makeLink(program, "Levél a fejlesztőknek", this, QRect(10, 170, width - 20, 24));
  labelEmailSend_->setObjectName("LabelEmailSend");
  connect(labelEmailSend_, &LinkLabel::clicked, this, [this] { LabelEmailSendClick(); });
  labelWebPage_ = makeLink(program, "A zrx honlapja", this, QRect(10, 200, width - 20, 24));
  labelWebPage_->setObjectName("LabelWebPage");
  connect(labelWebPage_, &LinkLabel::clicked, this, [this] { LabelWebPageClick(); });
}

TFormVersion::~TFormVersion() {
  if (updateCheck_->running()) setChecking(false);
}

void TFormVersion::LabelWebPageClick() { QDesktopServices::openUrl(QUrl(HomePageUrl())); }

void TFormVersion::LabelEmailSendClick() { QDesktopServices::openUrl(QUrl(AuthorsMailUrl())); }

void TFormVersion::LabelFrissitesClick() {
  if (updateCheck_->running()) return;
  setChecking(true);
  updateCheck_->start(UpdateInfoUrl(), [this](const UpdateResult& result) {
    setChecking(false);
    showVerdict(result);
  });
}

void TFormVersion::setChecking(bool checking) {
  // The busy cursor covers the whole program while the transfer runs; the window's commands
  // wait for the verdict.
  if (checking) {
    QGuiApplication::setOverrideCursor(program().services().cursor(CursorKind::Busy));
  } else {
    QGuiApplication::restoreOverrideCursor();
  }
  for (LinkLabel* label : {labelFrissites_, labelEmailSend_, labelWebPage_}) label->setEnabled(!checking);
}

void TFormVersion::showVerdict(const UpdateResult& result) {
  QtUiPort& ui = program().ui();
  switch (result.verdict) {
    case UpdateVerdict::Current: ui.QuestionFormInfo("Nem érhető el új ZRX verzió!", ""); break;
    case UpdateVerdict::Failed: ui.QuestionFormInfo("Az új verzió keresése nem sikerült!", ""); break;
    case UpdateVerdict::Newer:
      ui.QuestionFormInfo("Új ZRX verzió (" + result.newVersion + ") " + "érhető el!",
                          "Látogass el honlapunkra a letöltéshez!");
      break;
  }
}

bool TFormVersion::canClose() {
  if (!TFormZRXBase::canClose()) return false;
  if (updateCheck_->running()) {
    updateCheck_->cancel();
    setChecking(false);
  }
  return true;
}

}  // namespace zrx
