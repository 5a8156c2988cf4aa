#include "FakeClock.h"
#include "RecordingService.h"
#include "core/BucketKeys.h"
#include "core/BucketMaster.h"
#include "frontpanel/BacklightController.h"
#include "paneldata/PanelCounters.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QtTest>

#include <memory>

namespace {

constexpr int engineBucket = 0;
constexpr int statusCountsBucket = 5;

void setPowerSaving(bool on)
{
    BucketMaster::instance()->setValue(engineBucket, QLatin1String(BucketKeys::pwrsav),
                                       on ? QStringLiteral("1") : QStringLiteral("0"));
}

void setSystemFires(int count)
{
    BucketMaster::instance()->setValue(statusCountsBucket, BucketKeys::panelKey(254, BucketKeys::fireAlrms),
                                       QString::number(count));
}

} // namespace

// The backlight over simulated time, against a backlight service of the
// test's own. A script is a list of steps: an event, or "+ms" to let time
// pass; "event>levels" or "+ms>levels" gives the brightness calls the step
// makes ("" for none).
class TestBacklight final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void scripts_data();
    void scripts();
    void badSuccessor();

private:
    void run(const QString &step);
    // The levels sent since the last look, once every call before it has
    // arrived.
    QString sentSinceLastLook();

    std::unique_ptr<RecordingService> m_service;
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<BacklightController> m_controller;
    int m_seen = 0;
};

void TestBacklight::initTestCase()
{
    m_service = std::make_unique<RecordingService>(QStringLiteral("svc.backlight"));
    QVERIFY(m_service->isServing());
}

void TestBacklight::init()
{
    m_clock = std::make_unique<FakeClock>();
    m_service->clear();
    m_seen = 0;
    setPowerSaving(false);
    setSystemFires(0);
    PanelCounters::instance()->setFaults(0, 254);
}

void TestBacklight::cleanup()
{
    m_controller.reset();
    m_clock.reset();
}

QString TestBacklight::sentSinceLastLook()
{
    // A call of our own after the controller's arrives after them.
    QDBusMessage ping = QDBusMessage::createMethodCall(QStringLiteral("svc.backlight"), QStringLiteral("/"),
                                                       QStringLiteral("vemo.backlight"), QStringLiteral("ping"));
    QDBusConnection::sessionBus().call(ping);
    QStringList levels;
    const QStringList calls = m_service->calls();
    for (int i = m_seen; i < calls.size(); ++i) {
        if (calls.at(i).startsWith(QLatin1String("setBrightness ")))
            levels << calls.at(i).mid(14);
    }
    m_seen = calls.size();
    return levels.join(QLatin1Char(','));
}

void TestBacklight::run(const QString &step)
{
    const QString action = step.section(QLatin1Char('>'), 0, 0);
    BacklightController *c = m_controller.get();
    if (action == QLatin1String("start")) {
        m_controller = std::make_unique<BacklightController>();
    } else if (action.startsWith(QLatin1Char('+'))) {
        m_clock->advance(action.mid(1).toLongLong());
    } else if (action == QLatin1String("touch")) {
        c->userActivateSlot();
    } else if (action == QLatin1String("fault")) {
        c->faultSlot();
    } else if (action == QLatin1String("fire")) {
        c->fireSlot();
    } else if (action == QLatin1String("counts")) {
        c->countsOrMessagesSlot();
    } else if (action.startsWith(QLatin1String("pwrsav="))) {
        setPowerSaving(action.endsWith(QLatin1Char('1')));
        c->powerChangeSlot();
    } else if (action.startsWith(QLatin1String("fires="))) {
        setSystemFires(action.mid(6).toInt());
        c->countsUpdated(254, 2);
    } else if (action.startsWith(QLatin1String("faults="))) {
        PanelCounters::instance()->setFaults(action.mid(7).toInt(), 254);
        c->countsUpdated(254, 4);
    } else if (action.startsWith(QLatin1String("panel "))) {
        // "panel <number> <change bits>"
        c->countsUpdated(TC::panel_t(action.section(' ', 1, 1).toInt()), action.section(' ', 2, 2).toUInt());
    } else if (action.startsWith(QLatin1String("banner "))) {
        c->updateBannerStatus(TC::BANNER_STATUS(action.mid(7).toInt()));
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    }
}

