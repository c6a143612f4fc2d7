#pragma once
// A chapter point's text read again from the map: a small read-only window titled with the
// chapter point's number; Escape closes it.
#include <QDialog>

namespace zrx {

class ChapterTextWindow : public QDialog {
  Q_OBJECT
 public:
  ChapterTextWindow(int chapter, const QString& text, QWidget* parent);
};

// Opens the window over `parent`'s window; it deletes itself when closed.
ChapterTextWindow* ShowChapterText(int chapter, const QString& text, QWidget* parent);

}  // namespace zrx
