#include "EndToEndRig.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QRegularExpression>
#include <QTcpServer>
#include <QtTest>

// The built engine, started as a host would start it, with the host's
// services played by the stand-in.
class TestStartup final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void startsAndStopsCleanly_data();
    void startsAndStopsCleanly();
    void bannerAndVersionReplyShowOneBuildTime();
    void dataDirectoryFailure_warnsAndRunsOn();
    void frontPanelNameTaken_warnsAndRunsOn();
    void missingBus_warnsAndRunsOn();
    void heldDataDirectory_secondEngineExitsTouchingNothing();
    void portTaken_saysSo();

private:
    static bool serviceOwned(const QString &name);
    // The engine with host services of its own: an engine's calls that
    // arrive after its test ended (a watchdog kick on its way) must not count
    // for the next engine.
    static EndToEndRig::Options rigOptions(bool portArgument = true);
};

void TestStartup::initTestCase()
{
    QVERIFY(QDBusConnection::sessionBus().isConnected());
}

void TestStartup::cleanup()
{
    // The next test's stand-in takes over the names only once the bus let them go.
    QTRY_VERIFY_WITH_TIMEOUT(!serviceOwned(QStringLiteral("svc.watchdog")), 30000);
}

EndToEndRig::Options TestStartup::rigOptions(bool portArgument)
{
    EndToEndRig::Options options;
    options.hostServices = true;
    options.controller = false;
    options.portArgument = portArgument;
    return options;
}

bool TestStartup::serviceOwned(const QString &name)
{
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(name);
}

void TestStartup::startsAndStopsCleanly_data()
{
    QTest::addColumn<bool>("portArgument");
    // With a port argument, %1 stands for its port.
    QTest::addColumn<QString>("dataDirectory");
    QTest::addColumn<QString>("serviceName");

    QTest::newRow("default port") << false << QStringLiteral("c:/DESKSIM/DESKSIM 3_6/data56789")
                                  << QStringLiteral("svc.frontpanel.p56789");
    QTest::newRow("--port") << true << QStringLiteral("c:/DESKSIM/DESKSIM 3_6/data%1")
                            << QStringLiteral("svc.frontpanel.p%1");
}

void TestStartup::startsAndStopsCleanly()
{
    QFETCH(bool, portArgument);
    QFETCH(QString, dataDirectory);
    QFETCH(QString, serviceName);

    EndToEndRig rig(rigOptions(portArgument));
    if (portArgument) {
        dataDirectory = dataDirectory.arg(rig.port());
        serviceName = serviceName.arg(rig.port());
    }
    EngineProcess &engine = rig.engine();
    QVERIFY2(rig.start(), qPrintable(rig.failure()));
    QTRY_VERIFY_WITH_TIMEOUT(serviceOwned(serviceName), 30000);
    QVERIFY(QFileInfo(QDir(engine.directory()).filePath(dataDirectory)).isDir());

    const QString watchdogCall = QStringLiteral("call svc.watchdog %1 tesk 600000 10000");
    const int registered = rig.hostServices().waitForLine(watchdogCall.arg(QLatin1String("registerTimer")));
    const int keptAlive = rig.hostServices().waitForLine(watchdogCall.arg(QLatin1String("keepAlive")));
    QVERIFY(registered >= 0);
    QVERIFY2(keptAlive > registered, qPrintable(rig.hostServices().lines().join(QLatin1Char('\n'))));

    QVERIFY2(rig.stopEngine(), qPrintable(rig.failure()));
    // The bus notices the ended process in its own time.
    QTRY_VERIFY_WITH_TIMEOUT(!serviceOwned(serviceName), 30000);

    const QStringList banner = engine.standardOutput().split(QLatin1Char('\n'));
    QVERIFY(banner.size() >= 4);
    QVERIFY(!banner.at(0).isEmpty());
    const QRegularExpression skuLine(QStringLiteral("^TESK Engine: Application SKU=(\\S+)$"));
    const QRegularExpressionMatch sku = skuLine.match(banner.at(1));
    QVERIFY2(sku.hasMatch(), qPrintable(banner.at(1)));
    QVERIFY2(QRegularExpression(QStringLiteral("^Build information: Version=3\\.6, "
                                               "Date=[A-Z][a-z]{2} [ 123]\\d \\d{4}, "
                                               "Time=\\d\\d:\\d\\d:\\d\\d$"))
                 .match(banner.at(2))
                 .hasMatch(),
             qPrintable(banner.at(2)));
    QCOMPARE(banner.at(3), QStringLiteral("Additional build information: Kernel SKU=") + sku.captured(1));
    // The ordered shut-down ran to the event log's close.
    QVERIFY(engine.standardOutput().endsWith(QStringLiteral("EL_EventLogDBbase::close\n")));
}

