#include "FakeClock.h"
#include "core/GlobalConstants.h"
#include "core/Languages.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/DateTime.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// 2024-01-05 09:03:07 UTC.
constexpr qint64 FixedNow = 1704445387;

qint64 s_now = FixedNow;

qint64 fixedClock()
{
    return s_now;
}

} // namespace

class TestDateTime final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
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
    void formatDate_data();
    void formatDate();
    void formatDate_usesTheCurrentLanguagesLocale_data();
    void formatDate_usesTheCurrentLanguagesLocale();
    void formatDateTime_data();
    void formatDateTime();
    void clientUpdater_timeEverySecond_dateWhenChanged();

private:
    FakeClock m_clock;
    QTemporaryDir m_dataDirectory;
};

// Settings saved by the global configuration land in a directory of our own.
void TestDateTime::initTestCase()
{
    QVERIFY(m_dataDirectory.isValid());
    QVERIFY(QDir::setCurrent(m_dataDirectory.path()));
    // As the translator sets it for an English translation.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void TestDateTime::init()
{
    s_now = FixedNow;
    DateTime::setClock(fixedClock);
    DateTime::resetOffset();
    TeskGlobalConfig::instance()->setDateFormat(0);
    TeskGlobalConfig::instance()->setLanguages(0, 1, 850, 2, 850);
    TeskGlobalConfig::instance()->setCurrentLang(1);
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
    QTest::newRow("leap day 2024") << quint32(1014940800) << QDateTime(QDate(2024, 2, 29), QTime(0, 0), Qt::UTC);
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

void TestDateTime::formatDate_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("text");

    QTest::newRow("digits") << 1 << QStringLiteral("05:01:2024");
    QTest::newRow("month name") << 0 << QStringLiteral("5 _JANUARY_9_CHAR 2024");
    QTest::newRow("other format") << 2 << QStringLiteral("5 _JANUARY_9_CHAR 2024");
}

void TestDateTime::formatDate()
{
    QFETCH(int, format);
    QFETCH(QString, text);
    TeskGlobalConfig::instance()->setDateFormat(format);
    QCOMPARE(DateTime::formatDate(QDateTime(QDate(2024, 1, 5), QTime(9, 3, 7), Qt::UTC)), text);
}

void TestDateTime::formatDate_usesTheCurrentLanguagesLocale_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("locale");

    QTest::newRow("first language") << 1 << int(QLocale::English);
    QTest::newRow("second language") << 2 << int(QLocale::Russian);
}

// The page header's date is the panel's language, whatever locale the
// process happens to have as its default (here one with its own digits).
void TestDateTime::formatDate_usesTheCurrentLanguagesLocale()
{
    QFETCH(int, current);
    QFETCH(int, locale);
    TeskGlobalConfig::instance()->setLanguages(0, 1, 850, 30, 1251);
    TeskGlobalConfig::instance()->setCurrentLang(current);
    TeskGlobalConfig::instance()->setDateFormat(1);
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    const QString text = DateTime::formatDate(QDateTime(QDate(2024, 1, 5), QTime(9, 3, 7), Qt::UTC));
    const QLocale chosen = Languages::currentLanguageLocale();
    QLocale::setDefault(previous);
    QCOMPARE(text, QStringLiteral("05:01:2024"));
    QCOMPARE(int(chosen.language()), locale);
}

void TestDateTime::formatDateTime_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");

    const QString common = QLatin1String(GlobalConstants::dateTimeFormat);
    QTest::newRow("english, common format") << 1 << common << QStringLiteral("Fri 05-Jan-24 09:03:07");
    QTest::newRow("finnish, common format") << 28 << common << QStringLiteral("Fri, 05-_JANUARY_9_CHAR-24 09:03:07");
    QTest::newRow("finnish, other format") << 28 << QStringLiteral("dd.MM.yyyy") << QStringLiteral("05.01.2024");
}

void TestDateTime::formatDateTime()
{
    QFETCH(int, language);
    QFETCH(QString, format);
    QFETCH(QString, text);

    TeskGlobalConfig::instance()->setLanguages(0, 1, 850, quint8(language), 850);
    TeskGlobalConfig::instance()->setCurrentLang(2);
    const QDateTime value(QDate(2024, 1, 5), QTime(9, 3, 7), Qt::UTC);
    QCOMPARE(DateTime::formatDateTime(value, format), text);
}

void TestDateTime::clientUpdater_timeEverySecond_dateWhenChanged()
{
    DateTime *clock = DateTime::instance();
    QSignalSpy times(clock, &DateTime::UI_UpdateTime);
    QSignalSpy dates(clock, &DateTime::UI_UpdateDate);
    m_clock.advance(999);
    QCOMPARE(times.size(), 0);
    m_clock.advance(1);
    QCOMPARE(times.size(), 1);
    QCOMPARE(times.last().at(0).toString(), QStringLiteral("09:03"));
    QCOMPARE(dates.size(), 1);
    QCOMPARE(dates.last().at(0).toString(), QStringLiteral("5 _JANUARY_9_CHAR 2024"));

    s_now += 60;
    m_clock.advance(1000);
    QCOMPARE(times.size(), 2);
    QCOMPARE(times.last().at(0).toString(), QStringLiteral("09:04"));
    QCOMPARE(dates.size(), 1);

    // The panel is a day ahead of the PC.
    DateTime::setPanelTime(s_now - DateTime::PanelEpoch + 86400);
    clock->clientUpdater();
    QCOMPARE(dates.size(), 2);
    QCOMPARE(dates.last().at(0).toString(), QStringLiteral("6 _JANUARY_9_CHAR 2024"));
}

QTEST_GUILESS_MAIN(TestDateTime)
#include "tst_datetime.moc"
