#include "editor/chapter_form.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "editor/code_help.h"
#include "editor/undo_keys.h"

namespace zrx {
namespace {

struct LineField {
  std::string key;
  QString label;  // with its key letter
  QString name;   // for screen readers
};

const std::vector<LineField>& lineFields() {
  static const std::vector<LineField> fields = {
      {"Next", "F&olytatások", "Folytatások"},
      {"Conditions", "F&eltételek", "Feltételek"},
      {"SpecialChange1", "&AlapÉrték-változások", "AlapÉrték-változások"},
      {"SpecialChange2", "&Tárgyváltozások", "Tárgyváltozások"},
      {"SpecialChange3", "&Információváltozások", "Információváltozások"},
      {"SpecialChange4", "&Varázslat-változások", "Varázslat- és képességváltozások"},
      {"BattleCode", "&Csata", "Csata"},
      {"Picture", "Ké&p", "Képfájl"},
  };
  return fields;
}

book::ValuePath chapterPath(int index, const std::string& key) {
  return {"Chapters", static_cast<std::size_t>(index), key};
}

QString fromStd(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

ChapterForm::ChapterForm(QWidget* parent) : QWidget(parent) {
  setObjectName("ChapterForm");
  auto* layout = new QFormLayout(this);
  layout->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
  number_ = new QLabel(this);
  number_->setObjectName("LabelSzam");
  layout->addRow("FejezetPont:", number_);

  text_ = new QPlainTextEdit(this);
  text_->setObjectName("EditSzoveg");
  text_->setAccessibleName("Szöveg");
  text_->setTabChangesFocus(true);
  text_->setUndoRedoEnabled(false);
  auto* undoKeys = new StackUndoKeys(this);
  text_->installEventFilter(undoKeys);
  auto* textLabel = new QLabel("&Szöveg", this);
  textLabel->setBuddy(text_);
  layout->addRow(textLabel, text_);
  connect(text_, &QPlainTextEdit::textChanged, this, [this] {
    if (!filling_) emit edited("Text");
  });
  connect(text_, &QPlainTextEdit::cursorPositionChanged, this, [this] { emit help("A FejezetPont szövege."); });

  for (const LineField& f : lineFields()) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(fromStd("Edit" + f.key));
    edit->setAccessibleName(f.name);
    edit->installEventFilter(undoKeys);
    auto* label = new QLabel(f.label, this);
    label->setBuddy(edit);
    layout->addRow(label, edit);
    lines_[f.key] = edit;
    const std::string key = f.key;
    connect(edit, &QLineEdit::textEdited, this, [this, key] {
      if (!filling_) emit edited(key);
    });
    connect(edit, &QLineEdit::cursorPositionChanged, this, [this, key] { showHelp(key); });
  }
  setEnabled(false);
}

void ChapterForm::showChapter(const book::SourceDocument& document, int index) {
  filling_ = true;
  chapter_ = index;
  setEnabled(index >= 0);
  const auto value = [&](const std::string& key) {
    return index < 0 ? std::string() : document.valueAt(chapterPath(index, key)).value_or("");
  };
  number_->setText(fromStd(value("Number")));
  std::string text = value("Text");
  const std::size_t kept = text.find_last_not_of('\n');
  textEnding_ = kept == std::string::npos ? std::string() : text.substr(kept + 1);
  text.resize(kept == std::string::npos ? 0 : kept + 1);
  if (text_->toPlainText() != fromStd(text)) text_->setPlainText(fromStd(text));
  for (const auto& [key, edit] : lines_) {
    QString shown;
    if (key == "Next" && index >= 0) {
      const book::ValuePath next = chapterPath(index, "Next");
      QStringList items;
      for (std::size_t i = 0; i < document.sizeAt(next); ++i) {
        book::ValuePath item = next;
        item.push_back(i);
        items << fromStd(document.valueAt(item).value_or(""));
      }
      shown = items.join(", ");
    } else {
      shown = fromStd(value(key));
    }
    if (edit->text() != shown) edit->setText(shown);
  }
  filling_ = false;
}

std::string ChapterForm::textValue() const { return text_->toPlainText().toStdString() + textEnding_; }

std::vector<std::string> ChapterForm::continuations() const {
  std::vector<std::string> items;
  for (const QString& part : lines_.at("Next")->text().split(',', Qt::SkipEmptyParts)) {
    if (!part.trimmed().isEmpty()) items.push_back(part.trimmed().toStdString());
  }
  return items;
}

void ChapterForm::focusField(const std::string& key) {
  if (key == "Text" || !lines_.contains(key)) {
    text_->setFocus(Qt::OtherFocusReason);
  } else {
    lines_.at(key)->setFocus(Qt::OtherFocusReason);
  }
}

void ChapterForm::showHelp(const std::string& key) {
  const QLineEdit* edit = lines_.at(key);
  if (key == "Next") {
    emit help("Folytatások: FejezetPont-számok vesszővel elválasztva, vagy „vége”, „győzelem”.");
    return;
  }
  if (key == "Picture") {
    emit help("Kép: a FejezetPont képének fájlneve a könyv mappájában.");
    return;
  }
  const std::string code = edit->text().toStdString();
  const QString found = CodeFieldHelp(*ChapterCodeFamily(key), code,
                                      static_cast<std::size_t>(edit->text().left(edit->cursorPosition()).toUtf8().size()));
  emit help(found.isEmpty() ? "Ismeretlen kód: a kódbetű nem illik egyik formára sem." : found);
}

}  // namespace zrx
