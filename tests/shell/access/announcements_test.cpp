// What a screen reader is told when the game moves on: each announcement as the window's
// live region gives it (the offscreen platform delivers no accessibility events, so the
// announcer's own signal is the recorder) and the name the region then reads.
#include <QAccessible>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include "access/announcer.h"
#include "window_test_support.h"

using namespace zrx;
using namespace zrx::test;

class AnnouncementsTest : public QObject {
  Q_OBJECT

 private:
  static QStringList heard(QSignalSpy& spy, const Announcer& announcer) {
    QStringList out;
    for (const QList<QVariant>& call : spy) out << call.front().toString();
    spy.clear();
    // What an assistive tool reads from the region is the last announcement.
    if (!out.isEmpty()) {
      QAccessibleInterface* region = QAccessible::queryAccessibleInterface(announcer.region());
      if (region->text(QAccessible::Name) != out.last() || region->role() != QAccessible::StaticText) out << "?";
    }
    return out;
  }

 private slots:
  // Each chapter point is announced once, with its name or number, its text and what
  // follows it; the focus stays where the player left it.
  void chapterChangeIsAnnounced() {
    GameWindowRig rig(std::make_unique<PipQueue>());
    auto* announcer = rig.window().findChild<Announcer*>();
    QVERIFY(announcer != nullptr);
    QSignalSpy spy(announcer, &Announcer::announced);
    rig.startGame("Source", 1, 0);
    QTRY_VERIFY(!spy.isEmpty());
    QStringList said = heard(spy, *announcer);
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.front().startsWith("Szabályok.\n"), qPrintable(said.front()));

    QVERIFY(rig.chooseContinuation("0"));
    QTRY_VERIFY(!spy.isEmpty());
    said = heard(spy, *announcer);
    QCOMPARE(said.size(), 1);
    const QString story = rig.find<QTextEdit>("RichEdit1")->toPlainText();
    QVERIFY(!story.isEmpty());
    QCOMPARE(said.front(), "Háttértörténet.\n" + story + "\n" +
                              (rig.find<QLabel>("LabelLehetosegek")->text() + " 1").trimmed());
    QVERIFY(QApplication::focusWidget() != announcer->region());

    // A step with nothing new for the ear announces nothing.
    rig.tick();
    QTest::qWait(20);
    QVERIFY2(spy.isEmpty(), qPrintable(heard(spy, *announcer).join(" | ")));
  }

  // A round's result lines are announced as they appear, the line of the items in use too.
  void roundResultLinesAreAnnounced() {
    GameWindowRig rig(std::make_unique<PipQueue>());
    auto* announcer = rig.window().findChild<Announcer*>();
    QSignalSpy spy(announcer, &Announcer::announced);
    rig.startGame("Source", 1, 0);
    QTRY_VERIFY(!spy.isEmpty());
    spy.clear();
    rig.window().perform([&rig] {
      BattlePanel& panel = rig.game().screen.battle;
      for (Control* line : {&panel.LabelEredmeny1, &panel.LabelEredmeny3}) line->setVisible(true);
      panel.LabelEredmeny1.setText("A Fordulót megnyerted!");
      panel.LabelEredmeny3.setText("Tölgyfa pajzs: CVN+1");
    });
    QTRY_VERIFY(!spy.isEmpty());
    const QString said = heard(spy, *announcer).join("\n");
    QVERIFY2(said.contains("A Fordulót megnyerted!") && said.contains("Tölgyfa pajzs: CVN+1"), qPrintable(said));
  }
};

QTEST_MAIN(AnnouncementsTest)
#include "announcements_test.moc"
