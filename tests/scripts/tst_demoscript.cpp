#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

// scripts/demo checks its port before it builds or starts anything: with
// another program on the port its engine could not listen, and the emulator
// would drive the other one.
class tst_DemoScript final : public QObject
{
    Q_OBJECT

private slots:
    void portTaken_data();
    void portTaken();
    void badPort_data();
    void badPort();

private:
    // Runs the demo with a private temporary folder and no runtime folder,
    // so that the one it makes can be looked for afterwards.
    static bool runDemo(QProcess &demo, const QTemporaryDir &temporary, const QStringList &arguments,
                        const QString &portVariable = {});
};

bool tst_DemoScript::runDemo(QProcess &demo, const QTemporaryDir &temporary, const QStringList &arguments,
                             const QString &portVariable)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.remove(QStringLiteral("TESK_PORT"));
    environment.insert(QStringLiteral("TMPDIR"), temporary.path());
    if (!portVariable.isEmpty())
        environment.insert(QStringLiteral("TESK_PORT"), portVariable);
    demo.setProcessEnvironment(environment);
    demo.start(QStringLiteral(TESK_SOURCE_DIR "/scripts/demo"), arguments);
    return demo.waitForFinished(60000) && demo.exitStatus() == QProcess::NormalExit;
}

void tst_DemoScript::portTaken_data()
{
    QTest::addColumn<bool>("fromEnvironment");
    QTest::newRow("--port") << false;
    QTest::newRow("TESK_PORT") << true;
}

void tst_DemoScript::portTaken()
{
    QFETCH(bool, fromEnvironment);
    QTcpServer holder;
    QVERIFY(holder.listen(QHostAddress::AnyIPv4, 0));
    const QString port = QString::number(holder.serverPort());
    QTemporaryDir temporary;

    QProcess demo;
    QVERIFY(runDemo(demo, temporary, fromEnvironment ? QStringList() : QStringList{QStringLiteral("--port=") + port},
                    fromEnvironment ? port : QString()));
    const QString said = QString::fromLocal8Bit(demo.readAllStandardError());
    QCOMPARE(demo.exitCode(), 1);
    QVERIFY2(said.contains(QStringLiteral("scripts/demo: port %1 is taken by ").arg(port)), qPrintable(said));
    // What holds it, by name and process, so it can be found and stopped.
    QVERIFY2(said.contains(QStringLiteral("(pid %1)").arg(QCoreApplication::applicationPid())), qPrintable(said));
    QVERIFY2(demo.readAllStandardOutput().isEmpty(), "nothing started");
    // The runtime folder it made for Qt is gone again.
    QCOMPARE(QDir(temporary.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void tst_DemoScript::badPort_data()
{
    QTest::addColumn<QString>("port");
    QTest::newRow("word") << "abc";
    QTest::newRow("zero") << "0";
    QTest::newRow("above 65535") << "65536";
    QTest::newRow("six digits") << "123456";
}

void tst_DemoScript::badPort()
{
    QFETCH(QString, port);
    QTemporaryDir temporary;
    QProcess demo;
    QVERIFY(runDemo(demo, temporary, {QStringLiteral("--port=") + port}));
    QCOMPARE(demo.exitCode(), 2);
    QCOMPARE(
        QString::fromLocal8Bit(demo.readAllStandardError()),
        QStringLiteral("scripts/demo: --port (or TESK_PORT) takes a number from 1 to 65535, not \"%1\"\n").arg(port));
    QCOMPARE(QDir(temporary.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

QTEST_GUILESS_MAIN(tst_DemoScript)
#include "tst_demoscript.moc"