// The controller's version query and the start-up banner name the same
// build, however their objects were compiled or cached.
void TestStartup::bannerAndVersionReplyShowOneBuildTime()
{
    EndToEndRig::Options options = rigOptions();
    options.controller = true;
    EndToEndRig rig(options);
    QVERIFY2(rig.start(), qPrintable(rig.failure()));
    const int from = rig.controller().lineCount();
    rig.controller().command(QStringLiteral("version"));
    const QString answer = QStringLiteral("version 3.6.0 development=0 built=");
    const int line = rig.controller().waitForLine(answer, from);
    QVERIFY2(line >= 0, qPrintable(rig.failure()));
    const QString replied = rig.controller().lines().at(line).mid(answer.size());
    QVERIFY2(rig.stop(), qPrintable(rig.failure()));

    const QRegularExpressionMatch banner =
        QRegularExpression(QStringLiteral("^Build information: Version=3\\.6, Date=(.+), Time=(.+)$"),
                           QRegularExpression::MultilineOption)
            .match(rig.engine().standardOutput());
    QVERIFY2(banner.hasMatch(), qPrintable(rig.engine().standardOutput()));
    const QDateTime printed = QLocale(QStringLiteral("en_US"))
                                  .toDateTime(banner.captured(1).simplified() + QLatin1Char(' ') + banner.captured(2),
                                              QStringLiteral("MMM d yyyy hh:mm:ss"));
    QVERIFY(printed.isValid());
    QCOMPARE(replied, printed.toString(Qt::ISODate) + QLatin1Char('Z'));
}

void TestStartup::dataDirectoryFailure_warnsAndRunsOn()
{
    EndToEndRig rig(rigOptions());
    EngineProcess &engine = rig.engine();
    QFile blocker(QDir(engine.directory()).filePath(QStringLiteral("c:")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const quint16 port = rig.port();
    QVERIFY2(rig.start(), qPrintable(rig.failure()));
    QTRY_VERIFY_WITH_TIMEOUT(serviceOwned(QStringLiteral("svc.frontpanel.p%1").arg(port)), 30000);
    QVERIFY(rig.hostServices().waitForLine(QStringLiteral("call svc.watchdog keepAlive")) >= 0);
    QVERIFY2(rig.stopEngine(), qPrintable(rig.failure()));
    QVERIFY2(engine.standardError().contains(QStringLiteral("Cannot create the data directory"))
                 && engine.standardError().contains(QStringLiteral("data%1").arg(port)),
             qPrintable(engine.standardError()));
}

void TestStartup::frontPanelNameTaken_warnsAndRunsOn()
{
    QDBusConnection other =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("other front panel"));
    EndToEndRig rig(rigOptions());
    EngineProcess &engine = rig.engine();
    const QString serviceName = QStringLiteral("svc.frontpanel.p%1").arg(rig.port());
    QVERIFY(other.registerService(serviceName));

    QVERIFY2(rig.start(), qPrintable(rig.failure()));
    QVERIFY(rig.hostServices().waitForLine(QStringLiteral("call svc.watchdog keepAlive")) >= 0);
    QTRY_VERIFY_WITH_TIMEOUT(engine.standardError().contains(QStringLiteral("Cannot register the front-panel service")),
                             30000);
    QVERIFY(engine.isRunning());
    QVERIFY2(rig.stopEngine(), qPrintable(rig.failure()));

    other.unregisterService(serviceName);
    QDBusConnection::disconnectFromBus(QStringLiteral("other front panel"));
}

void TestStartup::missingBus_warnsAndRunsOn()
{
    EndToEndRig rig(rigOptions());
    EngineProcess &engine = rig.engine();
    engine.environment().insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                                QStringLiteral("unix:path=") + engine.directory() + QStringLiteral("/no-bus"));
    QVERIFY2(rig.start(), qPrintable(rig.failure()));
    QTRY_VERIFY_WITH_TIMEOUT(engine.standardError().contains(QStringLiteral("No session bus")), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(engine.standardError().contains(QStringLiteral("Cannot register the front-panel service")),
                             30000);
    QVERIFY(engine.isRunning());
    QVERIFY2(rig.stopEngine(), qPrintable(rig.failure()));
    QCOMPARE(rig.hostServices().lines(), QStringList());
}

// A second engine on the port of a running one would share its data
// directory: at start it would delete the first one's point names.
void TestStartup::heldDataDirectory_secondEngineExitsTouchingNothing()
{
    EndToEndRig rig(rigOptions());
    EngineProcess &first = rig.engine();
    QVERIFY2(rig.start(), qPrintable(rig.failure()));
    QVERIFY2(first.waitForLogged(QStringLiteral("listening on port %1").arg(rig.port())),
             qPrintable(first.standardError()));
    // Point names the first engine keeps, as after a synchronisation.
    QFile names(QDir(first.directory())
                    .filePath(QStringLiteral("c:/DESKSIM/DESKSIM 3_6/data%1/strings/1/output_01.txt").arg(rig.port())));
    QVERIFY(QDir().mkpath(QFileInfo(names).path()));
    QVERIFY(names.open(QIODevice::WriteOnly));
    names.write("kept\n");
    names.close();

    EngineProcess second;
    second.useDirectoryOf(first);
    QVERIFY(second.start({QStringLiteral("--port=%1").arg(rig.port())}));
    QCOMPARE(second.waitForExit(30000), 1);
    QVERIFY2(second.standardError().contains(QStringLiteral("is held by another engine")),
             qPrintable(second.standardError()));
    QVERIFY(names.open(QIODevice::ReadOnly));
    QCOMPARE(names.readAll(), QByteArray("kept\n"));
    QVERIFY(first.isRunning());
    QVERIFY2(rig.stopEngine(), qPrintable(rig.failure()));
}

void TestStartup::portTaken_saysSo()
{
    QTcpServer holder;
    QVERIFY(holder.listen(QHostAddress::AnyIPv4, 0));
    EngineProcess engine;
    QVERIFY(engine.start({QStringLiteral("--port=%1").arg(holder.serverPort())}));
    QVERIFY2(engine.waitForLogged(QStringLiteral("cannot listen on port %1").arg(holder.serverPort())),
             qPrintable(engine.standardError()));
    QVERIFY(engine.terminate());
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
