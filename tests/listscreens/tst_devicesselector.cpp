#include "FakeClock.h"
#include "ListScreenSite.h"
#include "PageUnderPopups.h"
#include "ScriptedSite.h"
#include "SelectorScreen.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "core/TeskGlobalConfig.h"
#include "listscreens/DevicesSelector.h"
#include "pointmodels/FilteredRoles.h"

#include <QAbstractItemModelTester>
#include <QBitArray>
#include <QButtonGroup>
#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr quint8 Panel = 2;
constexpr int DeviceDescriptionsBucket = 12;

// Panel 2: zone 3 holds types 5 and 9, zone 7 types 9 and 40, zone 12 a
// point of type 0.
void buildSite()
{
    ListScreenSite::build({1, Panel});
    struct Point
    {
        quint8 zone;
        quint8 type;
    };
    const Point points[] = {{3, 5}, {3, 9}, {7, 9}, {7, 40}, {12, 0}};
    quint8 address = 1;
    for (const Point &point : points)
        ScriptedSite::addPoint(Panel, ScriptedSite::loop(1), ScriptedSite::record(address++, point.zone, point.type));
    ScriptedSite::addPoint(1, ScriptedSite::loop(1), ScriptedSite::record(1, 3, 77));
    const char *descriptions[] = {"0|1|Unknown device", "5|1|Optical smoke detector", "9|1|Manual call point",
                                  "40|1|Heat detector"};
    for (const char *description : descriptions) {
        const QStringList parts = QString::fromLatin1(description).split(QLatin1Char('|'));
        ScriptedSite::setValue(DeviceDescriptionsBucket, parts.at(0) + QLatin1Char('|') + parts.at(1), parts.at(2));
    }
    // The point lists are walked only on an engine that stands on a panel.
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setPanelNumber(1);
    config->setCurrentLang(1);
}

QList<int> setBits(const QBitArray &bits)
{
    QList<int> set;
    for (int bit = 0; bit < bits.size(); ++bit)
        if (bits.testBit(bit))
            set << bit;
    return set;
}

QList<uint> listedTypes(DevicesSelector *selector)
{
    return rowValues(selector, FilteredRoles::DeviceTypeRole).mid(1);
}

} // namespace

// The devices selector: the device types of the chosen zones, the set it
// writes, and a list kept until a reset.
class tst_DevicesSelector : public WidgetTest
{
    Q_OBJECT

private:
    QButtonGroup m_group;
    std::unique_ptr<FilterModel> m_filters;
    std::unique_ptr<DevicesSelector> m_selector;

    void chooseZones(const QList<quint8> &zones)
    {
        m_filters->selectedPanel = Panel;
        m_filters->setSelectedZones(zones);
    }

private slots:
    void init()
    {
        buildSite();
        m_filters = std::make_unique<FilterModel>(nullptr, false);
        m_selector = std::make_unique<DevicesSelector>(m_filters.get(), &m_group, nullptr);
    }

    void cleanup()
    {
        m_selector.reset();
        m_filters.reset();
        ListScreenSite::build({});
    }

