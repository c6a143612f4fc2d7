#include "screens/form_save_load.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "game.h"
#include "screens/action_label.h"
#include "start/program.h"
#include "start/window_opener.h"
#include "style/link_label.h"
#include "style/look_colours.h"
#include "style/window_services.h"

namespace zrx {
namespace {

const QString kSave = "Mentés";
const QString kLoad = "Betöltés";
const QString kDelete = "Törlés";

QString q(const std::string& text) { return QString::fromStdString(text); }

// The saves' list, where a key that moves through the lines also chooses the line it lands
// on. Qt makes the first line current, unchosen, when the list takes the focus; Home or an
// arrow on it then changed nothing, and the keyboard alone could not choose a save.
class SaveList : public QListWidget {
 public:
  using QListWidget::QListWidget;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    QListWidget::keyPressEvent(event);
    static constexpr int kMoves[] = {Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp,
                                     Qt::Key_PageDown};
    QListWidgetItem* line = currentItem();
    if (line && !line->isSelected() && std::ranges::find(kMoves, event->key()) != std::end(kMoves)) {
      line->setSelected(true);
    }
  }
};

QLabel* makeCaption(const QString& text, QWidget* parent, const QRect& place) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  label->setGeometry(place);
  return label;
}

}  // namespace

TFormSaveLoad::TFormSaveLoad(Program& program, SaveWindowMode mode, QWidget* parent)
    : TFormZRXBase(program, parent, kSaveLoadSize),
      random_(std::make_unique<ClockSeededRandom>()),
      screen_(program.game(), mode, *random_) {
  const bool save = mode == SaveWindowMode::Save;
  setObjectName("FormSaveLoad");
  setWindowTitle(save ? "ZRX - Mentés" : "ZRX - Betöltés");
  setHead(save ? kSave : kLoad);
  setWindowCode(save ? kWindowSave : kWindowLoad);

  labelMentesNev_ = makeCaption("Adj meg egy nevet a Mentésednek!", this, QRect(20, 44, 600, 22));
  labelMentesNev_->setObjectName("LabelMentesNev");
  editMentesNev_ = new QLineEdit(this);
  editMentesNev_->setObjectName("EditMentesNev");
  editMentesNev_->setMaxLength(static_cast<int>(kSaveNameMax));
  editMentesNev_->setFrame(false);
  editMentesNev_->setGeometry(21, 69, 300, 24);
  labelMentesNev_->setBuddy(editMentesNev_);
  connect(editMentesNev_, &QLineEdit::textChanged, this, [this](const QString& text) { onTyped(text); });
  // Enter after the typed name saves, as a click on "Mentés" does.
  connect(editMentesNev_, &QLineEdit::returnPressed, this, [this] { LabelMentesClick(); });
  labelMentesNev_->setVisible(save);
  editMentesNev_->setVisible(save);

  const int listTop = save ? 104 : 44;
  auto* listCaption = makeCaption("Eddigi Mentések (Mentés neve | Dátum és Idő | Könyv neve)", this,
                                  QRect(20, listTop, 600, 22));
  listCaption->setObjectName("LabelMentesFejlec");
  listBoxMentes_ = new SaveList(this);
  listBoxMentes_->setObjectName("ListBoxMentes");
  listBoxMentes_->setFrameShape(QFrame::NoFrame);
  listBoxMentes_->setGeometry(21, listTop + 25, 598, 346 - listTop);
  listCaption->setBuddy(listBoxMentes_);
  connect(listBoxMentes_, &QListWidget::itemSelectionChanged, this, [this] { onSelection(); });

  auto* detailsCaption = makeCaption("Részletes adatok (Forrás | Könyv neve | Mentett FejezetPont | Nehézség)",
                                     this, QRect(20, 378, 600, 22));
  detailsCaption->setObjectName("LabelMentesAdat");
  labelMentesReszlet_ = new QLabel(this);
  labelMentesReszlet_->setObjectName("LabelMentesReszlet");
  labelMentesReszlet_->setGeometry(20, 400, 600, 22);

  labelMentes_ = MakeCommandLabel(program, kSave, this);
  labelMentes_->setObjectName("LabelMentes");
  labelBetoltes_ = MakeCommandLabel(program, kLoad, this);
  labelBetoltes_->setObjectName("LabelBetoltes");
  labelTorles_ = MakeCommandLabel(program, kDelete, this);
  labelTorles_->setObjectName("LabelTorles");
  labelImportalas_ = MakeCommandLabel(program, "Importálás", this);
  labelImportalas_->setObjectName("LabelImportalas");
  labelVissza_ = MakeCommandLabel(program, "Vissza", this);
  labelVissza_->setObjectName("LabelVissza");
  int x = 20;
  for (LinkLabel* label : {labelMentes_, labelBetoltes_, labelTorles_, labelImportalas_, labelVissza_}) {
    label->setGeometry(x, 430, 112, 28);
    x += 122;
  }
  for (LinkLabel* action : {labelMentes_, labelBetoltes_, labelTorles_, labelImportalas_}) action->setEnabled(false);
  connect(labelMentes_, &LinkLabel::clicked, this, [this] { LabelMentesClick(); });
  connect(labelBetoltes_, &LinkLabel::clicked, this, [this] { LabelBetoltesClick(); });
  connect(labelTorles_, &LinkLabel::clicked, this, [this] { LabelTorlesClick(); });
  connect(labelVissza_, &LinkLabel::clicked, this, [this] {
    if (ready_) close();
  });

  timerMentesVegrehajto_ = makeTimer(&TFormSaveLoad::TimerMentesVegrehajtoTimer);
  timerJatekBetolto_ = makeTimer(&TFormSaveLoad::TimerJatekBetoltoTimer);
  timerTorlesVegrehajto_ = makeTimer(&TFormSaveLoad::TimerTorlesVegrehajtoTimer);
}

