#include "AnimationClock.h"
#include "FakeClock.h"
#include "ListScreenPagesInstaller.h"
#include "ListScreenSite.h"
#include "PageUnderPopups.h"
#include "SelectorScreen.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "listscreens/LogicalZoneSelector.h"
#include "listscreens/PanelSelector.h"
#include "listscreens/ZoneSelector.h"
#include "pointmodels/FilteredRoles.h"
#include "screens/popups/AUK_40032.h"
#include "widgets/SelectorItemDelegate.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

using FilteredRoles::LogicalZoneRole;
using FilteredRoles::PanelRole;
using FilteredRoles::ZoneRole;

constexpr quint8 Panel = 2;

// A panel selector followed by a zone or logical-zone selector.
template <typename Selector> struct ZoneScreen
{
    QPointer<SelectorScreen> page = new SelectorScreen;
    PanelSelector *panels;
    Selector *zones;

    template <typename... Args>
    explicit ZoneScreen(Args... args)
        : panels(new PanelSelector(&page->filters, page->buttonGroup(), page))
        , zones(make(args...))
    {
        page->addFilterSelector(panels);
        page->addFilterSelector(zones);
        PageStack::instance()->push(page);
    }
    template <typename... Args> Selector *make(Args... args);
    FilterModel &filters() { return page->filters; }
};

template <> template <typename... Args> ZoneSelector *ZoneScreen<ZoneSelector>::make(Args... args)
{
    return new ZoneSelector(&page->filters, page->buttonGroup(), args..., page);
}

template <> template <typename... Args> LogicalZoneSelector *ZoneScreen<LogicalZoneSelector>::make(Args... args)
{
    return new LogicalZoneSelector(&page->filters, page->buttonGroup(), page, args...);
}

QList<quint8> zones(std::initializer_list<int> values)
{
    QList<quint8> list;
    for (int value : values)
        list << quint8(value);
    return list;
}

// The digit boxes the keypad on top shows.
int shownDigitBoxes()
{
    int shown = 0;
    const QWidget *top = PageStack::instance()->findChild<AUK_40032 *>();
    for (int place = 1; place <= 5; ++place) {
        const auto *label = top->findChild<QLabel *>(QStringLiteral("index_value_%1").arg(place));
        shown += label && label->isVisibleTo(top) ? 1 : 0;
    }
    return shown;
}

} // namespace

// The zone and logical-zone selectors: their lists, the choice written to
// the filter model, the counters, the narrowing to one panel and the
// move-to-zone keypads.
class tst_ZoneSelectors : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<PageUnderPopups> m_stack;

