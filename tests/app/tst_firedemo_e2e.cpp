#include "EndToEndRig.h"
#include "FrontPanelProbe.h"
#include "Site.h"
#include "WaitUntil.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

constexpr quint8 LoopKind = 12;
// The point the fire is on: panel 1, loop 1, point 1.
constexpr quint8 FirePanel = 1;
constexpr quint8 FireLoop = 1;
constexpr quint8 FirePoint = 1;

SitePoint firePoint(const Site &site)
{
    for (const SitePanel &panel : site.configuration.panels) {
        for (const SiteChannel &channel : panel.channels) {
            if (panel.number != FirePanel || channel.kind != LoopKind || channel.address != FireLoop)
                continue;
            for (const SitePoint &point : channel.points) {
                if (point.point == FirePoint)
                    return point;
            }
        }
    }
    return {};
}

} // namespace

// The main road as a user meets it: the built engine, the host's services
// and the controller emulator. After the sync the home screen shows the
// site's counts; a fire on a point brings the fire-alarm screen over it,
// showing the point's address, zone and name, with the fire LED lit and the
// buzzer pulsing; the panel's reset brings the home screen back, dark.
class tst_FireDemoEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void fireAndReset();
    void fireAsFirstLiveEvent();

private:
    // How often the engine has logged that the page came on top, and the
    // depth of the page stack the last time.
    static int timesOnTop(EndToEndRig &rig, const QString &page);
    static int lastDepth(EndToEndRig &rig, const QString &page);
    // The counters the home screen showed last, as the engine logged them:
    // "faults 11 warnings 0 disablements 3 walk tests 0".
    static QString homeCounters(EndToEndRig &rig);
    static bool homeShows(EndToEndRig &rig, int faults, int disablements);
    // The site's total of the count, from the emulator's status; -1 when it
    // does not say.
    static int siteTotal(PanelSimProcess &controller, const QString &count);
    // Starts the rig with translated texts and synchronises the site until
    // the home screen shows; empty when it did, else what went wrong.
    static QString startAndSync(EndToEndRig &rig);
    // What is wrong with the first fire the fire-alarm screen drew, given
    // the controller's line that sent the fire's status: empty when the
    // screen drew the point's address, zone name and point name as the site
    // names them, after the fire was sent, on the clock both share.
    static QString firstFireProblem(EndToEndRig &rig, const QString &sentLine);
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

QString tst_FireDemoEndToEnd::homeCounters(EndToEndRig &rig)
{
    const QString log = rig.engine().standardError();
    const QString mark = QStringLiteral("AUK_30002: counters ");
    const int at = log.lastIndexOf(mark);
    return at < 0 ? QString() : log.mid(at + mark.size()).section(QLatin1Char('\n'), 0, 0);
}

bool tst_FireDemoEndToEnd::homeShows(EndToEndRig &rig, int faults, int disablements)
{
    const QRegularExpression expected(
        QStringLiteral("^faults %1 warnings \\d+ disablements %2 walk tests 0$").arg(faults).arg(disablements));
    return waitUntil([&] { return expected.match(homeCounters(rig)).hasMatch(); });
}

int tst_FireDemoEndToEnd::siteTotal(PanelSimProcess &controller, const QString &count)
{
    const int from = controller.lineCount();
    controller.command(QStringLiteral("status"));
    const int totals = controller.waitForLine(QStringLiteral("status totals counts "), from);
    if (totals < 0)
        return -1;
    for (const QString &word : controller.lines().at(totals).split(QLatin1Char(' '))) {
        if (word.startsWith(count + QLatin1Char('=')))
            return word.section(QLatin1Char('='), 1).toInt();
    }
    return -1;
}

QString tst_FireDemoEndToEnd::startAndSync(EndToEndRig &rig)
{
    if (!rig.engine().installTranslations())
        return QStringLiteral("The build's translations could not be installed");
    if (!rig.start())
        return rig.failure();
    PanelSimProcess &controller = rig.controller();
    const int from = controller.lineCount();
    controller.command(QStringLiteral("sync"));
    const int done = controller.waitForLine(QStringLiteral("sync done"), from, 120000);
    if (done < 0 || controller.lines().at(done) != QLatin1String("sync done status=0"))
        return controller.lines().mid(from).join(QLatin1Char('\n'));
    if (!waitUntil([&] { return timesOnTop(rig, QStringLiteral("AUK_30002")) >= 1; }))
        return rig.engine().standardError();
    return QString();
}

