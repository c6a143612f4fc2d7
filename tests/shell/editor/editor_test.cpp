// The book editor's window: a chapter point's text and code changed and saved touch only
// their lines, undo and redo, the code field under the cursor, the live check leading to
// its place, the search, the question on close, a broken source, names and keys.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QUndoStack>
#include <fstream>
#include <sstream>

#include "book_commands.h"
#include "condition_grammar.h"
#include "editor/chapter_form.h"
#include "editor/chapter_list.h"
#include "editor/code_help.h"
#include "editor/editor_launch.h"
#include "editor/form_editor.h"
#include "editor/live_check.h"
#include "shell_fixture.h"
#include "temp_folder.h"

using namespace zrx;
namespace fs = std::filesystem;

namespace {

const fs::path kBooks = ZRX_SOURCE_BOOKS_DIR;

std::string readBytes(const fs::path& file) {
  QFile in(QString::fromStdString(file.string()));
  return in.open(QIODevice::ReadOnly) ? in.readAll().toStdString() : std::string();
}

QStringList linesOf(const std::string& text) { return QString::fromStdString(text).split('\n'); }

// The "Source" package's sources (the YAML files alone) copied into `folder`.
fs::path copySources(const fs::path& folder) {
  for (const char* file : {"source.yaml", "bevezeto/bevezeto.yaml", "holdarok/holdarok.yaml"}) {
    fs::create_directories((folder / file).parent_path());
    fs::copy_file(kBooks / file, folder / file);
  }
  return folder / "source.yaml";
}

// The place of chapter point `number` in the first book's source.
int indexOf(const TFormEditor& editor, int number) {
  const auto& chapters = editor.session()->books()[0].parsed->chapters;
  for (std::size_t i = 0; i < chapters.size(); ++i) {
    if (chapters[i].rec.Number == number) return static_cast<int>(i);
  }
  return -1;
}

void typeInto(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

void waitForCheck(TFormEditor& editor) { QTRY_VERIFY_WITH_TIMEOUT(!editor.liveCheck()->busy(), 10000); }

}  // namespace

class EditorTest : public QObject {
  Q_OBJECT
 private slots:
  void aChangedTextAndCodeSaveOnlyTheirLines() {
    test::TempFolder folder;
    const fs::path package = copySources(folder.path());
    const fs::path book = folder.path() / "bevezeto" / "bevezeto.yaml";
    const std::string original = readBytes(book);
    TFormEditor editor;
    QVERIFY(editor.openSource(package));
    QCOMPARE(editor.chapterList()->listWidget()->count(), static_cast<int>(editor.session()->books()[0].parsed->chapters.size()));
    editor.chooseChapter(indexOf(editor, 2));
    ChapterForm* form = editor.chapterForm();
    QTextCursor cursor = form->textEdit()->textCursor();
    cursor.movePosition(QTextCursor::Start);
    form->textEdit()->setTextCursor(cursor);
    form->textEdit()->setFocus();
    QTest::keyClicks(form->textEdit(), "Reggel van. ");
    typeInto(form->lineEdit("SpecialChange4"), "03N+003#");
    QVERIFY(editor.windowTitle().endsWith(" *"));
    QVERIFY(editor.save());
    QVERIFY(!editor.windowTitle().endsWith(" *"));

    const QStringList before = linesOf(original), after = linesOf(readBytes(book));
    QCOMPARE(after.size(), before.size());
    QStringList changed;
    for (qsizetype i = 0; i < before.size(); ++i) {
      if (before[i] != after[i]) changed << after[i].trimmed().left(30);
    }
    QCOMPARE(changed, QStringList({"SpecialChange4: \"03N+003#\"", "Reggel van. A piactér zsivajos"}));
    QCOMPARE(readBytes(folder.path() / "holdarok" / "holdarok.yaml"), readBytes(kBooks / "holdarok" / "holdarok.yaml"));

    // Typing in one field is one step back; the form follows.
    QCOMPARE(editor.undoStack()->count(), 2);
    editor.undoStack()->undo();
    QCOMPARE(form->lineEdit("SpecialChange4")->text(), QString("03N+002#"));
    editor.undoStack()->undo();
    QVERIFY(form->textEdit()->toPlainText().startsWith("A piactér"));
    QCOMPARE(editor.session()->books()[0].document.bytes(), original);
    QVERIFY(editor.session()->modified());  // the saved file holds the changes undone
    editor.undoStack()->redo();
    QVERIFY(form->textEdit()->toPlainText().startsWith("Reggel van. A piactér"));
    editor.undoStack()->redo();
    QVERIFY(!editor.session()->modified());  // back at what was saved
    QVERIFY(editor.undoStack()->isClean());
  }

