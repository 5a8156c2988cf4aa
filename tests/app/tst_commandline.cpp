#include "MessageCapture.h"
#include "app/EngineDirectories.h"
#include "app/QVemoApplication.h"
#include "app/SimulatorOptions.h"
#include "app/TeskEngine.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// What the command line chooses (port, brand, overlay), where the engine
// then keeps its files, and what its exit codes print.
class TestCommandLine final : public QObject
{
    Q_OBJECT

private slots:
    void portScan_data();
    void portScan();
    void simulatorOptions_data();
    void simulatorOptions();
    void dataDirectory_data();
    void dataDirectory();
    void enterDataDirectory();
    void enterDataDirectory_failureWarnsAndStays();
    void exitMessages_data();
    void exitMessages();
};

void TestCommandLine::portScan_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("port");

    const QString program = QStringLiteral("teskengine");
    QTest::newRow("no options") << QStringList{program} << 56789;
    QTest::newRow("no arguments at all") << QStringList() << 56789;
    QTest::newRow("56790") << QStringList{program, QStringLiteral("--port=56790")} << 56790;
    QTest::newRow("six digits take five") << QStringList{program, QStringLiteral("--port=123456")} << 12345;
    QTest::newRow("low 16 bits") << QStringList{program, QStringLiteral("--port=70000")} << 4464;
    QTest::newRow("last one wins") << QStringList{program, QStringLiteral("--port=1000"), QStringLiteral("--port=2000")}
                                   << 2000;
    QTest::newRow("not anchored") << QStringList{program, QStringLiteral("x--port=99y")} << 99;
    QTest::newRow("program name skipped") << QStringList{QStringLiteral("--port=5")} << 56789;
    QTest::newRow("no digits") << QStringList{program, QStringLiteral("--port=")} << 56789;
    QTest::newRow("case-sensitive") << QStringList{program, QStringLiteral("--PORT=1234")} << 56789;
    QTest::newRow("other options ignored") << QStringList{program, QStringLiteral("--brand=saltmarsh"),
                                                          QStringLiteral("--port=4000"), QStringLiteral("--overlay=oe")}
                                           << 4000;
}

void TestCommandLine::portScan()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, port);
    QCOMPARE(int(QVemoApplication::portFromArguments(arguments)), port);
}

void TestCommandLine::simulatorOptions_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("brand");
    QTest::addColumn<QString>("background");

    QTest::newRow("none") << QStringList() << 0 << QStringLiteral("backgroundProtection");
    QTest::newRow("extinguishing") << QStringList{QStringLiteral("--overlay=oe")} << 0
                                   << QStringLiteral("backgroundExtinguishing");
    QTest::newRow("controls") << QStringList{QStringLiteral("--overlay=oc")} << 0
                              << QStringLiteral("backgroundControls");
    QTest::newRow("saltmarsh") << QStringList{QStringLiteral("--brand=saltmarsh")} << 1
                               << QStringLiteral("backgroundProtectionSaltmarsh");
    QTest::newRow("vornish") << QStringList{QStringLiteral("--brand=vornish")} << 0
                             << QStringLiteral("backgroundProtection");
    QTest::newRow("overlay ends the scan")
        << QStringList{QStringLiteral("--overlay=oc"), QStringLiteral("--brand=saltmarsh")} << 0
        << QStringLiteral("backgroundControls");
    QTest::newRow("brand before overlay")
        << QStringList{QStringLiteral("--brand=saltmarsh"), QStringLiteral("--overlay=oe")} << 1
        << QStringLiteral("backgroundExtinguishingSaltmarsh");
    QTest::newRow("saltmarsh controls") << QStringList{QStringLiteral("--brand=saltmarsh"),
                                                       QStringLiteral("--overlay=oc")}
                                        << 1 << QStringLiteral("backgroundControlsSaltmarsh");
    QTest::newRow("later brand wins") << QStringList{QStringLiteral("--brand=saltmarsh"),
                                                     QStringLiteral("--brand=vornish")}
                                      << 0 << QStringLiteral("backgroundProtection");
    QTest::newRow("first overlay wins") << QStringList{QStringLiteral("--overlay=oe"), QStringLiteral("--overlay=oc")}
                                        << 0 << QStringLiteral("backgroundExtinguishing");
    QTest::newRow("exact match only") << QStringList{QStringLiteral("--brand=Saltmarsh"),
                                                     QStringLiteral("--overlay=oe2")}
                                      << 0 << QStringLiteral("backgroundProtection");
}

void TestCommandLine::simulatorOptions()
{
    QFETCH(QStringList, options);
    QFETCH(int, brand);
    QFETCH(QString, background);

    const SimulatorOptions chosen = SimulatorOptions::scan(QStringList{QStringLiteral("teskengine")} + options);
    QCOMPARE(chosen.brand, brand);
    QCOMPARE(chosen.backgroundStyleSheet(),
             QStringLiteral("QMainWindow {border-image: url(:/new/prefix1/%1.png)}").arg(background));
}

void TestCommandLine::dataDirectory_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("path");

    QTest::newRow("default") << 56789 << QStringLiteral("c:/DESKSIM/DESKSIM 3_6/data56789");
    QTest::newRow("56790") << 56790 << QStringLiteral("c:/DESKSIM/DESKSIM 3_6/data56790");
    QTest::newRow("no leading zeros") << 80 << QStringLiteral("c:/DESKSIM/DESKSIM 3_6/data80");
}

void TestCommandLine::dataDirectory()
{
    QFETCH(int, port);
    QFETCH(QString, path);
    QCOMPARE(EngineDirectories::dataDirectory(quint16(port)), path);
    QCOMPARE(EngineDirectories::baseDirectory(), QStringLiteral("c:/DESKSIM/DESKSIM 3_6"));
}

void TestCommandLine::enterDataDirectory()
{
    QTemporaryDir directory;
    QVERIFY(QDir::setCurrent(directory.path()));
    QVERIFY(EngineDirectories::enterDataDirectory(56790));
    QCOMPARE(QDir::currentPath(), QDir(directory.path()).filePath(QStringLiteral("c:/DESKSIM/DESKSIM 3_6/data56790")));
    // A second engine start finds the directory in place.
    QVERIFY(QDir::setCurrent(directory.path()));
    QVERIFY(EngineDirectories::enterDataDirectory(56790));
}

void TestCommandLine::enterDataDirectory_failureWarnsAndStays()
{
    QTemporaryDir directory;
    QFile blocker(QDir(directory.path()).filePath(QStringLiteral("c:")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(QDir::setCurrent(directory.path()));

    MessageCapture capture;
    QVERIFY(!EngineDirectories::enterDataDirectory(56789));
    QCOMPARE(QDir::currentPath(), QDir(directory.path()).absolutePath());
    QCOMPARE(capture.warnings().size(), 1);
    QVERIFY(capture.warnings().constFirst().contains(QStringLiteral("data56789")));
    QVERIFY(capture.warnings().constFirst().contains(directory.path()));
}

void TestCommandLine::exitMessages_data()
{
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    QTest::newRow("calibration") << 291
                                 << QStringLiteral("Application exit indicates Touchscreen Calibration requested\n");
    QTest::newRow("firmware upgrade") << 1110
                                      << QStringLiteral("Application exit indicates Firmware Upgrade requested\n");
    QTest::newRow("normal end") << 0 << QString();
    QTest::newRow("other code") << 1 << QString();
    QTest::newRow("292") << 292 << QString();
}

void TestCommandLine::exitMessages()
{
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QCOMPARE(QString::fromLatin1(teskengine_exitMessage(exitCode)), message);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
