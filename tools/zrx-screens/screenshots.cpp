#include "screenshots.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "about/form_version.h"
#include "dialogs/form_bye.h"
#include "dialogs/form_comment.h"
#include "dialogs/form_error.h"
#include "dialogs/form_question.h"
#include "error_log.h"
#include "dice/form_kocka.h"
#include "game_screens.h"
#include "resources/resources.h"
#include "screen_pictures.h"
#include "special_screens.h"
#include "start/program.h"
#include "style/frame_color_button.h"
#include "style/frame_rich_edit.h"
#include "texts/form_fixed_text.h"
#include "welcome/form_settings.h"
#include "welcome/form_welcome.h"

namespace zrx {
namespace {

// A window's picture; what its mask cuts away stays transparent.
QImage pictureOf(QWidget& window) {
  QImage image(window.size() * 2, QImage::Format_ARGB32);
  image.setDevicePixelRatio(2.0);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  if (!window.mask().isEmpty()) painter.setClipRegion(window.mask());
  window.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

class ScreenWriter {
 public:
  explicit ScreenWriter(QString folder) : folder_(std::move(folder)) {}

  void write(const QString& name, TFormZRXBase& window) {
    window.show();
    window.finishFade();
    // Pages refresh and lay themselves out from the event loop: let them before the picture.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    if (!pictureOf(window).save(folder_ + "/" + name + ".png")) failed_ = true;
    window.hide();
  }
  bool failed() const { return failed_; }

 private:
  QString folder_;
  bool failed_ = false;
};

// A window of the program's style with the two custom controls, as the other windows use them.
void writeControls(Program& program, ScreenWriter& writer) {
  TFormZRXBase window(program);
  window.setHead("Vezérlők");
  auto* text = new TZRX_FrameRichEdit(&window, QSize(300, 330));
  text->move(20, 50);
  QString story;
  for (int i = 1; i <= 30; ++i)
    story += QString("<p>%1. sor: a Zengő Rengeteg fái között egy ösvény kanyarog a domb felé.</p>").arg(i);
  text->setHtml(story);
  text->AlapraHozas(1);
  for (int i = 0; i < 5; ++i) text->scrollBar()->setThumbTop(text->scroll().thumbTop());
  for (int i = 0; i < 2; ++i) {
    auto* button = new TZRX_FrameColorButton(program.services(), &window, QSize(180, 40));
    button->move(338, 60 + i * 56);
    button->AlapraHozas(TZRX_FrameColorButton::DefaultColours(), SkyBlue(), i == 0 ? "Kezdés" : "Befejezés",
                        Qt::AlignCenter, i == 0, 2 + i);
  }
  writer.write("controls", window);
}

// The version window and the fixed-text windows, the rules once per topic.
void writeAboutWindows(Program& program, ScreenWriter& writer) {
  TFormVersion version(program);
  writer.write("version", version);
  TFormIntro intro(program);
  writer.write("text_intro", intro);
  TFormRules rules(program);
  for (std::size_t topic = 0; topic < rules.topicLabels().size(); ++topic) {
    rules.showTopic(static_cast<int>(topic));
    writer.write(QString("text_rules_%1").arg(topic + 1), rules);
  }
  TFormThanks thanks(program);
  writer.write("text_thanks", thanks);
  TFormInfo info(program);
  writer.write("text_info", info);
  TFormRepair repair(program);
  writer.write("text_repair", repair);
}

// The "Speciális" page in the middle of a longer adventure and during its battle.
void writeSpecialPage(const std::filesystem::path& programFolder, ScreenWriter& writer) {
  WriteSpecialPageScreens(programFolder, [&writer](const QString& name, TFormZRXBase& window) { writer.write(name, window); });
}

}  // namespace

int WriteScreens(const std::filesystem::path& programFolder, const std::filesystem::path& target) {
  const QString folder = QString::fromStdString(target.string());
  QDir().mkpath(folder);
  ScreenWriter writer(folder);
  Program program(programFolder);
  program.resources().load();
  program.applySettings(SettingsLine::Parse("1010000110"));
  program.setPlayerName("Kalandor");

  TFormWelcome welcome(program);
  writer.write("welcome", welcome);
  welcome.nameField()->setEditText("Kalandor");
  welcome.signIn();
  welcome.closingTimer()->stop();
  writer.write("welcome_signed_in", welcome);

  TFormQuestion question(program, TFormQuestion::Kind::Question, "Biztos, hogy befejezed a játékot?", "", nullptr);
  writer.write("question", question);
  TFormQuestion notice(program, TFormQuestion::Kind::Notice, "Nem megengedett karakterek vannak a névben!",
                       "Adj meg másik nevet!", nullptr);
  writer.write("notice", notice);
  TFormComment comment(program, {"Mentés", "A játékállást elmentettük.", "Kattints a bezáráshoz!"}, nullptr);
  writer.write("comment", comment);

  TFormKocka dice(program, "Ellenfél támadóereje", nullptr);
  writer.write("dice", dice);

  TFormBye bye(program, nullptr);
  writer.write("bye", bye);
  bye.yesButton()->click();
  bye.farewellTimer()->stop();
  writer.write("bye_confirmed", bye);

  ErrorLog errors;
  for (const int code : {7, 103, 1036, 18}) errors.HibaHozzairas(code);
  TFormError error(program);
  error.present(errors);
  error.closeTimer()->stop();
  writer.write("error", error);

  TFormSettings settings(program);
  settings.load();
  writer.write("settings_control", settings);
  settings.panelButton()->click();
  writer.write("settings_look", settings);

  writeControls(program, writer);
  writeAboutWindows(program, writer);
  WriteScreenWindowPictures(programFolder, [&writer](const QString& name, TFormZRXBase& window) { writer.write(name, window); });
  WriteGameScreens(programFolder, [&writer](const QString& name, TFormZRXBase& window) { writer.write(name, window); });
  writeSpecialPage(programFolder, writer);
  return writer.failed() ? 1 : 0;
}

}  // namespace zrx
