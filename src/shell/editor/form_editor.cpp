#include "editor/form_editor.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include "editor/chapter_form.h"
#include "editor/chapter_list.h"
#include "editor/edit_command.h"
#include "editor/live_check.h"
#include "editor/problem_place.h"
#include "editor/undo_keys.h"

namespace zrx {
namespace {

const QString kTitle = "Történet Szerkesztő";

QString fromStd(const std::string& s) { return QString::fromStdString(s); }

// A caption above a control, its key letter leading to the control.
QWidget* labelled(const QString& caption, QWidget* control, QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* label = new QLabel(caption, box);
  label->setBuddy(control);
  layout->addWidget(label);
  layout->addWidget(control, 1);
  return box;
}

}  // namespace

TFormEditor::TFormEditor(QWidget* parent) : QMainWindow(parent) {
  setObjectName("FormEditor");
  undo_ = new QUndoStack(this);
  check_ = new LiveCheck(this);

  books_ = new QComboBox(this);
  books_->setObjectName("ComboKonyv");
  books_->setAccessibleName("Könyv");
  list_ = new ChapterList(this);
  auto* left = new QWidget(this);
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(6, 6, 0, 0);
  leftLayout->addWidget(labelled("Kön&yv", books_, left));
  leftLayout->addWidget(list_, 1);

  form_ = new ChapterForm(this);
  problems_ = new QListWidget(this);
  problems_->setObjectName("ListHibak");
  problems_->setAccessibleName("Hibák");
  auto* right = new QSplitter(Qt::Vertical, this);
  right->addWidget(form_);
  right->addWidget(labelled("&Hibák", problems_, right));
  right->setContentsMargins(0, 0, 6, 0);
  right->setStretchFactor(0, 3);
  right->setStretchFactor(1, 1);

  auto* split = new QSplitter(Qt::Horizontal, this);
  split->addWidget(left);
  split->addWidget(right);
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 2);
  split->setSizes({340, 580});
  setCentralWidget(split);

  status_ = new QLabel(this);
  status_->setObjectName("LabelMezoSugo");
  status_->setAccessibleName("Állapotsor");
  status_->setText("Nyiss meg egy könyvforrást: Fájl, Megnyitás (Ctrl+O).");
  statusBar()->addWidget(status_, 1);
  buildMenus();
  resize(960, 660);
  updateTitle();

  connect(books_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0 && static_cast<std::size_t>(index) != book_) chooseBook(static_cast<std::size_t>(index));
  });
  connect(list_, &ChapterList::chosen, this, [this](int index) {
    if (session_) form_->showChapter(session_->books()[book_].document, index);
  });
  connect(form_, &ChapterForm::edited, this, &TFormEditor::applyEdit);
  connect(form_, &ChapterForm::help, status_, &QLabel::setText);
  connect(problems_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { goToProblem(problems_->row(item)); });
  connect(problems_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { goToProblem(problems_->row(item)); });
  connect(check_, &LiveCheck::checked, this, &TFormEditor::showFindings);
  connect(undo_, &QUndoStack::cleanChanged, this, &TFormEditor::updateTitle);
}

// The undo stack, a child, tells its last "clean" change while it is destroyed, after this
// window has stopped being one.
TFormEditor::~TFormEditor() { undo_->disconnect(this); }

void TFormEditor::buildMenus() {
  QMenu* file = menuBar()->addMenu("&Fájl");
  QAction* open = file->addAction("&Megnyitás…", this, &TFormEditor::chooseFile);
  open->setShortcut(QKeySequence::Open);
  saveAction_ = file->addAction("M&entés", this, &TFormEditor::save);
  saveAction_->setShortcut(QKeySequence::Save);
  QAction* close = file->addAction("&Bezárás", this, &QWidget::close);
  close->setShortcut(QKeySequence::Close);

  QMenu* edit = menuBar()->addMenu("S&zerkesztés");
  QAction* undo = undo_->createUndoAction(this, "Visszavonás");
  undo->setShortcuts(QKeySequence::Undo);
  QAction* redo = undo_->createRedoAction(this, "Újra");
  redo->setShortcuts(RedoKeys());
  edit->addAction(undo);
  edit->addAction(redo);
  edit->addSeparator();
  QAction* find = edit->addAction("&Keresés", this, [this] { list_->searchEdit()->setFocus(Qt::ShortcutFocusReason); });
  find->setShortcut(QKeySequence::Find);
}

bool TFormEditor::openSource(const std::filesystem::path& file) {
  if (!maySetAside()) return false;
  std::string error;
  auto session = EditorSession::Open(file, error);
  if (!session) {
    status_->setText("A forrás nem nyitható meg: " + fromStd(error));
    problems_->clear();
    problems_->addItem(fromStd(error));
    return false;
  }
  session_ = std::move(session);
  undo_->clear();
  findings_.clear();
  problems_->clear();
  books_->blockSignals(true);
  books_->clear();
  for (const EditorBook& b : session_->books()) {
    const std::string title = b.parsed ? b.parsed->book.Title : std::string();
    books_->addItem(fromStd(title.empty() ? b.file.filename().string() : title));
  }
  books_->blockSignals(false);
  book_ = session_->books().size();  // none chosen yet
  chooseBook(0);
  status_->setText("Megnyitva: " + fromStd(file.string()));
  updateTitle();
  check_->runNow(session_->snapshot());
  return true;
}

bool TFormEditor::save() {
  if (!session_) return false;
  if (!mayOverwrite()) {
    status_->setText("Nincs mentve.");
    return false;
  }
  std::string error;
  if (!session_->save(error)) {
    status_->setText("A mentés nem sikerült: " + fromStd(error));
    return false;
  }
  undo_->setClean();
  status_->setText("Mentve.");
  updateTitle();
  return true;
}

