#include "welcome/form_settings.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

#include "dialogs/form_question.h"
#include "player_names.h"
#include "resources/resources.h"
#include "start/program.h"
#include "start/window_opener.h"
#include "style/window_services.h"
#include "style/zrx_button.h"
#include "welcome/settings_groups.h"

namespace zrx {
namespace {

const QStringList kPanelCaptions = {"Játék vezérlés", "Megjelenés"};

}  // namespace

TFormSettings::TFormSettings(Program& program, QWidget* parent)
    : TFormZRXBase(program, parent, kSettingsSize),
      names_(std::make_unique<PlayerNames>(program.folder(), program.clock())) {
  setObjectName("FormSettings");
  setWindowTitle("ZRX - Beállítások");
  setHead("Beállítások");
  setWindowCode(kWindowSettings);

  panels_ = new QStackedWidget(this);
  panels_->setGeometry(16, 74, kSettingsSize.width() - 32, 330);
  panels_->addWidget(buildPanel(kControlPanelDigits.data(), kControlPanelDigits.size(), true));
  panels_->addWidget(buildPanel(kLookPanelDigits.data(), kLookPanelDigits.size(), false));

  auto* panelTitle = new QLabel(kPanelCaptions[0], this);
  panelTitle->setObjectName("LabelPanel");
  panelTitle->setGeometry(16, 44, 300, 26);
  panelTitle->setFont(program.resources().headerFont(13));
  switchPanel_ = MakeZrxButton(" " + kPanelCaptions[1] + " ", this);
  switchPanel_->setObjectName("ButtonPanel");
  switchPanel_->setGeometry(kSettingsSize.width() - 196, 42, 180, 28);
  connect(switchPanel_, &QPushButton::clicked, this, [this, panelTitle] {
    const int next = 1 - panels_->currentIndex();
    panels_->setCurrentIndex(next);
    panelTitle->setText(kPanelCaptions[next]);
    switchPanel_->setText(" " + kPanelCaptions[1 - next] + " ");
  });

  save_ = MakeZrxButton(" Változások mentése ", this);
  save_->setObjectName("BitBtn1");
  delete_ = MakeZrxButton(" Név törlése ", this);
  delete_->setObjectName("BitBtn3");
  defaults_ = MakeZrxButton(" Alapra állítás ", this);
  defaults_->setObjectName("BitBtn4");
  exit_ = MakeZrxButton(" Kilépés ", this);
  exit_->setObjectName("BitBtn2");
  const int y = kSettingsSize.height() - 50;
  save_->setGeometry(16, y, 190, 32);
  delete_->setGeometry(222, y, 140, 32);
  defaults_->setGeometry(378, y, 160, 32);
  exit_->setGeometry(554, y, 130, 32);
  connect(save_, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  connect(delete_, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
  connect(defaults_, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
  connect(exit_, &QPushButton::clicked, this, [this] { close(); });

  timer_ = new QTimer(this);
  timer_->setObjectName("Timer1");
  timer_->setSingleShot(true);
  timer_->setInterval(0);
  connect(timer_, &QTimer::timeout, this, [this] { runPending(); });
}

TFormSettings::~TFormSettings() = default;

QWidget* TFormSettings::buildPanel(const int* digits, int count, bool withName) {
  auto* panel = new QWidget;
  auto* rows = new QVBoxLayout(panel);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setSpacing(8);
  if (withName) {
    auto* nameRow = new QHBoxLayout;
    auto* label = new QLabel("Felhasználói név:", panel);
    comboBox1_ = new QComboBox(panel);
    comboBox1_->setObjectName("ComboBox1");
    comboBox1_->setEditable(true);
    comboBox1_->setInsertPolicy(QComboBox::NoInsert);
    comboBox1_->lineEdit()->setMaxLength(static_cast<int>(kPlayerNameMax));
    comboBox1_->setMinimumWidth(260);
    comboBox1_->setAccessibleName("Felhasználói név");
    comboBox1_->setAccessibleDescription("Átnevezéshez írj be új nevet; törléshez válassz egy nevet a listából");
    label->setBuddy(comboBox1_);
    nameRow->addWidget(label);
    nameRow->addWidget(comboBox1_);
    nameRow->addStretch(1);
    rows->addLayout(nameRow);
  }
  // Two columns, each as tall as its groups: the first half of the groups on the left.
  auto* columns = new QHBoxLayout;
  columns->setSpacing(12);
  std::array<QVBoxLayout*, 2> column = {new QVBoxLayout, new QVBoxLayout};
  for (int i = 0; i < count; ++i) {
    const int digit = digits[i];
    column[i < (count + 1) / 2 ? 0 : 1]->addWidget(
        MakeSettingsGroup(digit, groups_[static_cast<std::size_t>(digit)], panel));
  }
  for (QVBoxLayout* c : column) {
    c->addStretch(1);
    columns->addLayout(c, 1);
  }
  rows->addLayout(columns, 1);
  return panel;
}

bool TFormSettings::load() {
  if (const int code = names_->ReadNames(NamesReader::Settings)) {
    program().game().errors.HibaHozzairas(code, kNamesFile);
    return false;
  }
  stored_ = SettingsLine::Parse(names_->settingsLine());
  choose(stored_);
  refreshNames(QString::fromStdString(program().playerName()));
  // Choices left by a minimised settings window come back with it.
  const QString pending = program().takeReturnText();
  if (!pending.isEmpty()) {
    choose(SettingsLine::Parse(pending.left(kSettingsDigits).toStdString()));
    comboBox1_->setEditText(pending.mid(kSettingsDigits));
  }
  return true;
}

void TFormSettings::refreshNames(const QString& shown) {
  comboBox1_->clear();
  for (const std::string& name : names_->names()) comboBox1_->addItem(QString::fromStdString(name));
  comboBox1_->setEditText(shown);
}

SettingsLine TFormSettings::chosen() const {
  SettingsLine line;
  for (std::size_t i = 0; i < kSettingsDigits; ++i) line.digits[i] = std::max(0, groups_[i]->checkedId());
  return line;
}

void TFormSettings::choose(const SettingsLine& line) {
  for (std::size_t i = 0; i < kSettingsDigits; ++i) groups_[i]->button(line.digits[i])->setChecked(true);
}

bool TFormSettings::changed() const {
  return chosen() != stored_ || comboBox1_->currentText().toStdString() != program().playerName();
}

void TFormSettings::BitBtn1Click() {
  const std::string typed = comboBox1_->currentText().toStdString();
  std::string name;
  // An empty name field renames nobody; the other changes are still saved.
  const NameVerdict verdict = typed == program().playerName() ? NameVerdict::Empty : CheckPlayerName(typed, name);
  if (verdict != NameVerdict::Empty && verdict != NameVerdict::Accepted) {
    for (const auto& [line1, line2] : NameNotices(verdict))
      TFormQuestion::inform(program(), QString::fromStdString(line1), QString::fromStdString(line2));
    return;
  }
  const bool rename = verdict == NameVerdict::Accepted;
  if (rename) pendingName_ = QString::fromStdString(name);
  const bool settings = chosen() != stored_;
  if (!rename && !settings) {
    if (typed != program().playerName()) {
      TFormQuestion::inform(program(), "Üres a név mező, ezért a neved nem változik.", "Más változás nincs, így nincs mit menteni.");
    }
    return;
  }
  pending_ = rename && settings ? kRenameAndSettings : rename ? kRenameOnly : kSettingsOnly;
  setBusy(true);
  timer_->start();
}

void TFormSettings::BitBtn3Click() {
  const QString name = comboBox1_->currentText();
  if (name.isEmpty()) return;
  if (name.toStdString() == program().playerName()) {
    TFormQuestion::inform(program(), "A felhasználói nevedet nem törölheted!", "");
    return;
  }
  if (!TFormQuestion::ask(program(), "Biztos, hogy törlöd ezt a nevet:", "\"" + name + "\"?")) return;
  pending_ = kDeleteName;
  pendingName_ = name;
  setBusy(true);
  timer_->start();
}

void TFormSettings::BitBtn4Click() { choose(SettingsLine::Parse(kDefaultSettingsLine)); }

void TFormSettings::runPending() {
  Program& owner = program();
  const SettingsLine line = chosen();
  int code = 0;
  if (pending_ == kDeleteName) {
    code = names_->Delete(pendingName_.toStdString());
  } else {
    const bool rename = pending_ != kSettingsOnly;
    const bool settings = pending_ != kRenameOnly;
    code = names_->Save(rename ? pendingName_.toStdString() : "", settings ? line.text() : "");
    if (code == 0 && rename) owner.setPlayerName(pendingName_.toStdString());
    if (code == 0 && settings) {
      stored_ = line;
      owner.applySettings(line);
    }
  }
  if (code != 0) {
    owner.game().errors.HibaHozzairas(code, kNamesFile);
    setBusy(false);
    owner.showErrorWindow();
    return;
  }
  refreshNames(QString::fromStdString(owner.playerName()));
  setBusy(false);
}

void TFormSettings::setBusy(bool busy) {
  for (QWidget* control : {static_cast<QWidget*>(panels_), static_cast<QWidget*>(switchPanel_),
                           static_cast<QWidget*>(save_), static_cast<QWidget*>(delete_),
                           static_cast<QWidget*>(defaults_), static_cast<QWidget*>(exit_)})
    control->setEnabled(!busy);
  program().services().KurzorAllitas(*this, busy ? CursorKind::Busy : CursorKind::Normal);
}

bool TFormSettings::canClose() {
  if (!TFormZRXBase::canClose() || timer_->isActive()) return false;
  if (minimising_ || !changed() || program().game().errors.FatalErrorFlag()) return true;
  if (TFormQuestion::ask(program(), "Még nem mentetted a beállításokat!", "Biztosan kilépsz?")) return true;
  comboBox1_->setFocus();
  if (TFormQuestion::ask(program(), "Akarod most menteni a beállításokat?", "")) BitBtn1Click();
  return false;
}

void TFormSettings::LabelMinClick() {
  program().setReturnText(QString::fromStdString(chosen().text()) + comboBox1_->currentText());
  // Minimising is not leaving: the choices travel with the window, nothing is asked.
  minimising_ = true;
  TFormZRXBase::LabelMinClick();
  minimising_ = false;
}

}  // namespace zrx
