#include "ConfigurationPages.h"
#include "DemoPointTexts.h"
#include "EndToEndRig.h"
#include "ServicePages.h"
#include "Site.h"
#include "StatusPages.h"
#include "TextPages.h"

#include <QtTest>

namespace {

const QString GeneratedSite = QStringLiteral("20x2x20");

int pageCount(const Site &site)
{
    return (ConfigurationPages::payloads(site.configuration, site.headerLayout)
            + TextPages::payloads(site.configuration, site.texts, site.headerLayout)
            + ServicePages::payloads(site.configuration, site.texts) + StatusPages::payloads(site.status))
        .size();
}

QByteArray fileOf(EndToEndRig &rig, quint8 panel)
{
    QFile file(QStringLiteral("%1/c:/DESKSIM/DESKSIM 3_6/data%2/strings/%3/output_%4.txt")
                   .arg(rig.engine().directory())
                   .arg(rig.port())
                   .arg(panel)
                   .arg(panel, 2, 10, QLatin1Char('0')));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

// Waits for the sync to end well; false with what the controller saw.
bool syncDone(PanelSimProcess &controller, int from, QString &failure)
{
    const int done = controller.waitForLine(QStringLiteral("sync done"), from, 120000);
    if (done >= 0 && controller.lines().at(done) == QLatin1String("sync done status=0"))
        return true;
    failure = controller.lines().mid(from).join(QLatin1Char('\n')).right(3000);
    return false;
}

} // namespace

// The controller emulator synchronises a generated site of more pages than
// its one-byte sequence numbers count, against the built engine: every page
// acknowledged and matched, the sync complete, and a timing line per step.
// Each panel's point names are on disk once the sync completes, and an
// engine stopped while they arrive gets them again at the next sync.
class tst_PanelSimSyncEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void siteSize_data();
    void siteSize();
    void generatedSite_hasThePanelsLoopsAndPointsAsked();
    void wholeSyncOfMorePagesThanSequenceNumbers();
    void stopWhileNamesArriveLosesNothing();
};

void tst_PanelSimSyncEndToEnd::siteSize_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("largest") << "100x16x255" << true;
    QTest::newRow("smallest") << "1x1x1" << true;
    QTest::newRow("no panels") << "0x8x250" << false;
    QTest::newRow("panel beyond 99") << "101x8x250" << false;
    QTest::newRow("too many loops") << "2x17x250" << false;
    QTest::newRow("point beyond a byte") << "2x8x256" << false;
    QTest::newRow("two numbers") << "2x8" << false;
    QTest::newRow("not a number") << "2xAx250" << false;
    QTest::newRow("negative") << "-2x8x250" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_PanelSimSyncEndToEnd::siteSize()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(SiteSize::parse(text).has_value(), valid);
}

void tst_PanelSimSyncEndToEnd::generatedSite_hasThePanelsLoopsAndPointsAsked()
{
    const Site site = Site::generated(*SiteSize::parse(QStringLiteral("100x8x250")));
    QCOMPARE(site.configuration.panels.size(), 100);
    QCOMPARE(site.configuration.panels.first().number, quint8(0));
    QCOMPARE(site.configuration.panels.last().number, quint8(99));
    int points = 0;
    for (const SitePanel &panel : site.configuration.panels) {
        QCOMPARE(panel.loops().size(), 8);
        for (const SiteChannel &channel : panel.channels) {
            if (channel.kind == 12)
                points += channel.points.size();
        }
    }
    QCOMPARE(points, 200000);
    // The status pages cover every panel and the totals.
    QCOMPARE(site.status.panels.size(), 101);
}