void TFormEditor::chooseBook(std::size_t book) {
  if (!session_ || book >= session_->books().size()) return;
  const bool changed = book != book_;
  book_ = book;
  books_->setCurrentIndex(static_cast<int>(book));
  if (changed) list_->searchEdit()->clear();
  refreshList();
  const auto& parsed = session_->books()[book].parsed;
  if (changed) chooseChapter(parsed && !parsed->chapters.empty() ? 0 : -1);
}

void TFormEditor::chooseChapter(int index) {
  if (!session_) return;
  list_->select(index);
  form_->showChapter(session_->books()[book_].document, index);
}

void TFormEditor::applyEdit(const std::string& key) {
  const int chapter = form_->chapter();
  if (!session_ || chapter < 0) return;
  const book::SourceDocument before = session_->books()[book_].document;
  const book::ValuePath path{"Chapters", static_cast<std::size_t>(chapter), key};
  std::string error;
  const bool done = key == "Next" ? session_->setList(book_, path, form_->continuations(), error)
                                  : session_->setValue(book_, path,
                                                       key == "Text" ? form_->textValue()
                                                                     : form_->lineEdit(key)->text().toStdString(),
                                                       error);
  if (!done) {
    status_->setText("Nem írható be: " + fromStd(error));
    return;
  }
  const auto& parsed = session_->books()[book_].parsed;
  const QString number = parsed && static_cast<std::size_t>(chapter) < parsed->chapters.size()
                             ? QString::number(parsed->chapters[static_cast<std::size_t>(chapter)].rec.Number)
                             : QString::number(chapter);
  undo_->push(new EditCommand("FejezetPont " + number + ": " + fromStd(key), {book_, chapter, key}, before,
                              session_->books()[book_].document,
                              [this](const EditCommand::Place& p, const book::SourceDocument& d) { showDocument(p, d); }));
  refreshList();
  updateTitle();
  check_->schedule(session_->snapshot());
}

void TFormEditor::showDocument(const EditCommand::Place& place, const book::SourceDocument& document) {
  session_->restore(place.book, document);
  chooseBook(place.book);
  refreshList();
  chooseChapter(place.chapter);
  form_->focusField(place.key);
  updateTitle();
  check_->schedule(session_->snapshot());
}

void TFormEditor::showFindings(const book::Diagnostics& findings) {
  if (!session_) return;
  findings_ = findings.all();
  problems_->clear();
  for (const book::Diagnostic& d : findings_) problems_->addItem(fromStd(ProblemRowText(d, PlaceOf(d, *session_), *session_)));
  if (findings_.empty()) problems_->addItem("Nincs hiba.");
  refreshList();
}

void TFormEditor::goToProblem(int row) {
  if (!session_ || row < 0 || static_cast<std::size_t>(row) >= findings_.size()) return;
  const ProblemPlace place = PlaceOf(findings_[static_cast<std::size_t>(row)], *session_);
  if (place.book < 0) return;
  chooseBook(static_cast<std::size_t>(place.book));
  if (place.chapter < 0) return;
  chooseChapter(place.chapter);
  form_->focusField(place.field);
}

void TFormEditor::refreshList() {
  if (!session_) return;
  std::set<int> marked;
  for (const book::Diagnostic& d : findings_) {
    const ProblemPlace place = PlaceOf(d, *session_);
    if (place.book == static_cast<int>(book_) && place.chapter >= 0) marked.insert(place.chapter);
  }
  const auto& parsed = session_->books()[book_].parsed;
  list_->setBook(parsed ? &*parsed : nullptr, marked);
}

void TFormEditor::updateTitle() {
  const bool modified = session_ && session_->modified();
  QString title = "ZRX - " + kTitle;
  if (session_) title += " - " + fromStd(session_->file().filename().string()) + (modified ? " *" : "");
  setWindowTitle(title);
  if (saveAction_) saveAction_->setEnabled(modified);
}

bool TFormEditor::maySetAside() {
  if (!session_ || !session_->modified()) return true;
  QMessageBox question(QMessageBox::Question, kTitle, "A változások nincsenek mentve.", QMessageBox::NoButton, this);
  question.setObjectName("QuestionMentes");
  question.setInformativeText("Mented őket?");
  QPushButton* saveButton = question.addButton("Mentés", QMessageBox::AcceptRole);
  QPushButton* dropButton = question.addButton("Elvetés", QMessageBox::DestructiveRole);
  question.addButton("Mégse", QMessageBox::RejectRole);
  question.setDefaultButton(saveButton);
  question.exec();
  if (question.clickedButton() == saveButton) return save();
  return question.clickedButton() == dropButton;
}

bool TFormEditor::mayOverwrite() {
  const auto changed = session_->changedOnDisk();
  if (changed.empty()) return true;
  QStringList names;
  for (const auto& file : changed) names << fromStd(file.filename().string());
  QMessageBox question(QMessageBox::Warning, kTitle, "Megnyitás óta más is írt a fájlba: " + names.join(", ") + ".",
                       QMessageBox::NoButton, this);
  question.setObjectName("QuestionFeluliras");
  question.setInformativeText("Felülírod a változásaiddal?");
  QPushButton* overwrite = question.addButton("Felülírás", QMessageBox::AcceptRole);
  question.setDefaultButton(question.addButton("Mégse", QMessageBox::RejectRole));
  question.exec();
  return question.clickedButton() == overwrite;
}

void TFormEditor::closeEvent(QCloseEvent* event) {
  if (maySetAside()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void TFormEditor::chooseFile() {
  const QString file = QFileDialog::getOpenFileName(this, "Könyvforrás megnyitása", {}, "Könyvforrás (*.yaml *.yml)");
  if (!file.isEmpty()) openSource(file.toStdString());
}

}  // namespace zrx
