// The fixed-text windows: their heads and texts, the rules topics, closing by "Bezárás" and
// Escape, and the hand-over between the introduction and the rules through the menu.
#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QTextBrowser>
#include <functional>
#include <memory>

#include "game/form_main.h"
#include "shell_fixture.h"
#include "style/frame_rich_edit.h"
#include "style/link_label.h"
#include "texts/form_fixed_text.h"

using namespace zrx;

namespace {

using Make = std::function<std::unique_ptr<TFormFixedText>(Program&)>;

template <typename Window>
Make maker() {
  return [](Program& program) { return std::make_unique<Window>(program); };
}

QString shownText(const TFormFixedText& window) { return window.richText()->text()->toPlainText(); }

// Whether the bottom of the text's last line is in view.
bool lastLineInView(const TZRX_FrameRichEdit& frame) {
  QTextBrowser* browser = frame.text();
  QTextDocument* document = browser->document();
  const QRectF last = document->documentLayout()->blockBoundingRect(document->lastBlock());
  return last.bottom() <= browser->verticalScrollBar()->value() + browser->viewport()->height() + 0.5;
}

// Runs a menu item of the game window; the text windows it opens are left by their link
// `links` times, then the last is closed by "Bezárás" or Escape. Returns the heads seen.
QStringList followLinks(Program& program, int menuCode, int links, bool escape) {
  QStringList heads;
  std::function<void(QWidget&)> answer = [&](QWidget& modal) {
    auto* window = qobject_cast<TFormFixedText*>(&modal);
    if (!window) {
      modal.close();
      return;
    }
    heads << window->head();
    if (heads.size() <= links) {
      test::WhenModalOpens(answer);
      window->linkLabel()->click();
    } else if (escape) {
      QTest::keyClick(window->richText()->focusGetter(), Qt::Key_Escape);
    } else {
      window->closeLabel()->click();
    }
  };
  test::WhenModalOpens(answer);
  program.mainWindow()->runMenu(menuCode);
  return heads;
}

}  // namespace

Q_DECLARE_METATYPE(Make)

class TextWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void opensWithItsHeadAndText_data();
  void opensWithItsHeadAndText();
  void rulesTopicsSwitchTheText();
  void closesByItsLabelAndEscape_data();
  void closesByItsLabelAndEscape();
  void introductionAndRulesHandOverThroughTheMenu();
  void everyTextReachesItsLastLine_data();
  void everyTextReachesItsLastLine();
};

void TextWindowsTest::opensWithItsHeadAndText_data() {
  QTest::addColumn<Make>("make");
  QTest::addColumn<QString>("head");
  QTest::addColumn<QString>("link");
  QTest::addColumn<QString>("textStart");
  QTest::newRow("intro") << maker<TFormIntro>() << "Bevezetés" << "Szabályok ismertetése" << "Üdvözlünk a ZRX világában!";
  QTest::newRow("rules") << maker<TFormRules>() << "Játékszabályok" << "Vissza" << "Alapvető szabályok";
  QTest::newRow("thanks") << maker<TFormThanks>() << "Köszönetnyilvánítás" << "" << "Köszönetnyilvánítás";
  QTest::newRow("info") << maker<TFormInfo>() << "Könyv-Információk" << "" << "Könyv-Információk";
  QTest::newRow("repair") << maker<TFormRepair>() << "Könyv-Javítások" << "" << "Könyv-Javítások";
}

void TextWindowsTest::opensWithItsHeadAndText() {
  QFETCH(Make, make);
  QFETCH(QString, head);
  QFETCH(QString, link);
  QFETCH(QString, textStart);
  test::ShellFixture fixture;
  const std::unique_ptr<TFormFixedText> window = make(fixture.program());
  window->show();
  QCOMPARE(window->head(), head);
  QVERIFY(shownText(*window).startsWith(textStart));
  // The whole text from the resources, not a stub.
  QVERIFY(shownText(*window).size() > 600);
  QCOMPARE(window->linkLabel() ? window->linkLabel()->text() : QString(), link);
  QCOMPARE(window->closeLabel()->text(), QString("Bezárás"));
}

