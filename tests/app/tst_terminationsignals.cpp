#include "app/TerminationSignals.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <csignal>

// A host's SIGTERM (or Ctrl-C) ends the main loop, whenever it comes.
class TestTerminationSignals final : public QObject
{
    Q_OBJECT

private slots:
    void signalEndsTheMainLoop_data();
    void signalEndsTheMainLoop();
    void signalDuringStartUpLoopIsKept();
};

void TestTerminationSignals::signalEndsTheMainLoop_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
}

void TestTerminationSignals::signalEndsTheMainLoop()
{
    QFETCH(int, signalNumber);
    TerminationSignals termination;
    QSignalSpy requested(&termination, &TerminationSignals::terminationRequested);
    QTimer::singleShot(0, [signalNumber] { std::raise(signalNumber); });
    QCOMPARE(termination.exec(), 0);
    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.at(0).at(0).toInt(), signalNumber);
}

// A start-up step that waits in a loop of its own finishes its wait, and
// the main loop then ends at once.
void TestTerminationSignals::signalDuringStartUpLoopIsKept()
{
    TerminationSignals termination;
    QSignalSpy requested(&termination, &TerminationSignals::terminationRequested);
    std::raise(SIGTERM);

    QEventLoop startUpWait;
    connect(&termination, &TerminationSignals::terminationRequested, &startUpWait,
            [&startUpWait] { QTimer::singleShot(0, &startUpWait, [&startUpWait] { startUpWait.exit(7); }); });
    QCOMPARE(startUpWait.exec(), 7);
    QCOMPARE(requested.count(), 1);

    QCOMPARE(termination.exec(), 0);
}

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "tst_terminationsignals.moc"