TFormSaveLoad::~TFormSaveLoad() = default;

QTimer* TFormSaveLoad::makeTimer(void (TFormSaveLoad::*fire)()) {
  auto* timer = new QTimer(this);
  timer->setSingleShot(true);
  timer->setInterval(kActionDelay);
  connect(timer, &QTimer::timeout, this, fire);
  return timer;
}

bool TFormSaveLoad::readSaves() {
  if (!screen_.Open()) return false;
  fillList();
  showNormalState();
  (saveMode() ? static_cast<QWidget*>(editMentesNev_) : listBoxMentes_)->setFocus();
  return true;
}

void TFormSaveLoad::fillList() {
  const QSignalBlocker quiet(listBoxMentes_);
  listBoxMentes_->clear();
  for (const std::string& line : screen_.ListLines()) listBoxMentes_->addItem(q(line));
  labelMentesReszlet_->clear();
  labelTorles_->setEnabled(false);
}

int TFormSaveLoad::selected() const {
  const QList<QListWidgetItem*> items = listBoxMentes_->selectedItems();
  return items.isEmpty() ? -1 : listBoxMentes_->row(items.front());
}

void TFormSaveLoad::onSelection() {
  const int row = selected();
  if (row < 0) {
    labelMentesReszlet_->clear();
    labelTorles_->setEnabled(false);
    return;
  }
  const auto position = static_cast<std::size_t>(row);
  labelMentesReszlet_->setText(q(screen_.DetailsLine(position)));
  labelTorles_->setEnabled(true);
  if (saveMode()) {
    labelBetoltes_->setEnabled(false);
    selecting_ = true;
    editMentesNev_->setText(q(screen_.entries()[position].saveName));
    selecting_ = false;
    labelMentes_->setEnabled(true);
  } else {
    labelBetoltes_->setEnabled(true);
  }
}

void TFormSaveLoad::onTyped(const QString& text) {
  labelMentes_->setEnabled(!text.isEmpty());
  if (selecting_) return;
  const int found = screen_.FindTypedName(text.toStdString());
  selecting_ = true;
  if (found >= 0) {
    listBoxMentes_->setCurrentRow(found);
  } else {
    listBoxMentes_->clearSelection();
    listBoxMentes_->setCurrentRow(-1);
  }
  selecting_ = false;
}

