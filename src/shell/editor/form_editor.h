#pragma once
// TFormEditor ("Történet Szerkesztő"): the book editor. It opens a package source (or one
// book file), lists the chosen book's chapter points, shows the chosen one in a form and
// writes each change into the source at once, as an undoable step; "Mentés" saves the
// changed files, which differ from the opened ones only in the changed values. The
// checker runs again a moment after each change; its findings lead to their place.
#include <QMainWindow>
#include <filesystem>
#include <optional>
#include <vector>

#include "diagnostics.h"
#include "editor/edit_command.h"
#include "editor/editor_session.h"

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QUndoStack;

namespace zrx {

class ChapterForm;
class ChapterList;
class LiveCheck;

class TFormEditor : public QMainWindow {
  Q_OBJECT
 public:
  explicit TFormEditor(QWidget* parent = nullptr);
  ~TFormEditor() override;

  // Opens a source in place of the one open (after asking about unsaved changes); false
  // with the reason shown when it cannot be opened.
  bool openSource(const std::filesystem::path& file);
  // "Mentés": false with the reason shown when a file cannot be written or the author
  // keeps a file that another program changed since it was opened.
  bool save();

  const std::optional<EditorSession>& session() const { return session_; }
  std::size_t currentBook() const { return book_; }
  void chooseBook(std::size_t book);
  void chooseChapter(int index);
  // Goes to the place of the finding in row `row` of the problem list.
  void goToProblem(int row);

  ChapterList* chapterList() const { return list_; }
  ChapterForm* chapterForm() const { return form_; }
  QListWidget* problemList() const { return problems_; }
  QLabel* statusLine() const { return status_; }
  QUndoStack* undoStack() const { return undo_; }
  LiveCheck* liveCheck() const { return check_; }
  const std::vector<book::Diagnostic>& findings() const { return findings_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  // Writes the form's field of source key `key` into the source as one undoable step.
  void applyEdit(const std::string& key);
  // Undo and redo: the book's document put back, and the place of the edit shown.
  void showDocument(const EditCommand::Place& place, const book::SourceDocument& document);
  void showFindings(const book::Diagnostics& findings);
  void refreshList();
  void updateTitle();
  // Asks about unsaved changes; false when the author keeps the window as it is.
  bool maySetAside();
  // Asks before saving over a file that another program changed; true to go on.
  bool mayOverwrite();
  void chooseFile();

  std::optional<EditorSession> session_;
  std::size_t book_ = 0;
  std::vector<book::Diagnostic> findings_;
  QUndoStack* undo_;
  LiveCheck* check_;
  QComboBox* books_;
  ChapterList* list_;
  ChapterForm* form_;
  QListWidget* problems_;
  QLabel* status_;
  QAction* saveAction_ = nullptr;
};

}  // namespace zrx