  void theUndoKeysStepThroughTheStackAndShowThePlace() {
    test::TempFolder folder;
    TFormEditor editor;
    QVERIFY(editor.openSource(copySources(folder.path())));
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    const int first = indexOf(editor, 1), second = indexOf(editor, 4);
    editor.chooseChapter(first);
    typeInto(editor.chapterForm()->lineEdit("Picture"), "elso.jpg");
    editor.chooseChapter(second);
    QPlainTextEdit* text = editor.chapterForm()->textEdit();
    text->setFocus();
    QTest::keyClicks(text, "Uj szo. ");
    QCOMPARE(editor.undoStack()->count(), 2);
    QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor.undoStack()->index(), 1);
    QVERIFY(!text->toPlainText().contains("Uj szo"));
    // Undoing an edit of another chapter point goes there.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor.undoStack()->index(), 0);
    QCOMPARE(editor.chapterForm()->chapter(), first);
    QCOMPARE(QApplication::focusWidget(), editor.chapterForm()->lineEdit("Picture"));
    QCOMPARE(editor.chapterForm()->lineEdit("Picture")->text(), QString("cehhaz.jpg"));
    QVERIFY(!editor.session()->modified());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(editor.chapterForm()->lineEdit("Picture")->text(), QString("elso.jpg"));
    QVERIFY(editor.session()->modified());
    editor.undoStack()->undo();
  }

  void theStatusLineNamesTheCodeFieldUnderTheCursor() {
    test::TempFolder folder;
    TFormEditor editor;
    QVERIFY(editor.openSource(copySources(folder.path())));
    editor.chooseChapter(indexOf(editor, 1));
    QLineEdit* conditions = editor.chapterForm()->lineEdit("Conditions");
    typeInto(conditions, "C0#D2.07");
    const struct {
      int cursor;
      grammar::Field field;
    } cases[] = {{3, grammar::condition::kLetter}, {4, grammar::condition::kDice}};
    for (const auto& c : cases) {
      conditions->setCursorPosition(c.cursor);
      const QString status = editor.statusLine()->text();
      QVERIFY2(status.contains(QString::fromUtf8(c.field.meaning.data(), static_cast<qsizetype>(c.field.meaning.size()))),
               qPrintable(status));
      QCOMPARE(status, CodeFieldHelp(grammar::CodeFamily::Condition, "C0#D2.07", static_cast<std::size_t>(c.cursor)));
      QVERIFY(status.contains(QString("%1–%1. karakter").arg(c.field.pos)));
    }
    typeInto(editor.chapterForm()->lineEdit("SpecialChange2"), "01-B004003#");
    editor.chapterForm()->lineEdit("SpecialChange2")->setCursorPosition(5);
    QVERIFY2(editor.statusLine()->text().contains("item, 5–7. karakter: ") && editor.statusLine()->text().endsWith("(3 számjegy)"), qPrintable(editor.statusLine()->text()));
  }

