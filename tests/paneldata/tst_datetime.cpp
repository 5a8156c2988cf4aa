#include "paneldata/DateTime.h"

#include <QtTest>

namespace {

// 2024-01-05 09:03:07 UTC.
constexpr qint64 FixedNow = 1704445387;

qint64 fixedClock()
{
    return FixedNow;
}

} // namespace

class TestDateTime final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();

    void conversions_data();
    void conversions();
    void toPanelSeconds_dropsMilliseconds();
    void fromPanelSeconds_wrapsIn32Bits();

    void setPanelTime_data();
    void setPanelTime();
    void setPanelTime_smallDifferenceKeepsEarlierOffset();
    void panelDateTime_followsOffset();

    void fireInfoDateTime();
    void monthName_data();
    void monthName();
};

void TestDateTime::init()
{
    DateTime::setClock(fixedClock);
    DateTime::resetOffset();
}

void TestDateTime::cleanupTestCase()
{
    DateTime::setClock(nullptr);
    DateTime::resetOffset();
}

void TestDateTime::conversions_data()
{
    QTest::addColumn<quint32>("panelSeconds");
    QTest::addColumn<QDateTime>("utc");

    QTest::newRow("panel epoch") << quint32(0) << QDateTime(QDate(1992, 1, 1), QTime(0, 0), Qt::UTC);
    QTest::newRow("one day") << quint32(86400) << QDateTime(QDate(1992, 1, 2), QTime(0, 0), Qt::UTC);
    QTest::newRow("leap day 2024") << quint32(1014940800)
                                   << QDateTime(QDate(2024, 2, 29), QTime(0, 0), Qt::UTC);
    QTest::newRow("fixed now") << quint32(FixedNow - DateTime::PanelEpoch)
                               << QDateTime(QDate(2024, 1, 5), QTime(9, 3, 7), Qt::UTC);
}

void TestDateTime::conversions()
{
    QFETCH(quint32, panelSeconds);
    QFETCH(QDateTime, utc);

    const QDateTime value = DateTime::fromPanelSeconds(panelSeconds);
    QCOMPARE(value.timeSpec(), Qt::LocalTime);
    QCOMPARE(value.toSecsSinceEpoch(), qint64(panelSeconds) + 694224000);
    QCOMPARE(value.toUTC(), utc);
    QCOMPARE(DateTime::toPanelSeconds(value), panelSeconds);
    QCOMPARE(DateTime::toPanelSeconds(utc), panelSeconds);
}

void TestDateTime::toPanelSeconds_dropsMilliseconds()
{
    const QDateTime value(QDate(1992, 1, 1), QTime(0, 0, 10, 999), Qt::UTC);
    QCOMPARE(DateTime::toPanelSeconds(value), quint32(10));
}

void TestDateTime::fromPanelSeconds_wrapsIn32Bits()
{
    // Panel seconds plus the epoch are taken as an unsigned 32-bit Unix time.
    const quint32 last = 0xFFFFFFFFu - quint32(DateTime::PanelEpoch);
    QCOMPARE(DateTime::fromPanelSeconds(last).toSecsSinceEpoch(), qint64(0xFFFFFFFFu));
    QCOMPARE(DateTime::fromPanelSeconds(last + 1).toSecsSinceEpoch(), qint64(0));
}

void TestDateTime::setPanelTime_data()
{
    QTest::addColumn<qint64>("panelBehindPc");
    QTest::addColumn<qint64>("offset");

    QTest::newRow("same") << qint64(0) << qint64(0);
    QTest::newRow("1 s behind") << qint64(1) << qint64(0);
    QTest::newRow("2 s behind") << qint64(2) << qint64(0);
    QTest::newRow("2 s ahead") << qint64(-2) << qint64(0);
    QTest::newRow("3 s behind") << qint64(3) << qint64(3);
    QTest::newRow("3 s ahead") << qint64(-3) << qint64(-3);
    QTest::newRow("a day ahead") << qint64(-86400) << qint64(-86400);
}

void TestDateTime::setPanelTime()
{
    QFETCH(qint64, panelBehindPc);
    QFETCH(qint64, offset);

    DateTime::setPanelTime(FixedNow - DateTime::PanelEpoch - panelBehindPc);
    QCOMPARE(DateTime::offset(), offset);
}

void TestDateTime::setPanelTime_smallDifferenceKeepsEarlierOffset()
{
    DateTime::setPanelTime(FixedNow - DateTime::PanelEpoch - 100);
    QCOMPARE(DateTime::offset(), qint64(100));
    DateTime::setPanelTime(FixedNow - DateTime::PanelEpoch - 1);
    QCOMPARE(DateTime::offset(), qint64(100));
    DateTime::setPanelTime(FixedNow - DateTime::PanelEpoch + 7);
    QCOMPARE(DateTime::offset(), qint64(-7));
}

void TestDateTime::panelDateTime_followsOffset()
{
    QCOMPARE(DateTime::panelDateTime(), QDateTime::fromSecsSinceEpoch(FixedNow, Qt::UTC));
    QCOMPARE(DateTime::panelDateTime().timeSpec(), Qt::UTC);

    DateTime::setPanelTime(FixedNow - DateTime::PanelEpoch - 3600);
    QCOMPARE(DateTime::panelDateTime(), QDateTime::fromSecsSinceEpoch(FixedNow - 3600, Qt::UTC));
}

void TestDateTime::fireInfoDateTime()
{
    const qint64 panelSeconds = FixedNow - DateTime::PanelEpoch;
    QCOMPARE(DateTime::fireInfoDateTime(panelSeconds), QStringLiteral("5-_JAN_FIREINFO-2024 09:03:07"));
    QCOMPARE(DateTime::fireInfoDateTime(0), QStringLiteral("1-_JAN_FIREINFO-1992 00:00:00"));
    QCOMPARE(DateTime::fireInfoDateTime(86400 * 45 + 3661), QStringLiteral("15-_FEB_FIREINFO-1992 01:01:01"));
}

void TestDateTime::monthName_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("name");

    QTest::newRow("0") << 0 << QStringLiteral("_JANUARY_9_CHAR");
    QTest::newRow("1 keeps its spelling") << 1 << QStringLiteral("_FEBUARY_9_CHAR");
    QTest::newRow("11") << 11 << QStringLiteral("_DECEMBER_9_CHAR");
    QTest::newRow("12") << 12 << QString();
    QTest::newRow("-1") << -1 << QString();
}

void TestDateTime::monthName()
{
    QFETCH(int, month);
    QFETCH(QString, name);
    QCOMPARE(DateTime::monthName(month), name);
}

QTEST_GUILESS_MAIN(TestDateTime)
#include "tst_datetime.moc"
