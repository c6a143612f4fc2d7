#include "access/announcer.h"

#include <QAccessible>
#include <QLabel>

#include "game/control_views.h"
#include "screen_model.h"

namespace zrx {
namespace {

QString joined(const std::vector<std::string>& lines, const QString& separator) {
  QStringList out;
  for (const std::string& line : lines) {
    if (!line.empty()) out << QString::fromStdString(line);
  }
  return out.join(separator);
}

}  // namespace

Announcer::Announcer(ControlViews& views, const ScreenModel& screen, QWidget* window)
    : QObject(window), screen_(screen), region_(new QLabel(window)) {
  region_->setObjectName(kRegionName);
  // Kept on screen (a hidden widget leaves the tree) but out of sight in a corner.
  region_->setGeometry(0, 0, 1, 1);
  region_->setTextFormat(Qt::PlainText);
  // A selection moving in the list re-renders it too; only new content is announced.
  const auto changed = [this](const Control&) { queue(); };
  for (const char* name : {"LabelFPont", "RichEdit1", "ListBoxNext"}) views.watch(name, changed);
  QStringList resultLines{"LabelSZPEredmenyErtek", "LabelEredmeny1", "LabelEredmeny2", "LabelEredmeny3"};
  for (int n = 1; n <= 4; ++n) resultLines << QString("DK%1EredmenyLabel").arg(n);
  for (const QString& name : resultLines) {
    views.watch(name.toStdString(), [this](const Control& c) {
      if (c.text().empty() || !c.visible()) return;
      results_ << QString::fromStdString(c.text());
      queue();
    });
  }
}

void Announcer::queue() {
  // One announcement per engine action, once every changed control has been rendered.
  if (queued_) return;
  queued_ = true;
  QMetaObject::invokeMethod(this, &Announcer::flush, Qt::QueuedConnection);
}

QString Announcer::chapterText() const {
  return QString::fromStdString(screen_.LabelFPont.text()) + ".\n" + joined(screen_.RichEdit1.items(), "\n");
}

QString Announcer::continuationsText() const {
  const QString list = joined(screen_.ListBoxNext.items(), ", ");
  if (list.isEmpty()) return {};
  return (QString::fromStdString(screen_.LabelLehetosegek.text()) + " " + list).trimmed();
}

void Announcer::flush() {
  queued_ = false;
  QStringList parts;
  const QString chapter = screen_.LabelFPont.text().empty() ? QString() : chapterText();
  const QString continuations = continuationsText();
  const bool newChapter = chapter != lastChapter_;
  if (newChapter) parts << chapter;
  if (newChapter || continuations != lastContinuations_) parts << continuations;
  lastChapter_ = chapter;
  lastContinuations_ = continuations;
  parts << results_;
  parts.removeAll(QString());
  results_.clear();
  if (parts.isEmpty()) return;
  const QString text = parts.join('\n');
  region_->setText(text);
  QAccessibleEvent nameChanged(region_, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&nameChanged);
  QAccessibleEvent alert(region_, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
  emit announced(text);
}

}  // namespace zrx