    void firstOpeningFillsTheZonesTypes()
    {
        chooseZones({3, 7});
        QAbstractItemModelTester tester(&m_filters->devicesModel,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy opened(m_selector.get(), &FilterSelector::activated);
        m_selector->activate();
        QCOMPARE(opened.size(), 1);
        QCOMPARE(listOf(m_selector.get())->model()->index(0, 0).data().toString(), QStringLiteral("_ALL_LISTITEM"));
        QList<uint> types = listedTypes(m_selector.get());
        std::sort(types.begin(), types.end());
        QCOMPARE(types, (QList<uint>{5, 9, 40}));
        QCOMPARE(m_selector->filterEditor()->objectName(), QStringLiteral("DevicesSelector::m_filterEditor"));
    }

    void reopeningKeepsListAndChoice()
    {
        chooseZones({3});
        m_selector->activate();
        tapRow(m_selector.get(), 1);
        const QList<uint> before = listedTypes(m_selector.get());
        chooseZones({7});
        m_selector->activate();
        QCOMPARE(listedTypes(m_selector.get()), before);
        QCOMPARE(selectedRows(m_selector.get()), QList<int>{1});
    }

    void aZoneChangeRefillsWithNothingChosen()
    {
        chooseZones({3});
        m_selector->activate();
        tapRow(m_selector.get(), 1);
        m_selector->reset(true);
        chooseZones({7});
        m_selector->activate();
        QList<uint> types = listedTypes(m_selector.get());
        std::sort(types.begin(), types.end());
        QCOMPARE(types, (QList<uint>{9, 40}));
        QCOMPARE(selectedRows(m_selector.get()), QList<int>());
        QVERIFY(setBits(m_filters->deviceTypes).isEmpty());
    }

    void twoTypesThenNone()
    {
        chooseZones({3, 7});
        m_selector->activate();
        QSignalSpy counts(m_selector.get(), &FilterSelector::valueChanged);
        const QList<uint> types = listedTypes(m_selector.get());
        tapRow(m_selector.get(), 1);
        tapRow(m_selector.get(), 3);
        QCOMPARE(m_filters->deviceTypes.size(), 256);
        QList<int> expected{int(types.at(0)), int(types.at(2))};
        std::sort(expected.begin(), expected.end());
        QCOMPARE(setBits(m_filters->deviceTypes), expected);
        QCOMPARE(counts.last().at(0).toInt(), 2);
        QCOMPARE(buttonOf(m_selector.get())->buttonValue(), QStringLiteral("2 _DEVICES_SELECTED_SELTEXT"));
        tapRow(m_selector.get(), 1);
        tapRow(m_selector.get(), 3);
        QVERIFY(setBits(m_filters->deviceTypes).isEmpty());
        QCOMPARE(counts.last().at(0).toInt(), 0);
        QCOMPARE(buttonOf(m_selector.get())->buttonValue(), QString());
    }

    // The all row stands for every listed type; device type 0 is chosen
    // only where a point of that type is listed.
    void allRowAddsNoTypeZero_data()
    {
        QTest::addColumn<QList<quint8>>("zones");
        QTest::addColumn<QList<int>>("bits");
        QTest::newRow("no type 0 listed") << QList<quint8>{3, 7} << QList<int>{5, 9, 40};
        QTest::newRow("type 0 listed") << QList<quint8>{3, 12} << QList<int>{0, 5, 9};
    }

    void allRowAddsNoTypeZero()
    {
        QFETCH(QList<quint8>, zones);
        QFETCH(QList<int>, bits);
        chooseZones(zones);
        m_selector->activate();
        QSignalSpy counts(m_selector.get(), &FilterSelector::valueChanged);
        tapRow(m_selector.get(), 0);
        QCOMPARE(setBits(m_filters->deviceTypes), bits);
        QCOMPARE(counts.last().at(0).toInt(), 3);
    }

    void screenshot()
    {
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        FakeClock clock;
        PageUnderPopups stack(window());
        QPointer<SelectorScreen> page = new SelectorScreen;
        page->filters.selectedPanel = Panel;
        page->filters.setSelectedZones({3, 7, 12});
        auto *selector = new DevicesSelector(&page->filters, page->buttonGroup(), page);
        page->addFilterSelector(selector);
        PageStack::instance()->push(page);
        clock.advance(1);
        selector->activate();
        tapRow(selector, 1);
        tapRow(selector, 2);
        clock.advance(1);
        page->dressForReview(QStringLiteral("Disable by devices"));
        QVERIFY2(WidgetShot::textProblems(page).isEmpty(), qPrintable(WidgetShot::textProblems(page)));
        WidgetShot::saveForReview(WidgetShot::grab(page), QStringLiteral("DevicesSelector"));
    }
};

QTEST_MAIN(tst_DevicesSelector)
#include "tst_devicesselector.moc"
