#include "EndToEndRig.h"
#include "FrontPanelProbe.h"
#include "WaitUntil.h"

#include <QtTest>

// The main road as a user meets it: the built engine, the host's services
// and the controller emulator. After the sync the home screen shows; a fire
// on a point brings the fire-alarm screen over it with the fire LED lit and
// the buzzer pulsing; the panel's reset brings the home screen back, dark.
class tst_FireDemoEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void fireAndReset();

private:
    // How often the engine has logged that the page came on top, and the
    // depth of the page stack the last time.
    static int timesOnTop(EndToEndRig &rig, const QString &page);
    static int lastDepth(EndToEndRig &rig, const QString &page);
};

int tst_FireDemoEndToEnd::timesOnTop(EndToEndRig &rig, const QString &page)
{
    return rig.engine().standardError().count(QStringLiteral("PageStack: on top %1 of ").arg(page));
}

int tst_FireDemoEndToEnd::lastDepth(EndToEndRig &rig, const QString &page)
{
    const QString log = rig.engine().standardError();
    const QString mark = QStringLiteral("PageStack: on top %1 of ").arg(page);
    const int at = log.lastIndexOf(mark);
    return at < 0 ? -1 : log.mid(at + mark.size()).section(QLatin1Char('\n'), 0, 0).toInt();
}

void tst_FireDemoEndToEnd::fireAndReset()
{
    EndToEndRig::Options options;
    options.hostServices = true;
    EndToEndRig rig(options);
    QVERIFY2(rig.start(), qPrintable(rig.failure()));
    const quint16 port = rig.port();
    PanelSimProcess &controller = rig.controller();

    int from = controller.lineCount();
    controller.command(QStringLiteral("sync"));
    const int done = controller.waitForLine(QStringLiteral("sync done"), from, 120000);
    QVERIFY2(done >= 0 && controller.lines().at(done) == QLatin1String("sync done status=0"),
             qPrintable(controller.lines().mid(from).join(QLatin1Char('\n'))));
    QVERIFY2(waitUntil([&] { return timesOnTop(rig, QStringLiteral("AUK_30002")) >= 1; }),
             qPrintable(rig.engine().standardError()));
    const QString dark(18, QLatin1Char('0'));
    QVERIFY2(waitUntil([port, &dark] { return FrontPanelProbe::leds(port) == dark; }),
             qPrintable(FrontPanelProbe::leds(port)));
    QVERIFY(!FrontPanelProbe::buzzer(port));
    // A fault and a disablement on a point reach the panel's counters, and
    // the home screen stays.
    controller.command(QStringLiteral("pointevent fault 1 2 7"));
    QVERIFY2(rig.engine().waitForLogged(QStringLiteral("PanelCounters::setFaults panel 1: 2")),
             qPrintable(rig.engine().standardError()));
    controller.command(QStringLiteral("pointevent disablement 1 2 7"));
    QVERIFY2(rig.engine().waitForLogged(QStringLiteral("PanelCounters::setDisablements panel 1: 2")),
             qPrintable(rig.engine().standardError()));
    QCOMPARE(timesOnTop(rig, QStringLiteral("AUK_30086")), 0);
    const int homeShown = timesOnTop(rig, QStringLiteral("AUK_30002"));
    const int homeDepth = lastDepth(rig, QStringLiteral("AUK_30002"));

    // A fire on panel 1, loop 1, point 1: the fire-alarm screen over home.
    from = controller.lineCount();
    controller.command(QStringLiteral("pointevent fire 1 1 1"));
    QVERIFY(controller.waitForLine(QStringLiteral("eventlog raised 1"), from) >= 0);
    QVERIFY2(waitUntil([&] { return timesOnTop(rig, QStringLiteral("AUK_30086")) >= 1; }),
             qPrintable(rig.engine().standardError()));
    QCOMPARE(lastDepth(rig, QStringLiteral("AUK_30086")), homeDepth + 1);
    QVERIFY2(waitUntil([port] { return FrontPanelProbe::leds(port).startsWith(QLatin1Char('1')); }),
             qPrintable(FrontPanelProbe::leds(port)));
    // Pulsing: heard, then quiet, then heard again.
    QVERIFY(waitUntil([port] { return FrontPanelProbe::buzzer(port); }));
    QVERIFY(waitUntil([port] { return !FrontPanelProbe::buzzer(port); }));
    QVERIFY(waitUntil([port] { return FrontPanelProbe::buzzer(port); }));

    // The reset: home again, every LED dark and the buzzer quiet.
    from = controller.lineCount();
    controller.command(QStringLiteral("reset"));
    QVERIFY(controller.waitForLine(QStringLiteral("eventlog reset"), from) >= 0);
    QVERIFY2(waitUntil([&] { return timesOnTop(rig, QStringLiteral("AUK_30002")) > homeShown; }),
             qPrintable(rig.engine().standardError()));
    QVERIFY2(waitUntil([port, &dark] { return FrontPanelProbe::leds(port) == dark; }),
             qPrintable(FrontPanelProbe::leds(port)));
    QVERIFY(!FrontPanelProbe::buzzer(port));
    QCOMPARE(lastDepth(rig, QStringLiteral("AUK_30002")), homeDepth);

    QVERIFY2(rig.stop(), qPrintable(rig.failure()));
}

QTEST_GUILESS_MAIN(tst_FireDemoEndToEnd)
#include "tst_firedemo_e2e.moc"