void TestBacklight::scripts_data()
{
    QTest::addColumn<bool>("powerSaving");
    QTest::addColumn<QStringList>("script");

    // From N1 it takes 240 s to reach 35, and then it stays.
    const QStringList dimNormal{"+59999>", "+1>75", "+179999>", "+1>35"};
    QTest::newRow("idle, normal chain") << false << (QStringList{"start>99"} + dimNormal + QStringList{"+9000000>"});
    QTest::newRow("idle, power saving") << true
                                        << QStringList{"start>75", "+60000>35", "+179999>", "+1>0", "+9000000>"};
    QTest::newRow("a fault holds full level 300 s")
        << false << QStringList{"start>99", "fault>", "+120000>", "+179999>", "+1>75", "+180000>35"};
    QTest::newRow("a fire holds full level an hour")
        << false << QStringList{"start>99", "fire>", "+3599999>", "+1>75", "+180000>35"};
    QTest::newRow("a counts change holds 300 s") << false << QStringList{"start>99", "counts>", "+299999>", "+1>75"};
    QTest::newRow("the hold does not stop 75 going to 35")
        << false << QStringList{"start>99", "+60000>75", "fault>99", "+60000>", "+240000>75", "+180000>35"};
    QTest::newRow("power saving dims to 35 but stays on during a hold")
        << true << QStringList{"start>75", "fault>", "+60000>35", "+180000>", "+179999>", "+1>0"};
    QTest::newRow("touch in N3 brings 99 and a fresh minute")
        << false << (QStringList{"start>99"} + dimNormal + QStringList{"touch>99", "+59999>", "+1>75"});
    QTest::newRow("touch in N1 sends nothing but restarts the minute")
        << false << QStringList{"start>99", "+59000>", "touch>", "+59999>", "+1>75"};
    QTest::newRow("power saving on in N2") << false << QStringList{"start>99", "+60000>75", "pwrsav=1>75", "+60000>35"};
    QTest::newRow("power saving off in S3")
        << true << QStringList{"start>75", "+240000>35,0", "pwrsav=0>99", "+60000>75"};
    QTest::newRow("the same power flag changes nothing") << false << QStringList{"start>99", "pwrsav=0>", "+60000>75"};
    QTest::newRow("other panels' counts change nothing")
        << false << (QStringList{"start>99"} + dimNormal + QStringList{"panel 7 255>", "panel 0 1>"});
    QTest::newRow("system disablements are a counts change")
        << false << (QStringList{"start>99"} + dimNormal + QStringList{"panel 254 1>99"});
    QTest::newRow("fires 0 to 1, latch clear: triggers")
        << false << (QStringList{"start>99"} + dimNormal + QStringList{"fires=1>99"});
    QTest::newRow("fires 1 to 2, latch set: triggers")
        << false << (QStringList{"start>99"} + dimNormal + QStringList{"fires=1>99", "+3780000>75,35", "fires=2>99"});
    QTest::newRow("fires 2 to 2, latch set: nothing")
        << false << (QStringList{"start>99"} + dimNormal + QStringList{"fires=2>99", "+3780000>75,35", "fires=2>"});
    QTest::newRow("fires 0 to 1, latch set by the banner: nothing")
        << false << QStringList{"start>99", "banner 2>", "+3780000>75,35", "fires=1>"};
    QTest::newRow("faults 0 to 3, then 3 to 4")
        << false << (QStringList{"start>99"} + dimNormal + QStringList{"faults=3>99", "+480000>75,35", "faults=4>99"});
    QTest::newRow("fire banner twice counts once")
        << false << QStringList{"start>99", "+240000>75,35", "banner 2>99", "+3780000>75,35", "banner 2>"};
    QTest::newRow("fault banner after fire")
        << false << QStringList{"start>99", "+240000>75,35", "banner 2>99", "+3780000>75,35", "banner 1>99"};
    QTest::newRow("normal banner clears the latches")
        << false << QStringList{"start>99", "banner 1>", "+480000>75,35", "banner 0>", "banner 1>99"};
}

void TestBacklight::scripts()
{
    QFETCH(bool, powerSaving);
    QFETCH(QStringList, script);
    setPowerSaving(powerSaving);
    for (const QString &step : script) {
        run(step);
        QCOMPARE(sentSinceLastLook(), step.section(QLatin1Char('>'), 1));
    }
}

// A step without a successor is reported and changes nothing.
void TestBacklight::badSuccessor()
{
    run(QStringLiteral("start"));
    run(QStringLiteral("+60000"));
    QCOMPARE(sentSinceLastLook(), QStringLiteral("99,75"));
    QTest::ignoreMessage(QtWarningMsg, " Bad state changed : BacklightController::shortTimeoutSlot");
    m_controller->shortTimeoutSlot();
    QTest::ignoreMessage(QtWarningMsg, " Bad state changed : BacklightController::longTimeoutSlot");
    run(QStringLiteral("+180000"));
    m_controller->longTimeoutSlot();
    QCOMPARE(sentSinceLastLook(), QStringLiteral("35"));
}

QTEST_GUILESS_MAIN(TestBacklight)
#include "tst_backlight.moc"
