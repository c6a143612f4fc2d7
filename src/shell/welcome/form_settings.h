#pragma once
// TFormSettings ("Beállítások"): the ten settings on two panels, renaming the current
// player and deleting other players' names. Saving writes only what changed and applies it
// at once.
#include <array>
#include <memory>

#include "settings_line.h"
#include "style/form_zrx_base.h"

class QButtonGroup;
class QComboBox;
class QPushButton;
class QStackedWidget;
class QTimer;

namespace zrx {

class PlayerNames;

class TFormSettings : public TFormZRXBase {
  Q_OBJECT
 public:
  static constexpr QSize kSettingsSize{700, 470};
  // The pending operation that the deferred action runs.
  enum Pending { kRenameOnly = 0, kSettingsOnly = 1, kRenameAndSettings = 2, kDeleteName = 3 };

  explicit TFormSettings(Program& program, QWidget* parent = nullptr);
  ~TFormSettings() override;

  // Reads the names and the settings; false when an error was reported (the error window
  // then follows and the window is not shown).
  bool load();

  // The settings line that the controls show.
  SettingsLine chosen() const;
  void choose(const SettingsLine& line);
  // `ValtozasKereses`: the controls differ from what is stored.
  bool changed() const;

  void BitBtn1Click();  // " Változások mentése "
  void BitBtn3Click();  // " Név törlése "
  void BitBtn4Click();  // " Alapra állítás "

  QComboBox* nameField() const { return comboBox1_; }
  QButtonGroup* group(int digit) const { return groups_[static_cast<std::size_t>(digit)]; }
  QPushButton* saveButton() const { return save_; }
  QPushButton* deleteButton() const { return delete_; }
  QPushButton* defaultsButton() const { return defaults_; }
  QPushButton* exitButton() const { return exit_; }
  QPushButton* panelButton() const { return switchPanel_; }
  QStackedWidget* panels() const { return panels_; }
  QTimer* actionTimer() const { return timer_; }

 protected:
  bool canClose() override;
  void LabelMinClick() override;

 private:
  QWidget* buildPanel(const int* digits, int count, bool withName);
  void runPending();
  void setBusy(bool busy);
  void refreshNames(const QString& shown);

  std::unique_ptr<PlayerNames> names_;
  SettingsLine stored_;
  Pending pending_ = kSettingsOnly;
  QString pendingName_;
  bool minimising_ = false;
  std::array<QButtonGroup*, kSettingsDigits> groups_{};
  QComboBox* comboBox1_ = nullptr;
  QStackedWidget* panels_;
  QPushButton* switchPanel_;
  QPushButton* save_;
  QPushButton* delete_;
  QPushButton* defaults_;
  QPushButton* exit_;
  QTimer* timer_;
};

}  // namespace zrx