  void aBrokenCodeIsListedAtItsLineAndLeadsThere() {
    test::TempFolder folder;
    const fs::path package = copySources(folder.path());
    TFormEditor editor;
    QVERIFY(editor.openSource(package));
    waitForCheck(editor);
    const int index = indexOf(editor, 3);
    editor.chooseChapter(index);
    typeInto(editor.chapterForm()->lineEdit("Conditions"), "C0#Q9");
    waitForCheck(editor);
    const int line = editor.session()->books()[0].document.lineAt({"Chapters", static_cast<std::size_t>(index), "Conditions"});
    const QString place = QString("bevezeto/bevezeto.yaml:%1 · FejezetPont 3 · Conditions · ").arg(line);
    int row = -1;
    for (int i = 0; i < editor.problemList()->count(); ++i) {
      if (editor.problemList()->item(i)->text().startsWith(place)) row = i;
    }
    QStringList rows;
    for (int i = 0; i < editor.problemList()->count(); ++i) rows << editor.problemList()->item(i)->text();
    QVERIFY2(row >= 0, qPrintable(place + "\n" + rows.join("\n")));
    QVERIFY(editor.chapterList()->listWidget()->currentItem()->text().startsWith("3  [kép, feltétel, hiba]  A Céh kapujának"));

    // The same findings as the checker prints for the saved files.
    QVERIFY(editor.save());
    std::ostringstream printed;
    book::RunCheck(package, printed, true);
    QStringList checker = QString::fromStdString(printed.str()).split('\n', Qt::SkipEmptyParts);
    checker.removeLast();  // the summary line
    QStringList shown;
    for (const book::Diagnostic& d : editor.findings()) {
      shown << QString::fromStdString(d.file + ":" + std::to_string(d.line) + ": error: " + d.message);
    }
    QCOMPARE(shown, checker);

    editor.chooseChapter(0);
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    editor.goToProblem(row);
    QCOMPARE(editor.chapterForm()->chapter(), index);
    QCOMPARE(QApplication::focusWidget(), editor.chapterForm()->lineEdit("Conditions"));
  }

  void aBookOpenedOnItsOwnIsCheckedOnItsOwn() {
    test::TempFolder folder;
    const fs::path book = folder.path() / "konyv.yaml";
    std::ofstream(book, std::ios::binary)
        << "Title: Egyedül\n"
           "BaseValues: [{Number: 1, Name: Ügyesség}, {Number: 2, Name: Életerő}, {Number: 3, Name: Szerencse}]\n"
           "Chapters:\n"
           "  - Number: -1\n    Next: [0]\n    Text: Szabályok\n"
           "  - Number: 0\n    Next: [győzelem]\n    Text: Háttér\n";
    TFormEditor editor;
    QVERIFY(editor.openSource(book));
    QVERIFY(!editor.session()->package());
    waitForCheck(editor);
    QCOMPARE(editor.problemList()->item(0)->text(), QString("Nincs hiba."));
    editor.chooseChapter(1);
    typeInto(editor.chapterForm()->lineEdit("Conditions"), "Q9");
    waitForCheck(editor);
    QVERIFY(!editor.findings().empty());
    QCOMPARE(editor.findings().front().line, 8);
    QVERIFY(editor.problemList()->item(0)->text().startsWith("konyv.yaml:8 · FejezetPont 0 · Conditions · "));
  }

  void theSearchFindsANumberOrWords() {
    test::TempFolder folder;
    TFormEditor editor;
    QVERIFY(editor.openSource(copySources(folder.path())));
    const struct {
      const char* search;
      QStringList firstWords;
    } cases[] = {{"12", {"12  "}}, {"piactér", {"2  "}}, {"PIACTÉR", {"2  "}}, {"nincs-ilyen-szó", {}}};
    for (const auto& c : cases) {
      editor.chapterList()->searchEdit()->setText(c.search);
      QStringList rows;
      for (int i = 0; i < editor.chapterList()->listWidget()->count(); ++i) {
        rows << editor.chapterList()->listWidget()->item(i)->text().left(static_cast<qsizetype>(QString::fromUtf8(c.firstWords.value(0).toUtf8()).size()));
      }
      QCOMPARE(rows, c.firstWords);
    }
    // Choosing a chapter point hidden by the search clears the search.
    editor.chooseChapter(indexOf(editor, 5));
    QVERIFY(editor.chapterList()->searchEdit()->text().isEmpty());
    QVERIFY(editor.chapterList()->listWidget()->currentItem()->text().startsWith("5  "));
  }

  void closingAsksAboutUnsavedChanges() {
    test::TempFolder folder;
    const fs::path package = copySources(folder.path());
    const fs::path book = folder.path() / "bevezeto" / "bevezeto.yaml";
    const std::string original = readBytes(book);
    const struct {
      const char* answer;
      bool closed;
      bool saved;
    } cases[] = {{"Mégse", false, false}, {"Elvetés", true, false}, {"Mentés", true, true}};
    for (const auto& c : cases) {
      TFormEditor editor;
      QVERIFY(editor.openSource(package));
      editor.show();
      typeInto(editor.chapterForm()->lineEdit("Picture"), "uj.jpg");
      test::AnswerModal(c.answer);
      QCOMPARE(editor.close(), c.closed);
      QCOMPARE(readBytes(book) != original, c.saved);
      std::ofstream(book, std::ios::binary) << original;
      if (!c.closed) {
        test::AnswerModal("Elvetés");
        QVERIFY(editor.close());
      }
    }
    // Without a change there is no question.
    TFormEditor editor;
    QVERIFY(editor.openSource(package));
    editor.show();
    QVERIFY(editor.close());
  }