void tst_PanelSimSyncEndToEnd::wholeSyncOfMorePagesThanSequenceNumbers()
{
    const Site site = Site::generated(*SiteSize::parse(GeneratedSite));
    const int pages = pageCount(site);
    QVERIFY2(pages > 300, qPrintable(QString::number(pages)));

    EndToEndRig::Options options;
    options.controllerArguments = QStringList{QStringLiteral("--site=") + GeneratedSite};
    EndToEndRig rig(options);
    QVERIFY2(rig.start(), qPrintable(rig.failure()));
    PanelSimProcess &controller = rig.controller();
    const int from = controller.lineCount();
    controller.command(QStringLiteral("sync"));
    QString failure;
    QVERIFY2(syncDone(controller, from, failure), qPrintable(failure));
    QCOMPARE(controller.count(QStringLiteral("ack-unexpected")), 0);
    QCOMPARE(controller.count(QStringLiteral("ack page=")), pages);
    // Every page answered, whatever its status.
    const int answered = controller.waitForLine(QStringLiteral("sync pages-acknowledged "), from, 0);
    QVERIFY(answered >= 0);
    int answers = 0;
    for (const QString &count : controller.lines().at(answered).split(QLatin1Char(' ')).mid(2))
        answers += count.section(QLatin1Char('='), 1).toInt();
    QCOMPARE(answers, pages);
    for (const char *phase : {"connection", "engine-configuration", "signatures", "pages", "complete"})
        QVERIFY2(controller.waitForLine(QStringLiteral("sync timing phase=%1 ").arg(QLatin1String(phase)), from, 0)
                     >= 0,
                 phase);
    const int total = controller.waitForLine(QStringLiteral("sync timing phase=total pages=%1 ").arg(pages), from, 0);
    QVERIFY(total >= 0);
    QVERIFY(controller.lines().at(total).contains(QRegularExpression(QStringLiteral(" bytes=[1-9][0-9]* seconds="))));

    // Every panel's names are in its file when the sync is complete.
    for (const SitePanel &panel : site.configuration.panels)
        QCOMPARE(fileOf(rig, panel.number), expectedPointTextFile(panel, site.texts));
    QVERIFY2(rig.stop(), qPrintable(rig.failure()));
}

// The engine stops while a panel's names arrive part by part, before they
// are written. At the next connection the engine asks for the names again
// (its configuration clears their signatures), and they all come.
void tst_PanelSimSyncEndToEnd::stopWhileNamesArriveLosesNothing()
{
    const Site site = Site::generated(*SiteSize::parse(GeneratedSite));
    const SitePanel &middle = site.configuration.panels.at(5);
    EndToEndRig::Options options;
    options.controllerArguments = QStringList{QStringLiteral("--site=") + GeneratedSite};
    EndToEndRig rig(options);
    QVERIFY2(rig.start(), qPrintable(rig.failure()));
    PanelSimProcess &controller = rig.controller();
    controller.command(QStringLiteral("sync"));
    QVERIFY(controller.waitForLine(QStringLiteral("ack page=7 panel=5 part=0 "), 0, 120000) >= 0);
    QVERIFY2(rig.stopEngine(), qPrintable(rig.failure()));
    QVERIFY(controller.waitForLine(QStringLiteral("disconnected")) >= 0);
    QVERIFY(controller.count(QStringLiteral("sync done")) == 0);

    QVERIFY2(rig.startEngine(), qPrintable(rig.failure()));
    int from = controller.lineCount();
    controller.command(QStringLiteral("connect"));
    QVERIFY2(rig.waitForLink(from), qPrintable(rig.failure()));
    from = controller.lineCount();
    controller.command(QStringLiteral("sync"));
    QString failure;
    QVERIFY2(syncDone(controller, from, failure), qPrintable(failure));
    QVERIFY(controller.waitForLine(QStringLiteral("ack page=7 panel=5 part=1 "), from, 0) >= 0);
    QCOMPARE(fileOf(rig, middle.number), expectedPointTextFile(middle, site.texts));
    for (const SitePanel &panel : site.configuration.panels)
        QCOMPARE(fileOf(rig, panel.number), expectedPointTextFile(panel, site.texts));
    QVERIFY2(rig.stop(), qPrintable(rig.failure()));
}

QTEST_GUILESS_MAIN(tst_PanelSimSyncEndToEnd)
#include "tst_panelsimsync_e2e.moc"