private slots:
    void init()
    {
        m_clock = std::make_unique<FakeClock>();
        m_stack = std::make_unique<PageUnderPopups>(window());
        ListScreenSite::build({1, Panel, 4});
        ListScreenSite::addZonePoints(Panel, {7, 3, 12, 7, 25, 40, 41, 42, 43, 44, 45, 46});
        ListScreenSite::addZonePoints(4, {1, 2});
        const char *names[] = {"Entrance hall", "Stair core", "Offices north", "Server room"};
        int name = 0;
        for (quint8 zone : {3, 7, 12, 25})
            ListScreenSite::nameZone(Panel, zone, QString::fromLatin1(names[name++]));
        for (quint8 zone : {40, 41, 42, 43, 44, 45, 46})
            ListScreenSite::nameZone(Panel, zone, QStringLiteral("Floor %1").arg(zone - 39));
        for (quint8 zone : {1, 2})
            ListScreenSite::nameZone(4, zone, QStringLiteral("Car park level %1").arg(zone));
        ListScreenSite::nameZone(1, 1, QStringLiteral("Gatehouse"));
        ListScreenSite::addLogicalZone(1, 1, 11);
        ListScreenSite::addLogicalZone(Panel, 3, 12);
        ListScreenSite::addLogicalZone(Panel, 7, 14);
        ListScreenSite::addLogicalZone(4, 1, 13);
        ListScreenSite::addLogicalZone(4, 2, 15);
    }

    void cleanup()
    {
        m_stack.reset();
        m_clock.reset();
        ListScreenSite::build({});
    }

    void zoneListOfTheChosenPanel()
    {
        ZoneScreen<ZoneSelector> screen;
        m_clock->advance(1);
        QAbstractItemModelTester tester(&screen.filters().zonesModel,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(screen.panels->selectPanel(Panel));
        QVERIFY(screen.zones->isCurrent());
        QCOMPARE(rowValues(screen.zones, ZoneRole), (QList<uint>{3, 7, 12, 25, 40, 41, 42, 43, 44, 45, 46}));
        QSignalSpy values(screen.zones, &FilterSelector::valueChanged);
        tapRow(screen.zones, 1);
        QCOMPARE(values.count(), 1);
        QCOMPARE(screen.filters().selectedZone, quint8(7));
        QCOMPARE(screen.zones->selectedZones(), zones({7}));
        QCOMPARE(buttonOf(screen.zones)->buttonValue(), QStringLiteral("Stair core"));
        QCOMPARE(buttonOf(screen.zones)->buttonCounter(), QStringLiteral("007"));
        auto *delegate = qobject_cast<SelectorItemDelegate *>(listOf(screen.zones)->itemDelegate());
        QCOMPARE(delegate->counterText(listOf(screen.zones)->model()->index(1, 0)), QStringLiteral("(007)"));
        // The same zone again changes nothing.
        tapRow(screen.zones, 1);
        QCOMPARE(values.count(), 1);
        tapRow(screen.zones, 2);
        QCOMPARE(values.count(), 2);
        QCOMPARE(screen.zones->selectedZones(), zones({12}));
    }

    void allZonesRowInSingleChoice()
    {
        ZoneScreen<ZoneSelector> screen(false, true);
        QVERIFY(screen.panels->selectPanel(4));
        QCOMPARE(rowValues(screen.zones, ZoneRole), (QList<uint>{255, 1, 2}));
        QSignalSpy values(screen.zones, &FilterSelector::valueChanged);
        tapRow(screen.zones, 0);
        QCOMPARE(values.count(), 1);
        QCOMPARE(values.first().first().toInt(), 1);
        QCOMPARE(screen.filters().selectedZone, quint8(255));
        QCOMPARE(screen.filters().zoneList, zones({255, 1, 2}));
        QCOMPARE(buttonOf(screen.zones)->buttonValue(), QStringLiteral("_ALL_LISTITEM"));
        QCOMPARE(buttonOf(screen.zones)->buttonCounter(), QString());
    }

    void threeZonesShowTheirCount()
    {
        ZoneScreen<ZoneSelector> screen(true, false);
        QVERIFY(screen.panels->selectPanel(Panel));
        screen.zones->activate();
        QCOMPARE(listOf(screen.zones)->selectionMode(), QAbstractItemView::MultiSelection);
        QSignalSpy values(screen.zones, &FilterSelector::valueChanged);
        for (int row : {1, 3, 2})
            tapRow(screen.zones, row);
        QCOMPARE(values.last().first().toInt(), 3);
        QCOMPARE(buttonOf(screen.zones)->buttonValue(), QStringLiteral("3 _ZONES_SELECTED_SELTEXT"));
        QCOMPARE(buttonOf(screen.zones)->buttonCounter(), QString());
        QCOMPARE(screen.zones->selectedZones().size(), 3);
        for (quint8 zone : {3, 7, 12})
            QVERIFY(screen.zones->selectedZones().contains(zone));
        // A multiple choice never moves the screen on.
        QVERIFY(screen.zones->isCurrent());
    }

    void multipleChoiceReopensWithEveryRow()
    {
        ZoneScreen<ZoneSelector> screen(true, false);
        QVERIFY(screen.panels->selectPanel(Panel));
        screen.zones->activate();
        tapRow(screen.zones, 0);
        const int rows = listOf(screen.zones)->model()->rowCount();
        QCOMPARE(selectedRows(screen.zones).size(), rows);
        const QList<quint8> chosen = screen.filters().zoneList;
        QCOMPARE(chosen.size(), rows);
        // The list is built again, as after leaving the screen's zone step.
        listOf(screen.zones)->selectionModel()->clearSelection();
        screen.filters().zoneList = chosen;
        screen.filters().zonesModel.clear();
        screen.zones->updateModel();
        QCOMPARE(selectedRows(screen.zones).size(), rows);
        QCOMPARE(selectedRows(screen.zones).first(), 0);
    }

    void selectZoneByProgram()
    {
        ZoneScreen<ZoneSelector> screen;
        QVERIFY(screen.panels->selectPanel(Panel));
        QSignalSpy values(screen.zones, &FilterSelector::valueChanged);
        screen.zones->selectZone(99);
        QCOMPARE(values.count(), 0);
        screen.zones->selectZone(25);
        QCOMPARE(values.count(), 1);
        QCOMPARE(selectedRows(screen.zones), QList<int>{3});
        QCOMPARE(screen.filters().selectedZone, quint8(25));
    }

    void resetClearsTheList()
    {
        ZoneScreen<ZoneSelector> screen;
        QVERIFY(screen.panels->selectPanel(Panel));
        tapRow(screen.zones, 1);
        QSignalSpy values(screen.zones, &FilterSelector::valueChanged);
        // Another panel: the zone step starts again from that panel's zones.
        QVERIFY(screen.panels->selectPanel(4));
        QCOMPARE(values.count(), 0);
        QCOMPARE(buttonOf(screen.zones)->buttonValue(), QString());
        QVERIFY(screen.filters().zoneList.isEmpty());
        QCOMPARE(rowValues(screen.zones, ZoneRole), (QList<uint>{1, 2}));
    }

    void logicalZoneNarrowsToItsPanel()
    {
        ZoneScreen<LogicalZoneSelector> screen(true, true);
        QVERIFY(screen.panels->selectPanel(1));
        screen.zones->activate();
        QAbstractItemModelTester tester(&screen.filters().zonesModel,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(rowValues(screen.zones, LogicalZoneRole), (QList<uint>{11, 12, 13, 14, 15}));
        QSignalSpy values(screen.zones, &FilterSelector::valueChanged);
        tapRow(screen.zones, 2);
        QCOMPARE(values.last().first().toInt(), 1);
        // Narrowed to panel 4, headed by the all row.
        QCOMPARE(rowValues(screen.zones, LogicalZoneRole), (QList<uint>{0, 13, 15}));
        QCOMPARE(rowValues(screen.zones, PanelRole).mid(1), (QList<uint>{4, 4}));
        QVERIFY(qobject_cast<AUK_90048 *>(screen.zones->filterEditor())->firstItemSelectAll());
        QCOMPARE(buttonOf(screen.zones)->buttonCounter(), QStringLiteral("00013"));
        QCOMPARE(int(screen.filters().selectedPanel), 4);
        QCOMPARE(screen.zones->selectedZones(), zones({1}));
        // Releasing the last choice shows every panel's again, without the
        // all row.
        tapRow(screen.zones, 1);
        QCOMPARE(values.last().first().toInt(), 0);
        QCOMPARE(rowValues(screen.zones, LogicalZoneRole), (QList<uint>{11, 12, 13, 14, 15}));
        QVERIFY(!qobject_cast<AUK_90048 *>(screen.zones->filterEditor())->firstItemSelectAll());
    }

    void logicalZoneListScrollsBackToTheRowClicked()
    {
        for (quint8 zone = 1; zone <= 30; ++zone)
            ListScreenSite::addLogicalZone(1, zone, quint16(100 + zone));
        AnimationClock animations;
        ZoneScreen<LogicalZoneSelector> screen(true, true);
        QVERIFY(screen.panels->selectPanel(1));
        screen.zones->activate();
        QListView *list = listOf(screen.zones);
        const int clicked = rowValues(screen.zones, LogicalZoneRole).indexOf(120);
        QVERIFY(clicked > 20);
        list->verticalScrollBar()->setValue(0);
        tapRow(screen.zones, clicked);
        const int narrowed = rowValues(screen.zones, LogicalZoneRole).indexOf(120);
        QVERIFY(narrowed > 0);
        const QModelIndex row = list->model()->index(narrowed, 0);
        QVERIFY(!list->viewport()->rect().intersects(list->visualRect(row)));
        animations.advance(2000);
        QVERIFY(!list->viewport()->rect().intersects(list->visualRect(row)));
        m_clock->advance(1);
        animations.advance(2000);
        QVERIFY(list->viewport()->rect().contains(list->visualRect(row).center()));
    }

    void logicalZoneTwelveShowsFiveDigits()
    {
        ZoneScreen<LogicalZoneSelector> screen(false, false);
        QVERIFY(screen.panels->selectPanel(1));
        screen.zones->activate();
        QSignalSpy values(screen.zones, &FilterSelector::valueChanged);
        screen.zones->selectLogicalZone(Panel, 3);
        QCOMPARE(values.count(), 1);
        QCOMPARE(buttonOf(screen.zones)->buttonCounter(), QStringLiteral("00012"));
        QCOMPARE(buttonOf(screen.zones)->buttonValue(), QStringLiteral("Entrance hall"));
        QCOMPARE(int(screen.filters().selectedPanel), int(Panel));
        QCOMPARE(screen.filters().selectedZone, quint8(3));
        auto *delegate = qobject_cast<SelectorItemDelegate *>(listOf(screen.zones)->itemDelegate());
        QCOMPARE(delegate->counterText(listOf(screen.zones)->model()->index(1, 0)), QStringLiteral("(00012)"));
        // Zone 255 takes the panel's first row.
        screen.zones->selectLogicalZone(4, 255);
        QCOMPARE(buttonOf(screen.zones)->buttonCounter(), QStringLiteral("00013"));
        screen.zones->selectLogicalZone(9, 255);
        QCOMPARE(buttonOf(screen.zones)->buttonCounter(), QStringLiteral("00013"));
    }

    void moveToZoneKeypads_data()
    {
        QTest::addColumn<bool>("logical");
        QTest::addColumn<int>("boxes");
        QTest::newRow("zone") << false << 3;
        QTest::newRow("logical zone") << true << 5;
    }

    void moveToZoneKeypads()
    {
        QFETCH(bool, logical);
        QFETCH(int, boxes);
        ListScreenPagesInstaller installed;
        ZoneScreen<ZoneSelector> zoneScreen;
        FilterSelector *selector = zoneScreen.zones;
        if (logical) {
            auto *other = new LogicalZoneSelector(&zoneScreen.filters(), zoneScreen.page->buttonGroup(),
                                                  zoneScreen.page, false, false);
            zoneScreen.page->addFilterSelector(other);
            selector = other;
        }
        QVERIFY(zoneScreen.panels->selectPanel(Panel));
        selector->activate();
        QVERIFY(QMetaObject::invokeMethod(selector, "showMoveToCardPopup"));
        QVERIFY(PageStack::instance()->isTopPage(QStringLiteral("AUK_40032")));
        QCOMPARE(shownDigitBoxes(), boxes);
        auto *keypad = PageStack::instance()->findChild<AUK_40032 *>();
        emit keypad->rightButtonClicked();
        QVERIFY(!PageStack::instance()->isTopPage(QStringLiteral("AUK_40032")));
    }

    void screenshots_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("logical");
        QTest::addColumn<bool>("keypad");
        QTest::newRow("zones") << "AUK_10017_zones" << false << false;
        QTest::newRow("logical zones") << "AUK_10017_logicalzones" << true << false;
        QTest::newRow("move to zone") << "AUK_10017_movetozone" << false << true;
    }

    void screenshots()
    {
        QFETCH(QString, name);
        QFETCH(bool, logical);
        QFETCH(bool, keypad);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        m_stack.reset();
        m_stack = std::make_unique<PageUnderPopups>(window());
        ListScreenPagesInstaller installed;
        QWidget *shown = nullptr;
        if (logical) {
            ZoneScreen<LogicalZoneSelector> screen(true, true);
            m_clock->advance(1);
            QVERIFY(screen.panels->selectPanel(1));
            screen.zones->activate();
            tapRow(screen.zones, 1);
            m_clock->advance(1);
            screen.page->dressForReview(QStringLiteral("Logical zones"));
            shown = screen.page;
        } else {
            ZoneScreen<ZoneSelector> screen(true, false);
            m_clock->advance(1);
            QVERIFY(screen.panels->selectPanel(Panel));
            screen.zones->activate();
            for (int row : {1, 2})
                tapRow(screen.zones, row);
            screen.page->dressForReview(QStringLiteral("Zones"));
            shown = screen.page;
            if (keypad) {
                screen.zones->showMoveToCardPopup();
                shown = PageStack::instance();
            }
        }
        QVERIFY2(WidgetShot::textProblems(shown).isEmpty(), qPrintable(WidgetShot::textProblems(shown)));
        WidgetShot::saveForReview(WidgetShot::grab(shown), name);
    }
};

QTEST_MAIN(tst_ZoneSelectors)
#include "tst_zoneselectors.moc"
