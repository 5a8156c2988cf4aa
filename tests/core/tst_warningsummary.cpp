#include "FakeClock.h"
#include "MessageCapture.h"
#include "core/SC_WarningSummary.h"

#include <QtTest>

// A flood of like warnings becomes a few lines and a count once a second.
class tst_SC_WarningSummary : public QObject
{
    Q_OBJECT

private slots:
    void floodBecomesCountPerSecond();
    void quietSecondLetsWarningsThrough();
    void onlyWrittenTextsAreMade();
};

void tst_SC_WarningSummary::floodBecomesCountPerSecond()
{
    FakeClock clock;
    MessageCapture log;
    SC_WarningSummary summary(QStringLiteral("Flood::test"));
    for (int i = 0; i < 1000; ++i)
        summary.warn(QStringLiteral("packet %1 dropped").arg(i));
    QCOMPARE(log.warnings().size(), SC_WarningSummary::WrittenPerSecond);
    QCOMPARE(log.warnings().first(), QStringLiteral("packet 0 dropped"));
    QCOMPARE(log.warnings().last(), QStringLiteral("packet 9 dropped"));

    clock.advance(SC_WarningSummary::PeriodMs - 1);
    QCOMPARE(log.warnings().size(), SC_WarningSummary::WrittenPerSecond);
    clock.advance(1);
    QCOMPARE(log.warnings().last(), QStringLiteral("Flood::test 990 more warnings like these in the last second"));

    // The flood goes on: again a few lines, and the next count a second on.
    log.clear();
    for (int i = 0; i < 15; ++i)
        summary.warn(QStringLiteral("more"));
    clock.advance(SC_WarningSummary::PeriodMs);
    QCOMPARE(log.warnings().size(), SC_WarningSummary::WrittenPerSecond + 1);
    QCOMPARE(log.warnings().last(), QStringLiteral("Flood::test 5 more warnings like these in the last second"));
}

void tst_SC_WarningSummary::quietSecondLetsWarningsThrough()
{
    FakeClock clock;
    MessageCapture log;
    SC_WarningSummary summary(QStringLiteral("Quiet::test"));
    summary.warn(QStringLiteral("one"));
    clock.advance(10 * SC_WarningSummary::PeriodMs);
    summary.warn(QStringLiteral("two"));
    QCOMPARE(log.warnings(), (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
}

// A text that takes formatting is made for the lines written only; the
// others are counted all the same.
void tst_SC_WarningSummary::onlyWrittenTextsAreMade()
{
    FakeClock clock;
    MessageCapture log;
    SC_WarningSummary summary(QStringLiteral("Made::test"));
    int made = 0;
    for (int i = 0; i < 1000; ++i) {
        summary.warn([&made, i] {
            ++made;
            return QStringLiteral("packet %1 dropped").arg(i);
        });
    }
    QCOMPARE(made, SC_WarningSummary::WrittenPerSecond);
    QCOMPARE(log.warnings().size(), SC_WarningSummary::WrittenPerSecond);
    QCOMPARE(log.warnings().last(), QStringLiteral("packet 9 dropped"));
    clock.advance(SC_WarningSummary::PeriodMs);
    QCOMPARE(log.warnings().last(), QStringLiteral("Made::test 990 more warnings like these in the last second"));
}

QTEST_GUILESS_MAIN(tst_SC_WarningSummary)
#include "tst_warningsummary.moc"
