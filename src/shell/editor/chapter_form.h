#pragma once
// The form of one chapter point in the editor: its text, its continuations and each of its
// code fields. It reports what the author changes and, for a code field, the field under
// the cursor; it never writes into the source itself.
#include <QWidget>
#include <map>
#include <string>

#include "source_edit.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace zrx {

class ChapterForm : public QWidget {
  Q_OBJECT
 public:
  explicit ChapterForm(QWidget* parent = nullptr);

  // Shows chapter point `index` of the book in `document` (nothing when index < 0),
  // without reporting it as an edit.
  void showChapter(const book::SourceDocument& document, int index);
  int chapter() const { return chapter_; }

  // The text written for a value the author typed into the text field: the closing line
  // breaks the value had before are kept.
  std::string textValue() const;
  // The continuations as the author typed them, one entry per comma.
  std::vector<std::string> continuations() const;

  QPlainTextEdit* textEdit() const { return text_; }
  QLineEdit* lineEdit(const std::string& key) const { return lines_.at(key); }
  // Puts the cursor into the field of `key` ("Text", "Next" or a line key).
  void focusField(const std::string& key);

 signals:
  // The author changed the field of source key `key` ("Text", "Next" or a line key).
  void edited(const std::string& key);
  // The words for the status line about the field under the cursor.
  void help(const QString& text);

 private:
  void showHelp(const std::string& key);

  QLabel* number_;
  QPlainTextEdit* text_;
  std::map<std::string, QLineEdit*> lines_;
  int chapter_ = -1;
  std::string textEnding_;  // the closing line breaks of the shown text
  bool filling_ = false;
};

}  // namespace zrx
