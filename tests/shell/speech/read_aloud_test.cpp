// "Felolvasás" in the game window: what is handed to the speech service for a chapter
// point and a round, that the player's next key or click silences it, and that the item is
// greyed with its reason when no speech service can be had.
#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include "access/announcer.h"
#include "game/form_main.h"
#include "game/main_menu.h"
#include "game/menu_table.h"
#include "page_signal.h"
#include "screen_model.h"
#include "speech/read_aloud.h"
#include "speech/speaker.h"
#include "window_test_support.h"

using namespace zrx;
using namespace zrx::test;

namespace {

// Logs "say:<text>" and "stop" in order. `failure` is the reason it gives once opening
// failed; `missing` the reason it gives from the start.
class RecordingSpeaker : public Speaker {
 public:
  RecordingSpeaker(QString missing, QString failure) : reason_(std::move(missing)), failure_(std::move(failure)) {}
  QString unavailableReason() const override { return reason_; }
  bool open() override {
    if (reason_.isEmpty()) reason_ = failure_;
    return reason_.isEmpty();
  }
  void say(const QString& text) override { log << "say:" + text; }
  void stop() override { log << "stop"; }

  QStringList log;

 private:
  QString reason_;
  QString failure_;
};

RecordingSpeaker& installSpeaker(GameWindowRig& rig, const QString& missing = {}, const QString& failure = {}) {
  auto speaker = std::make_unique<RecordingSpeaker>(missing, failure);
  RecordingSpeaker& kept = *speaker;
  rig.window().readAloud().useSpeaker(std::move(speaker));
  return kept;
}

QStringList said(const RecordingSpeaker& speaker) { return speaker.log.filter(QRegularExpression("^say:")); }

QAccessible::State itemState(GameWindowRig& rig) {
  return QAccessible::queryAccessibleInterface(rig.window().menu().item(kReadAloudMenuCode))->state();
}

}  // namespace

class ReadAloudTest : public QObject {
  Q_OBJECT

 private slots:
  void readsWhatIsAnnouncedUntilThePlayerActs() {
    auto pips = std::make_unique<PipQueue>();
    PipQueue& dice = *pips;
    GameWindowRig rig(std::move(pips));
    RecordingSpeaker& speaker = installSpeaker(rig);
    QSignalSpy announced(rig.window().findChild<Announcer*>(), &Announcer::announced);

    // Off: the chapter point is announced but not read.
    dice.push({5, 4, 3, 6, 2, 3});
    rig.startGame("Source", 1, 0);
    QTRY_VERIFY(!announced.isEmpty());
    QTest::qWait(20);
    QVERIFY(said(speaker).isEmpty());
    QVERIFY(!itemState(rig).checked);

    // Its key turns it on: a checked item, its key still told.
    QTest::keyClick(&rig.window(), Qt::Key_F9);
    QVERIFY(rig.window().readAloud().on());
    QVERIFY(itemState(rig).checkable && itemState(rig).checked);
    QCOMPARE(QAccessible::queryAccessibleInterface(rig.window().menu().item(kReadAloudMenuCode))
                 ->text(QAccessible::Accelerator),
             QString("F9"));

    // A chapter point: its name, text and continuations, after the click that led there
    // silenced what was being read.
    speaker.log.clear();
    QVERIFY(rig.chooseContinuation("0"));
    QTRY_VERIFY(!said(speaker).isEmpty());
    const QString story = rig.find<QTextEdit>("RichEdit1")->toPlainText();
    QVERIFY(!story.isEmpty());
    QCOMPARE(said(speaker), QStringList{"say:Háttértörténet.\n" + story + "\n" +
                                        (rig.find<QLabel>("LabelLehetosegek")->text() + " 1").trimmed()});
    QCOMPARE(speaker.log.first(), QString("stop"));
    QCOMPARE(speaker.log.last(), said(speaker).last());

    // A round: its two result lines as the battle page shows them.
    speaker.log.clear();
    ScreenModel& screen = rig.game().screen;
    const QStringList lines{QString::fromUtf8("Te sebeztél: Ork 2 pontot vesztett."),
                            QString::fromUtf8("Következő kör!")};
    for (int n = 0; n < 2; ++n) {
      Control& line = screen.control("LabelEredmeny" + std::to_string(n + 1));
      line.setText(lines[n].toStdString());
      line.setVisible(true);
    }
    rig.window().refresh();
    QTRY_VERIFY(!said(speaker).isEmpty());
    QCOMPARE(said(speaker), QStringList{"say:" + lines.join('\n')});

    // Any key of the player silences it.
    speaker.log.clear();
    QTest::keyClick(rig.find<QListWidget>("ListBoxNext"), Qt::Key_Down);
    QVERIFY(!speaker.log.isEmpty());
    QCOMPARE(speaker.log.first(), QString("stop"));

    // Turned off, nothing more is read.
    QTest::keyClick(&rig.window(), Qt::Key_F9);
    QVERIFY(!rig.window().readAloud().on() && !itemState(rig).checked);
    speaker.log.clear();
    rig.openPage(kStoryPage);
    QVERIFY(rig.chooseContinuation("1"));
    QTRY_COMPARE(announced.size(), 4);
    QTest::qWait(20);
    QVERIFY(said(speaker).isEmpty());
  }

  void greyedWithTheReasonWithoutASpeechService_data() {
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("failure");
    QTest::newRow("no service") << QString::fromUtf8("Nincs beszédszolgáltatás a gépen.") << QString();
    QTest::newRow("service fails to start") << QString() << QString::fromUtf8("A beszédszolgáltatás nem indult el: x");
  }

  void greyedWithTheReasonWithoutASpeechService() {
    QFETCH(QString, missing);
    QFETCH(QString, failure);
    GameWindowRig rig(std::make_unique<PipQueue>());
    RecordingSpeaker& speaker = installSpeaker(rig, missing, failure);
    QTest::keyClick(&rig.window(), Qt::Key_F9);
    const QString reason = missing.isEmpty() ? failure : missing;
    MenuItemLabel* item = rig.window().menu().item(kReadAloudMenuCode);
    QVERIFY(!rig.window().readAloud().on());
    QVERIFY(!item->isEnabled());
    QCOMPARE(item->toolTip(), reason);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(item);
    QCOMPARE(access->text(QAccessible::Description), reason);
    QVERIFY(access->state().disabled && !access->state().checked);
    QVERIFY(said(speaker).isEmpty());
  }
};

QTEST_MAIN(ReadAloudTest)
#include "read_aloud_test.moc"
