#include "eventlog/FireZoneMarks.h"
#include "eventlog/SeqNoWindow.h"

#include <QtTest>

using EventLog::FireZoneMarks;
using EventLog::SeqNoWindow;

namespace {

// "L500 B500" - each bound set, in order.
QString describe(const SeqNoWindow::Changes &changes)
{
    QStringList texts;
    for (const SeqNoWindow::Change &change : changes)
        texts << QStringLiteral("%1%2").arg(change.bound == SeqNoWindow::Bound::Oldest ? 'B' : 'L').arg(change.value);
    return texts.join(' ');
}

QString describe(const FireZoneMarks::Mark &mark)
{
    return mark.set ? QStringLiteral("%1/%2").arg(mark.panel()).arg(mark.zone()) : QStringLiteral("-");
}

} // namespace

class TestSeqNoWindow final : public QObject
{
    Q_OBJECT

private slots:
    void advance_data();
    void advance();
    void restartAndClear();
    void fireZones_data();
    void fireZones();
};

void TestSeqNoWindow::advance_data()
{
    QTest::addColumn<int>("oldest");
    QTest::addColumn<int>("latest");
    QTest::addColumn<int>("seqNo");
    QTest::addColumn<int>("newOldest");
    QTest::addColumn<int>("newLatest");
    QTest::addColumn<QString>("changes");
    QTest::addColumn<bool>("wrapped");

    QTest::newRow("first event opens the window") << 0 << 0 << 500 << 500 << 500 << "L500 B500 L500" << false;
    QTest::newRow("first event 0") << 0 << 0 << 0 << 0 << 0 << "L0 B0 L0" << false;
    QTest::newRow("equal bounds: latest follows") << 700 << 700 << 701 << 700 << 701 << "L701" << false;
    QTest::newRow("grows below the span") << 100 << 10099 << 10100 << 100 << 10100 << "L10100" << false;
    QTest::newRow("grows to the span") << 100 << 10100 << 10101 << 100 << 10101 << "L10101" << false;
    QTest::newRow("past the span cuts back") << 100 << 10101 << 10102 << 103 << 10102 << "B103 L10102" << false;
    QTest::newRow("an older event leaves latest") << 100 << 5000 << 4000 << 100 << 5000 << "" << false;
    QTest::newRow("a repeated event leaves latest") << 100 << 5000 << 5000 << 100 << 5000 << "" << false;
    QTest::newRow("wraps from 65535") << 56000 << 65535 << 0 << 56000 << 0 << "L0" << true;
    QTest::newRow("wraps from 65535 to any number") << 60000 << 65535 << 40000 << 60000 << 40000 << "L40000" << true;
    QTest::newRow("wrapped window past the span") << 60000 << 5000 << 5001 << 60538 << 5001 << "B60538 L5001" << true;
    QTest::newRow("wrapped window below the span") << 60000 << 3000 << 3001 << 60000 << 3001 << "L3001" << true;
    QTest::newRow("wrapped window, older event") << 60000 << 3000 << 2000 << 57537 << 3000 << "B57537" << true;
    // The controller wrapped while 65535 itself was missed.
    QTest::newRow("wrap without 65535") << 56000 << 65000 << 5 << 56000 << 5 << "L5" << true;
    QTest::newRow("wrap without 65535, past the span") << 50000 << 65000 << 5 << 55542 << 5 << "B55542 L5" << true;
}

void TestSeqNoWindow::advance()
{
    QFETCH(int, oldest);
    QFETCH(int, latest);
    QFETCH(int, seqNo);
    SeqNoWindow window{EventLog::SeqNum_t(oldest), EventLog::SeqNum_t(latest)};
    SeqNoWindow::Changes changes;

    window.advance(EventLog::SeqNum_t(seqNo), changes);

    QTEST(int(window.oldest()), "newOldest");
    QTEST(int(window.latest()), "newLatest");
    QTEST(describe(changes), "changes");
    QTEST(window.isWrapped(), "wrapped");
}

void TestSeqNoWindow::restartAndClear()
{
    SeqNoWindow window(60000, 5000);
    SeqNoWindow::Changes changes;

    window.restartAt(7000, changes);
    window.advance(7000, changes);
    QCOMPARE(describe(changes), QStringLiteral("B7000 L7000 L7000"));
    QVERIFY(!window.isWrapped());

    changes.clear();
    window.clear(changes);
    window.advance(7001, changes);
    QCOMPARE(describe(changes), QStringLiteral("B0 L0 L7001 B7001 L7001"));
}

void TestSeqNoWindow::fireZones_data()
{
    QTest::addColumn<QVector<int>>("fires"); // panel * 256 + zone, in order
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("lastNew");

    const int a = 1 * 256 + 10, b = 1 * 256 + 11, c = 2 * 256 + 10;
    QTest::newRow("none") << QVector<int>{} << "-"
                          << "-"
                          << "-";
    QTest::newRow("A") << QVector<int>{a} << "1/10"
                       << "-"
                       << "-";
    QTest::newRow("A A") << QVector<int>{a, a} << "1/10"
                         << "-"
                         << "-";
    QTest::newRow("A B") << QVector<int>{a, b} << "1/10"
                         << "1/11"
                         << "1/11";
    QTest::newRow("A B A") << QVector<int>{a, b, a} << "1/10"
                           << "1/11"
                           << "1/11";
    QTest::newRow("A B A C") << QVector<int>{a, b, a, c} << "1/10"
                             << "1/11"
                             << "2/10";
    QTest::newRow("A B C B") << QVector<int>{a, b, c, b} << "1/10"
                             << "1/11"
                             << "2/10";
    QTest::newRow("panel 99 zone 240") << QVector<int>{99 * 256 + 240} << "99/240"
                                       << "-"
                                       << "-";
    QTest::newRow("panel 120 ignored") << QVector<int>{120 * 256 + 1, a} << "1/10"
                                       << "-"
                                       << "-";
    QTest::newRow("zone 250 ignored") << QVector<int>{1 * 256 + 250, a} << "1/10"
                                      << "-"
                                      << "-";
}

void TestSeqNoWindow::fireZones()
{
    QFETCH(QVector<int>, fires);
    FireZoneMarks marks;

    for (int key : fires)
        marks.note(quint8(key >> 8), quint8(key & 0xFF));

    QTEST(describe(marks.firstFireZone()), "first");
    QTEST(describe(marks.secondFireZone()), "second");
    QTEST(describe(marks.lastNewFireZone()), "lastNew");

    // After a reset nothing is marked, and zones count as new again.
    marks.clear();
    QCOMPARE(describe(marks.firstFireZone()), QStringLiteral("-"));
    QCOMPARE(describe(marks.secondFireZone()), QStringLiteral("-"));
    QCOMPARE(describe(marks.lastNewFireZone()), QStringLiteral("-"));
    marks.note(5, 5);
    marks.note(1, 11);
    QCOMPARE(describe(marks.firstFireZone()), QStringLiteral("5/5"));
    QCOMPARE(describe(marks.lastNewFireZone()), QStringLiteral("1/11"));
}

QTEST_GUILESS_MAIN(TestSeqNoWindow)
#include "tst_seqnowindow.moc"