QString tst_FireDemoEndToEnd::firstFireProblem(EndToEndRig &rig, const QString &sentLine)
{
    const QRegularExpression shownLine(QStringLiteral("AUK_30086: first fire shown at monotonic (\\d+) us: ([^\n]*)"));
    QRegularExpressionMatch shown;
    if (!waitUntil([&] { return (shown = shownLine.match(rig.engine().standardError())).hasMatch(); }))
        return QStringLiteral("The fire-alarm screen drew no fire:\n") + rig.engine().standardError();
    const Site site = Site::demo();
    const SitePoint point = firePoint(site);
    // The address in words: the zone of the panel, then the point.
    const QString address =
        QStringLiteral("Zone %1.%2 ").arg(FirePanel, 2, 10, QLatin1Char('0')).arg(point.zone, 3, 10, QLatin1Char('0'));
    const QString zone = site.texts.zoneNames.value(point.zone).first;
    const QString name = site.texts.pointName(point).first;
    const QStringList lines = shown.captured(2).split(QStringLiteral(" | "));
    if (point.point != FirePoint || zone.isEmpty() || lines.size() != 3 || !lines.at(0).startsWith(address)
        || lines.at(1) != zone || lines.at(2) != name)
        return QStringLiteral("Drawn: %1\nexpected: %2... | %3 | %4").arg(shown.captured(2), address, zone, name);
    const qint64 sentAt = sentLine.section(QLatin1Char(' '), 5, 5).toLongLong();
    if (sentAt <= 0 || shown.captured(1).toLongLong() < sentAt)
        return QStringLiteral("Drawn before it was sent:\n%1\n%2").arg(sentLine, shown.captured(0));
    return QString();
}

void tst_FireDemoEndToEnd::fireAndReset()
{
    EndToEndRig::Options options;
    options.hostServices = true;
    EndToEndRig rig(options);
    const QString started = startAndSync(rig);
    QVERIFY2(started.isEmpty(), qPrintable(started));
    const quint16 port = rig.port();
    PanelSimProcess &controller = rig.controller();

    const QString dark(18, QLatin1Char('0'));
    QVERIFY2(waitUntil([port, &dark] { return FrontPanelProbe::leds(port) == dark; }),
             qPrintable(FrontPanelProbe::leds(port)));
    QVERIFY(!FrontPanelProbe::buzzer(port));
    // The home screen shows the site's totals; the demo site has faults and
    // disablements, so a count that did not arrive would show.
    const int faults = siteTotal(controller, QStringLiteral("faults"));
    const int disablements = siteTotal(controller, QStringLiteral("disablements"));
    QVERIFY(faults > 0 && disablements > 0);
    QVERIFY2(homeShows(rig, faults, disablements), qPrintable(homeCounters(rig)));
    // A fault and a disablement on a point reach the panel's counters and the
    // home screen's, and the home screen stays.
    controller.command(QStringLiteral("pointevent fault 1 2 7"));
    QVERIFY2(rig.engine().waitForLogged(QStringLiteral("PanelCounters::setFaults panel 1: 2")),
             qPrintable(rig.engine().standardError()));
    QVERIFY2(homeShows(rig, faults + 1, disablements), qPrintable(homeCounters(rig)));
    controller.command(QStringLiteral("pointevent disablement 1 2 7"));
    QVERIFY2(rig.engine().waitForLogged(QStringLiteral("PanelCounters::setDisablements panel 1: 2")),
             qPrintable(rig.engine().standardError()));
    QVERIFY2(homeShows(rig, faults + 1, disablements + 1), qPrintable(homeCounters(rig)));
    QCOMPARE(timesOnTop(rig, QStringLiteral("AUK_30086")), 0);
    const int homeShown = timesOnTop(rig, QStringLiteral("AUK_30002"));
    const int homeDepth = lastDepth(rig, QStringLiteral("AUK_30002"));

    // A fire on panel 1, loop 1, point 1: the fire-alarm screen over home.
    int from = controller.lineCount();
    controller.command(QStringLiteral("pointevent fire %1 %2 %3").arg(FirePanel).arg(FireLoop).arg(FirePoint));
    QVERIFY(controller.waitForLine(QStringLiteral("eventlog raised 1"), from) >= 0);
    const int sent = controller.waitForLine(QStringLiteral("high-priority sent fire=1 at monotonic "), from);
    QVERIFY(sent >= 0);
    QVERIFY2(waitUntil([&] { return timesOnTop(rig, QStringLiteral("AUK_30086")) >= 1; }),
             qPrintable(rig.engine().standardError()));
    QCOMPARE(lastDepth(rig, QStringLiteral("AUK_30086")), homeDepth + 1);
    // The first fire's three lines are drawn.
    const QString problem = firstFireProblem(rig, controller.lines().at(sent));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
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

// After a start the engine holds the controller's history but no live event:
// a fire that comes first opens the engine's list of current events, and the
// fire-alarm screen shows it all the same.
void tst_FireDemoEndToEnd::fireAsFirstLiveEvent()
{
    EndToEndRig::Options options;
    options.hostServices = true;
    EndToEndRig rig(options);
    const QString started = startAndSync(rig);
    QVERIFY2(started.isEmpty(), qPrintable(started));
    PanelSimProcess &controller = rig.controller();
    const int from = controller.lineCount();
    controller.command(QStringLiteral("pointevent fire %1 %2 %3").arg(FirePanel).arg(FireLoop).arg(FirePoint));
    const int sent = controller.waitForLine(QStringLiteral("high-priority sent fire=1 at monotonic "), from);
    QVERIFY(sent >= 0);
    const QString problem = firstFireProblem(rig, controller.lines().at(sent));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY2(rig.stop(), qPrintable(rig.failure()));
}

QTEST_GUILESS_MAIN(tst_FireDemoEndToEnd)
#include "tst_firedemo_e2e.moc"
