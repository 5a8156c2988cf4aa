#include "FakeClock.h"
#include "PageUnderPopups.h"
#include "SelectorScreen.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "listscreens/DateTimeSelector.h"
#include "paneldata/DateTime.h"
#include "widgets/AUK_90015.h"
#include "widgets/AUK_90054.h"

#include <QAbstractItemModelTester>
#include <QButtonGroup>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>

#include <ctime>
#include <memory>

namespace {

// The PC clock the panel time is taken from, in seconds since 1970.
qint64 s_now = 0;
qint64 fixedClock()
{
    return s_now;
}

void setPanelClock(const QDateTime &utc)
{
    s_now = utc.toSecsSinceEpoch();
    DateTime::setClock(fixedClock);
    DateTime::resetOffset();
}

// The host's time zone, for the length of a test.
class TimeZone
{
public:
    explicit TimeZone(const QByteArray &zone)
        : m_saved(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~TimeZone()
    {
        qputenv("TZ", m_saved);
        tzset();
    }

private:
    QByteArray m_saved;
};

enum Field { Year, Month, Day, Hour, Minute };

// A selector on a fixed panel clock, its buttons, lists and keypad.
struct DateRig
{
    QButtonGroup group;
    std::unique_ptr<DateTimeSelector> selector;
    QList<AUK_90054 *> buttons;
    QStackedWidget *stack = nullptr;

    explicit DateRig(const QDateTime &panelTime, quint8 extraYears = 0)
    {
        setPanelClock(panelTime);
        selector = std::make_unique<DateTimeSelector>(&group, nullptr, extraYears);
        buttons = selector->button()->findChildren<AUK_90054 *>();
        stack = qobject_cast<QStackedWidget *>(selector->filterEditor());
    }
    AUK_90048 *list(Field field) const { return qobject_cast<AUK_90048 *>(stack->widget(field)); }
    AUK_90015 *keypad() const { return qobject_cast<AUK_90015 *>(stack->widget(3)); }
    QString shown(Field field) const { return buttons.at(field)->buttonValue(); }
    void click(Field field) { buttons.at(field)->click(); }
    void choose(Field field, int row)
    {
        QListView *view = list(field)->listView();
        const QModelIndex index = view->model()->index(row, 0);
        view->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
        emit view->clicked(index);
    }
    void type(const QString &digits)
    {
        for (const QChar digit : digits)
            emit keypad()->clicked(QString(digit));
    }
};

QDateTime utc(int year, int month, int day, int hour = 10, int minute = 20, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

} // namespace

// The date and time selector: its year, month and day lists, the typing
// rules of the hour and minute, and the date and time it reads back.
class tst_DateTimeSelector : public WidgetTest
{
    Q_OBJECT

private slots:
    void cleanup() { DateTime::setClock(nullptr); }

    void zones_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("UTC") << QByteArray("UTC");
        QTest::newRow("east of UTC") << QByteArray("Asia/Tokyo");
    }

    void yearRange_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<int>("extraYears");
        QTest::addColumn<int>("lastYear");
        for (const char *zone : {"UTC", "Asia/Tokyo"}) {
            QTest::addRow("%s, panel year", zone) << QByteArray(zone) << 0 << 2024;
            QTest::addRow("%s, up to 2038", zone) << QByteArray(zone) << 2038 - 2024 << 2038;
        }
    }

    void yearRange()
    {
        QFETCH(QByteArray, zone);
        QFETCH(int, extraYears);
        QFETCH(int, lastYear);
        const TimeZone host(zone);
        DateRig rig(utc(2024, 6, 15), quint8(extraYears));
        const QAbstractItemModel *years = rig.list(Year)->listView()->model();
        QCOMPARE(years->index(0, 0).data().toString(), QStringLiteral("1992"));
        QCOMPARE(years->rowCount(), lastYear - 1992 + 1);
        QCOMPARE(years->index(years->rowCount() - 1, 0).data().toString(), QString::number(lastYear));
        QCOMPARE(rig.stack->currentIndex(), int(Year));
    }

    // The panel's time comes back as it went in, to the minute, whatever
    // the host's zone: the event-log range and the set clock must not
    // move by the host's offset.
    void panelTimeRoundTrip_data() { zones_data(); }