void TFormSaveLoad::showNormalState() {
  Program& owner = program();
  owner.services().KurzorAllitas(*this, CursorKind::Normal);
  ShowCommandReady(owner, *labelMentes_, kSave);
  ShowCommandReady(owner, *labelBetoltes_, kLoad);
  ShowCommandReady(owner, *labelTorles_, kDelete);
  labelVissza_->setEnabled(true);
  editMentesNev_->setEnabled(saveMode());
}

void TFormSaveLoad::startAction(LinkLabel& label, const QString& caption, QTimer& timer) {
  ready_ = false;
  program().services().KurzorAllitas(*this, CursorKind::Busy);
  ShowCommandBusy(program(), label, caption, CommandGreen());
  labelVissza_->setEnabled(false);
  if (&label != labelTorles_) labelTorles_->setEnabled(false);
  timer.start();
}

void TFormSaveLoad::LabelMentesClick() {
  if (!ready_ || !saveMode()) return;
  if (!screen_.CheckSaveName(editMentesNev_->text().toStdString(), pendingName_)) return;
  editMentesNev_->setEnabled(false);
  startAction(*labelMentes_, "Mentés...", *timerMentesVegrehajto_);
}

void TFormSaveLoad::LabelBetoltesClick() {
  const int row = selected();
  if (!ready_ || saveMode() || row < 0 || !screen_.HasSaves()) return;
  pendingPosition_ = static_cast<std::size_t>(row);
  startAction(*labelBetoltes_, "Betöltés...", *timerJatekBetolto_);
}

void TFormSaveLoad::LabelTorlesClick() {
  const int row = selected();
  if (!ready_ || row < 0 || !screen_.HasSaves()) return;
  pendingPosition_ = static_cast<std::size_t>(row);
  if (!screen_.ConfirmDelete(pendingPosition_)) return;
  labelMentes_->setEnabled(false);
  labelBetoltes_->setEnabled(false);
  startAction(*labelTorles_, "Törlés...", *timerTorlesVegrehajto_);
}

void TFormSaveLoad::TimerMentesVegrehajtoTimer() {
  SaveWindowNext next = SaveWindowNext::Close;
  program().actions().SaveGame(screen_, pendingName_, next);
  finishAction(next);
}

void TFormSaveLoad::TimerJatekBetoltoTimer() {
  SaveWindowNext next = SaveWindowNext::Close;
  program().actions().LoadGame(screen_, pendingPosition_, next);
  finishAction(next);
}

void TFormSaveLoad::TimerTorlesVegrehajtoTimer() {
  SaveWindowNext next = SaveWindowNext::Close;
  program().actions().DeleteGame(screen_, pendingPosition_, next);
  if (next == SaveWindowNext::Stay) fillList();
  finishAction(next);
}

void TFormSaveLoad::finishAction(SaveWindowNext next) {
  ready_ = true;
  if (next != SaveWindowNext::Stay || program().game().errors.FatalErrorFlag()) {
    done(next == SaveWindowNext::Stay ? QDialog::Rejected : QDialog::Accepted);
    return;
  }
  showNormalState();
  onSelection();
  if (saveMode()) onTyped(editMentesNev_->text());
}

bool TFormSaveLoad::canClose() {
  if (program().game().errors.FatalErrorFlag()) return true;
  return TFormZRXBase::canClose() && ready_;
}

void TFormSaveLoad::LabelMinClick() {
  if (ready_) TFormZRXBase::LabelMinClick();
}

void TFormSaveLoad::paintBody(QPainter& painter) {
  TFormZRXBase::paintBody(painter);
  painter.setPen(Look().highContrast ? Look().frame : Look().text);
  painter.drawRect(listBoxMentes_->geometry().adjusted(-1, -1, 0, 0));
  if (saveMode()) painter.drawRect(editMentesNev_->geometry().adjusted(-1, -1, 0, 0));
}

}  // namespace zrx
