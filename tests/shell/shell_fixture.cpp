#include "shell_fixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "fixed_clock.h"
#include "names_block.h"
#include "package_fixture.h"
#include "resources/resources.h"

namespace zrx::test {

ShellFixture::ShellFixture(const std::string& settingsLine, const std::vector<std::string>& names)
    : folder_(temp_.path()) {
  PackageContent source = MakePackage(kSourcePackage, 1);
  source.settingsLine = settingsLine;
  WriteTestPackage(folder_, source);
  std::filesystem::create_directories(folder_ / "Save");
  std::filesystem::create_directories(folder_ / "Other");
  test::FixedClock clock;
  NamesBlock block(folder_, clock, RandomFillerSource());
  int minute = 0;
  for (const std::string& name : names) {
    // A minute apart, so that the newest-first order is the reverse of this one.
    clock.set({2024, 3, 5, 7, ++minute, 0, 0});
    block.WriteName(nullptr, name, kWriteNameOnly, "");
  }
  program_ = std::make_unique<Program>(folder_, nullptr, std::make_unique<test::FixedClock>());
  // As the welcome window applies them when it shows; windows made directly see them too.
  program_->applySettings(SettingsLine::Parse(settingsLine));
  program_->resources().load();
}

ShellFixture::~ShellFixture() = default;

void WhenModalOpens(std::function<void(QWidget&)> answer) {
  // Polls until a modal window is up; the caller is then waiting in its exec().
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, answer] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    answer(*modal);
  });
  poll->start();
}

void AnswerModal(const QString& caption) {
  WhenModalOpens([caption](QWidget& modal) {
    for (QPushButton* button : modal.findChildren<QPushButton*>()) {
      if (button->text() == caption && button->isVisible()) {
        button->click();
        return;
      }
    }
  });
}

}  // namespace zrx::test