    void panelTimeRoundTrip()
    {
        QFETCH(QByteArray, zone);
        const TimeZone host(zone);
        const QDateTime now = utc(2024, 3, 31, 23, 45, 37);
        DateRig rig(now);
        QCOMPARE(rig.shown(Year), QStringLiteral("2024"));
        QCOMPARE(rig.shown(Month), QStringLiteral("_MAR_SOFTBTN"));
        QCOMPARE(rig.shown(Day), QStringLiteral("31"));
        QCOMPARE(rig.shown(Hour), QStringLiteral("23"));
        QCOMPARE(rig.shown(Minute), QStringLiteral("45"));
        const QDateTime chosen = rig.selector->selectedDateTime();
        QCOMPARE(chosen, utc(2024, 3, 31, 23, 45, 0));
        QCOMPARE(chosen.time().second(), 0);
        QCOMPARE(DateTime::toPanelSeconds(chosen), DateTime::toPanelSeconds(now) - 37);
    }

    void dayFollowsTheMonth_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("day");
        QTest::newRow("leap year") << 2024 << "29";
        QTest::newRow("other year") << 2023 << "28";
    }

    void dayFollowsTheMonth()
    {
        QFETCH(int, year);
        QFETCH(QString, day);
        DateRig rig(utc(year, 3, 31));
        QAbstractItemModelTester tester(rig.list(Day)->listView()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        rig.click(Month);
        rig.choose(Month, 1);
        QCOMPARE(rig.shown(Month), QStringLiteral("_FEB_SOFTBTN"));
        QCOMPARE(rig.shown(Day), day);
        QCOMPARE(rig.list(Day)->listView()->model()->rowCount(), day.toInt());
        QCOMPARE(rig.selector->selectedDateTime().date(), QDate(year, 2, day.toInt()));
    }

    void dayFollowsTheYear_data() { dayFollowsTheMonth_data(); }

    void dayFollowsTheYear()
    {
        QFETCH(int, year);
        QFETCH(QString, day);
        DateRig rig(utc(2020, 2, 29), 10);
        QAbstractItemModelTester tester(rig.list(Year)->listView()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        rig.click(Year);
        rig.choose(Year, year - 1992);
        QCOMPARE(rig.shown(Year), QString::number(year));
        QCOMPARE(rig.shown(Day), day);
    }

    // A year or month that forms no date brings the day down to one every
    // month has, and no further.
    void dayWithoutAMonthStopsAt28()
    {
        DateRig rig(utc(2024, 1, 31));
        rig.list(Month)->listView()->selectionModel()->clearSelection();
        rig.choose(Year, 2023 - 1992);
        QCOMPARE(rig.shown(Day), QStringLiteral("28"));
    }

    void hourTyping_data()
    {
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("2 then 5") << false << "25"
                                  << "2";
        QTest::newRow("2 then 3") << false << "23"
                                  << "23";
        QTest::newRow("1 then 9") << false << "19"
                                  << "19";
        QTest::newRow("7 into a complete hour") << false << "7"
                                                << "10";
        QTest::newRow("7 into an empty hour") << true << "7"
                                              << "";
        QTest::newRow("not a digit") << false << "x"
                                     << "10";
        QTest::newRow("a third digit") << false << "123"
                                       << "12";
    }

    void hourTyping()
    {
        QFETCH(bool, cleared);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        DateRig rig(utc(2024, 5, 5, 10, 20));
        rig.click(Hour);
        QCOMPARE(rig.stack->currentIndex(), 3);
        if (cleared)
            emit rig.keypad()->del();
        rig.type(typed);
        QCOMPARE(rig.shown(Hour), shown);
    }

    void minuteTyping_data()
    {
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("6 into a complete minute") << false << "6"
                                                  << "20";
        QTest::newRow("6 into an empty minute") << true << "6"
                                                << "";
        QTest::newRow("5 then 9") << false << "59"
                                  << "59";
        QTest::newRow("0 then 7") << true << "07"
                                  << "07";
    }

    void minuteTyping()
    {
        QFETCH(bool, cleared);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        DateRig rig(utc(2024, 5, 5, 10, 20));
        rig.click(Minute);
        if (cleared)
            emit rig.keypad()->del();
        rig.type(typed);
        QCOMPARE(rig.shown(Minute), shown);
    }

    void leavingCompletesTheField_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pending");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one hour digit") << int(Hour) << false << "1"
                                        << "1"
                                        << "01";
        QTest::newRow("hour deleted") << int(Hour) << true << ""
                                      << ""
                                      << "00";
        QTest::newRow("one minute digit") << int(Minute) << false << "4"
                                          << "4"
                                          << "04";
        QTest::newRow("minute deleted") << int(Minute) << true << ""
                                        << ""
                                        << "00";
    }

    void leavingCompletesTheField()
    {
        QFETCH(int, field);
        QFETCH(bool, cleared);
        QFETCH(QString, typed);
        QFETCH(QString, pending);
        QFETCH(QString, shown);
        DateRig rig(utc(2024, 5, 5, 10, 20));
        rig.click(Field(field));
        if (cleared)
            emit rig.keypad()->del();
        rig.type(typed);
        QCOMPARE(rig.shown(Field(field)), pending);
        // A value not yet left reads as its own number.
        const QTime before = rig.selector->selectedDateTime().time();
        QCOMPARE(field == Hour ? before.hour() : before.minute(), pending.toInt());
        rig.click(Day);
        QCOMPARE(rig.shown(Field(field)), shown);
        QCOMPARE(rig.selector->selectedDateTime().time().second(), 0);
    }

    // Whatever page was shown before, a press of a scroll key moves the
    // list shown now, one step, and no other.
    void scrollKeysMoveTheListShown()
    {
        DateRig rig(utc(2024, 5, 5));
        QSignalSpy years(rig.list(Year), &AUK_90048::scrollDownButtonClicked);
        QSignalSpy months(rig.list(Month), &AUK_90048::scrollDownButtonClicked);
        QSignalSpy days(rig.list(Day), &AUK_90048::scrollDownButtonClicked);
        const QList<std::pair<Field, QSignalSpy *>> order{{Month, &months}, {Day, &days},     {Year, &years},
                                                          {Day, &days},     {Month, &months}, {Year, &years}};
        int expected[3] = {0, 0, 0};
        for (const auto &[field, spy] : order) {
            rig.click(Hour);
            emit rig.selector->scrollDownButtonClicked();
            rig.click(field);
            emit rig.selector->scrollDownButtonClicked();
            ++expected[field];
            QCOMPARE(years.size(), expected[Year]);
            QCOMPARE(months.size(), expected[Month]);
            QCOMPARE(days.size(), expected[Day]);
            QCOMPARE(spy->size(), expected[field]);
        }
    }

    void neverReportsACount()
    {
        DateRig rig(utc(2024, 5, 5));
        QSignalSpy counts(rig.selector.get(), &FilterSelector::valueChanged);
        QSignalSpy activated(rig.selector.get(), &FilterSelector::activated);
        rig.click(Year);
        rig.choose(Year, 3);
        rig.click(Month);
        rig.choose(Month, 3);
        rig.click(Day);
        rig.choose(Day, 3);
        rig.click(Hour);
        rig.type(QStringLiteral("12"));
        rig.selector->reset(true);
        QCOMPARE(counts.size(), 0);
        QCOMPARE(activated.size(), 4);
        QCOMPARE(rig.selector->selectedDateTime(), utc(1995, 4, 4, 12, 20));
    }

    void screenshots_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("DateTimeSelector_years") << int(Year);
        QTest::newRow("DateTimeSelector_months") << int(Month);
        QTest::newRow("DateTimeSelector_days") << int(Day);
        QTest::newRow("DateTimeSelector_hour") << int(Hour);
    }

    void screenshots()
    {
        QFETCH(int, page);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        FakeClock clock;
        PageUnderPopups stack(window());
        setPanelClock(utc(2024, 6, 15, 9, 5));
        QPointer<SelectorScreen> screen = new SelectorScreen;
        auto *selector = new DateTimeSelector(screen->buttonGroup(), screen, 0);
        selector->setTitle(QStringLiteral("From"));
        screen->addFilterSelector(selector);
        PageStack::instance()->push(screen);
        clock.advance(1);
        selector->button()->findChildren<AUK_90054 *>().at(page)->click();
        clock.advance(1);
        auto *editor = qobject_cast<QStackedWidget *>(selector->filterEditor());
        if (auto *list = qobject_cast<AUK_90048 *>(editor->currentWidget())) {
            // A list opens on its chosen row, however far down it lies.
            QListView *view = list->listView();
            const QModelIndexList chosen = view->selectionModel()->selectedIndexes();
            QVERIFY(!chosen.isEmpty());
            QVERIFY(view->viewport()->rect().intersects(view->visualRect(chosen.first())));
        }
        screen->dressForReview(QStringLiteral("Event log by date"));
        QVERIFY2(WidgetShot::textProblems(screen).isEmpty(), qPrintable(WidgetShot::textProblems(screen)));
        WidgetShot::saveForReview(WidgetShot::grab(screen), QString::fromLatin1(QTest::currentDataTag()));
    }
};

QTEST_MAIN(tst_DateTimeSelector)
#include "tst_datetimeselector.moc"