  void savingOverAFileChangedMeanwhileIsAsked() {
    test::TempFolder folder;
    const fs::path package = copySources(folder.path());
    const fs::path book = folder.path() / "bevezeto" / "bevezeto.yaml";
    TFormEditor editor;
    QVERIFY(editor.openSource(package));
    editor.show();
    typeInto(editor.chapterForm()->lineEdit("Picture"), "uj.jpg");
    std::ofstream(book, std::ios::binary | std::ios::app) << "# más írta\n";
    const std::string theirs = readBytes(book);
    test::AnswerModal("Mégse");
    QVERIFY(!editor.save());
    QCOMPARE(readBytes(book), theirs);
    QCOMPARE(editor.statusLine()->text(), QString("Nincs mentve."));
    test::AnswerModal("Felülírás");
    QVERIFY(editor.save());
    QCOMPARE(readBytes(book), editor.session()->books()[0].document.bytes());
    // Saved, the file is the editor's again: the next save asks nothing.
    typeInto(editor.chapterForm()->lineEdit("Picture"), "masik.jpg");
    QVERIFY(editor.save());
  }

  void aBrokenSourceGivesAClearMessage() {
    test::TempFolder folder;
    const struct {
      const char* text;
      const char* message;
    } cases[] = {
        {"Package: Teszt1\nBooks: [nincs.yaml]\n", "cannot read the file"},
        {"Title: [nyitva\n", ":2: not valid YAML"},
        {"a: &hurok [*hurok]\n", ":1: aliases (*name) are not supported"},
    };
    for (const auto& c : cases) {
      const fs::path file = folder.path() / "rossz.yaml";
      std::ofstream(file, std::ios::binary | std::ios::trunc) << c.text;
      TFormEditor editor;
      QVERIFY(!editor.openSource(file));
      QVERIFY(!editor.session());
      QVERIFY2(editor.statusLine()->text().contains(c.message), qPrintable(editor.statusLine()->text()));
      QVERIFY(editor.problemList()->item(0)->text().contains(c.message));
    }
  }

  void theEditOptionOpensAWindowOfItsOwnOnTheFile() {
    test::TempFolder folder;
    const fs::path package = copySources(folder.path());
    QPointer<TFormEditor> editor = OpenEditorWindow(nullptr, package);
    QVERIFY(editor->isVisible());
    QVERIFY(editor->isWindow());
    QCOMPARE(editor->windowTitle(), QString("ZRX - Történet Szerkesztő - source.yaml"));
    QCOMPARE(editor->session()->books().size(), std::size_t{2});
    QVERIFY(editor->close());
    QTRY_VERIFY(editor.isNull());  // it goes when it is closed
  }

  void everyControlIsNamedAndHasAKey() {
    TFormEditor editor;
    QSet<QWidget*> withKeys;
    for (QLabel* label : editor.findChildren<QLabel*>()) {
      if (label->buddy() && !QKeySequence::mnemonic(label->text()).isEmpty()) withKeys << label->buddy();
    }
    QSet<QKeySequence> keys;
    for (QLabel* label : editor.findChildren<QLabel*>()) {
      if (label->buddy()) {
        const QKeySequence key = QKeySequence::mnemonic(label->text());
        QVERIFY2(!keys.contains(key), qPrintable(label->text()));
        keys << key;
      }
    }
    const QList<QWidget*> controls = editor.findChildren<QWidget*>();
    int checked = 0;
    for (QWidget* control : controls) {
      if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QPlainTextEdit*>(control) &&
          !qobject_cast<QListWidget*>(control) && !qobject_cast<QComboBox*>(control)) {
        continue;
      }
      if (qobject_cast<QComboBox*>(control->parentWidget())) continue;  // the combo box's own parts
      ++checked;
      QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
      QVERIFY2(withKeys.contains(control), qPrintable(control->objectName()));
    }
    QVERIFY(checked >= 13);
  }
};

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