void TextWindowsTest::rulesTopicsSwitchTheText() {
  test::ShellFixture fixture;
  TFormRules window(fixture.program());
  window.show();
  const QStringList topics = {"Alapvető szabályok", "Harc ellenfelekkel", "A Szerencse használata",
                              "A program alapvető szabályai", "Lapfülek és használatuk"};
  QCOMPARE(int(window.topicLabels().size()), int(topics.size()));
  QStringList texts;
  // Backwards, so that each click moves away from the topic shown before.
  for (int i = int(topics.size()) - 1; i >= 0; --i) {
    LinkLabel* label = window.topicLabels()[std::size_t(i)];
    QCOMPARE(label->text(), topics[i]);
    label->click();
    QCOMPARE(window.topic(), i);
    QVERIFY2(shownText(window).startsWith(topics[i]), qPrintable(topics[i]));
    QVERIFY(!texts.contains(shownText(window)));
    texts << shownText(window);
    // The topic on show is marked; the others wait for a click.
    for (int j = 0; j < int(topics.size()); ++j) {
      const bool marked = window.topicLabels()[std::size_t(j)]->currentColour() == QColor(128, 0, 0);
      QCOMPARE(marked, j == i);
    }
  }
}

void TextWindowsTest::closesByItsLabelAndEscape_data() {
  QTest::addColumn<Make>("make");
  QTest::addColumn<bool>("escape");
  QTest::newRow("intro, Bezárás") << maker<TFormIntro>() << false;
  QTest::newRow("rules, Escape") << maker<TFormRules>() << true;
  QTest::newRow("thanks, Escape") << maker<TFormThanks>() << true;
  QTest::newRow("info, Bezárás") << maker<TFormInfo>() << false;
  QTest::newRow("repair, Escape") << maker<TFormRepair>() << true;
}

void TextWindowsTest::closesByItsLabelAndEscape() {
  QFETCH(Make, make);
  QFETCH(bool, escape);
  test::ShellFixture fixture;
  const std::unique_ptr<TFormFixedText> window = make(fixture.program());
  QTimer::singleShot(0, window.get(), [&] {
    if (escape) {
      QTest::keyClick(window->richText()->focusGetter(), Qt::Key_Escape);
    } else {
      window->closeLabel()->click();
    }
  });
  const int result = window->exec();
  QCOMPARE(result, int(QDialog::Rejected));
  QVERIFY(!window->isVisible());
}

void TextWindowsTest::introductionAndRulesHandOverThroughTheMenu() {
  test::ShellFixture fixture;
  Program& program = fixture.program();
  program.createStartWindows();
  QCOMPARE(followLinks(program, 31, 2, false), QStringList({"Bevezetés", "Játékszabályok", "Bevezetés"}));
  QCOMPARE(followLinks(program, 32, 1, true), QStringList({"Játékszabályok", "Bevezetés"}));
  QCOMPARE(followLinks(program, 32, 0, false), QStringList({"Játékszabályok"}));
}

QTEST_MAIN(TextWindowsTest)
#include "text_windows_test.moc"

void TextWindowsTest::everyTextReachesItsLastLine_data() {
  QTest::addColumn<Make>("make");
  QTest::addColumn<int>("topic");
  QTest::newRow("intro") << maker<TFormIntro>() << 0;
  for (int topic = 0; topic < 5; ++topic) QTest::addRow("rules %d", topic) << maker<TFormRules>() << topic;
  QTest::newRow("thanks") << maker<TFormThanks>() << 0;
  QTest::newRow("info") << maker<TFormInfo>() << 0;
  QTest::newRow("repair") << maker<TFormRepair>() << 0;
}

void TextWindowsTest::everyTextReachesItsLastLine() {
  QFETCH(Make, make);
  QFETCH(int, topic);
  test::ShellFixture fixture;
  const std::unique_ptr<TFormFixedText> window = make(fixture.program());
  window->show();
  window->showTopic(topic);
  TZRX_FrameRichEdit& frame = *window->richText();
  const bool longerThanTheFrame = !lastLineInView(frame);
  for (int page = 0; page < 100 && !lastLineInView(frame); ++page) QTest::keyClick(frame.focusGetter(), Qt::Key_PageDown);
  QVERIFY(lastLineInView(frame));
  if (!longerThanTheFrame) return;
  QTest::keyClick(frame.focusGetter(), Qt::Key_Home);
  QVERIFY(!lastLineInView(frame));
  QTest::keyClick(frame.focusGetter(), Qt::Key_End);
  QVERIFY(lastLineInView(frame));
  QCOMPARE(frame.scrollBar()->thumbTop(), frame.scroll().thumbTopMax());
}
