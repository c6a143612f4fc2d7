#include "import/form_import.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "archive_reader.h"
#include "dialogs/qt_ui_port.h"
#include "game.h"
#include "game/control_render.h"
#include "game/picture_view.h"
#include "new_game_screen.h"
#include "package_stage.h"
#include "replaced_books.h"
#include "screens/action_label.h"
#include "start/program.h"
#include "style/link_label.h"

namespace zrx {
namespace {

const QString kChooseCaption = "Fájl választása";
const QString kInstallCaption = "Telepítés";
const QSize kCoverSize{60, 80};

QLabel* makeLine(QWidget* parent, const QString& objectName, const QRect& place) {
  auto* label = new QLabel(parent);
  label->setObjectName(objectName);
  label->setGeometry(place);
  return label;
}

// "474,5 KB": the archive's size as a player reads it.
QString sizeText(std::uint64_t bytes) {
  const bool mega = bytes >= 1024 * 1024;
  const double amount = static_cast<double>(bytes) / (mega ? 1024.0 * 1024.0 : 1024.0);
  return QString::number(amount, 'f', 1).replace('.', ',') + (mega ? " MB" : " KB");
}

// One book: its cover at the left, its title and description beside it.
QWidget* bookRow(const TBookRec& book, const Picture* cover, QWidget* parent) {
  auto* row = new QWidget(parent);
  row->setObjectName(QString("Book%1").arg(book.Number));
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(2, 2, 2, 2);
  auto* picture = new PictureView(QString("Cover%1").arg(book.Number), row);
  picture->setFixedSize(kCoverSize);
  picture->setPicture(cover);
  layout->addWidget(picture);
  QString text = "<b>" + ToQString(book.Title).toHtmlEscaped() + "</b>";
  for (const std::string& line : BookDescriptionLines(book)) text += "<br>" + ToQString(line).toHtmlEscaped();
  auto* description = new QLabel(text, row);
  description->setObjectName(QString("Description%1").arg(book.Number));
  description->setWordWrap(true);
  description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  layout->addWidget(description, 1);
  return row;
}

std::string affectedLine(const std::vector<AffectedSave>& affected) {
  if (affected.empty()) return "A mentett játékokat a csere nem érinti.";
  std::string line = "Érintett mentések: ";
  for (std::size_t i = 0; i < affected.size(); ++i) {
    const AffectedSave& save = affected[i];
    if (i > 0) line += "; ";
    line += save.player + ": " + save.saveName + " (" + save.title + ", " +
            (save.bookDropped ? "megszűnik" : "megváltozik") + ")";
  }
  return line;
}

}  // namespace

TFormImport::TFormImport(Program& program, QWidget* parent) : TFormZRXBase(program, parent) {
  setObjectName("FormImport");
  setWindowTitle("ZRX - Játék importálás");
  setHead("Játék importálás");
  const int width = kDesignSize.width() - 40;
  labelFajl_ = makeLine(this, "LabelFajl", QRect(20, 40, width, 20));
  labelFajl_->setText("Válassz egy játékcsomag-fájlt (.zrxcs)!");
  labelValasztas_ = MakeCommandLabel(program, kChooseCaption, this);
  labelValasztas_->setObjectName("LabelValasztas");
  labelValasztas_->setGeometry(20, 62, 200, 22);
  labelValasztas_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  connect(labelValasztas_, &LinkLabel::clicked, this, [this] { LabelValasztasClick(); });
  labelCsomag_ = makeLine(this, "LabelCsomag", QRect(20, 90, 300, 22));
  labelMeret_ = makeLine(this, "LabelMeret", QRect(330, 90, width - 310, 22));
  labelMeret_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  scroll_ = new QScrollArea(this);
  scroll_->setObjectName("ScrollKonyvek");
  scroll_->setGeometry(20, 116, width, 220);
  scroll_->setWidgetResizable(true);
  books_ = new QWidget(scroll_);
  books_->setObjectName("ListKonyvek");
  new QVBoxLayout(books_);
  scroll_->setWidget(books_);

  labelItelet_ = makeLine(this, "LabelItelet", QRect(20, 340, width, 40));
  labelItelet_->setWordWrap(true);
  labelTelepites_ = MakeCommandLabel(program, kInstallCaption, this);
  labelTelepites_->setObjectName("LabelTelepites");
  labelTelepites_->setGeometry(20, 384, width, 24);
  labelTelepites_->setAlignment(Qt::AlignCenter);
  labelTelepites_->setEnabled(false);
  connect(labelTelepites_, &LinkLabel::clicked, this, [this] { LabelTelepitesClick(); });
}

TFormImport::~TFormImport() = default;

void TFormImport::openArchive(const std::filesystem::path& file) {
  stage_.reset();  // an earlier file's temporary folder goes first
  labelTelepites_->setEnabled(false);
  labelFajl_->setText("Fájl: " + QString::fromStdString(file.filename().string()));
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(file, ec);
  labelMeret_->setText(ec ? QString() : "Méret: " + sizeText(size));
  labelCsomag_->clear();
  ArchiveContents contents = ReadPackageArchive(file);
  if (contents.verdict == ImportVerdict::Accepted) {
    labelCsomag_->setText("Csomag: " + ToQString(contents.manifest.packageName));
    stage_ = std::make_unique<PackageStage>(program().folder(), std::move(contents));
  }
  showBooks();
  const ImportVerdict verdict = stage_ ? stage_->review().verdict : contents.verdict;
  const std::string& culprit = stage_ ? stage_->review().culprit : contents.culprit;
  QString text = ToQString(std::string(VerdictNotice(verdict)));
  if (!culprit.empty()) text += " (" + ToQString(culprit) + ")";
  if (verdict == ImportVerdict::Accepted && stage_->replaces())
    text += " Már van ilyen nevű játékcsomag: telepítéskor lecseréled.";
  showVerdict(text, verdict == ImportVerdict::Accepted);
  labelTelepites_->setEnabled(verdict == ImportVerdict::Accepted);
  if (verdict != ImportVerdict::Accepted) stage_.reset();
}

void TFormImport::showBooks() {
  QLayout* layout = books_->layout();
  while (QLayoutItem* item = layout->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  if (!stage_ || stage_->review().verdict != ImportVerdict::Accepted) return;
  const PackageReview& review = stage_->review();
  for (const TBookRec& book : review.books) {
    const auto place = static_cast<std::size_t>(book.Number - 1);
    layout->addWidget(bookRow(book, place < review.covers.size() ? &review.covers[place] : nullptr, books_));
  }
  static_cast<QVBoxLayout*>(layout)->addStretch(1);
}

void TFormImport::showVerdict(const QString& text, bool good) {
  labelItelet_->setText(text);
  labelItelet_->setStyleSheet(good ? "color: navy;" : "color: maroon; font-weight: bold;");
}

void TFormImport::LabelValasztasClick() {
  const QString file = QFileDialog::getOpenFileName(this, "Játékcsomag választása", QString(),
                                                    "ZRX játékcsomag (*.zrxcs);;Minden fájl (*)");
  if (!file.isEmpty()) openArchive(file.toStdString());
}

bool TFormImport::confirmReplacement() {
  const std::vector<AffectedSave> affected =
      SavesAffectedByReplacing(program().folder(), stage_->manifest(), stage_->review().books);
  const std::string line1 = "Már van \"" + stage_->manifest().packageName + "\" nevű játékcsomag. Lecseréled?";
  return program().ui().QuestionFormKerdes(line1, affectedLine(affected));
}

void TFormImport::LabelTelepitesClick() {
  if (!stage_ || !labelTelepites_->isEnabled()) return;
  if (stage_->replaces() && !confirmReplacement()) return;
  const ImportVerdict verdict = stage_->install();
  labelTelepites_->setEnabled(false);
  if (verdict == ImportVerdict::Accepted) {
    showVerdict("A játékcsomag telepítve: " + ToQString(stage_->manifest().packageName) +
                    ". Új játéknál választhatod a könyveit.", true);
  } else {
    showVerdict(ToQString(std::string(VerdictNotice(verdict))), false);
  }
}

}  // namespace zrx
