#include "app/StartupTime.h"

#include <QtTest>

// The start-up time line: the process start read from the kernel's status
// text, whatever the program is called, and never from a text that does not
// hold it.
class tst_StartupTime final : public QObject
{
    Q_OBJECT

private slots:
    void startTicks_data();
    void startTicks();
    void thisProcessStartedInThePast();
    void line();
};

void tst_StartupTime::startTicks_data()
{
    QTest::addColumn<QByteArray>("stat");
    QTest::addColumn<qint64>("ticks");

    const QByteArray tail = " S 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 123456 999 888\n";
    QTest::newRow("plain name") << QByteArray("4242 (teskengine)") + tail << qint64(123456);
    QTest::newRow("name with blanks and brackets") << QByteArray("4242 (a) b (c))") + tail << qint64(123456);
    QTest::newRow("no name") << QByteArray("4242 teskengine") + tail << qint64(-1);
    QTest::newRow("cut before the start time")
        << QByteArray("4242 (teskengine) S 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18") << qint64(-1);
    QTest::newRow("start time not a number")
        << QByteArray("4242 (teskengine) S 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 x1 2") << qint64(-1);
    QTest::newRow("empty") << QByteArray() << qint64(-1);
}

void tst_StartupTime::startTicks()
{
    QFETCH(QByteArray, stat);
    QFETCH(qint64, ticks);
    const std::optional<quint64> read = StartupTime::startTicks(stat);
    QCOMPARE(read ? qint64(*read) : qint64(-1), ticks);
}

void tst_StartupTime::thisProcessStartedInThePast()
{
    const std::optional<qint64> elapsed = StartupTime::sinceProcessStart();
    QVERIFY(elapsed);
    QVERIFY2(*elapsed >= 0 && *elapsed < 3600 * 1000, qPrintable(QString::number(*elapsed)));
}

void tst_StartupTime::line()
{
    QCOMPARE(StartupTime::line(312), QStringLiteral("Start-up: first screen shown 312 ms after the process started"));
    QCOMPARE(StartupTime::line(std::nullopt),
             QStringLiteral("Start-up: first screen shown; the process start time is not known"));
}

QTEST_GUILESS_MAIN(tst_StartupTime)
#include "tst_startuptime.moc"
