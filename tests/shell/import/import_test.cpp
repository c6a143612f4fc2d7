// The import window: a good archive shown and installed, a hostile one refused with nothing
// written, a replacement asked for with the saves it touches, and the ways in.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "archive_writer.h"
#include "game.h"
#include "game/form_main.h"
#include "game/picture_view.h"
#include "import/form_import.h"
#include "import/import_requests.h"
#include "package_fixture.h"
#include "raw_archive.h"
#include "save_index.h"
#include "shell_fixture.h"
#include "style/link_label.h"

using namespace zrx;
namespace fs = std::filesystem;

namespace {

// A package packed into "<folder>/<name>.zrxcs".
fs::path packArchive(const fs::path& folder, const PackageContent& content) {
  test::WriteTestPackage(folder, content);
  const fs::path archive = folder / (content.name + kArchiveExtension);
  if (WritePackageArchive(folder / content.name, "0.705.10", archive) != kArchiveWritten) return {};
  return archive;
}

QStringList modalTexts(QWidget& modal) {
  QStringList texts;
  for (QLabel* label : modal.findChildren<QLabel*>()) texts << label->text();
  return texts;
}

}  // namespace

class ImportTest : public QObject {
  Q_OBJECT
 private slots:
  void showsTheBooksAndInstalls();
  void refusesAHostileArchiveWritingNothing();
  void asksBeforeReplacingAndNoKeepsEverything();
  void theMenuOpensTheWindowOnlyWithoutAGame();
};

void ImportTest::showsTheBooksAndInstalls() {
  test::ShellFixture fixture;
  test::TempFolder source;
  const fs::path archive = packArchive(source.path(), test::MakePackage("Kaland", 2));
  TFormImport window(fixture.program());
  window.openArchive(archive);
  QCOMPARE(window.packageLabel()->text(), QString("Csomag: Kaland"));
  QVERIFY(window.sizeLabel()->text().startsWith("Méret: "));
  QVERIFY(window.sizeLabel()->text().endsWith(" KB"));
  QCOMPARE(window.verdictLabel()->text(), QString("A játékcsomag rendben van, telepíthető."));
  for (int book : {1, 2}) {
    auto* cover = window.bookList()->findChild<PictureView*>(QString("Cover%1").arg(book));
    QVERIFY(cover && cover->hasPicture());
    QVERIFY(cover->decodedSize().isValid());
    auto* description = window.bookList()->findChild<QLabel*>(QString("Description%1").arg(book));
    QVERIFY(description);
    QVERIFY(description->text().contains(QString("Próbakönyv %1").arg(book)));
    QVERIFY(description->text().contains("Második"));
  }
  QVERIFY(window.installLabel()->isEnabled());
  window.LabelTelepitesClick();
  QVERIFY(window.verdictLabel()->text().startsWith("A játékcsomag telepítve: Kaland."));
  QVERIFY(!window.installLabel()->isEnabled());
  QCOMPARE(test::FolderSnapshot(fixture.folder() / "Kaland"), test::FolderSnapshot(source.path() / "Kaland"));
}

void ImportTest::refusesAHostileArchiveWritingNothing() {
  test::ShellFixture fixture;
  test::TempFolder source;
  std::vector<test::RawEntry> entries = test::PackedPackageEntries(source.path(), "Kaland");
  entries[1].name = "../../Data0.zrx";
  const fs::path archive = source.path() / "rossz.zrxcs";
  test::WriteBytes(archive, test::WriteRawArchive(entries));
  const std::vector<std::string> before = test::FolderSnapshot(fixture.folder());
  TFormImport window(fixture.program());
  window.openArchive(archive);
  QCOMPARE(window.verdictLabel()->text(),
           QString("A játékcsomag a saját mappáján kívülre írna. (../../Data0.zrx)"));
  QVERIFY(!window.installLabel()->isEnabled());
  QVERIFY(window.bookList()->findChildren<QLabel*>().isEmpty());
  window.LabelTelepitesClick();
  QCOMPARE(test::FolderSnapshot(fixture.folder()), before);
}

void ImportTest::asksBeforeReplacingAndNoKeepsEverything() {
  test::ShellFixture fixture;
  test::WriteTestPackage(fixture.folder(), test::MakePackage("Kaland", 2));
  QCOMPARE(SaveFolder(fixture.folder())
               .Write({std::string(kIndexSentinel), "Anna|2026.01.02. 10:11:12|Barlang|AAAAAAAAAA|Kaland|Próbakönyv 2|0|12"},
                      kIndexName, kIndexExtension),
           0);
  test::TempFolder source;
  const fs::path archive = packArchive(source.path(), test::MakePackage("Kaland", 1));
  TFormImport window(fixture.program());
  window.openArchive(archive);
  QVERIFY(window.verdictLabel()->text().contains("lecseréled"));
  // The checked package waits in its temporary folder; "Nem" must change nothing else.
  const std::vector<std::string> before = test::FolderSnapshot(fixture.folder());
  for (const bool yes : {false, true}) {
    QStringList asked;
    test::WhenModalOpens([&asked, yes](QWidget& modal) {
      asked = modalTexts(modal);
      for (QPushButton* button : modal.findChildren<QPushButton*>())
        if (button->text() == (yes ? " Igen " : " Nem ")) button->click();
    });
    window.LabelTelepitesClick();
    QVERIFY(asked.join('\n').contains("Már van \"Kaland\" nevű játékcsomag. Lecseréled?"));
    QVERIFY(asked.join('\n').contains("Anna: Barlang (Próbakönyv 2, megszűnik)"));
    if (!yes) {
      QCOMPARE(test::FolderSnapshot(fixture.folder()), before);
      QVERIFY(window.installLabel()->isEnabled());
    }
  }
  QCOMPARE(test::FolderSnapshot(fixture.folder() / "Kaland"), test::FolderSnapshot(source.path() / "Kaland"));
  QVERIFY(fs::exists(fixture.folder() / "Save" / "Save.zrx"));
}

void ImportTest::theMenuOpensTheWindowOnlyWithoutAGame() {
  test::ShellFixture fixture;
  fixture.program().createStartWindows();
  TFormMain& main = *fixture.program().mainWindow();
  bool opened = false;
  test::WhenModalOpens([&opened](QWidget& modal) {
    opened = qobject_cast<TFormImport*>(&modal) != nullptr;
    modal.close();
  });
  main.runMenu(15);
  QVERIFY(opened);

  fixture.program().game().state.GameLoaded = true;
  QStringList notice;
  test::WhenModalOpens([&notice](QWidget& modal) {
    notice = modalTexts(modal);
    for (QPushButton* button : modal.findChildren<QPushButton*>())
      if (button->isVisible()) button->click();
  });
  OpenImportWindow(fixture.program(), fs::path("/nincs/ilyen.zrxcs"));
  QVERIFY(notice.join('\n').contains("Új játékcsomag importálásához be kell fejezned"));
  fixture.program().game().state.GameLoaded = false;
}

QTEST_MAIN(ImportTest)
#include "import_test.moc"
