#pragma once
// TFormVersion: the program's version and system, the links to the authors' mail and home
// page, and "Új verzió keresése", the update check.
#include "style/form_zrx_base.h"

class QLabel;

namespace zrx {

class LinkLabel;
class UpdateCheck;
struct UpdateResult;

class TFormVersion : public TFormZRXBase {
  Q_OBJECT
 public:
  static constexpr QSize kVersionSize{440, 250};

  explicit TFormVersion(Program& program, QWidget* parent = nullptr);
  ~TFormVersion() override;

  void LabelFrissitesClick();
  void LabelWebPageClick();
  void LabelEmailSendClick();

  QLabel* versionInfo() const { return labelVersionInfo_; }
  QLabel* osVersion() const { return labelOSVersion_; }
  LinkLabel* updateLabel() const { return labelFrissites_; }
  LinkLabel* mailLabel() const { return labelEmailSend_; }
  LinkLabel* webLabel() const { return labelWebPage_; }
  UpdateCheck& updateCheck() const { return *updateCheck_; }

 protected:
  // Closing during a check drops it: no notice comes after the window has gone.
  bool canClose() override;

 private:
  void setChecking(bool checking);
  void showVerdict(const UpdateResult& result);

  QLabel* labelVersionInfo_;
  QLabel* labelOSVersion_;
  LinkLabel* labelFrissites_;
  LinkLabel* labelEmailSend_;
  LinkLabel* labelWebPage_;
  UpdateCheck* updateCheck_;
};

}  // namespace zrx
