#pragma once
// Tells a screen reader what the game has just said without moving the player's focus:
// a new chapter point (its number or name, its text and its continuations), new
// continuations, and the result lines of rolls, luck tests and battle rounds. The text
// goes into a small static text, the window's live region, whose name change is announced.
#include <QObject>
#include <QString>
#include <QStringList>

class QLabel;
class QWidget;

namespace zrx {

class ControlViews;
class ScreenModel;

class Announcer : public QObject {
  Q_OBJECT
 public:
  static constexpr const char* kRegionName = "Bejelentes";

  Announcer(ControlViews& views, const ScreenModel& screen, QWidget* window);

  // The live region's static text.
  QLabel* region() const { return region_; }

 signals:
  // Each announcement as it is made, for the listeners that read aloud.
  void announced(const QString& text);

 private:
  void queue();
  void flush();
  QString chapterText() const;
  QString continuationsText() const;

  const ScreenModel& screen_;
  QLabel* region_;
  QString lastChapter_;
  QString lastContinuations_;
  QStringList results_;
  bool queued_ = false;
};

}  // namespace zrx
