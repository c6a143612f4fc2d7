#pragma once
// TFormImport ("Játék importálás"): a package archive read and checked before anything is
// installed. It shows the package's name, each book with its cover and description, the
// size and the verdict; "Telepítés" installs it, replacing an installed package of the same
// name only after a question that names the saved games the replacement touches.
#include <QPointer>
#include <filesystem>
#include <memory>

#include "style/form_zrx_base.h"

class QLabel;
class QScrollArea;

namespace zrx {

class LinkLabel;
class PackageStage;

class TFormImport : public TFormZRXBase {
  Q_OBJECT
 public:
  explicit TFormImport(Program& program, QWidget* parent = nullptr);
  ~TFormImport() override;

  // Reads and checks the archive (staged in a temporary folder inside the program folder,
  // which goes with the window unless the package is installed) and shows the verdict.
  void openArchive(const std::filesystem::path& file);

  // "Fájl választása": the file dialog for an archive.
  void LabelValasztasClick();
  // "Telepítés": installs the checked package.
  void LabelTelepitesClick();

  QLabel* packageLabel() const { return labelCsomag_; }
  QLabel* sizeLabel() const { return labelMeret_; }
  QLabel* verdictLabel() const { return labelItelet_; }
  QWidget* bookList() const { return books_; }
  LinkLabel* chooseLabel() const { return labelValasztas_; }
  LinkLabel* installLabel() const { return labelTelepites_; }

 private:
  void showBooks();
  void showVerdict(const QString& text, bool good);
  // The question before a replacement; true when the player says yes.
  bool confirmReplacement();

  std::unique_ptr<PackageStage> stage_;
  QLabel* labelFajl_;
  QLabel* labelCsomag_;
  QLabel* labelMeret_;
  QLabel* labelItelet_;
  QScrollArea* scroll_;
  QWidget* books_;
  LinkLabel* labelValasztas_;
  LinkLabel* labelTelepites_;
};

}  // namespace zrx
